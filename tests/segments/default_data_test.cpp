#include "segments/default_data.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/program/data_folders.h"
#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "extract/area_codes.h"
#include "segments/carrier.h"
#include "segments/current_prefixes.h"
#include "segments/segment_database.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

std::string FirstLine(const fs::path& file) {
  std::string text = test::ReadBytes(file);
  return text.substr(0, text.find('\n') + 1);
}

TEST(DefaultData, WrittenFilesLoadWholeAndSplitByCity) {
  test::TempDir home;
  ProgramState state = StartUp(home.path());
  EXPECT_EQ(MissingDefaultDataFiles(state.folders.baseData).size(), 3u);
  DefaultDataResult result = WriteDefaultData(state, false);
  ASSERT_EQ(result.written.size(), 3u);
  EXPECT_TRUE(MissingDefaultDataFiles(state.folders.baseData).empty());
  const fs::path& base = state.folders.baseData;
  EXPECT_EQ(FirstLine(base / PathFromUtf8(kSegmentFileName)), G("1300000|山东|济南\r\n"));
  EXPECT_EQ(FirstLine(base / PathFromUtf8(kRegionFileName)).substr(0, G("山东|济南|").size()), G("山东|济南|"));
  EXPECT_EQ(FirstLine(base / PathFromUtf8(kAreaCodeFileName)), G("济南 0531\r\n"));
  EXPECT_TRUE(fs::exists(base / PathFromUtf8(kDefaultDataNoticeFileName)));

  SegmentDatabase db;
  SegmentLoadReport report = db.Load(base, state.folders.myData);
  EXPECT_EQ(report.segmentLines, 517258);
  EXPECT_TRUE(report.messages.empty()) << report.messages.front();  // no "未能正确加载", no repeat
  EXPECT_EQ(db.SegmentCount(), 517258);
  EXPECT_EQ(db.Provinces().size(), 31u);
  size_t cities = 0;
  for (const Province& p : db.Provinces()) cities += p.cities.size();
  EXPECT_EQ(cities, 343u);  // one name a division: the list's 363 less the seats and old names
  EXPECT_EQ(db.RegionOf("13800041234"), G("辽宁.沈阳"));
  EXPECT_EQ(db.RegionOf("19200001234"), G("广东.佛山"));
  EXPECT_FALSE(db.RegionOf("12000001234"));

  ItemList codes;
  LoadAreaCodes(base, codes);
  EXPECT_EQ(codes.Count(), 321);
  int at;
  EXPECT_TRUE(codes.Find("010", at));
  EXPECT_TRUE(codes.Find("0634", at));  // 莱芜's landlines, 济南's since 2019
  EXPECT_TRUE(codes.Find("0531", at));
}

TEST(DefaultData, AUsersFilesAndPrefixesAreKeptUnlessForced) {
  test::TempDir home;
  ProgramState state = StartUp(home.path());
  const fs::path regions = state.folders.baseData / PathFromUtf8(kRegionFileName);
  test::WriteBytes(regions, G("北京|北京\r\n"));
  DefaultDataResult result = WriteDefaultData(state, false);
  EXPECT_EQ(result.written, (std::vector<fs::path>{state.folders.baseData / PathFromUtf8(kSegmentFileName),
                                                   state.folders.baseData / PathFromUtf8(kAreaCodeFileName)}));
  EXPECT_EQ(test::ReadBytes(regions), G("北京|北京\r\n"));
  // First-run prefixes are the program's, not the user's: they become today's, in the file too.
  EXPECT_TRUE(result.prefixesWritten);
  EXPECT_EQ(LoadSettings(state.iniFile).unicomPrefixes, kCurrentPrefixes.unicom);

  state.settings.mobilePrefixes = "138";
  SaveSettings(state.iniFile, state.settings);
  result = WriteDefaultData(state, false);
  EXPECT_TRUE(result.written.empty());
  EXPECT_FALSE(result.prefixesWritten);
  EXPECT_EQ(LoadSettings(state.iniFile).mobilePrefixes, "138");

  result = WriteDefaultData(state, true);
  EXPECT_EQ(result.written.size(), 3u);
  EXPECT_TRUE(result.prefixesWritten);
  EXPECT_NE(test::ReadBytes(regions), G("北京|北京\r\n"));
  EXPECT_EQ(LoadSettings(state.iniFile).mobilePrefixes, kCurrentPrefixes.mobile);
}

