// The generation from segments behind the two buttons of the source list's tool bar on the
// tab "号码生成㈡", which the lists tab creates: "  输入号段   " (ToolButton1, segments typed in
// SegmentInputDialog) and "   导入号段   " (ToolButton2, segments chosen in the segment library).
#pragma once

#include <QObject>

#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QWidget;

namespace telqor {

class SegmentInputDialog;
class SegmentLibraryDialog;

class SegmentGenerationActions : public QObject {
  Q_OBJECT
 public:
  SegmentGenerationActions(AppContext& context, NumberList& source, SegmentInputDialog* frmhdinput,
                           SegmentLibraryDialog* frmhdmanager, QObject* parent = nullptr);

  // Wires ToolButton1 and ToolButton2 of the lists tab.
  void Attach(QWidget* listsTab);

  void ToolButton1Click();
  void ToolButton2Click();

 private:
  AppContext& context_;
  NumberList& source_;
  SegmentInputDialog* frmhdinput_;
  SegmentLibraryDialog* frmhdmanager_;
};

}  // namespace telqor
