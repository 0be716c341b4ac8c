// What segment data is loaded: how many segments, provinces, cities, divisions of today's map
// and landline area codes, and where the data came from (the public list the program ships, by the notice written beside
// it, or the user's own). The segment library dialog and `regions --summary` show it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "segments/divisions.h"
#include "segments/segment_database.h"

namespace telqor {

struct SegmentDataSummary {
  int segments = 0;
  int provinces = 0;
  int cities = 0;
  int divisions = 0;   // rows of today's map (divisions.h) its cities stand for
  int areaCodes = 0;   // cities with a code in 固话区号对照表.txt
  std::string source;  // UTF-8: the shipped list with its version and source, or "用户数据"
};

SegmentDataSummary SummarizeSegmentData(const SegmentDatabase& db, const std::filesystem::path& baseData);

// "517258个号段，31个省，343个城市（343个行政区划），343个区号 · 数据：…" (UTF-8).
std::string SummaryText(const SegmentDataSummary& summary);

// A city of the loaded data that is not a row of today's map by its name, and the row it
// stands for when the table can place it (莱芜 → 济南); UTF-8.
struct OffMapCity {
  std::string province, city;
  const Division* division = nullptr;
};
// Those cities, in the order of 地区.txt. None for data written by make-default-data.
std::vector<OffMapCity> OffMapCities(const SegmentDatabase& db);
// "山东.莱芜 → 济南 370100", "山东.某地 → 不在今日的行政区划中"
std::string OffMapCityText(const OffMapCity& city);

}  // namespace telqor
