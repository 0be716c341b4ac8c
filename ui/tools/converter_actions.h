// ConverterActions: the file converters of the main window's "工具" menu: "word/excel->txt",
// "文本->ANSI文本", "文本->UTF8文本", "文本->Unicode文本" and "二進制数据流预处理-(0~128)". Each asks
// for files with the open dialog and runs the converter on them, in the dialog's order. The
// shell hands over its menu; the items are found by their names. User-interface thread only.
#pragma once

#include <QObject>

#include "tools/encoding_tools.h"
#include "ui/kit/app_context.h"

class QWidget;

namespace telqor {

class ConverterActions : public QObject {
  Q_OBJECT
 public:
  ConverterActions(AppContext& context, QWidget* window);

  // Wires the menu items wordexceltxt1, Ansi1, Ansi2, Ansi3 and N41 found below root.
  void Attach(QWidget* root);

  void wordexceltxt1Click();
  void Ansi1Click() { Rewrite(TextTarget::kAnsi); }
  void Ansi2Click() { Rewrite(TextTarget::kUtf8); }
  void Ansi3Click() { Rewrite(TextTarget::kUtf16); }
  void N41Click();

 private:
  void Rewrite(TextTarget target);

  AppContext& context_;
  QWidget* window_;
};

}  // namespace telqor
