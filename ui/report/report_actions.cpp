#include "ui/report/report_actions.h"

#include <QWidget>

#include "core/io/file_io.h"
#include "core/text/text.h"
#include "files/saved_files.h"
#include "report/lookup_table.h"
#include "segments/carrier.h"
#include "segments/city_area_codes.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/qt_ui.h"
#include "ui/report/stats_dialog.h"

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

constexpr StatsDimension kByRegion[] = {StatsDimension::kProvince, StatsDimension::kCity};
constexpr StatsDimension kByCarrier[] = {StatsDimension::kCarrier};

// What a lookup needs, made anew for each report: the carrier prefixes and the area-code table
// may have changed since the last.
struct LookupParts {
  CarrierRule carriers;
  CityAreaCodes areaCodes;
  NumberLookup lookup;
  LookupParts(const SegmentDatabase& db, const AppContext& context)
      : carriers(context.CurrentSettings()),
        areaCodes(CityAreaCodes::Load(context.Folders().baseData)),
        lookup(db, carriers, areaCodes) {}
};

}  // namespace

ReportActions::ReportActions(AppContext& context, const SegmentDatabase& db, QWidget* window)
    : QObject(window), context_(context), db_(db), window_(window) {}

bool ReportActions::TellWhenEmpty(const NumberList& list) {
  if (list.Items().Count() > 0) return false;
  context_.ui.Inform("列表中没有号码");
  return true;
}

void ReportActions::ShowStats(const NumberList& list) {
  if (TellWhenEmpty(list)) return;
  LookupParts parts(db_, context_);
  std::optional<StatsReport> report;
  context_.InBackground(
      {},
      [&](Ui& ui) {
        ui.ShowStatus("正在统计号码……");
        std::optional<NumberStats> regions = CountNumbers(list.Items(), parts.lookup, kByRegion, ui);
        if (!regions) return;
        std::optional<NumberStats> carriers = CountNumbers(list.Items(), parts.lookup, kByCarrier, ui);
        if (!carriers) return;
        report = StatsReport{std::move(*regions), std::move(*carriers), db_.SegmentCount() > 0};
      },
      Stoppable::kYes);
  if (!report) {
    context_.ui.ShowStatus("统计已停止");
    return;
  }
  context_.ui.ShowStatus("统计完成：" + GroupedCount(report->regions.totals.lines) + "行");
  if (!dialog_) dialog_ = new StatsDialog(context_, window_);
  dialog_->Show(std::move(*report));
}

void ReportActions::SaveLookupTable(const NumberList& list) {
  if (TellWhenEmpty(list)) return;
  const std::filesystem::path file = ChooseFileToWrite(window_, context_.OpenDialogFolder(), u"归属地查询表.xlsx"_s,
                                                       {u"Excel 工作簿|*.xlsx"_s, u"CSV 文件|*.csv"_s});
  if (file.empty()) return;
  const std::optional<TableFormat> format = TableFormatOf(file);
  if (!format) {
    context_.ui.Inform("无法保存为 " + PathToUtf8(file.filename()) + "：请选择 .xlsx 或 .csv 文件。");
    return;
  }
  LookupParts parts(db_, context_);
  SavedFiles saved;
  saved.folder = file.parent_path();
  bool stopped = false;
  context_.InBackground(
      {},
      [&](Ui& ui) {
        ui.ShowStatus("正在写入归属地查询表……");
        std::unique_ptr<TableSink> sink = OpenTable(file, *format, LookupTableHeader(), "号码");
        std::optional<int64_t> rows = WriteLookupTable(list.Items(), parts.lookup, *sink, ui);
        if (!rows) {
          stopped = true;  // the sink goes without Finish: its file with it
          return;
        }
        ui.ShowStatus("正在完成归属地查询表……");
        saved.written.push_back(sink->Finish());
        saved.items = *rows;
      },
      Stoppable::kYes);
  if (stopped) {
    context_.ui.ShowStatus("归属地查询表已停止，没有写入文件");
    return;
  }
  context_.ui.ShowStatus("归属地查询表保存完成：" + GroupedCount(saved.items) + "行");
  OfferSavedFolder("归属地查询表保存完成：" + SavedCounts(saved, "行") + SavedNames(saved), saved, context_.ui);
}

}  // namespace telqor
