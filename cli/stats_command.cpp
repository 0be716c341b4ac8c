// stats: how the lines of lists spread by province, city, carrier or prefix, and their totals.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/report_common.h"
#include "core/text/text.h"
#include "report/number_stats.h"

namespace telqor::cli {
namespace {

// --by DIM[,DIM...]; province when not given.
std::vector<StatsDimension> Dimensions(const std::optional<std::string>& by) {
  if (!by) return {StatsDimension::kProvince};
  std::vector<StatsDimension> dimensions;
  std::string_view rest = *by;
  while (true) {
    const size_t comma = rest.find(',');
    const std::string word(TrimBlanks(rest.substr(0, comma)));
    const std::optional<StatsDimension> dimension = StatsDimensionOf(word);
    if (!dimension) throw UsageError("--by takes province, city, carrier or prefix, not '" + word + "'");
    for (StatsDimension d : dimensions)
      if (d == *dimension) throw UsageError("--by names " + word + " twice");
    dimensions.push_back(*dimension);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return dimensions;
}

// The table as tab-separated lines (UTF-8), for a terminal and for the text tools.
class TabLines : public TableSink {
 public:
  void Row(const std::vector<std::string_view>& cells) override {
    for (size_t i = 0; i < cells.size(); ++i) std::cout << (i ? "\t" : "") << cells[i];
    std::cout << "\n";
  }
  std::filesystem::path Finish() override { return "-"; }
};

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const TableFormat format = OutputFormat(args);
  const std::optional<std::filesystem::path> out = args.PathValue("--output");
  const bool summary = args.Flag("--summary");
  if (!out && !summary && args.Value("--encoding"))
    throw UsageError("--encoding is for a .csv file (-o OUT.csv); the table printed is UTF-8");
  // The totals alone need no groups.
  const std::vector<StatsDimension> by =
      summary && !out && !args.Value("--by") ? std::vector<StatsDimension>() : Dimensions(args.Value("--by"));
  SegmentDatabase db;
  const NumberLookup lookup = LoadLookup(global, db);
  ItemList lines;
  ReadLines(args.Positional(), lines);
  ConsoleUi ui(global.yes);
  const NumberStats stats = *CountNumbers(lines, lookup, by, ui);
  if (out) {
    std::unique_ptr<TableSink> table = OpenTable(*out, format, StatsTableHeader(stats), "统计", Replace::kYes, StatsTableKinds(stats));
    WriteStatsTable(stats, *table);
    table->Finish();
  } else if (!summary) {
    TabLines table;
    const std::vector<std::string> header = StatsTableHeader(stats);
    table.Row(std::vector<std::string_view>(header.begin(), header.end()));
    WriteStatsTable(stats, table);
  }
  if (summary) std::cout << TotalsText(stats.totals);
  return 0;
}

}  // namespace

Verb StatsVerb() {
  return {{"stats",
           "Counts the lines of the files (GBK, \"-\" for standard input) by what the segment database\n"
           "of the program folder and the carrier prefixes of the settings say of them: by province\n"
           "(the default), city, carrier or prefix (the first three digits), or several of them\n"
           "(--by province,carrier). A row per group with the dimensions' values (未知 where a line has\n"
           "none: not eleven digits, or an unknown segment), 数量 and 占比 (of all lines, in percent with\n"
           "two decimals), largest first, then 合计. Printed as tab-separated lines, or written to\n"
           "OUT.xlsx or OUT.csv as the table verb writes them. --summary prints the totals instead:\n"
           "行数, 有效, 号段不存在, 格式错误, 不同号码 and 重复, a tab-separated line each (with -o, the\n"
           "table goes to OUT as well).\n",
           {{"--by", nullptr, OptionKind::Value, "DIM[,DIM...]", "province, city, carrier, prefix (default province)"},
            kTableOutputOption,
            {"--summary", nullptr, OptionKind::Flag, nullptr, "print the totals rather than the table"},
            kEncodingOption},
           kInputLists},
          "counts of lines by province, city, carrier or prefix, and their totals",
          Run};
}

}  // namespace telqor::cli
