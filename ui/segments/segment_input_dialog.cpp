#include "ui/segments/segment_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/text/text.h"
#include "generate/segment_generation.h"
#include "ui/segments/segment_input_dialog_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/up_down.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::segment_input;

SegmentInputDialog::SegmentInputDialog(const SegmentDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(kSegmentInputDialog);
  setWindowTitle(u"输入号段(一行一个,手机号段一般前7位)"_s);
  resize(420, 460);
  segmentsEdit_ = Named<QPlainTextEdit>(kSegmentsEdit);
  segmentsEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  lengthLabel_ = Named<QLabel>(kLengthLabel, u"号码总长度"_s);
  lengthEdit_ = Named<QLineEdit>(kLengthEdit, u"11"_s);
  lengthEdit_->setMaximumWidth(60);
  lengthUpDown_ = new UpDown(lengthEdit_, 0, 100, 11);
  lengthUpDown_->setObjectName(kLengthUpDown);
  checkButton_ = ToolButton(kCheckButton, u"7位号段有效检查"_s);
  okButton_ = Button(kOkButton, u"确定"_s);
  cancelButton_ = Button(kCancelButton, u"取消"_s);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  Wire(checkButton_, this, &SegmentInputDialog::CheckSegmentsClicked);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(segmentsEdit_, 1);
  layout->addLayout(Row({lengthLabel_, lengthEdit_, lengthUpDown_, checkButton_}));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  layout->addLayout(buttons);
}

std::vector<std::string> SegmentInputDialog::Lines() const {
  std::vector<std::string> lines;
  QString text = segmentsEdit_->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(u'\n')) lines.push_back(ToGbk(line));
  return lines;
}

bool SegmentInputDialog::AskSegments(std::vector<std::string>& lines, std::string& lengthText) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  lines = Lines();
  lengthText = ToGbk(lengthEdit_->text());
  return true;
}

// The check only reports: the field keeps every line, and OK generates from all of them.
void SegmentInputDialog::CheckSegmentsClicked() {
  std::string report = CheckSegments(Lines(), db_);
  if (TrimBlanks(report).empty()) return;
  InformBox(this, u"无效：\r\n"_s + FromGbk(report), u"参考提示"_s);
}

}  // namespace telqor
