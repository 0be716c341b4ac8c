// TfrmRename: the batch file renamer.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

#include "gui/app_context.h"

namespace telqor {

class TfrmRename : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmRename(AppContext& context, QWidget* parent = nullptr);

 private:
  AppContext& context_;
};

}  // namespace telqor
