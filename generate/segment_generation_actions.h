// The generation from segments behind the two buttons of the source list's tool bar on the
// tab "号码生成㈡", which the lists tab creates: "  输入号段   " (ToolButton1, segments typed in
// Tfrmhdinput) and "   导入号段   " (ToolButton2, segments chosen in the segment library).
#pragma once

#include <QObject>

#include "gui/app_context.h"
#include "workspace/number_list.h"

class QWidget;

namespace telqor {

class Tfrmhdinput;
class Tfrmhdmanager;

class SegmentGenerationActions : public QObject {
  Q_OBJECT
 public:
  SegmentGenerationActions(AppContext& context, NumberList& source, Tfrmhdinput* frmhdinput,
                           Tfrmhdmanager* frmhdmanager, QObject* parent = nullptr);

  // Wires ToolButton1 and ToolButton2 of the lists tab.
  void Attach(QWidget* listsTab);

  void ToolButton1Click();
  void ToolButton2Click();

 private:
  AppContext& context_;
  NumberList& source_;
  Tfrmhdinput* frmhdinput_;
  Tfrmhdmanager* frmhdmanager_;
};

}  // namespace telqor
