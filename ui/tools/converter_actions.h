// ConverterActions: the file converters of the main window's "工具" menu: "word/excel->txt",
// "文本->ANSI文本", "文本->UTF8文本", "文本->Unicode文本" and "二進制数据流预处理-(0~128)". Each asks
// for files with the open dialog and runs the converter on them, in the dialog's order. The
// shell wires its menu items to them. User-interface thread only.
#pragma once

#include <QObject>

#include "files/encoding_tools.h"
#include "ui/kit/app_context.h"

class QWidget;

namespace telqor {

class ConverterActions : public QObject {
  Q_OBJECT
 public:
  ConverterActions(AppContext& context, QWidget* window);

  // Documents, workbooks and pdf files turned into text files.
  void ConvertOfficeFiles();
  // Text files rewritten as ANSI (GBK), UTF-8 or Unicode (UTF-16) text.
  void RewriteAsAnsi() { Rewrite(TextTarget::kAnsi); }
  void RewriteAsUtf8() { Rewrite(TextTarget::kUtf8); }
  void RewriteAsUnicode() { Rewrite(TextTarget::kUtf16); }
  // A cleaned copy of each file: byte 0 and every byte above 128 become spaces.
  void CleanBinaryFiles();

 private:
  void Rewrite(TextTarget target);

  AppContext& context_;
  QWidget* window_;
};

}  // namespace telqor
