// Tfrmhmsave: the count dialog of batch exports and splits: how many numbers go into one file.
// Created once at start-up by the main window and kept until exit; shown modally by the
// actions that need it.
#pragma once

#include <QDialog>

namespace telqor {

class Tfrmhmsave : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmhmsave(QWidget* parent = nullptr);
};

}  // namespace telqor
