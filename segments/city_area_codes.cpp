#include "segments/city_area_codes.h"

#include <system_error>

#include "core/program/data_folders.h"
#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/lists/item_list.h"

namespace telqor {
namespace fs = std::filesystem;
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '|'; }

// "0" and two or three more digits.
bool IsAreaCode(std::string_view word) {
  if (word.size() < 3 || word.size() > 4 || word[0] != '0') return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

CityAreaCodes CityAreaCodes::Load(const fs::path& baseData) {
  const fs::path table = baseData / PathFromUtf8(kAreaCodeFileName);
  std::error_code error;
  if (!fs::is_regular_file(table, error)) return {};
  return FromText(FileContents(table).view());
}

CityAreaCodes CityAreaCodes::FromText(std::string_view text) {
  CityAreaCodes codes;
  ForEachLine(text, [&](std::string_view line) {
    // Words by GBK characters: the second byte of a character may be '|' (0x7C).
    size_t cityBegin = std::string_view::npos, cityEnd = 0;
    for (size_t i = 0; i < line.size();) {
      if (IsSeparator(line[i])) {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < line.size() && !IsSeparator(line[end])) end += GbkCharLength(line, end);
      std::string_view word = line.substr(i, end - i);
      if (IsAreaCode(word)) {
        if (cityBegin != std::string_view::npos)
          codes.byCity_.try_emplace(std::string(line.substr(cityBegin, cityEnd - cityBegin)), word);
        return;
      }
      if (cityBegin == std::string_view::npos) cityBegin = i;
      cityEnd = end;
      i = end;
    }
  });
  return codes;
}

std::optional<std::string_view> CityAreaCodes::Of(std::string_view city) const {
  auto it = byCity_.find(std::string(city));
  if (it == byCity_.end()) return std::nullopt;
  return it->second;
}

int CityAreaCodes::Count() const { return static_cast<int>(byCity_.size()); }

}  // namespace telqor
