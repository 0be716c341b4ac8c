// The panel of the workspace list with the two editors: pattern replacement, and prefixes
// and suffixes by length (handlers of TfrmhmEx).
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/double_click.h"
#include "app/frm_hm_ex.h"
#include "app/telqor_application.h"
#include "core/gbk.h"
#include "workspace/replacement.h"

namespace telqor {
namespace {

// Text typed in a field, as item data.
std::string Gbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

}  // namespace

void TfrmhmEx::SpeedButton22Click() {
  ReplaceContent(workspace_, Gbk(CBA->currentText()), Gbk(CBB->currentText()), AppUi());
}

void TfrmhmEx::SpeedButton35Click() {
  AddAffixes(workspace_, CBDataLen->currentText().toStdString(), Gbk(Edit3->text()), Gbk(Edit4->text()), AppUi());
}

void TfrmhmEx::N40Click() { Panelhmprex->setVisible(!Panelhmprex->isVisible()); }

void TfrmhmEx::ConnectEditorHandlers() {
  for (QPushButton* b : {SpeedButton22, SpeedButton35}) b->setEnabled(true);
  connect(SpeedButton22, &QPushButton::clicked, this, Guarded([this] { SpeedButton22Click(); }));
  connect(SpeedButton35, &QPushButton::clicked, this, Guarded([this] { SpeedButton35Click(); }));
  N40->setEnabled(true);
  connect(N40, &QAction::triggered, this, Guarded([this] { N40Click(); }));
  // A double click empties a field; on the panel or its groups it hides the panel.
  OnDoubleClick(CBA->lineEdit(), [this] { CBA->setEditText(QString()); });
  OnDoubleClick(CBB->lineEdit(), [this] { CBB->setEditText(QString()); });
  OnDoubleClick(Edit3, [this] { Edit3->clear(); });
  OnDoubleClick(Edit4, [this] { Edit4->clear(); });
  for (QWidget* w : std::initializer_list<QWidget*>{GroupBox5, GroupBox9, Panelhmprex})
    OnDoubleClick(w, [this] { N40Click(); });
}

}  // namespace telqor
