#include "segments/segment_database.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"
#include "segments/carrier.h"
#include "segments/field_split.h"
#include "segments/validity_check.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

std::string G(std::string_view utf8) { return Utf8ToGbk(utf8); }

Strings Utf8(const Strings& gbk) {
  Strings out;
  for (const std::string& s : gbk) out.push_back(GbkToUtf8(s));
  return out;
}

fs::path Data() { return fs::path(TELQOR_TEST_DATA) / "segments"; }

struct LoadedDatabase : ::testing::Test {
  SegmentDatabase db;
  SegmentLoadReport report = db.Load(Data(), Data());

  Strings Cities(std::string_view province) {
    for (const Province& p : db.Provinces())
      if (p.name == G(province)) {
        Strings names;
        for (const City& c : p.cities) names.push_back(c.name);
        return Utf8(names);
      }
    return {"no such province"};
  }
  const City* CityOf(std::string_view province, std::string_view city) {
    for (const Province& p : db.Provinces())
      for (const City& c : p.cities)
        if (p.name == G(province) && c.name == G(city)) return &c;
    return nullptr;
  }
  std::string Region(std::string_view number) {
    auto region = db.RegionOf(number);
    return region ? GbkToUtf8(*region) : "none";
  }
};

TEST(FieldSplit, QuotesBlanksBarsAndTwoByteCharacters) {
  EXPECT_EQ(SplitDataFields("a|b||c|"), (Strings{"a", "b", "", "c", ""}));
  EXPECT_EQ(SplitDataFields("  a | b  c"), (Strings{"a", "b", "c"}));
  EXPECT_EQ(SplitDataFields(R"("x ""y"" z"|w)"), (Strings{R"(x "y" z)", "w"}));
  EXPECT_EQ(SplitDataFields("a| "), (Strings{"a"}));
  EXPECT_EQ(SplitDataFields(""), Strings{});
  // 東 is 0x96 0x7C in GBK: its second byte is no bar.
  EXPECT_EQ(Utf8(SplitDataFields(G("東莞|x"))), (Strings{"東莞", "x"}));
  EXPECT_EQ(GbkToUtf8(RegionSeparatorsToBars(G("广东*广州,深圳#珠海"))), "广东|广州|深圳|珠海");
}

TEST_F(LoadedDatabase, RegionTreeTakesEverySeparatorAndSkipsEmptyFields) {
  ASSERT_EQ(db.Provinces().size(), 7u);  // the blank line names no province
  EXPECT_EQ(Cities("广东"), (Strings{"广州", "深圳", "珠海", "東莞"}));
  EXPECT_EQ(Cities("上海"), (Strings{"上海", "浦东"}));
  EXPECT_EQ(Cities("贵州"), (Strings{"贵阳", "黔西", "南"}));
  EXPECT_EQ(Cities("天津"), (Strings{"天 津"}));
  EXPECT_EQ(Cities("江苏"), Strings{});
  // A repeated city keeps an empty list; the first one owns the segments.
  EXPECT_EQ(Cities("浙江"), (Strings{"杭州", "杭州"}));
  EXPECT_EQ(db.SegmentsOf(db.Provinces()[6].cities[0]), Strings{"1700000"});
  EXPECT_TRUE(db.SegmentsOf(db.Provinces()[6].cities[1]).empty());
}

