#include "cli/report_common.h"

#include "cli/line_stream.h"
#include "cli/segment_data.h"
#include "core/io/file_io.h"
#include "core/text/text.h"
#include "segments/carrier.h"
#include "segments/city_area_codes.h"

namespace telqor::cli {

void ReadLines(const std::vector<std::string>& files, ItemList& lines) {
  for (const std::string& file : files) {
    if (file == "-")
      ForEachLineOf(file, [&](std::string_view line) { lines.Add(ByteStr(line)); });
    else
      lines.AddText(FileContents(PathFromUtf8(file)).view());
  }
}

TableFormat OutputFormat(const ParsedArgs& args) {
  TableFormat csv = TableFormat::kCsvUtf8;
  const std::optional<std::string> encoding = args.Value("--encoding");
  if (encoding) {
    if (EqualIgnoringAsciiCase(*encoding, "gbk"))
      csv = TableFormat::kCsvGbk;
    else if (!EqualIgnoringAsciiCase(*encoding, "utf8") && !EqualIgnoringAsciiCase(*encoding, "utf-8"))
      throw UsageError("--encoding takes utf8 or gbk, not '" + *encoding + "'");
  }
  const std::optional<std::string> out = args.Value("--output");
  if (!out) return csv;
  const std::optional<TableFormat> format = TableFormatOf(PathFromUtf8(*out), csv);
  if (!format) throw UsageError("-o OUT names an .xlsx or a .csv file, not '" + *out + "'");
  if (*format == TableFormat::kXlsx && encoding) throw UsageError("--encoding is for a .csv file, not .xlsx");
  return *format;
}

NumberLookup LoadLookup(GlobalOptions& global, SegmentDatabase& db) {
  LoadDatabase(global, db);
  const ProgramState& state = Started(global);
  return NumberLookup(db, CarrierRule(state.settings), CityAreaCodes::Load(state.folders.baseData));
}

}  // namespace telqor::cli