// The table is the shipped list's own: each three-digit prefix to the carrier of most of its
// segments (virtual operators with their network, 广电 and 未知 with none), and a four-digit
// block listed where most of its segments belong elsewhere. The list is taken as it is but for
// its known mistakes, each corrected against the public numbering plan:
// - 1703, 1705 and 1706 are China Mobile's resale blocks; the list says 电信虚拟 for them.
TEST(CurrentPrefixes, AreTheMajorityOfTheShippedListAndClassifyIt) {
  const DefaultSegments data;
  const std::map<std::string_view, Carrier> corrections = {
      {"1703", Carrier::Mobile}, {"1705", Carrier::Mobile}, {"1706", Carrier::Mobile}};
  auto carrierOfSegment = [&](std::string_view segment, std::string_view name) {
    if (auto fixed = corrections.find(segment.substr(0, 4)); fixed != corrections.end()) return fixed->second;
    if (name.starts_with("移动")) return Carrier::Mobile;
    if (name.starts_with("联通")) return Carrier::Unicom;
    if (name.starts_with("电信")) return Carrier::Telecom;
    if (name.starts_with("广电")) return Carrier::Broadnet;
    return Carrier::None;
  };
  std::map<std::string, std::map<Carrier, int>> by3, by4;
  for (const DefaultSegment& s : data.Segments()) {
    ++by3[std::string(s.segment.substr(0, 3))][carrierOfSegment(s.segment, s.carrier)];
    ++by4[std::string(s.segment.substr(0, 4))][carrierOfSegment(s.segment, s.carrier)];
  }
  auto majority = [](const std::map<Carrier, int>& counts) {
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
      if (it->second > best->second) best = it;
    return best->first;
  };
  std::map<Carrier, std::string> expected;
  auto list = [&](Carrier c, const std::string& prefix) {
    if (c == Carrier::None) return;
    std::string& tag = expected[c];
    tag += (tag.empty() ? "" : ";") + prefix;
  };
  for (const auto& [prefix, counts] : by3) list(majority(counts), prefix);
  for (const auto& [prefix, counts] : by4)
    if (majority(counts) != majority(by3[prefix.substr(0, 3)])) list(majority(counts), prefix);
  EXPECT_EQ(expected[Carrier::Mobile], kCurrentPrefixes.mobile);
  EXPECT_EQ(expected[Carrier::Unicom], kCurrentPrefixes.unicom);
  EXPECT_EQ(expected[Carrier::Telecom], kCurrentPrefixes.telecom);
  EXPECT_EQ(expected[Carrier::Broadnet], kCurrentPrefixes.broadnet);

  const CarrierRule rule(kCurrentPrefixes.mobile, kCurrentPrefixes.unicom, kCurrentPrefixes.telecom,
                         kCurrentPrefixes.broadnet);
  int withCarrier = 0, agreeing = 0;
  for (const DefaultSegment& s : data.Segments()) {
    Carrier c = carrierOfSegment(s.segment, s.carrier);
    if (c == Carrier::None) continue;
    ++withCarrier;
    agreeing += rule.Of(s.segment) == c;
  }
  EXPECT_GT(agreeing, withCarrier / 1000 * 996);  // the rest are blocks split below four digits
  EXPECT_EQ(rule.Of("19212345678"), Carrier::Broadnet);
  // Without 广电's setting (a first start) 192 keeps no carrier, as it always had.
  EXPECT_EQ(CarrierRule(kCurrentPrefixes.mobile, kCurrentPrefixes.unicom, kCurrentPrefixes.telecom).Of("19212345678"),
            Carrier::None);
  EXPECT_EQ(rule.Of("13491234567"), Carrier::Telecom);
  EXPECT_EQ(rule.Of("13412345678"), Carrier::Mobile);
  // The 170 and 171 blocks, and the other resale and special prefixes, as the plan has them.
  for (const char* mobile : {"17031234567", "17051234567", "17061234567", "16512345678", "14401234567"})
    EXPECT_EQ(rule.Of(mobile), Carrier::Mobile) << mobile;
  for (const char* unicom : {"17041234567", "17071234567", "17081234567", "17091234567", "16712345678", "17112345678"})
    EXPECT_EQ(rule.Of(unicom), Carrier::Unicom) << unicom;
  for (const char* telecom : {"17001234567", "17011234567", "17021234567", "16212345678", "17401234567", "14101234567"})
    EXPECT_EQ(rule.Of(telecom), Carrier::Telecom) << telecom;
}

}  // namespace
}  // namespace telqor
