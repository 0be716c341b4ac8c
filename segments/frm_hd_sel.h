// Tfrmhdsel: the number type dialog of the moves by carrier: carriers and an optional range.
// Created once at start-up by the main window and kept until exit; shown modally by the
// actions that need it.
#pragma once

#include <QDialog>

namespace telqor {

class Tfrmhdsel : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmhdsel(QWidget* parent = nullptr);
};

}  // namespace telqor
