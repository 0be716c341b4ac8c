// Saving the lists into the dated output folder, whole or in batches, and opening it
// (handlers of TfrmhmEx).
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/frm_hm_ex.h"
#include "app/qt_ui.h"
#include "app/telqor_application.h"
#include "files/batch_save.h"
#include "files/frm_hm_save.h"

namespace telqor {
namespace {

// Asks for the number of items per file; false when the dialog was not confirmed.
bool AskBatchSize(Tfrmhmsave* dialog, std::string& count) {
  if (ExecDialog(dialog) != QDialog::Accepted) return false;
  count = dialog->EditA->text().toStdString();
  return true;
}

}  // namespace

NumberList& TfrmhmEx::ExportList() { return RBDest->isChecked() ? target_ : source_; }

void TfrmhmEx::SpeedButton23Click() {
  std::string count;
  if (AskBatchSize(frmhmsave, count)) BatchSave(ExportList().Items(), count, Folders().datedOutput, AppUi());
}

void TfrmhmEx::N46Click() { SaveWholeList(ExportList().Items(), Folders().datedOutput, AppUi()); }

void TfrmhmEx::N30Click() {
  std::string count;
  if (workspace_.Items().Count() > 0 && AskBatchSize(frmhmsave, count))
    BatchSave(workspace_.Items(), count, Folders().datedOutput, AppUi());
}

void TfrmhmEx::N31Click() {
  if (workspace_.Items().Count() > 0) SaveWholeList(workspace_.Items(), Folders().datedOutput, AppUi());
}

void TfrmhmEx::SpeedButton2Click() { OpenFolder(Folders().datedOutput); }

void TfrmhmEx::ConnectExportHandlers() {
  for (QPushButton* b : {SpeedButton23, SpeedButton2}) b->setEnabled(true);
  for (QAction* a : {N46, N30, N31}) a->setEnabled(true);
  connect(SpeedButton23, &QPushButton::clicked, this, Guarded([this] { SpeedButton23Click(); }));
  connect(SpeedButton2, &QPushButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
  connect(N46, &QAction::triggered, this, Guarded([this] { N46Click(); }));
  connect(N30, &QAction::triggered, this, Guarded([this] { N30Click(); }));
  connect(N31, &QAction::triggered, this, Guarded([this] { N31Click(); }));
}

}  // namespace telqor
