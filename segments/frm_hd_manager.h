// Tfrmhdmanager: the segment library dialog: the region tree, the segments of a city and the used marks.
// Created once at start-up by the main window and kept until exit; shown modally by the
// actions that need it.
#pragma once

#include <QDialog>

namespace telqor {

class Tfrmhdmanager : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmhdmanager(QWidget* parent = nullptr);
};

}  // namespace telqor
