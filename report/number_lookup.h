// The lookup of one line of a list: its province, city, division code (行政区划代码 of today's
// map, segments/divisions.h), area code and carrier, and whether it is a number at all. The lookup table and the statistics both ask it, line by line.
//
// A line is valid when it is exactly eleven digits and its segment is in the database; eleven
// digits of an unknown segment are "号段不存在"; anything else (blanks around it included) is
// "格式错误" and is looked up no further. Read-only after construction, so any number of
// threads may ask at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "segments/carrier.h"
#include "segments/city_area_codes.h"
#include "segments/segment_database.h"

namespace telqor {

enum class LookupStatus : uint8_t { kValid, kUnknownSegment, kBadFormat };

// "有效", "号段不存在", "格式错误" (UTF-8).
const char* LookupStatusName(LookupStatus status);

// What a line looks up to. Names are UTF-8 and point into the lookup, which outlives the row;
// empty when not known (every field but the carrier for a line that is not valid).
struct LookupRow {
  LookupStatus status = LookupStatus::kBadFormat;
  std::string_view province;
  std::string_view city;
  std::string_view divisionCode;  // "370100"; empty when today's map cannot place the city
  std::string_view areaCode;
  Carrier carrier = Carrier::None;  // by the carrier rule's prefixes, for eleven digits of any segment
};

class NumberLookup {
 public:
  // The regions are converted to UTF-8 once, here.
  NumberLookup(const SegmentDatabase& db, const CarrierRule& carriers, const CityAreaCodes& areaCodes);

  LookupRow Of(std::string_view line) const;

 private:
  friend class LookupIndexes;  // the statistics count by the indexes below (number_stats.cpp)

  static constexpr uint32_t kNoRegion = UINT32_MAX;
  // A line's lookup before any name is taken: its region an index into regions_ (kNoRegion
  // when the line is not valid).
  struct Code {
    LookupStatus status;
    Carrier carrier;
    uint32_t region;
  };
  Code CodeOf(std::string_view line) const;

  struct Region {
    std::string province, city, divisionCode, areaCode;  // UTF-8
    uint32_t provinceIndex, cityIndex;     // into provinces_ and cities_: one per name
  };
  const SegmentDatabase& db_;  // outlives the lookup
  CarrierRule carriers_;
  std::vector<Region> regions_;  // by the database's region index
  std::vector<std::string> provinces_, cities_;
  std::vector<std::string> cityDivisionCodes_;  // by city index: the code of the first region naming it
};

}  // namespace telqor
