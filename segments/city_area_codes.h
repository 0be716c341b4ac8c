// The landline area code of each city, read from "固话区号对照表.txt" of the base-data folder:
// a line names a city and its code ("济南 0531"), words split at blanks, tabs, "," and "|".
// The first word that is "0" and two or three digits is the code; the words before it are the
// city. A city named twice keeps its first code. A missing table gives no codes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace telqor {

class CityAreaCodes {
 public:
  CityAreaCodes() = default;
  // Throws FileError for a table that exists but cannot be read.
  static CityAreaCodes Load(const std::filesystem::path& baseData);
  // From the table's text (GBK).
  static CityAreaCodes FromText(std::string_view text);

  // The code of a city (its GBK name as in 地区.txt); nothing when the table does not name it.
  std::optional<std::string_view> Of(std::string_view city) const;
  int Count() const;

 private:
  std::unordered_map<std::string, std::string> byCity_;
};

}  // namespace telqor
