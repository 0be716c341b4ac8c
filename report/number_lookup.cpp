#include "report/number_lookup.h"

#include <unordered_map>

#include "core/text/gbk.h"
#include "segments/divisions.h"

namespace telqor {
namespace {

// The index of name in names, added when new.
uint32_t IndexOf(const std::string& name, std::vector<std::string>& names,
                 std::unordered_map<std::string, uint32_t>& indexes) {
  auto [it, added] = indexes.try_emplace(name, static_cast<uint32_t>(names.size()));
  if (added) names.push_back(name);
  return it->second;
}

}  // namespace

const char* LookupStatusName(LookupStatus status) {
  switch (status) {
    case LookupStatus::kValid:
      return "有效";
    case LookupStatus::kUnknownSegment:
      return "号段不存在";
    case LookupStatus::kBadFormat:
      break;
  }
  return "格式错误";
}

NumberLookup::NumberLookup(const SegmentDatabase& db, const CarrierRule& carriers, const CityAreaCodes& areaCodes)
    : db_(db), carriers_(carriers) {
  std::unordered_map<std::string, uint32_t> provinceIndexes, cityIndexes;
  regions_.reserve(db.Regions().size());
  for (const std::string& region : db.Regions()) {
    // The database writes a region as province + "." + city.
    const size_t dot = region.find('.');
    const std::string_view province = std::string_view(region).substr(0, dot);
    const std::string_view city = dot == std::string::npos ? std::string_view() : std::string_view(region).substr(dot + 1);
    Region r;
    r.province = GbkToUtf8(province);
    r.city = GbkToUtf8(city);
    if (std::optional<std::string_view> code = areaCodes.Of(city)) r.areaCode = GbkToUtf8(*code);
    if (const Division* division = DivisionTable::Shipped().Find(r.province, r.city)) r.divisionCode = division->code;
    r.provinceIndex = IndexOf(r.province, provinces_, provinceIndexes);
    r.cityIndex = IndexOf(r.city, cities_, cityIndexes);
    if (r.cityIndex == cityDivisionCodes_.size()) cityDivisionCodes_.push_back(r.divisionCode);
    regions_.push_back(std::move(r));
  }
}

NumberLookup::Code NumberLookup::CodeOf(std::string_view line) const {
  if (!IsElevenDigits(line)) return {LookupStatus::kBadFormat, Carrier::None, kNoRegion};
  const Carrier carrier = carriers_.Of(line);
  std::optional<uint32_t> region = db_.RegionIndexOf(line);
  if (!region) return {LookupStatus::kUnknownSegment, carrier, kNoRegion};
  return {LookupStatus::kValid, carrier, *region};
}

LookupRow NumberLookup::Of(std::string_view line) const {
  const Code code = CodeOf(line);
  LookupRow row;
  row.status = code.status;
  row.carrier = code.carrier;
  if (code.region != kNoRegion) {
    const Region& region = regions_[code.region];
    row.province = region.province;
    row.city = region.city;
    row.divisionCode = region.divisionCode;
    row.areaCode = region.areaCode;
  }
  return row;
}

}  // namespace telqor
