// TfrmhmInvail: the validity check of numbers against the segment database.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

class QGroupBox;
class QTableView;

namespace telqor {

class TfrmhmInvail : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmhmInvail(QWidget* parent = nullptr);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  QGroupBox* GB0 = nullptr;
  QTableView* lv0 = nullptr;
};

}  // namespace telqor
