// The statistics of a list: its groups by each dimension, their order and shares, the totals,
// and the same counts whichever way the groups are kept.
#include "report/number_stats.h"

#include <gtest/gtest.h>

#include <map>
#include <unordered_set>

#include "core/program/data_folders.h"
#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "segments/default_data.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using D = StatsDimension;

class Rows : public TableSink {
 public:
  void Row(const std::vector<std::string_view>& cells) override { rows.emplace_back(cells.begin(), cells.end()); }
  fs::path Finish() override { return {}; }
  std::vector<Strings> rows;
};

std::vector<Strings> Table(const NumberStats& stats) {
  Rows sink;
  sink.rows.push_back(StatsTableHeader(stats));
  WriteStatsTable(stats, sink);
  return sink.rows;
}

TEST(ShareText, PercentWithTwoDecimalsRoundedHalfUp) {
  EXPECT_EQ(ShareText(1, 3), "33.33%");
  EXPECT_EQ(ShareText(2, 3), "66.67%");
  EXPECT_EQ(ShareText(1, 8), "12.50%");
  EXPECT_EQ(ShareText(1, 32), "3.13%");     // 3.125
  EXPECT_EQ(ShareText(1, 20000), "0.01%");  // 0.005
  EXPECT_EQ(ShareText(1, 20001), "0.00%");
  EXPECT_EQ(ShareText(7, 7), "100.00%");
  EXPECT_EQ(ShareText(0, 7), "0.00%");
  EXPECT_EQ(ShareText(0, 0), "0.00%");
  EXPECT_EQ(ShareText(2'000'000'000, 2'000'000'001), "100.00%");
}

class Stats : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
    db.Load(data, data);
    lookup.emplace(db, CarrierRule(FirstRunSettings()), CityAreaCodes());
    test::Fill(lines, {"13800001234", "13800001234", "13800001234",
                       "13900001234",   // 1390000 names no city: an unknown segment, 移动 by its prefix
                       "13000001234", "13400001234", "13600001234", "18900000001",
                       "99900001234",   // unknown, no carrier
                       "138abc", "", "abc", "abc", " 13800001234"});
  }
  NumberStats Count(std::vector<D> by) {
    test::RecordingUi ui;
    std::optional<NumberStats> stats = CountNumbers(lines, *lookup, by, ui);
    EXPECT_TRUE(stats);
    EXPECT_EQ(ui.progress.back(), std::make_pair(int64_t{lines.Count()}, int64_t{lines.Count()}));
    return stats.value_or(NumberStats{});
  }

  SegmentDatabase db;
  std::optional<NumberLookup> lookup;
  ItemList lines;
};

TEST_F(Stats, GroupsLargestFirstThenByTheirKeysAndTheTotal) {
  EXPECT_EQ(Table(Count({D::kProvince})),
            (std::vector<Strings>{{"省份", "数量", "占比"},
                                  {"未知", "7", "50.00%"},
                                  {"北京", "3", "21.43%"},
                                  {"广东", "3", "21.43%"},
                                  {"上海", "1", "7.14%"},
                                  {"合计", "14", "100.00%"}}));
  // A line that is no number still has a prefix when its first three characters are digits.
  EXPECT_EQ(Table(Count({D::kPrefix})),
            (std::vector<Strings>{{"号段", "数量", "占比"},
                                  {"未知", "4", "28.57%"},
                                  {"138", "4", "28.57%"},
                                  {"130", "1", "7.14%"},
                                  {"134", "1", "7.14%"},
                                  {"136", "1", "7.14%"},
                                  {"139", "1", "7.14%"},
                                  {"189", "1", "7.14%"},
                                  {"999", "1", "7.14%"},
                                  {"合计", "14", "100.00%"}}));
  // A city is followed by its division code of today's map, empty for a name the map lacks.
  EXPECT_EQ(Table(Count({D::kProvince, D::kCity})),
            (std::vector<Strings>{{"省份", "城市", "区划代码", "数量", "占比"},
                                  {"未知", "未知", "", "7", "50.00%"},
                                  {"北京", "北京", "110000", "3", "21.43%"},
                                  {"广东", "广州", "440100", "2", "14.29%"},
                                  {"上海", "上海", "310000", "1", "7.14%"},
                                  {"广东", "東莞", "", "1", "7.14%"},
                                  {"合计", "", "", "14", "100.00%"}}));
}

