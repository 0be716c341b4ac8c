// TfrmhdSearch: the region quick lookup of mobile numbers.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

#include "segments/segment_database.h"

namespace telqor {

class TfrmhdSearch : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmhdSearch(const SegmentDatabase& db, QWidget* parent = nullptr);

 private:
  const SegmentDatabase& db_;
};

}  // namespace telqor
