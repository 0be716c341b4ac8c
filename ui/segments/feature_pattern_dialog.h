// FeaturePatternDialog: "组合特征参数设置", the editor of the named-pattern files of the "Regex" folder,
// whose rows the moves by combination feature take their expressions from.
// Created once at start-up by the main window and kept until exit; shown modally by the moves.
// The folder is listed again at every showing, so a file added by hand shows at once; "保存"
// with no file chosen writes "组合特征.txt", making the folder when missing, and refuses an
// expression that does not compile, keeping what was typed.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "segments/named_patterns.h"
#include "ui/kit/app_context.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace telqor {

class FeaturePatternDialog : public QDialog {
  Q_OBJECT
 public:
  // patternFiles: the bare names of the folder's files, listed once at start-up.
  FeaturePatternDialog(AppContext& context, const std::vector<std::filesystem::path>& patternFiles,
                       QWidget* parent = nullptr);

  // Shows the dialog; on OK answers true with the expressions of the checked rows (or of every
  // row), in row order.
  bool AskExpressions(bool checkedOnly, std::vector<std::string>& expressions);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ListFolder();
  void TakeChecks();
  void ShowRows();
  void WriteFile();
  void ClearFields();

  void PatternFileChanged();
  void PatternListClicked();
  void SavePatternClicked();
  void NewPatternClicked();
  void DeletePatternClicked();
  void OpenPatternFolderClicked();

  AppContext& context_;
  std::vector<std::filesystem::path> files_;
  std::vector<NamedPattern> rows_;

  // The controls, named as feature_pattern_dialog_names.h says.
  QComboBox* fileCombo_;
  QTreeWidget* patternList_;  // 名称, 表达式, a check box a row
  QLineEdit* nameEdit_;
  QLineEdit* expressionEdit_;
  QPushButton* saveButton_;
  QPushButton* newButton_;
  QPushButton* deleteButton_;
  QToolButton* browseButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace telqor
