// The reports of a list that its "其它操作" menus ask for: "号码统计" (the statistics dialog)
// and "归属地查询表" (the lookup table saved as a workbook or CSV). They belong to the segment
// database, so the shell connects the panels' requests to them once. The counting and the
// writing run off the window's thread and can be stopped. User-interface thread only.
#pragma once

#include <QObject>

#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QWidget;

namespace telqor {

class StatsDialog;

class ReportActions : public QObject {
  Q_OBJECT
 public:
  ReportActions(AppContext& context, const SegmentDatabase& db, QWidget* window);

  // Counts list by province and city and by carrier, and shows the statistics dialog.
  void ShowStats(const NumberList& list);
  // Asks for a file and writes the lookup table of list into it.
  void SaveLookupTable(const NumberList& list);

 private:
  bool TellWhenEmpty(const NumberList& list);

  AppContext& context_;
  const SegmentDatabase& db_;
  QWidget* window_;
  StatsDialog* dialog_ = nullptr;  // made on first use
};

}  // namespace telqor
