// SaveCountDialog: the count dialog of batch exports and splits: how many numbers go into one file.
// Created once at start-up by the main window and kept until exit, so it keeps the last value
// typed; shown modally by the actions that need it.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telqor {

class SaveCountDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SaveCountDialog(QWidget* parent = nullptr);

  // Shows the dialog; on OK, count is the text of "每个导出文件包含号码数" and the answer true.
  bool AskCount(std::string& count);

 private:
  // The controls, named as save_count_dialog_names.h says.
  QLabel* countLabel_;
  QLineEdit* countEdit_;  // "1000" at start
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace telqor
