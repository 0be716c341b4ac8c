// Tfrmhmformat: the output format conversion driven by templates.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

class QGroupBox;
class QTableView;

namespace telqor {

class Tfrmhmformat : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmhmformat(QWidget* parent = nullptr);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  QGroupBox* GB0 = nullptr;
  QTableView* lv0 = nullptr;
};

}  // namespace telqor
