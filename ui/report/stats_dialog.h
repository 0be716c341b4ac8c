// StatsDialog "号码统计": how a list is spread. The totals, a tree by province that opens into
// its cities, a table by carrier, and a bar chart of each; the table or the chart of the page
// shown can be saved (.xlsx or .csv; .png). Created once by the report actions and shown
// modeless with the latest counts. User-interface thread only.
#pragma once

#include <QDialog>

#include "report/number_stats.h"
#include "ui/kit/app_context.h"

class QLabel;
class QTabWidget;
class QTreeWidget;

namespace telqor {

class BarChart;

// What the dialog shows: one count by province and city, one by carrier, of one list.
struct StatsReport {
  NumberStats regions;   // by province, city
  NumberStats carriers;  // by carrier
  bool segmentData = true;  // whether any segment data is loaded
};

class StatsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit StatsDialog(AppContext& context, QWidget* parent = nullptr);

  void Show(StatsReport report);

 private:
  void FillTotals();
  void FillRegions();
  void FillCarriers();
  void FillCharts();
  // The counts and the chart of the page shown: the provinces' or the carriers'.
  bool CarrierPage() const;

  void SaveTableClicked();
  void SaveChartClicked();

  AppContext& context_;
  StatsReport report_;
  // The controls, named as stats_dialog_names.h says.
  QLabel* totals_;
  QTabWidget* pages_;
  QTreeWidget* regions_;
  QTreeWidget* carriers_;
  BarChart* provinceChart_;
  BarChart* carrierChart_;
};

}  // namespace telqor
