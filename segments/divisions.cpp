#include "segments/divisions.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "core/text/errors.h"
#include "segments/default_data.h"
#include "segments/place_names.h"

namespace telqor {

// Embedded by the build from data/ (cmake/embed_file.cmake).
extern const unsigned char kDivisionTable[];
extern const size_t kDivisionTableSize;
extern const unsigned char kDivisionCounties[];
extern const size_t kDivisionCountiesSize;

namespace {

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t at = line.find(separator);
    fields.push_back(line.substr(0, at));
    if (at == std::string_view::npos) return fields;
    line.remove_prefix(at + 1);
  }
}

template <typename Each>
void ForEachTextLine(std::string_view text, Each&& each) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    each(line);
  }
}

std::string Key(std::string_view province, std::string_view name) {
  return std::string(province).append(1, '\t').append(name);
}

std::string_view Unquoted(std::string_view field) {
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') return field.substr(1, field.size() - 2);
  return field;
}

std::string_view Embedded(const unsigned char* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

const DivisionTable& DivisionTable::Shipped() {
  static const DivisionTable table(std::string(Embedded(kDivisionTable, kDivisionTableSize)),
                                   std::string(Embedded(kDivisionCounties, kDivisionCountiesSize)));
  return table;
}

DivisionTable::DivisionTable(std::string tableText, std::string countiesText)
    : tableText_(std::move(tableText)), countiesText_(std::move(countiesText)) {
  std::vector<std::vector<std::string_view>> formerNames;
  ForEachTextLine(tableText_, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    std::vector<std::string_view> f = Split(line, '\t');
    if (f.size() < 5 || f[0].size() != 6) throw Error("区划表已损坏: " + std::string(line));
    rows_.push_back({f[0], f[1], f[2], f[3], f[4]});
    formerNames.push_back(f.size() > 5 && !f[5].empty() ? Split(f[5], ',') : std::vector<std::string_view>{});
  });

  // Earlier ways of finding a row win: a short name over a full one over a former one over a
  // county's, so 武汉's 江汉区 never takes the name of the oilfield's row.
  for (size_t i = 0; i < rows_.size(); ++i) byName_.try_emplace(Key(rows_[i].province, rows_[i].shortName), i);
  for (size_t i = 0; i < rows_.size(); ++i) {
    byName_.try_emplace(Key(rows_[i].province, rows_[i].fullName), i);
    byName_.try_emplace(Key(rows_[i].province, ShortCityName(rows_[i].fullName)), i);
  }
  for (size_t i = 0; i < rows_.size(); ++i)
    for (std::string_view name : formerNames[i]) byName_.try_emplace(Key(rows_[i].province, name), i);

  std::unordered_map<std::string_view, size_t> byCode, provinceOf;  // code's first row; by two digits
  for (size_t i = 0; i < rows_.size(); ++i) {
    byCode.try_emplace(rows_[i].code, i);
    provinceOf.try_emplace(rows_[i].code.substr(0, 2), i);
  }
  // A county's row: its own when its province governs it directly (prefecture code xx90), else
  // its prefecture's, else (a municipality's district) the municipality's.
  auto RowOfCounty = [&](std::string_view code, std::string_view prefecture) -> std::optional<size_t> {
    for (std::string target : {prefecture.ends_with("90") ? std::string(code) : std::string(prefecture) + "00",
                               std::string(code.substr(0, 2)) + "0000"})
      if (auto at = byCode.find(target); at != byCode.end()) return at->second;
    return std::nullopt;
  };
  constexpr size_t kAmbiguous = SIZE_MAX;
  std::unordered_map<std::string, size_t> counties;
  bool header = true;
  ForEachTextLine(countiesText_, [&](std::string_view line) {
    if (std::exchange(header, false) || line.empty()) return;
    std::vector<std::string_view> f = Split(line, ',');
    if (f.size() < 4 || f[0].size() != 6) throw Error("区划表已损坏: " + std::string(line));
    auto province = provinceOf.find(f[0].substr(0, 2));
    std::optional<size_t> row = RowOfCounty(f[0], f[2]);
    if (province == provinceOf.end() || !row) return;
    const std::string_view name = Unquoted(f[1]);
    for (std::string_view form : {name, ShortCountyName(name)}) {
      auto [at, added] = counties.try_emplace(Key(rows_[province->second].province, form), *row);
      if (!added && at->second != *row) at->second = kAmbiguous;  // two prefectures' counties share it
    }
  });
  for (auto& [key, row] : counties)
    if (row != kAmbiguous) byName_.try_emplace(key, row);
}

const Division* DivisionTable::Find(std::string_view province, std::string_view city) const {
  const std::string_view shortProvince = ShortProvinceName(province);
  for (std::string_view name : {city, ShortCityName(city)})
    if (auto at = byName_.find(Key(shortProvince, name)); at != byName_.end()) return &rows_[at->second];
  return nullptr;
}

std::vector<CityRenaming> ToTodaysDivisions(std::vector<DefaultSegment>& segments, const DivisionTable& table) {
  std::unordered_map<std::string, const Division*> found;  // by province + '\t' + city as given
  std::unordered_map<std::string, size_t> renamingAt;
  std::vector<CityRenaming> renamings;
  for (DefaultSegment& s : segments) {
    std::string key = Key(s.province, s.city);
    auto at = found.find(key);
    if (at == found.end()) at = found.emplace(key, table.Find(s.province, s.city)).first;
    const Division* row = at->second;
    if (!row) continue;
    if (row->shortName != s.city) {
      auto [renaming, added] = renamingAt.try_emplace(std::move(key), renamings.size());
      if (added) renamings.push_back({std::string(row->province), std::string(s.city), std::string(row->shortName)});
      ++renamings[renaming->second].segments;
    }
    s.province = row->province;
    s.city = row->shortName;
  }
  return renamings;
}

std::string CityRenamingText(const CityRenaming& renaming) {
  return renaming.province + "." + renaming.from + "→" + renaming.to + "(" + std::to_string(renaming.segments) +
         "个号段)";
}

}  // namespace telqor
