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

#include "tools/column_analysis.h"
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
  void LoadSettingsIntoControls();
  void ConnectChanges();
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

  QGroupBox* inputGroup_ = nullptr;                // "GroupBox1" 输入设置
  QComboBox* delimiterCombo_ = nullptr;            // "CBDelimiter" 当前行分隔符
  QLineEdit* replaceFromEdit_ = nullptr;           // "EditStr1", the text to replace
  QLineEdit* replaceToEdit_ = nullptr;             // "EditStr2", what replaces it
  QToolButton* importButton_ = nullptr;            // "SpeedButton3" 导 入...
  QGroupBox* outputGroup_ = nullptr;               // "GroupBox2" 输出设置 (…)
  QLineEdit* columnEdit_ = nullptr;                // "EditColumnNo", the column tested
  QComboBox* conditionCombo_ = nullptr;            // "CBFix" >, =, <, []
  QLineEdit* valueAEdit_ = nullptr;                // "EditA"
  QLineEdit* valueBEdit_ = nullptr;                // "EditB", the upper bound of []
  QLineEdit* outColumnEdit_ = nullptr;             // "EditOutColumnNo", the column output
  QToolButton* analyseButton_ = nullptr;           // "SpeedButton1" 分析
  QToolButton* saveButton_ = nullptr;              // "SpeedButton2" 保存文件
  QGroupBox* dataGroup_ = nullptr;                 // "GroupBox3" 输入数据(单击列名排序)
  QTableView* dataView_ = nullptr;                 // "lv1", takes file drops
  QToolButton* exportSortedButton_ = nullptr;      // "SpeedButton6" 导出排序数据
  QToolButton* exportClassifiedButton_ = nullptr;  // "SpeedButton7" 导出分类数据
  QToolButton* openFolderButton_ = nullptr;        // "SpeedButton8" 打开目录
  QGroupBox* matchGroup_ = nullptr;                // "GroupBox4" 输出数据
  QTableView* matchView_ = nullptr;                // "lv2"
  QMenu* sortMenu_ = nullptr;                      // "PopupMenu1"
  QAction* sortNumericItem_ = nullptr;             // "N1" 按数字大小排序
  QAction* sortTextItem_ = nullptr;                // "N2" 按字符串排序
  QStatusBar* statusBar_ = nullptr;                // "StatusBar"
  QLabel* statusPanels_[4] = {};                   // "StatusPanel1" … "StatusPanel4"
};

}  // namespace telqor
