#include "segments/divisions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "segments/default_data.h"

namespace telqor {
namespace {

const DivisionTable& Table() { return DivisionTable::Shipped(); }

// "济南 370100", or "" when the table cannot place the city.
std::string Placed(std::string_view province, std::string_view city) {
  const Division* row = Table().Find(province, city);
  return row ? std::string(row->shortName) + " " + std::string(row->code) : "";
}

// Every name the shipped list or an older one gives a prefecture, and where it lands today.
TEST(Divisions, EveryNameOfAPrefectureLandsOnItsOneRow) {
  const struct {
    const char *province, *city, *placed;
  } cases[] = {
      // Today's names and the full ones.
      {"山东", "济南", "济南 370100"},
      {"山东", "济南市", "济南 370100"},
      {"山东省", "济南市", "济南 370100"},
      {"湖南", "湘西土家族苗族自治州", "湘西 433100"},
      {"北京", "北京", "北京 110000"},
      {"重庆", "重庆", "重庆 500000"},
      // Prefectures the shipped list names twice: a league's long name, or a seat for its prefecture.
      {"内蒙古", "兴安盟", "兴安 152200"},
      {"内蒙古", "锡林郭勒盟", "锡林郭勒 152500"},
      {"内蒙古", "乌兰浩特", "兴安 152200"},
      {"内蒙古", "海拉尔", "呼伦贝尔 150700"},
      {"内蒙古", "临河", "巴彦淖尔 150800"},
      {"内蒙古", "集宁", "乌兰察布 150900"},
      {"湖南", "吉首", "湘西 433100"},
      {"湖南", "吉首市", "湘西 433100"},
      {"新疆", "库尔勒", "巴州 652800"},
      {"新疆", "巴音郭楞蒙古自治州", "巴州 652800"},
      {"新疆", "博乐", "博州 652700"},
      {"新疆", "奎屯", "伊犁 654000"},
      {"四川", "西昌", "凉山 513400"},
      {"吉林", "珲春", "延边 222400"},
      {"河南", "潢川", "信阳 411500"},
      {"青海", "格尔木", "海西 632800"},
      {"青海", "海晏", "海北 632200"},
      {"重庆", "万州", "重庆 500000"},
      {"上海", "浦东", "上海 310000"},
      // Names that no longer exist.
      {"山东", "莱芜", "济南 370100"},
      {"山东", "莱芜市", "济南 370100"},
      {"安徽", "巢湖", "合肥 340100"},
      {"湖北", "襄樊", "襄阳 420600"},
      {"湖北", "襄樊市", "襄阳 420600"},
      // County-level divisions their province governs are rows of their own.
      {"湖北", "仙桃", "仙桃 429004"},
      {"湖北", "神农架林区", "神农架 429021"},
      {"河南", "济源", "济源 419001"},
      {"新疆", "石河子", "石河子 659001"},
      {"新疆", "五家渠市", "五家渠 659004"},
      {"海南", "白沙黎族自治县", "白沙 469025"},
      // The two areas lists keep apart, with the code of the division they lie in; 武汉's
      // district 江汉区 never takes the oilfield's name.
      {"河北", "雄安", "雄安 130600"},
      {"湖北", "江汉", "江汉 429005"},
      {"湖北", "江汉区", "武汉 420100"},
      // A name is placed within its province only, and a county name two prefectures share not at all.
      {"山东", "吉首", ""},
      {"河北", "桥西", ""},
      {"火星", "城市", ""},
      {"广东", "東莞", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Placed(c.province, c.city), c.placed) << c.province << "." << c.city;
}

TEST(Divisions, EachRowIsOnePlaceWithItsCodeAndAreaCode) {
  std::set<std::string_view> shortNames;
  for (const Division& row : Table().Rows()) {
    EXPECT_EQ(row.code.size(), 6u) << row.shortName;
    EXPECT_EQ(row.code.find_first_not_of("0123456789"), std::string_view::npos) << row.shortName;
    EXPECT_TRUE(row.areaCode.starts_with("0")) << row.shortName;
    EXPECT_TRUE(shortNames.insert(row.shortName).second) << "twice: " << row.shortName;
    EXPECT_EQ(Table().Find(row.province, row.shortName), &row);
    EXPECT_EQ(Table().Find(row.province, row.fullName), &row) << row.fullName;
  }
  // 333 prefectures, the 4 municipalities, 32 county-level divisions governed by their province,
  // 雄安 and 江汉.
  EXPECT_EQ(Table().Rows().size(), 371u);
}

// The shipped list is on today's map as the program writes it: every city one row, by name.
TEST(Divisions, EveryCityOfTheShippedListIsARow) {
  const DefaultSegments shipped;
  std::set<std::string> cities;
  for (const DefaultSegment& s : shipped.Segments()) {
    const Division* row = Table().Find(s.province, s.city);
    ASSERT_NE(row, nullptr) << s.segment << " " << s.province << "." << s.city;
    EXPECT_EQ(row->shortName, s.city);
    EXPECT_EQ(row->province, s.province);
    cities.insert(std::string(s.province) + "." + std::string(s.city));
  }
  EXPECT_EQ(cities.size(), 343u);
}

TEST(Divisions, RenamingCountsSegmentsAndLeavesWhatItCannotPlace) {
  std::vector<DefaultSegment> segments = {
      {"1300000", "山东", "莱芜", "0634", "联通"}, {"1300001", "山东", "济南", "0531", "联通"},
      {"1300002", "火星", "城市", "", ""},         {"1300003", "山东", "莱芜", "0634", "联通"},
      {"1300004", "内蒙古", "兴安盟", "", ""},
  };
  const std::vector<CityRenaming> renamings = ToTodaysDivisions(segments, Table());
  ASSERT_EQ(renamings.size(), 2u);
  EXPECT_EQ(CityRenamingText(renamings[0]), "山东.莱芜→济南(2个号段)");
  EXPECT_EQ(CityRenamingText(renamings[1]), "内蒙古.兴安盟→兴安(1个号段)");
  EXPECT_EQ(segments[0].city, "济南");
  EXPECT_EQ(segments[0].areaCode, "0634");  // a segment keeps the area code its list gives
  EXPECT_EQ(segments[2].city, "城市");
}

}  // namespace
}  // namespace telqor