// Groups are their keys' text: by city alone, cities of one name in two provinces are one.
TEST(StatsOfCitiesOfOneName, AreOneCityButTwoRegions) {
  SegmentDatabase db;
  db.LoadText(Utf8ToGbk("辽宁|朝阳\r\n北京|朝阳\r\n"), Utf8ToGbk("1380000|辽宁|朝阳\r\n1390000|北京|朝阳\r\n"));
  const NumberLookup lookup(db, CarrierRule(FirstRunSettings()), CityAreaCodes());
  ItemList lines;
  test::Fill(lines, {"13800001234", "13900001234", "13900001235"});
  test::RecordingUi ui;
  const NumberStats byCity = *CountNumbers(lines, lookup, std::vector<D>{D::kCity}, ui);
  ASSERT_EQ(byCity.groups.size(), 1u);
  EXPECT_EQ(byCity.groups[0].keys, Strings{"朝阳"});
  EXPECT_EQ(byCity.groups[0].count, 3);
  const NumberStats byRegion = *CountNumbers(lines, lookup, std::vector<D>{D::kProvince, D::kCity}, ui);
  ASSERT_EQ(byRegion.groups.size(), 2u);
  EXPECT_EQ(byRegion.groups[0].keys, (Strings{"北京", "朝阳"}));
  EXPECT_EQ(byRegion.groups[0].count, 2);
}

TEST_F(Stats, TotalsCountEveryLineOnce) {
  const NumberStats stats = Count({});
  EXPECT_TRUE(stats.groups.empty());
  EXPECT_EQ(TotalsText(stats.totals), "行数\t14\n有效\t7\n号段不存在\t2\n格式错误\t5\n不同号码\t11\n重复\t3\n");
  EXPECT_EQ(Table(stats), (std::vector<Strings>{{"数量", "占比"}, {"14", "100.00%"}}));

  lines.Clear();
  EXPECT_EQ(Table(Count({D::kCarrier})), (std::vector<Strings>{{"运营商", "数量", "占比"}, {"合计", "0", "0.00%"}}));
  EXPECT_EQ(TotalsText(Count({}).totals), "行数\t0\n有效\t0\n号段不存在\t0\n格式错误\t0\n不同号码\t0\n重复\t0\n");
}

TEST_F(Stats, AStopAsked) {
  test::RecordingUi ui;
  ui.cancelled = true;
  EXPECT_FALSE(CountNumbers(lines, *lookup, std::vector<D>{D::kProvince}, ui));
}

// A list of more than a million lines on the shipped data, counted in parts across the cores:
// the groups of every dimension at once (too many keys for an array) add up to those of one
// dimension, and the distinct lines are those a set of strings finds.
TEST(StatsOfShippedData, EveryWayOfCountingAgrees) {
  test::TempDir home;
  ProgramState state = StartUp(home.path());
  WriteDefaultData(state, false);
  SegmentDatabase db;
  db.Load(state.folders.baseData, state.folders.myData);
  const NumberLookup lookup(db, CarrierRule(state.settings), CityAreaCodes::Load(state.folders.baseData));
  ItemList lines;
  std::unordered_set<std::string> distinct;
  for (int64_t i = 0; i < 1'100'000; ++i) {
    std::string line = std::to_string(13000000000 + i * 104729 % 7000000000);
    if (i % 1000 == 7) line = "x" + std::to_string(i % 3000);
    lines.Add(line);
    distinct.insert(line);
  }
  test::RecordingUi ui;
  const NumberStats all = *CountNumbers(lines, lookup, std::vector<D>{D::kProvince, D::kCity, D::kCarrier, D::kPrefix}, ui);
  EXPECT_GT(ui.progress.size(), 2u);  // a look at the Ui between parts
  const NumberStats byProvince = *CountNumbers(lines, lookup, std::vector<D>{D::kProvince}, ui);
  std::map<std::string, int64_t> summed, counted;
  for (const StatsGroup& g : all.groups) summed[g.keys[0]] += g.count;
  for (const StatsGroup& g : byProvince.groups) counted[g.keys[0]] = g.count;
  EXPECT_EQ(summed, counted);
  EXPECT_EQ(counted.size(), 32u);  // 31 provinces and the lines of none
  EXPECT_EQ(all.totals.distinct, static_cast<int64_t>(distinct.size()));
  EXPECT_EQ(all.totals.lines, 1'100'000);
  EXPECT_EQ(all.totals.badFormat, 1100);
  EXPECT_EQ(all.totals.valid + all.totals.unknownSegment + all.totals.badFormat, all.totals.lines);
  EXPECT_GT(all.totals.valid, 0);
  EXPECT_GT(all.totals.unknownSegment, 0);
}

}  // namespace
}  // namespace telqor