TEST_F(LoadedDatabase, SegmentsGoToTheirCitiesAndLookupsFindTheirRegion) {
  EXPECT_EQ(report.segmentLines, 15);
  EXPECT_EQ(db.SegmentsOf(*CityOf("广东", "广州")), (Strings{"1300000", "1330000", "1340000"}));
  EXPECT_EQ(db.SegmentsOf(*CityOf("北京", "北京")), (Strings{"1380000", "1380001", "1380002"}));
  EXPECT_EQ(db.SegmentsOf(*CityOf("广东", "東莞")), Strings{"1360000"});
  EXPECT_EQ(Region("13800001234"), "北京.北京");
  EXPECT_EQ(Region("1380000"), "北京.北京");
  EXPECT_EQ(Region("13800021234"), "北京.北京");  // blanks around the bars
  EXPECT_EQ(Region("18600001234"), "天津.天 津");
  EXPECT_EQ(Region("13900001234"), "none");  // two fields: skipped
  EXPECT_EQ(Region("13900011234"), "none");  // commas are no separators here
  EXPECT_EQ(Region("138000"), "none");
  // A city that the region file does not know: reported, yet found by lookups.
  EXPECT_EQ(Region("13711111234"), "火星.城市");
  EXPECT_TRUE(db.HasSegment("1371111"));
  EXPECT_FALSE(db.HasSegment("1390000"));
}

TEST_F(LoadedDatabase, ARepeatedSegmentKeepsItsFirstRegionAndEveryLaterOneStaysRight) {
  EXPECT_EQ(Region("13500001234"), "广东.深圳");
  EXPECT_EQ(Region("13600001234"), "广东.東莞");
  EXPECT_EQ(Region("17000001234"), "浙江.杭州");
  EXPECT_EQ(Region("18900001234"), "上海.上海");
  ASSERT_EQ(report.messages.size(), 2u);
  EXPECT_EQ(report.messages[0], "未能正确加载1371111|火星|城市");
  EXPECT_NE(report.messages[1].find("1350000"), std::string::npos);
  EXPECT_EQ(db.SegmentCount(), 12);
}

TEST_F(LoadedDatabase, EveryLineOfAnUnknownCityIsReported) {
  report =
      db.LoadText(G("北京|北京\n"), G("1371111|火星|城市\n1371112|火星|城市\n1380000|北京|北京\n1371113|火星|城市\n"));
  EXPECT_EQ(report.messages, (std::vector<std::string>{"未能正确加载1371111|火星|城市", "未能正确加载1371112|火星|城市",
                                                       "未能正确加载1371113|火星|城市"}));
}

TEST_F(LoadedDatabase, SegmentsThatAreNotSevenDigitsAreFoundByTheirWholeText) {
  db.LoadText(G("北京|北京\n"), G("123456|北京|北京\n12345678|北京|北京\n1380000|北京|北京\n"));
  EXPECT_EQ(Region("123456"), "北京.北京");
  EXPECT_EQ(Region("12345678"), "none");  // the first seven characters: 1234567
  EXPECT_EQ(Region("1380000999"), "北京.北京");
}

TEST_F(LoadedDatabase, TwoCitiesOfOneHashKeepTheirOwnSegments) {
  // "P.buspbwqg" and "P.pwppnffj" share a BKDR hash.
  db.LoadText("P|buspbwqg|pwppnffj\n", "1300000|P|buspbwqg\n1300001|P|pwppnffj\n1300002|P|buspbwqg\n");
  ASSERT_EQ(db.Provinces().size(), 1u);
  EXPECT_EQ(db.SegmentsOf(db.Provinces()[0].cities[0]), (Strings{"1300000", "1300002"}));
  EXPECT_EQ(db.SegmentsOf(db.Provinces()[0].cities[1]), Strings{"1300001"});
  EXPECT_EQ(Region("1300001"), "P.pwppnffj");
}

TEST_F(LoadedDatabase, UsedSegmentsAreMarkedAndWrittenInTheSetsOrder) {
  EXPECT_TRUE(db.IsUsed("1330000"));
  EXPECT_FALSE(db.IsUsed("1300000"));
  db.MarkUsed("1300000");
  db.MarkUsed("1300000");
  db.MarkUsed("13363463632");  // a BKDR twin of the next: both are used, each once
  db.MarkUsed("13377114254");
  EXPECT_TRUE(db.IsUsed("13377114254"));
  db.MarkUnused("13363463632");
  db.MarkUnused("13377114254");
  db.MarkUnused("1380001");
  db.MarkUnused("1999999");
  test::TempDir dir;
  db.SaveUsed(dir / "hdsel.txt");
  EXPECT_EQ(test::ReadBytes(dir / "hdsel.txt"), "1300000\r\n1330000\r\n");
}

