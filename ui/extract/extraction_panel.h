// ExtractionPanel: the group "搜索号码-支持拖放文件(夹) " of the first tab: the files and the
// pasted text to extract from, the kinds of number wanted, and the two start buttons. The main
// window routes files dropped on the file list here.
//
// The panel owns the extraction engine, the report its runs go to (status, failures and the five
// result lists) and the area codes. A run is one user action: the panel builds an
// ExtractionRequest from its controls, starts it and waits for the workers while the window
// keeps painting, the status line shows the item being read and the progress bar the bytes
// done. Other input is held off meanwhile, except for "停止", which ends the run early keeping what was found. When
// the workers are done the results go to the workspace list (button Tag 1) or to one file per
// kind in the dated output folder (Tag 0). User-interface thread only.
#pragma once

#include <QWidget>
#include <string>

#include "core/lists/item_list.h"
#include "extract/extraction_engine.h"
#include "extract/extraction_request.h"
#include "extract/extraction_results.h"
#include "extract/extraction_sink.h"
#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/number_list.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace telqor {

class ExtractionPanel : public QWidget {
  Q_OBJECT
 public:
  ExtractionPanel(AppContext& context, NumberList& workspace, QWidget* parent = nullptr);
  ~ExtractionPanel() override;

  DropSites Drops() const;

  // Reads the area codes from the base-data folder (once, at start-up). A table that cannot be
  // read leaves the codes empty; the error propagates. Without a table, a landline keeps the area
  // code it is written with, and the first run that keeps landlines says how to write the table.
  void LoadAreaCodes();
  const ItemList& AreaCodes() const { return areaCodes_; }
  const ExtractionResults& Results() const { return report_.Found(); }

  // Whether a run is going.
  bool Running() const { return extraction_.Active(); }
  // Stops a run for the program's exit: the workers end, and nothing is shown or saved.
  void AbandonRun();

 private:
  void BuildFiles();
  void BuildPasteBox();
  void BuildOptions();
  void Connect();

  void ImportFilesClicked();
  void ImportFolderClicked();
  void DeleteSelectedFilesClicked();
  void ClearFilesClicked();
  // Removes the file double-clicked, after asking.
  void FileListDoubleClicked();
  // Empties the paste box.
  void PasteBoxDoubleClicked();
  void LandlineClicked();
  void AreaCodeModeChanged();
  void RegexClicked();
  // Both extract buttons: the button's Tag says where the results go.
  void ExtractClicked(QAbstractButton* sender);
  void StopClicked();

  void WaitForRun();
  void ExtractionDone();
  void ShowWorkerStatus();

  AppContext& context_;
  NumberList& workspace_;
  ItemList areaCodes_;
  bool areaCodeTableMissing_ = false;
  bool toldMissingTable_ = false;  // said once for the program's run
  std::string missingTableNote_;   // of the run going, until it is said
  // What the workers report: the latest status, shown by the waiting user-interface thread,
  // the files left out and the results.
  ExtractionReport report_;
  ExtractionOutput output_ = ExtractionOutput::kAppendWanted;
  bool abandoned_ = false;
  ExtractionEngine extraction_;  // after what its workers report to, so that they end first

  // The controls, named as extraction_panel_names.h says.
  QGroupBox* extractionGroup_;
  QGroupBox* filesGroup_;
  QListWidget* fileList_;  // takes file drops
  QPushButton* importFilesButton_;
  QPushButton* clearFilesButton_;
  QPushButton* importFolderButton_;
  QPushButton* deleteFilesButton_;
  QGroupBox* pasteGroup_;
  QPlainTextEdit* pasteBox_;
  QPushButton* extractToWorkspaceButton_;  // Tag 1
  QPushButton* extractToFilesButton_;      // Tag 0
  QPushButton* stopButton_;
  QCheckBox* mobileCheck_;
  QCheckBox* landlineCheck_;
  QCheckBox* emailCheck_;
  QCheckBox* regexCheck_;
  QComboBox* areaCodeModeCombo_;
  QLineEdit* areaCodeEdit_;  // the area code given
  QLineEdit* regexEdit_;
  QMenu* fileListMenu_;
  QAction* importFilesItem_;
  QAction* clearFilesItem_;
  QAction* deleteFilesItem_;
};

}  // namespace telqor
