// TfrmhmInvail: the validity check of numbers against the segment database.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "gui/app_context.h"
#include "segments/segment_database.h"

class QGroupBox;
class QTableView;

namespace telqor {

class TfrmhmInvail : public QDialog {
  Q_OBJECT
 public:
  TfrmhmInvail(AppContext& context, const SegmentDatabase& db, QWidget* parent = nullptr);

  // Appends the lines of the files to the raw list (the files dropped on lv0).
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  AppContext& context_;
  const SegmentDatabase& db_;
  QGroupBox* GB0 = nullptr;
  QTableView* lv0 = nullptr;
};

}  // namespace telqor