TEST_F(LoadedDatabase, LookupLinesKeepWhatWasTyped) {
  auto line = [&](std::string_view typed) {
    auto l = LookupLine(typed, db);
    return l ? GbkToUtf8(*l) : "nothing";
  };
  EXPECT_EQ(line("13800001234"), "13800001234:北京.北京");
  EXPECT_EQ(line(" 1380000"), " 1380000:北京.北京");
  EXPECT_EQ(line("99900001234"), "99900001234:没有找到");
  EXPECT_EQ(line("138000 "), "nothing");
  // A mobile number as people write it is looked up by its eleven digits, shown as typed.
  for (const char* typed : {"138 0000 1234", "138-0000-1234", "+86 138 0000 1234", "+8613800001234",
                            "0086-138-0000-1234", "(+86)138.0000.1234"})
    EXPECT_EQ(line(typed), std::string(typed) + ":北京.北京");
  EXPECT_EQ(line(G("１３８　００００　１２３４")), "１３８　００００　１２３４:北京.北京");
  EXPECT_EQ(line("138 000"), "138 000:没有找到");  // no mobile number: its first seven characters

  // With a carrier rule, the carrier follows a region found; none when the rule knows none.
  const CarrierRule rule("138", "136", "");
  auto carrier = [&](std::string_view typed) { return GbkToUtf8(*LookupLine(typed, db, &rule)); };
  EXPECT_EQ(carrier("+86 138 0000 1234"), "+86 138 0000 1234:北京.北京 移动");
  EXPECT_EQ(carrier("13600001111"), "13600001111:广东.東莞 联通");
  EXPECT_EQ(carrier("13500001234"), "13500001234:广东.深圳");
  EXPECT_EQ(carrier("13800991234"), "13800991234:没有找到");
}

TEST_F(LoadedDatabase, ScanningTheSegmentFileAnswersAsTheLoadedDatabase) {
  std::string text = test::ReadBytes(Data() / u8"手机号段.txt");
  // Quotes; a segment inside a field; a quote inside a quoted segment, whose bytes are doubled.
  text += G("\"1999999\"|\"北\"|京\r\n9138000|a|b\r\n|empty|first\r\n\"12\"\"4\"\"5\"|q|r\r\n12\"4\"5|x|y\r\n");
  db.LoadText(test::ReadBytes(Data() / u8"地区.txt"), text);
  for (std::string_view number :
       {"13800001234", "1380002", "13500001234", "13600001111", "18600001234", "13900001234", "13900011234",
        "13711111234", "19999991234", "1380000999", "138000", "9138000", "3800001", "", "12\"4\"5"}) {
    auto scanned = ScanRegionOf(text, number);
    auto loaded = db.RegionOf(number);
    EXPECT_EQ(scanned.has_value(), loaded.has_value()) << number;
    if (scanned && loaded) {
      EXPECT_EQ(*scanned, *loaded) << number;
    }
  }
  EXPECT_EQ(GbkToUtf8(*ScanLookupLine(" 1350000", text)), " 1350000:广东.深圳");
  EXPECT_EQ(ScanLookupLine("135000", text), std::nullopt);
}

TEST_F(LoadedDatabase, ValidityNeedsElevenCharactersAndAKnownSegment) {
  ItemList raw, valid, invalid;
  test::Fill(raw, {"13800001234", "1380000123", "13800001234", "23800001234", "13800001234 "});
  AnalyseValidity(raw, db, valid, invalid);
  EXPECT_EQ(test::Items(valid), (Strings{"13800001234", "13800001234"}));
  EXPECT_EQ(test::Items(invalid), (Strings{"1380000123", "23800001234", "13800001234 "}));
  test::TempDir dir;
  auto [v, i] = SaveValidity(dir / u8"结果.txt", valid, invalid);
  EXPECT_EQ(v, dir / u8"结果.txt.有效.2.txt");
  EXPECT_EQ(test::ReadBytes(i), "1380000123\r\n23800001234\r\n13800001234 \r\n");
  invalid.Clear();
  SaveValidity(dir / "b", valid, invalid);
  EXPECT_EQ(test::ReadBytes(dir / u8"b.无效.0.txt"), "");
}

