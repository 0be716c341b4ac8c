#include "segments/data_summary.h"

#include <system_error>
#include <unordered_set>

#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "segments/city_area_codes.h"
#include "segments/default_data.h"

namespace telqor {
namespace fs = std::filesystem;
namespace {

// The shipped data says so in the notice written beside it: "版本 20250201".
std::string SourceOf(const fs::path& baseData) {
  const fs::path notice = baseData / PathFromUtf8(kDefaultDataNoticeFileName);
  std::error_code error;
  if (!fs::is_regular_file(notice, error)) return "用户数据";
  const std::string text = GbkToUtf8(ReadWholeFile(notice));
  std::string version;
  if (size_t at = text.find("版本 "); at != std::string::npos)
    for (size_t i = at + std::string("版本 ").size(); i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      version += text[i];
  return "程序附带的公开号段数据" + (version.empty() ? "" : " 版本 " + version) + "（ALI1416/phone2region）";
}

}  // namespace

SegmentDataSummary SummarizeSegmentData(const SegmentDatabase& db, const fs::path& baseData) {
  SegmentDataSummary summary;
  summary.segments = db.SegmentCount();
  summary.provinces = static_cast<int>(db.Provinces().size());
  std::unordered_set<const Division*> divisions;
  for (const Province& province : db.Provinces()) {
    summary.cities += static_cast<int>(province.cities.size());
    for (const City& city : province.cities)
      if (const Division* row = DivisionTable::Shipped().Find(GbkToUtf8(province.name), GbkToUtf8(city.name)))
        divisions.insert(row);
  }
  summary.divisions = static_cast<int>(divisions.size());
  summary.areaCodes = CityAreaCodes::Load(baseData).Count();
  summary.source = summary.segments > 0 ? SourceOf(baseData) : "没有号段数据";
  return summary;
}

std::string SummaryText(const SegmentDataSummary& summary) {
  return std::to_string(summary.segments) + "个号段，" + std::to_string(summary.provinces) + "个省，" +
         std::to_string(summary.cities) + "个城市（" + std::to_string(summary.divisions) + "个行政区划），" + std::to_string(summary.areaCodes) + "个区号 · 数据：" +
         summary.source;
}

std::vector<OffMapCity> OffMapCities(const SegmentDatabase& db) {
  std::vector<OffMapCity> off;
  for (const Province& province : db.Provinces()) {
    const std::string provinceName = GbkToUtf8(province.name);
    for (const City& city : province.cities) {
      std::string cityName = GbkToUtf8(city.name);
      const Division* row = DivisionTable::Shipped().Find(provinceName, cityName);
      if (!row || row->shortName != cityName || row->province != provinceName)
        off.push_back({provinceName, std::move(cityName), row});
    }
  }
  return off;
}

std::string OffMapCityText(const OffMapCity& city) {
  return city.province + "." + city.city + " → " +
         (city.division ? std::string(city.division->shortName) + " " + std::string(city.division->code)
                        : std::string("不在今日的行政区划中"));
}

}  // namespace telqor
