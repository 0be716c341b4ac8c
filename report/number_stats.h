// How a list is spread: the counts of its lines by province, city, carrier or prefix (first three
// digits), and its totals. `stats`, the statistics dialog and their saved tables all come from
// CountNumbers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "report/number_lookup.h"
#include "report/table_output.h"

namespace telqor {

enum class StatsDimension : uint8_t { kProvince, kCity, kCarrier, kPrefix };

// "province", "city", "carrier", "prefix" and back; nothing for another word.
const char* StatsDimensionWord(StatsDimension dimension);
std::optional<StatsDimension> StatsDimensionOf(std::string_view word);
// The column's caption: "省份", "城市", "运营商", "号段".
const char* StatsDimensionCaption(StatsDimension dimension);

struct StatsTotals {
  int64_t lines = 0;
  int64_t valid = 0;           // 有效
  int64_t unknownSegment = 0;  // 号段不存在
  int64_t badFormat = 0;       // 格式错误
  int64_t distinct = 0;        // distinct lines
  int64_t repeats = 0;         // lines - distinct
};

// A group: one key per dimension asked for (UTF-8; "" for a line without one, shown as "未知"
// in tables), and how many lines fall in it.
struct StatsGroup {
  std::vector<std::string> keys;
  int64_t count = 0;
  std::string divisionCode;  // the city's code of today's map, when grouped by city; else empty
};

struct NumberStats {
  StatsTotals totals;
  std::vector<StatsDimension> by;
  std::vector<StatsGroup> groups;  // largest first; equal counts by their keys
};

// Counts every line of lines by the dimensions (none: totals only), reporting progress to ui;
// nothing when ui.Cancelled() turned true. Lines that are not valid count
// in the groups too: a 格式错误 line has no province, city or carrier, its prefix still is
// its first three characters when they are digits.
std::optional<NumberStats> CountNumbers(const ItemList& lines, const NumberLookup& lookup, std::span<const StatsDimension> by, Ui& ui);

// "12.34%": count of total, percent with two decimals ("0.00%" for a total of 0).
std::string ShareText(int64_t count, int64_t total);

// The table of stats: the dimensions' captions (城市 followed by 区划代码), "数量", "占比"; a row
// a group; then "合计".
std::vector<std::string> StatsTableHeader(const NumberStats& stats);
// The columns' kinds: the keys text, 数量 a count, 占比 a share.
std::vector<ColumnKind> StatsTableKinds(const NumberStats& stats);
void WriteStatsTable(const NumberStats& stats, TableSink& sink);

// The totals as lines of "行数\t12345" ... (行数, 有效, 号段不存在, 格式错误, 不同号码, 重复).
std::string TotalsText(const StatsTotals& totals);

}  // namespace telqor