TEST(SegmentDatabaseLoad, MissingFilesLeaveAnEmptyDatabase) {
  test::TempDir dir;
  SegmentDatabase db;
  SegmentLoadReport report = db.Load(dir.path(), dir.path());
  EXPECT_EQ(report.segmentLines, 0);
  EXPECT_TRUE(db.Provinces().empty());
  EXPECT_FALSE(db.RegionOf("13800001234"));
}

TEST(CarrierRuleTest, FirstListedSettingWinsAndShortNumbersUseShortPrefixes) {
  CarrierRule rule("134;135;138;139", "130;133", "133;189");
  EXPECT_EQ(rule.Of("13912345678"), Carrier::Mobile);
  EXPECT_EQ(rule.Of("13012345678"), Carrier::Unicom);
  EXPECT_EQ(rule.Of("13312345678"), Carrier::Unicom);
  EXPECT_EQ(rule.Of("18912345678"), Carrier::Telecom);
  EXPECT_EQ(rule.Of("17012345678"), Carrier::None);
  EXPECT_EQ(rule.Of("39"), Carrier::Mobile);  // "39;" occurs in "...139;"
  EXPECT_EQ(rule.Of("a3"), Carrier::None);
  EXPECT_STREQ(CarrierName(Carrier::None), "其它");
}

TEST(CarrierRuleTest, TheRangeIsAnAlternativeToTheCarriers) {
  CarrierRule rule("138", "130", "189");
  TypeSelection byRange{false, false, false, false, true, 13800000000, 13800000099};
  EXPECT_TRUE(TypeSelected(rule, byRange, "13800000099"));
  EXPECT_FALSE(TypeSelected(rule, byRange, "13800000100"));
  EXPECT_FALSE(TypeSelected(rule, byRange, "1380000009x"));
  TypeSelection mobileOrRange{true, false, false, false, true, 1, 2};
  EXPECT_TRUE(TypeSelected(rule, mobileOrRange, "13899999999"));
  EXPECT_FALSE(TypeSelected(rule, mobileOrRange, "138abc"));  // not a number while a range is set
  EXPECT_FALSE(TypeSelected(rule, TypeSelection{false, true, true}, "13899999999"));
}

TEST(CarrierRuleTest, TheLongestListedPrefixDecides) {
  CarrierRule rule("134;170", "1704; 1709 ;130", "133;1349");
  EXPECT_EQ(rule.Of("13491234567"), Carrier::Telecom);  // four digits beat 134 of another setting
  EXPECT_EQ(rule.Of("13481234567"), Carrier::Mobile);
  EXPECT_EQ(rule.Of("17041234567"), Carrier::Unicom);
  EXPECT_EQ(rule.Of("17091234567"), Carrier::Unicom);  // blanks around an entry do not matter
  EXPECT_EQ(rule.Of("17001234567"), Carrier::Mobile);
  EXPECT_EQ(rule.Of("134"), Carrier::Mobile);  // shorter than four: the three-digit rule
  EXPECT_EQ(rule.Of("349"), Carrier::None);    // a four-digit entry is no text for the old search
  // Listed follows the carrier the longest prefix gives, so a move by type agrees with exports.
  EXPECT_FALSE(rule.Listed(Carrier::Mobile, "13491234567"));
  EXPECT_TRUE(rule.Listed(Carrier::Telecom, "13491234567"));
  EXPECT_FALSE(TypeSelected(rule, TypeSelection{true, false, false}, "13491234567"));

  CarrierRule both("1349", "1349", "");  // listed twice: the first setting, as with three digits
  EXPECT_EQ(both.Of("13491234567"), Carrier::Mobile);
}

}  // namespace
}  // namespace telqor
