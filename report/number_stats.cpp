#include "report/number_stats.h"

#include <algorithm>
#include <bit>
#include <unordered_map>
#include <unordered_set>

#include "core/lists/digit_keys.h"
#include "core/platform/parallel.h"

namespace telqor {

// What the counting keys its tables by: a line's lookup as the lookup's own indexes, before
// any name is taken.
class LookupIndexes {
 public:
  using Code = NumberLookup::Code;
  explicit LookupIndexes(const NumberLookup& lookup) : lookup_(lookup) {}
  Code CodeOf(std::string_view line) const { return lookup_.CodeOf(line); }
  bool HasRegion(const Code& code) const { return code.region != NumberLookup::kNoRegion; }
  uint32_t ProvinceOf(uint32_t region) const { return lookup_.regions_[region].provinceIndex; }
  uint32_t CityOf(uint32_t region) const { return lookup_.regions_[region].cityIndex; }
  const std::vector<std::string>& Provinces() const { return lookup_.provinces_; }
  const std::vector<std::string>& Cities() const { return lookup_.cities_; }
  const std::vector<std::string>& CityDivisionCodes() const { return lookup_.cityDivisionCodes_; }

 private:
  const NumberLookup& lookup_;
};

namespace {

constexpr int kChunk = 1 << 20;               // lines between two looks at the Ui
constexpr uint64_t kDenseGroups = 1 << 20;    // group counts kept in an array up to this many keys
constexpr uint64_t kNotANumber = UINT64_MAX;  // the key of a line that is not eleven digits
constexpr int kPrefixes = 1000;

// One dimension's values: 0 .. size - 1, the last for a line without one.
struct Axis {
  StatsDimension dimension;
  uint64_t size;
  uint64_t stride;
};

uint64_t ValueOf(const Axis& axis, const LookupIndexes& indexes, const LookupIndexes::Code& code,
                 std::string_view line) {
  switch (axis.dimension) {
    case StatsDimension::kProvince:
      return indexes.HasRegion(code) ? indexes.ProvinceOf(code.region) : axis.size - 1;
    case StatsDimension::kCity:
      return indexes.HasRegion(code) ? indexes.CityOf(code.region) : axis.size - 1;
    case StatsDimension::kCarrier:
      return static_cast<uint64_t>(code.carrier);
    case StatsDimension::kPrefix:
      if (line.size() >= 3 && line[0] >= '0' && line[0] <= '9' && line[1] >= '0' && line[1] <= '9' &&
          line[2] >= '0' && line[2] <= '9')
        return static_cast<uint64_t>((line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0'));
      return kPrefixes;
  }
  return 0;
}

std::string KeyOf(const Axis& axis, const LookupIndexes& indexes, uint64_t value) {
  if (value == axis.size - 1 && axis.dimension != StatsDimension::kCarrier) return "";
  switch (axis.dimension) {
    case StatsDimension::kProvince:
      return indexes.Provinces()[value];
    case StatsDimension::kCity:
      return indexes.Cities()[value];
    case StatsDimension::kCarrier: {
      const auto carrier = static_cast<Carrier>(value);
      return carrier == Carrier::None ? "" : CarrierName(carrier);
    }
    case StatsDimension::kPrefix: {
      const int v = static_cast<int>(value);
      return {static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
    }
  }
  return "";
}

// The counts of one part of the lines: its statuses and its groups, in an array while the
// dimensions' values make few enough keys, else in a map of the keys met.
struct PartCounts {
  int64_t byStatus[3] = {};
  std::vector<int64_t> dense;
  std::unordered_map<uint64_t, int64_t> sparse;
};

// Lines that are eleven digits are told apart by their value, sorted; the few others by text.
int64_t CountDistinct(const ItemList& lines, std::vector<uint64_t>& keys) {
  std::unordered_set<std::string_view> others;
  size_t numbers = 0;
  uint64_t low = UINT64_MAX, high = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == kNotANumber) {
      others.insert(lines.View(static_cast<int>(i)));
      continue;
    }
    low = std::min(low, keys[i]);
    high = std::max(high, keys[i]);
    keys[numbers++] = keys[i];
  }
  if (numbers == 0) return static_cast<int64_t>(others.size());
  keys.resize(numbers);
  for (uint64_t& key : keys) key -= low;
  std::vector<uint64_t> temp(numbers);
  const uint64_t* sorted = RadixSort(keys.data(), temp.data(), numbers, 64 - std::countl_zero(high - low));
  int64_t distinct = 1;
  for (size_t i = 1; i < numbers; ++i) distinct += sorted[i] != sorted[i - 1];
  return distinct + static_cast<int64_t>(others.size());
}

// The columns before 数量: a dimension's each, and the city's division code after it.
size_t KeyColumns(const NumberStats& stats) {
  return stats.by.size() + static_cast<size_t>(std::count(stats.by.begin(), stats.by.end(), StatsDimension::kCity));
}

}  // namespace

const char* StatsDimensionWord(StatsDimension dimension) {
  switch (dimension) {
    case StatsDimension::kProvince:
      return "province";
    case StatsDimension::kCity:
      return "city";
    case StatsDimension::kCarrier:
      return "carrier";
    case StatsDimension::kPrefix:
      break;
  }
  return "prefix";
}

std::optional<StatsDimension> StatsDimensionOf(std::string_view word) {
  for (StatsDimension d : {StatsDimension::kProvince, StatsDimension::kCity, StatsDimension::kCarrier,
                           StatsDimension::kPrefix})
    if (word == StatsDimensionWord(d)) return d;
  return std::nullopt;
}

const char* StatsDimensionCaption(StatsDimension dimension) {
  switch (dimension) {
    case StatsDimension::kProvince:
      return "省份";
    case StatsDimension::kCity:
      return "城市";
    case StatsDimension::kCarrier:
      return "运营商";
    case StatsDimension::kPrefix:
      break;
  }
  return "号段";
}

std::optional<NumberStats> CountNumbers(const ItemList& lines, const NumberLookup& lookup,
                                        std::span<const StatsDimension> by, Ui& ui) {
  const LookupIndexes indexes(lookup);
  NumberStats stats;
  stats.by.assign(by.begin(), by.end());
  std::vector<Axis> axes;
  uint64_t groups = 1;
  for (StatsDimension d : by) {
    uint64_t size = 0;
    switch (d) {
      case StatsDimension::kProvince:
        size = indexes.Provinces().size() + 1;
        break;
      case StatsDimension::kCity:
        size = indexes.Cities().size() + 1;
        break;
      case StatsDimension::kCarrier:
        size = static_cast<uint64_t>(Carrier::Broadnet) + 1;
        break;
      case StatsDimension::kPrefix:
        size = kPrefixes + 1;
        break;
    }
    axes.push_back({d, size, groups});
    groups *= size;
  }
  const bool dense = groups <= kDenseGroups;

  const int count = lines.Count();
  const int parts = ParallelParts(static_cast<size_t>(count), size_t{1} << 16);
  std::vector<PartCounts> counts(static_cast<size_t>(parts));
  if (!axes.empty() && dense)
    for (PartCounts& c : counts) c.dense.assign(groups, 0);
  std::vector<uint64_t> keys(static_cast<size_t>(count));

  for (int from = 0; from < count; from += kChunk) {
    ui.Progress(from, count);
    if (ui.Cancelled()) return std::nullopt;
    const int to = std::min(count, from + kChunk);
    ParallelFor(parts, [&](int part) {
      PartCounts& c = counts[static_cast<size_t>(part)];
      const int begin = from + static_cast<int>(int64_t{to - from} * part / parts);
      const int end = from + static_cast<int>(int64_t{to - from} * (part + 1) / parts);
      for (int i = begin; i < end; ++i) {
        const std::string_view line = lines.View(i);
        const LookupIndexes::Code code = indexes.CodeOf(line);
        ++c.byStatus[static_cast<int>(code.status)];
        keys[static_cast<size_t>(i)] = code.status == LookupStatus::kBadFormat ? kNotANumber : DigitValue(line.data(), 11);
        if (axes.empty()) continue;
        uint64_t group = 0;
        for (const Axis& axis : axes) group += ValueOf(axis, indexes, code, line) * axis.stride;
        if (dense)
          ++c.dense[group];
        else
          ++c.sparse[group];
      }
    });
  }
  ui.Progress(count, count);

  std::unordered_map<uint64_t, int64_t> merged;
  for (PartCounts& c : counts) {
    stats.totals.valid += c.byStatus[static_cast<int>(LookupStatus::kValid)];
    stats.totals.unknownSegment += c.byStatus[static_cast<int>(LookupStatus::kUnknownSegment)];
    stats.totals.badFormat += c.byStatus[static_cast<int>(LookupStatus::kBadFormat)];
    for (uint64_t g = 0; g < c.dense.size(); ++g)
      if (c.dense[g]) merged[g] += c.dense[g];
    for (const auto& [g, n] : c.sparse) merged[g] += n;
  }
  stats.totals.lines = count;
  stats.totals.distinct = CountDistinct(lines, keys);
  stats.totals.repeats = stats.totals.lines - stats.totals.distinct;

  for (const auto& [g, n] : merged) {
    StatsGroup group;
    for (const Axis& axis : axes) {
      const uint64_t value = g / axis.stride % axis.size;
      group.keys.push_back(KeyOf(axis, indexes, value));
      if (axis.dimension == StatsDimension::kCity && value + 1 < axis.size)
        group.divisionCode = indexes.CityDivisionCodes()[value];
    }
    group.count = n;
    stats.groups.push_back(std::move(group));
  }
  std::sort(stats.groups.begin(), stats.groups.end(), [](const StatsGroup& a, const StatsGroup& b) {
    return a.count != b.count ? a.count > b.count : a.keys < b.keys;
  });
  return stats;
}

std::string ShareText(int64_t count, int64_t total) {
  if (total <= 0) return "0.00%";
  // Hundredths of a percent, rounded half up.
  const int64_t hundredths = (count * 20000 + total) / (2 * total);
  const int64_t fraction = hundredths % 100;
  return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction) + "%";
}

std::vector<std::string> StatsTableHeader(const NumberStats& stats) {
  std::vector<std::string> header;
  for (StatsDimension d : stats.by) {
    header.emplace_back(StatsDimensionCaption(d));
    if (d == StatsDimension::kCity) header.emplace_back("区划代码");
  }
  header.emplace_back("数量");
  header.emplace_back("占比");
  return header;
}

std::vector<ColumnKind> StatsTableKinds(const NumberStats& stats) {
  std::vector<ColumnKind> kinds(KeyColumns(stats), ColumnKind::kText);
  kinds.push_back(ColumnKind::kCount);
  kinds.push_back(ColumnKind::kShare);
  return kinds;
}

void WriteStatsTable(const NumberStats& stats, TableSink& sink) {
  std::vector<std::string> row;
  auto write = [&] { sink.Row(std::vector<std::string_view>(row.begin(), row.end())); };
  for (const StatsGroup& group : stats.groups) {
    row.clear();
    for (size_t d = 0; d < group.keys.size(); ++d) {
      row.push_back(group.keys[d].empty() ? "未知" : group.keys[d]);
      if (stats.by[d] == StatsDimension::kCity) row.push_back(group.divisionCode);
    }
    row.push_back(std::to_string(group.count));
    row.push_back(ShareText(group.count, stats.totals.lines));
    write();
  }
  row.clear();
  if (!stats.by.empty()) {
    row.emplace_back("合计");
    row.resize(KeyColumns(stats));
  }
  row.push_back(std::to_string(stats.totals.lines));
  row.push_back(ShareText(stats.totals.lines, stats.totals.lines));
  sink.TotalRow(std::vector<std::string_view>(row.begin(), row.end()));
}

std::string TotalsText(const StatsTotals& totals) {
  const std::pair<const char*, int64_t> lines[] = {
      {"行数", totals.lines},     {"有效", totals.valid},       {"号段不存在", totals.unknownSegment},
      {"格式错误", totals.badFormat}, {"不同号码", totals.distinct}, {"重复", totals.repeats}};
  std::string text;
  for (const auto& [caption, value] : lines) text.append(caption).append("\t").append(std::to_string(value)).append("\n");
  return text;
}

}  // namespace telqor
