#include "ui/generate/segment_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "generate/segment_generation.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/up_down.h"

namespace telqor {

using namespace Qt::StringLiterals;

SegmentInputDialog::SegmentInputDialog(const SegmentDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(u"frmhdinput"_s);
  setWindowTitle(u"输入号段(一行一个,手机号段一般前7位)"_s);
  resize(420, 460);
  Memohd = Named<QPlainTextEdit>(u"Memohd"_s);
  Memohd->setLineWrapMode(QPlainTextEdit::NoWrap);
  Label1 = Named<QLabel>(u"Label1"_s, u"号码总长度"_s);
  EditHMLEN = Named<QLineEdit>(u"EditHMLEN"_s, u"11"_s);
  EditHMLEN->setMaximumWidth(60);
  UpDown1 = new UpDown(EditHMLEN, 0, 100, 11);
  UpDown1->setObjectName(u"UpDown1"_s);
  SpeedButton1 = ToolButton(u"SpeedButton1"_s, u"7位号段有效检查"_s);
  BitBtn1 = Button(u"BitBtn1"_s, u"确定"_s);
  BitBtn2 = Button(u"BitBtn2"_s, u"取消"_s);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  Wire(SpeedButton1, this, &SegmentInputDialog::SpeedButton1Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Memohd, 1);
  layout->addLayout(Row({Label1, EditHMLEN, UpDown1, SpeedButton1}));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);
}

std::vector<std::string> SegmentInputDialog::Lines() const {
  std::vector<std::string> lines;
  QString text = Memohd->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(u'\n')) lines.push_back(ToGbk(line));
  return lines;
}

bool SegmentInputDialog::AskSegments(std::vector<std::string>& lines, std::string& lengthText) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  lines = Lines();
  lengthText = ToGbk(EditHMLEN->text());
  return true;
}

// The check only reports: the memo keeps every line, and OK generates from all of them.
void SegmentInputDialog::SpeedButton1Click() {
  std::string report = CheckSegments(Lines(), db_);
  if (TrimBlanks(report).empty()) return;
  InformBox(this, u"无效：\r\n"_s + FromGbk(report), u"参考提示"_s);
}

}  // namespace telqor
