#include "ui/files/save_count_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;

SaveCountDialog::SaveCountDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhmsave"_s);
  setWindowTitle(u"号码保存参数"_s);
  Label1 = Named<QLabel>(u"Label1"_s, u"每个导出文件包含号码数:"_s);
  EditA = Named<QLineEdit>(u"EditA"_s);
  EditA->setText(u"1000"_s);
  BitBtn1 = Named<QPushButton>(u"BitBtn1"_s, u"确定"_s);
  BitBtn2 = Named<QPushButton>(u"BitBtn2"_s, u"取消"_s);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  auto* field = new QHBoxLayout;
  field->addWidget(Label1);
  field->addWidget(EditA, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addLayout(buttons);
}

bool SaveCountDialog::AskCount(std::string& count) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  count = EditA->text().toStdString();
  return true;
}

}  // namespace telqor
