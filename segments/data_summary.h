// What segment data is loaded: how many segments, provinces, cities and landline area codes,
// and where the data came from (the public list the program ships, by the notice written beside
// it, or the user's own). The segment library dialog and `regions --summary` show it.
#pragma once

#include <filesystem>
#include <string>

#include "segments/segment_database.h"

namespace telqor {

struct SegmentDataSummary {
  int segments = 0;
  int provinces = 0;
  int cities = 0;
  int areaCodes = 0;   // cities with a code in 固话区号对照表.txt
  std::string source;  // UTF-8: the shipped list with its version and source, or "用户数据"
};

SegmentDataSummary SummarizeSegmentData(const SegmentDatabase& db, const std::filesystem::path& baseData);

// "517258个号段，31个省，363个城市，363个区号 · 数据：…" (UTF-8).
std::string SummaryText(const SegmentDataSummary& summary);

}  // namespace telqor
