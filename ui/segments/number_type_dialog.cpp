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
#include "ui/segments/number_type_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::number_types;

NumberTypeDialog::NumberTypeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(kNumberTypeDialog);
  setWindowTitle(u"号码类型选择"_s);
  mobileCheck_ = Named<QCheckBox>(kMobileCheck, u"移动号码"_s);
  unicomCheck_ = Named<QCheckBox>(kUnicomCheck, u"联通号码"_s);
  telecomCheck_ = Named<QCheckBox>(kTelecomCheck, u"电信号码"_s);
  broadnetCheck_ = Named<QCheckBox>(kBroadnetCheck, u"广电号码"_s);
  for (QCheckBox* box : {mobileCheck_, unicomCheck_, telecomCheck_, broadnetCheck_}) box->setChecked(true);
  rangeCheck_ = Named<QCheckBox>(kRangeCheck, u"指定号码范围"_s);
  rangeStartEdit_ = Named<QLineEdit>(kRangeStartEdit);
  rangeEndEdit_ = Named<QLineEdit>(kRangeEndEdit);
  okButton_ = Button(kOkButton, u"确定"_s);
  cancelButton_ = Button(kCancelButton, u"取消"_s);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({mobileCheck_, unicomCheck_, telecomCheck_, broadnetCheck_}));
  layout->addWidget(rangeCheck_);
  layout->addLayout(Row({rangeStartEdit_, new QLabel(u"~"_s), rangeEndEdit_}, false));
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  layout->addLayout(buttons);
}

bool NumberTypeDialog::AskSelection(TypeSelection& selection) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  TypeSelection chosen;
  chosen.mobile = mobileCheck_->isChecked();
  chosen.unicom = unicomCheck_->isChecked();
  chosen.telecom = telecomCheck_->isChecked();
  chosen.broadnet = broadnetCheck_->isChecked();
  chosen.range = rangeCheck_->isChecked();
  chosen.start = RangeBound(ToGbk(rangeStartEdit_->text()));
  chosen.end = RangeBound(ToGbk(rangeEndEdit_->text()));
  selection = chosen;
  return true;
}

}  // namespace telqor
