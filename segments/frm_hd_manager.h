// Tfrmhdmanager: the segment library dialog: the region tree, the segments of a city and the used marks.
// Created once at start-up by the main window and kept until exit; shown modally by
// "   导入号段   ", which then generates the segments of its import list.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "gui/app_context.h"
#include "segments/segment_database.h"

namespace telqor {

class Tfrmhdmanager : public QDialog {
  Q_OBJECT
 public:
  Tfrmhdmanager(AppContext& context, SegmentDatabase& db, QWidget* parent = nullptr);

  // Shows what the load of the database said ("号段总数:" in the first status panel) and
  // fills the region tree.
  void ShowLoadReport(const SegmentLoadReport& report);
  // The segments chosen by the last "导入号段号码": sorted, each once.
  const std::vector<std::string>& ImportList() const { return importList_; }

 private:
  AppContext& context_;
  SegmentDatabase& db_;
  std::vector<std::string> importList_;
};

}  // namespace telqor
