#include "ui/segments/region_lookup_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/program/settings.h"
#include "core/text/text.h"
#include "segments/carrier.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/segments/region_lookup_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::region_lookup;

RegionLookupDialog::RegionLookupDialog(const SegmentDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(kRegionLookupDialog);
  setWindowTitle(u"手机号码地区速查"_s);
  numberLabel_ = Named<QLabel>(kNumberLabel, u"号码"_s);
  numberCombo_ = EditableCombo(kNumberCombo);
  numberCombo_->setMinimumWidth(200);
  numberLabel_->setBuddy(numberCombo_);
  lookUpButton_ = ToolButton(kLookUpButton, u"查找"_s);
  logEdit_ = Named<QPlainTextEdit>(kLogEdit);
  // Number portability: the data know a number's segment, not where it went since.
  logEdit_->setToolTip(u"运营商是号段原来的运营商：携号转网的号码仍显示原运营商，归属地也不变"_s);
  logEdit_->setReadOnly(true);
  logEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  logEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  logEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({numberLabel_, numberCombo_, lookUpButton_}));
  layout->addWidget(logEdit_, 1);
  resize(420, 320);
  Wire(lookUpButton_, this, &RegionLookupDialog::LookUpClicked);
  // Typed keys go to the combo box, which has the focus and hands them to its field by calling
  // the field's event handler, past any filter of the field; the field lets Return go on to
  // the dialog, which has no default button. So Return is taken at the combo box, and at the
  // field for a key sent to the field itself.
  numberCombo_->installEventFilter(this);
  numberCombo_->lineEdit()->installEventFilter(this);
}

void RegionLookupDialog::Bind(const Settings* settings) { settings_ = settings; }

bool RegionLookupDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == numberCombo_ || watched == numberCombo_->lineEdit()) && event->type() == QEvent::KeyPress) {
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      lookUpButton_->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RegionLookupDialog::LookUpClicked() {
  const std::string typed = ToGbk(numberCombo_->currentText());
  std::optional<CarrierRule> carriers;
  if (settings_) carriers.emplace(*settings_);
  // Without segment data every number would be "没有找到": say why, and what gives the data.
  if (db_.SegmentCount() == 0 && !TrimBlanks(typed).empty())
    logEdit_->appendPlainText(
        u"没有号段数据：基础数据/手机号段.txt 不存在或是空的。重新启动程序并在提问时选择写入默认数据，"
        u"或运行 telqor-cli make-default-data。"_s);
  if (std::optional<std::string> line = LookupLine(typed, db_, carriers ? &*carriers : nullptr))
    logEdit_->appendPlainText(FromGbk(*line));
  else if (!TrimBlanks(typed).empty())  // too short to hold a segment: say so rather than nothing
    logEdit_->appendPlainText(numberCombo_->currentText() + u":号码不足7位，无法查找"_s);
  numberCombo_->lineEdit()->selectAll();  // the next number typed replaces this one
}

}  // namespace telqor
