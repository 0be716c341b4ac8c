// Tfrmhdinput: the dialog in which segments are typed, one a line, for generation from segments.
// Created once at start-up by the main window and kept until exit; shown modally by the
// actions that need it.
#pragma once

#include <QDialog>

namespace telqor {

class Tfrmhdinput : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmhdinput(QWidget* parent = nullptr);
};

}  // namespace telqor
