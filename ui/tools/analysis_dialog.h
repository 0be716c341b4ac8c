// AnalysisDialog: the column data analysis. Lines of delimited fields are imported (with
// the button, or dropped on the table) into a table, filtered by a numeric condition on one field
// into the list of another field's values, sorted by a clicked column, and exported.
// Created once at start-up by the main window and kept until exit, with its lists, the last
// sorted column, the sort direction and the chosen folder; the "工具" menu shows it modeless.
// Its input controls are stored in the settings on every change. User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

#include "workspace/column_analysis.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTableView;
class QToolButton;

namespace telqor {

class AnalysisDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AnalysisDialog(AppContext& context, QWidget* parent = nullptr);

  // Imports the files dropped on the table with the replacement texts stored in the settings.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  class RowsModel;

  void BuildControls();
  void BuildInputSettings();
  void BuildOutputSettings();
  void BuildDataTable();
  void BuildMatchList();
  void BuildStatusBar();
  void LoadSettingsIntoControls();
  void ConnectChanges();
  void ConnectButtons();
  AnalysisInputs Inputs() const;
  Condition StoredCondition() const;
  void Import(const std::vector<std::filesystem::path>& files);
  void Sort(SortKind kind);
  std::filesystem::path ChooseSaveFile();
  void ShowRatio();

  // Any input control: the inputs go to the settings at once.
  void InputsChanged();
  void ImportClicked();
  // A click on a column header of the table: the sort menu for that column.
  void DataColumnClicked(int column);
  void SortNumericClicked();
  void SortTextClicked();
  void AnalyseClicked();
  void SaveMatchesClicked();
  void ExportSortedClicked();
  void ExportClassifiedClicked();
  void OpenExportFolderClicked();
  // Empty the list double-clicked.
  void DataTableDoubleClicked();
  void MatchListDoubleClicked();

  AppContext& context_;
  NumberList data_{ListRole::Source};     // the table's rows; the role plays no part here
  NumberList matches_{ListRole::Source};  // the values collected by the analysis
  RowsModel* dataModel_ = nullptr;
  RowsModel* matchModel_ = nullptr;
  int clickedColumn_ = 0;
  int lastSortedColumn_ = 0;
  bool descending_ = false;  // inverted by every sort, so the first one is descending
  std::filesystem::path chosenFolder_;
  std::filesystem::path openFolder_;

  // The controls, named as analysis_dialog_names.h says.
  QGroupBox* inputGroup_ = nullptr;
  QComboBox* delimiterCombo_ = nullptr;
  QLineEdit* replaceFromEdit_ = nullptr;  // the text to replace
  QLineEdit* replaceToEdit_ = nullptr;    // what replaces it
  QToolButton* importButton_ = nullptr;
  QGroupBox* outputGroup_ = nullptr;
  QLineEdit* columnEdit_ = nullptr;  // the column tested
  QComboBox* conditionCombo_ = nullptr;
  QLineEdit* valueAEdit_ = nullptr;
  QLineEdit* valueBEdit_ = nullptr;     // the upper bound of []
  QLineEdit* outColumnEdit_ = nullptr;  // the column output
  QToolButton* analyseButton_ = nullptr;
  QToolButton* saveButton_ = nullptr;
  QGroupBox* dataGroup_ = nullptr;
  QTableView* dataView_ = nullptr;  // takes file drops
  QToolButton* exportSortedButton_ = nullptr;
  QToolButton* exportClassifiedButton_ = nullptr;
  QToolButton* openFolderButton_ = nullptr;
  QGroupBox* matchGroup_ = nullptr;
  QTableView* matchView_ = nullptr;
  QMenu* sortMenu_ = nullptr;
  QAction* sortNumericItem_ = nullptr;
  QAction* sortTextItem_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* statusPanels_[4] = {};
};

}  // namespace telqor
