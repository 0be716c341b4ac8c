// table: the lookup table of lists, a row per line (number, province, city, area code, carrier,
// status), as a workbook or a CSV file.
#include <filesystem>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/report_common.h"
#include "report/lookup_table.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const TableFormat format = OutputFormat(args);
  SegmentDatabase db;
  const NumberLookup lookup = LoadLookup(global, db);
  ItemList lines;
  ReadLines(args.Positional(), lines);
  ConsoleUi ui(global.yes);
  std::unique_ptr<TableSink> table =
      OpenTable(args.PathValue("--output").value_or("-"), format, LookupTableHeader(), "号码");
  WriteLookupTable(lines, lookup, *table, ui);
  table->Finish();
  return 0;
}

}  // namespace

Verb TableVerb() {
  return {{"table",
           "Looks up every line of the files (GBK, \"-\" for standard input) in the segment database of\n"
           "the program folder and writes a table of a row per line, in order, under the header 号码,\n"
           "省份, 城市, 区划代码, 区号, 运营商, 状态. A line of eleven digits whose segment is known is 有效,\n"
           "with its province and city, the city's division code of today's map (2023 codes, \"370100\"),\n"
           "its code in 固话区号对照表.txt and the carrier its prefix has in the settings; eleven digits of an unknown segment are 号段不存在 (the carrier still given); any\n"
           "other line is 格式错误, written as it is with the other fields empty.\n"
           "OUT.xlsx is a workbook whose every cell is text (13800138000 and 0531 stay as written), the\n"
           "header bold and frozen with a filter; past 1,048,575 rows the table goes on in a next sheet\n"
           "(号码, 号码(2), ...). OUT.csv and standard output (without -o) get CSV: quoted where a cell\n"
           "needs it, CR LF after each row, UTF-8 with a byte-order mark or, with --encoding gbk, GBK.\n",
           {kTableOutputOption, kEncodingOption},
           kInputLists},
          "the region, area code, carrier and status of every line, as .xlsx or .csv",
          Run};
}

}  // namespace telqor::cli
