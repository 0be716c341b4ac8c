// The lookup of one line of a list: its province, city, area code and carrier, and whether it is
// a number at all. The lookup table and the statistics both ask it, line by line.
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
  std::string_view areaCode;
  Carrier carrier = Carrier::None;  // by the carrier rule's prefixes, for eleven digits of any segment
};

class NumberLookup {
 public:
  // The regions are converted to UTF-8 once, here.
  NumberLookup(const SegmentDatabase& db, const CarrierRule& carriers, const CityAreaCodes& areaCodes);

  LookupRow Of(std::string_view line) const;

 private:
  // (the implementation's: e.g. the regions in UTF-8 by the database's region, made once)
};

}  // namespace telqor
