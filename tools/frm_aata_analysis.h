// TfrmAataAnalysis: the column data analysis.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "gui/app_context.h"

class QGroupBox;
class QTableView;

namespace telqor {

class TfrmAataAnalysis : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAataAnalysis(AppContext& context, QWidget* parent = nullptr);

  // Takes the files dropped on the list (the main window routes the drop here).
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  AppContext& context_;
  QGroupBox* GroupBox3 = nullptr;
  QTableView* lv1 = nullptr;
};

}  // namespace telqor
