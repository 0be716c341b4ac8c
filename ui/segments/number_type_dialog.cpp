#include "ui/segments/number_type_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "segments/moves.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;

NumberTypeDialog::NumberTypeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhdsel"_s);
  setWindowTitle(u"号码类型选择"_s);
  CBMobile = Named<QCheckBox>(u"CBMobile"_s, u"移动号码"_s);
  CBUnicom = Named<QCheckBox>(u"CBUnicom"_s, u"联通号码"_s);
  CBTelecom = Named<QCheckBox>(u"CBTelecom"_s, u"电信号码"_s);
  for (QCheckBox* box : {CBMobile, CBUnicom, CBTelecom}) box->setChecked(true);
  CBSelHD = Named<QCheckBox>(u"CBSelHD"_s, u"指定号码范围"_s);
  EditStart = Named<QLineEdit>(u"EditStart"_s);
  EditEnd = Named<QLineEdit>(u"EditEnd"_s);
  BitBtn1 = Button(u"BitBtn1"_s, u"确定"_s);
  BitBtn2 = Button(u"BitBtn2"_s, u"取消"_s);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({CBMobile, CBUnicom, CBTelecom}));
  layout->addWidget(CBSelHD);
  layout->addLayout(Row({EditStart, new QLabel(u"~"_s), EditEnd}, false));
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);
}

bool NumberTypeDialog::AskSelection(TypeSelection& selection) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  TypeSelection chosen;
  chosen.mobile = CBMobile->isChecked();
  chosen.unicom = CBUnicom->isChecked();
  chosen.telecom = CBTelecom->isChecked();
  chosen.range = CBSelHD->isChecked();
  chosen.start = RangeBound(ToGbk(EditStart->text()));
  chosen.end = RangeBound(ToGbk(EditEnd->text()));
  selection = chosen;
  return true;
}

}  // namespace telqor
