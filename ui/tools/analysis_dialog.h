// AnalysisDialog: the column data analysis. Lines of delimited fields are imported (with
// the button, or dropped on lv1) into a table, filtered by a numeric condition on one field
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

  // Imports the files dropped on lv1 with the replacement texts stored in the settings.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

  void CBDelimiterChange();
  void SpeedButton3Click();
  void lv1ColumnClick(int column);
  void N1Click();
  void N2Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void lv1DblClick();
  void lv2DblClick();

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

  QGroupBox* GroupBox1 = nullptr;
  QComboBox* CBDelimiter = nullptr;
  QLineEdit* EditStr1 = nullptr;
  QLineEdit* EditStr2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;  // 导 入...
  QGroupBox* GroupBox2 = nullptr;
  QLineEdit* EditColumnNo = nullptr;
  QComboBox* CBFix = nullptr;
  QLineEdit* EditA = nullptr;
  QLineEdit* EditB = nullptr;
  QLineEdit* EditOutColumnNo = nullptr;
  QToolButton* SpeedButton1 = nullptr;  // 分析
  QToolButton* SpeedButton2 = nullptr;  // 保存文件
  QGroupBox* GroupBox3 = nullptr;
  QTableView* lv1 = nullptr;
  QToolButton* SpeedButton6 = nullptr;  // 导出排序数据
  QToolButton* SpeedButton7 = nullptr;  // 导出分类数据
  QToolButton* SpeedButton8 = nullptr;  // 打开目录
  QGroupBox* GroupBox4 = nullptr;
  QTableView* lv2 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* N1 = nullptr;
  QAction* N2 = nullptr;
  QStatusBar* StatusBar = nullptr;
  QLabel* StatusPanels[4] = {};
};

}  // namespace telqor
