// TfrmhdSearch: the region quick lookup of mobile numbers.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

namespace telqor {

class TfrmhdSearch : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmhdSearch(QWidget* parent = nullptr);
};

}  // namespace telqor
