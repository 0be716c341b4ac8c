// The lookup table of a list: one row per line, in the list's order, with the columns
// 号码, 省份, 城市, 区划代码, 区号, 运营商, 状态. A line that is not a number stays in 号码 as it was written
// (GBK made UTF-8), the other fields empty.
#pragma once

#include <optional>

#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "report/number_lookup.h"
#include "report/table_output.h"

namespace telqor {

// The header row above.
const std::vector<std::string>& LookupTableHeader();

// Writes a row per line of lines to sink (its header already written), reporting progress in
// lines to ui. Answers the rows written, or nothing when ui.Cancelled() turned true (the sink
// is then dropped unfinished by the caller, which removes its file).
std::optional<int64_t> WriteLookupTable(const ItemList& lines, const NumberLookup& lookup, TableSink& sink, Ui& ui);

}  // namespace telqor
