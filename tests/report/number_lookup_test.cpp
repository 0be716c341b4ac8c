// A line's lookup: its status, region, area code and carrier, on the test database and on the
// segment data the program ships.
#include "report/number_lookup.h"

#include <gtest/gtest.h>

#include "core/program/data_folders.h"
#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "segments/current_prefixes.h"
#include "segments/default_data.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

// The row as one line: "status province city code carrier".
std::string Text(const LookupRow& row) {
  std::string text = LookupStatusName(row.status);
  for (std::string_view field : {row.province, row.city, row.areaCode})
    text.append(" ").append(field.empty() ? "-" : field);
  return text + " " + (row.carrier == Carrier::None ? "-" : CarrierName(row.carrier));
}

class Lookup : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
    db.Load(data, data);
  }
  SegmentDatabase db;
  CarrierRule carriers{FirstRunSettings()};
};

TEST_F(Lookup, ElevenDigitsOfAKnownSegmentAreValidAnythingElseIsNot) {
  const NumberLookup lookup(db, carriers, CityAreaCodes::FromText(G("北京 010\r\n广州 020\r\n")));
  EXPECT_EQ(Text(lookup.Of("13800001234")), "有效 北京 北京 010 移动");
  EXPECT_EQ(Text(lookup.Of("13000009999")), "有效 广东 广州 020 联通");
  EXPECT_EQ(Text(lookup.Of("18900000001")), "有效 上海 上海 - 电信");  // a city without a code
  // A segment whose city the region file lacks still answers with its names.
  EXPECT_EQ(Text(lookup.Of("13711110000")), "有效 火星 城市 - 移动");
  // An unknown segment keeps the carrier its prefix has.
  EXPECT_EQ(Text(lookup.Of("18600011234")), "号段不存在 - - - 联通");
  EXPECT_EQ(Text(lookup.Of("99900001234")), "号段不存在 - - - -");
  // Not eleven digits: nothing is looked up, the carrier neither.
  for (std::string_view line : {"", " 13800001234", "13800001234 ", "1380000123", "138000012345", "1380000123x",
                                "138-0000-1234", "+8613800001234", "1380000"})
    EXPECT_EQ(Text(lookup.Of(line)), "格式错误 - - - -") << line;
  EXPECT_EQ(Text(lookup.Of(G("１３８００００１２３４"))), "格式错误 - - - -");
}

// Names come from the database's GBK once per region, the area code by the city's name: the
// first line of a city in the table holds, and a name whose second byte is "|" (東) is whole.
TEST_F(Lookup, RegionsAndAreaCodesAreTheCitysInUtf8) {
  const NumberLookup lookup(
      db, carriers, CityAreaCodes::FromText(G("東莞 0769\r\n天 津 022\r\n深圳 0755\r\n深圳 0999\r\n广州\r\n")));
  EXPECT_EQ(Text(lookup.Of("13600001234")), "有效 广东 東莞 0769 移动");
  EXPECT_EQ(Text(lookup.Of("18600001234")), "有效 天津 天 津 022 联通");
  EXPECT_EQ(Text(lookup.Of("13500001234")), "有效 广东 深圳 0755 移动");  // the segment's first line too
  EXPECT_EQ(Text(lookup.Of("13400001234")), "有效 广东 广州 - 移动");
}

TEST(LookupOfShippedData, EveryShippedCityHasItsCodeAndTodaysCarriers) {
  test::TempDir home;
  ProgramState state = StartUp(home.path());
  WriteDefaultData(state, false);
  SegmentDatabase db;
  db.Load(state.folders.baseData, state.folders.myData);
  const CarrierRule carriers(kCurrentPrefixes.mobile, kCurrentPrefixes.unicom, kCurrentPrefixes.telecom,
                             kCurrentPrefixes.broadnet);
  const NumberLookup lookup(db, carriers, CityAreaCodes::Load(state.folders.baseData));
  EXPECT_EQ(Text(lookup.Of("13800138000")), "有效 北京 北京 010 移动");
  EXPECT_EQ(Text(lookup.Of("13800041234")), "有效 辽宁 沈阳 024 移动");
  EXPECT_EQ(Text(lookup.Of("19200001234")), "有效 广东 佛山 0757 广电");
  // A four-digit block of another carrier within its prefix (1703 is 移动's within 联通's 170).
  EXPECT_EQ(lookup.Of("17030001234").carrier, Carrier::Mobile);
  EXPECT_EQ(lookup.Of("17040001234").carrier, Carrier::Unicom);
  EXPECT_EQ(Text(lookup.Of("12000001234")), "号段不存在 - - - -");
  // Every city of the shipped segments has its code in the shipped table.
  const CityAreaCodes codes = CityAreaCodes::Load(state.folders.baseData);
  int missing = 0;
  for (const std::string& region : db.Regions()) missing += !codes.Of(region.substr(region.find('.') + 1));
  EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace telqor
