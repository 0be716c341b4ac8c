// TfrmAataAnalysis: the column data analysis.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

class QGroupBox;
class QTableView;

namespace telqor {

class TfrmAataAnalysis : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAataAnalysis(QWidget* parent = nullptr);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  QGroupBox* GroupBox3 = nullptr;
  QTableView* lv1 = nullptr;
};

}  // namespace telqor
