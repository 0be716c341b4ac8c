#include "report/lookup_table.h"

#include "core/text/gbk.h"

namespace telqor {
namespace {

constexpr int kProgressStep = 1 << 16;  // lines between two looks at the Ui

}  // namespace

const std::vector<std::string>& LookupTableHeader() {
  static const std::vector<std::string> header = {"号码", "省份", "城市", "区划代码", "区号", "运营商", "状态"};
  return header;
}

std::optional<int64_t> WriteLookupTable(const ItemList& lines, const NumberLookup& lookup, TableSink& sink, Ui& ui) {
  const int count = lines.Count();
  std::vector<std::string_view> cells(LookupTableHeader().size());
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i % kProgressStep == 0) {
      ui.Progress(i, count);
      if (ui.Cancelled()) return std::nullopt;
    }
    const std::string_view line = lines.View(i);
    const LookupRow row = lookup.Of(line);
    if (IsAscii(line)) {
      cells[0] = line;  // every number, converted or not
    } else {
      text = GbkToUtf8(line);
      cells[0] = text;
    }
    cells[1] = row.province;
    cells[2] = row.city;
    cells[3] = row.divisionCode;
    cells[4] = row.areaCode;
    cells[5] = row.carrier == Carrier::None ? "" : CarrierName(row.carrier);
    cells[6] = LookupStatusName(row.status);
    sink.Row(cells);
  }
  ui.Progress(count, count);
  return count;
}

}  // namespace telqor
