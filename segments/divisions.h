// Today's map: the country's prefecture-level divisions, one row each, and the names a segment
// list may give them.
//
// The shipped table (data/divisions-2023.tsv, from the statistics bureau's codes of 2023) holds
// a row for each prefecture (济南, 湘西), each municipality (北京, 重庆), each county-level city
// or county its province governs directly (仙桃, 济源, 石河子, 海南's counties), and the two
// areas segment lists keep apart (雄安, 江汉): its code, province, full and short name, area
// code, and the names it had before. A city name of a list finds its row by, in turn: the
// short name in its province; the full name, or what shortening the full name leaves (兴安盟,
// 巴音郭楞); a name it had before (莱芜, 襄樊); the name of a county-level division of the 2023
// codes in that province, full or short, when only one prefecture has it (吉首 → 湘西, 库尔勒 →
// 巴州, 万州 → 重庆). Nothing else: a name the table cannot place stays as the list gives it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace telqor {

struct DefaultSegment;

// One row. Views into the table's text, UTF-8.
struct Division {
  std::string_view code;       // six digits: "370100"; 雄安 and 江汉 carry the code of the division they lie in
  std::string_view province;   // as the base data names it: "山东", "内蒙古"
  std::string_view fullName;   // "济南市", "湘西土家族苗族自治州"
  std::string_view shortName;  // "济南", "湘西": the name the base data uses
  std::string_view areaCode;   // "0531"
};

class DivisionTable {
 public:
  // The table shipped inside the program, read once.
  static const DivisionTable& Shipped();
  // From the table's text (tab-separated, "#" comments) and the county-level divisions
  // (areas.csv of the 2023 codes: code, "name", prefecture code, province code).
  DivisionTable(std::string tableText, std::string countiesText);
  DivisionTable(const DivisionTable&) = delete;
  DivisionTable& operator=(const DivisionTable&) = delete;

  const std::vector<Division>& Rows() const { return rows_; }
  // The row a city of a province stands for (UTF-8, the province short or in full); null when
  // the table cannot place it.
  const Division* Find(std::string_view province, std::string_view city) const;

 private:
  std::string tableText_, countiesText_;
  std::vector<Division> rows_;
  std::unordered_map<std::string, size_t> byName_;  // province + '\t' + name, by precedence
};

// A city name a list gave that is not today's, and how many segments carried it.
struct CityRenaming {
  std::string province, from, to;  // UTF-8: "山东", "莱芜", "济南"
  int segments = 0;
};

// Puts each segment on its row of the table: the city (and the province, as the row spells it)
// become views into the table, which outlives the segments. Answers the renamings in order of
// their first segment; a segment whose city the table cannot place is left as it is.
std::vector<CityRenaming> ToTodaysDivisions(std::vector<DefaultSegment>& segments, const DivisionTable& table);

// "山东.莱芜→济南(414个号段)"
std::string CityRenamingText(const CityRenaming& renaming);

}  // namespace telqor
