#include "ui/segments/region_lookup_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"

namespace telqor {

using namespace Qt::StringLiterals;

RegionLookupDialog::RegionLookupDialog(const SegmentDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(u"frmhdSearch"_s);
  setWindowTitle(u"手机号码地区速查"_s);
  Label1 = Named<QLabel>(u"Label1"_s, u"号码"_s);
  CBHm = EditableCombo(u"CBHm"_s);
  CBHm->setMinimumWidth(200);
  Label1->setBuddy(CBHm);
  SpeedButton1 = ToolButton(u"SpeedButton1"_s, u"查找"_s);
  Memolog = Named<QPlainTextEdit>(u"Memolog"_s);
  Memolog->setReadOnly(true);
  Memolog->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memolog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memolog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({Label1, CBHm, SpeedButton1}));
  layout->addWidget(Memolog, 1);
  resize(420, 320);
  Wire(SpeedButton1, this, &RegionLookupDialog::SpeedButton1Click);
  // The combo box hands Return on to its field a second time, so the key is taken here once.
  CBHm->lineEdit()->installEventFilter(this);
}

bool RegionLookupDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == CBHm->lineEdit() && event->type() == QEvent::KeyPress) {
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      SpeedButton1->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RegionLookupDialog::SpeedButton1Click() {
  const std::string typed = ToGbk(CBHm->currentText());
  if (std::optional<std::string> line = LookupLine(typed, db_))
    Memolog->appendPlainText(FromGbk(*line));
  else if (!TrimBlanks(typed).empty())  // too short to hold a segment: say so rather than nothing
    Memolog->appendPlainText(CBHm->currentText() + u":号码不足7位，无法查找"_s);
  CBHm->lineEdit()->selectAll();  // the next number typed replaces this one
}

}  // namespace telqor
