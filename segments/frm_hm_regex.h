// TfrmhmRegex: the editor of the named-pattern files used by the moves by combination feature.
// Created once at start-up by the main window and kept until exit; shown modally by the
// actions that need it.
#pragma once

#include <QDialog>

namespace telqor {

class TfrmhmRegex : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmhmRegex(QWidget* parent = nullptr);
};

}  // namespace telqor
