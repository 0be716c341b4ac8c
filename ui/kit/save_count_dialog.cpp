#include "ui/kit/save_count_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kit/save_count_dialog_names.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::save_count;

SaveCountDialog::SaveCountDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(kSaveCountDialog);
  setWindowTitle(u"号码保存参数"_s);
  countLabel_ = Named<QLabel>(kCountLabel, u"每个导出文件包含号码数:"_s);
  countEdit_ = Named<QLineEdit>(kCountEdit);
  countEdit_->setText(u"1000"_s);
  okButton_ = Named<QPushButton>(kOkButton, u"确定"_s);
  cancelButton_ = Named<QPushButton>(kCancelButton, u"取消"_s);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  auto* field = new QHBoxLayout;
  field->addWidget(countLabel_);
  field->addWidget(countEdit_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addLayout(buttons);
}

bool SaveCountDialog::AskCount(std::string& count) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  count = countEdit_->text().toStdString();
  return true;
}

}  // namespace telqor
