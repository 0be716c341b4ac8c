#include "segments/segment_import.h"

#include <gtest/gtest.h>

#include <set>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "segments/data_summary.h"
#include "segments/default_data.h"
#include "segments/segment_database.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

struct Segment {
  std::string segment, province, city, areaCode;
  bool operator==(const Segment&) const = default;
};

std::vector<Segment> Read(std::string_view bytes) {
  SegmentList list(bytes);
  std::vector<Segment> segments;
  for (const DefaultSegment& s : list.Segments())
    segments.push_back({std::string(s.segment), std::string(s.province), std::string(s.city), std::string(s.areaCode)});
  return segments;
}

TEST(SegmentImport, FullNamesBecomeTheShortNamesOfTheBaseData) {
  const std::pair<const char*, const char*> provinces[] = {
      {"浙江省", "浙江"},           {"北京市", "北京"},         {"内蒙古自治区", "内蒙古"},
      {"广西壮族自治区", "广西"},   {"西藏自治区", "西藏"},     {"宁夏回族自治区", "宁夏"},
      {"新疆维吾尔自治区", "新疆"}, {"香港特别行政区", "香港"}, {"黑龙江", "黑龙江"}};
  for (auto [full, short_] : provinces) EXPECT_EQ(ShortProvinceName(full), short_) << full;
  const std::pair<const char*, const char*> cities[] = {{"嘉兴市", "嘉兴"},
                                                        {"延边朝鲜族自治州", "延边"},
                                                        {"恩施土家族苗族自治州", "恩施"},
                                                        {"海西蒙古族藏族自治州", "海西"},
                                                        {"黔西南布依族苗族自治州", "黔西南"},
                                                        {"伊犁哈萨克自治州", "伊犁"},
                                                        {"巴音郭楞蒙古自治州", "巴州"},
                                                        {"博尔塔拉蒙古自治州", "博州"},
                                                        {"克孜勒苏柯尔克孜自治州", "克州"},
                                                        {"阿里地区", "阿里"},
                                                        {"大兴安岭地区", "大兴安岭"},
                                                        {"锡林郭勒盟", "锡林郭勒"},
                                                        {"神农架林区", "神农架"},
                                                        {"北京市", "北京"},
                                                        {"大理", "大理"}};
  for (auto [full, short_] : cities) EXPECT_EQ(ShortCityName(full), short_) << full;
}

// The rule must leave the shipped list's names as they are, or an import of a list of the same
// data in full names would move segments between cities that differ only in spelling.
TEST(SegmentImport, ShippedNamesAreAlreadyShort) {
  const DefaultSegments shipped;
  std::set<std::string_view> changed;
  for (const DefaultSegment& s : shipped.Segments()) {
    EXPECT_EQ(ShortProvinceName(s.province), s.province);
    if (ShortCityName(s.city) != s.city) changed.insert(s.city);
  }
  // The list spells two leagues both ways; the import joins them under the short name it uses
  // for most of their segments.
  EXPECT_EQ(changed, (std::set<std::string_view>{"兴安盟", "锡林郭勒盟"}));
}

TEST(SegmentImport, ReadsTheLayoutsOfPublicLists) {
  const std::vector<Segment> expected = {{"1300000", "山东", "济南", "0531"}, {"1300001", "江苏", "常州", "0519"}};
  // Tabs, after a header, with postcode, area code and carrier.
  EXPECT_EQ(Read("号段\t省份\t城市\t邮编\t区号\t运营商\n"
                 "1300001\t江苏省\t常州市\t213000\t0519\t联通\n"
                 "1300000\t山东省\t济南市\t250000\t0531\t联通\n"),
            expected);
  // Commas and quotes, CR LF, a byte-order mark, the area code before the postcode.
  EXPECT_EQ(Read("\xEF\xBB\xBF\"prefix\",\"province\",\"city\"\r\n\"1300000\",\"山东\",\"济南\",\"0531\",\"250000\"\r\n"
                 "1300001, 江苏 , 常州 ,0519\r\n"),
            expected);
  // Bars, GBK, no header, no area codes.
  SegmentList bars(G("1300001|江苏|常州\n1300000|山东|济南|移动\n"));
  ASSERT_EQ(bars.Segments().size(), 2u);
  EXPECT_EQ(bars.Segments()[0].province, "山东");
  EXPECT_EQ(bars.Segments()[1].city, "常州");
  EXPECT_FALSE(bars.HasAreaCodes());
  EXPECT_TRUE(bars.BadLines().empty());
  EXPECT_THROW(SegmentList("\xFF\xFE"
                           "1\0"
                           "3\0"),
               Error);
}

TEST(SegmentImport, BadLinesAreNamedAndSkipped) {
  SegmentList list(
      "segment,province,city\n"
      "130000,山东,济南\n"
      "1300000,山东,济南\n"
      "\n"
      "13000x1,山东,济南\n"
      "1300002,,济南\n"
      "1300003,山东\n"
      "1300000,江苏,南京\n"
      "1300004,山东,青岛\n");
  std::vector<std::string> bad;
  for (const BadSegmentLine& line : list.BadLines()) bad.push_back(BadSegmentLineText(line));
  EXPECT_EQ(bad, (std::vector<std::string>{"第2行：号段不是7位数字", "第5行：号段不是7位数字", "第6行：缺少省份",
                                           "第7行：缺少城市", "第8行：号段与第3行重复"}));
  ASSERT_EQ(list.Segments().size(), 2u);
  EXPECT_EQ(list.Segments()[0].city, "济南");  // the first line of a segment wins
}

class SegmentImportFiles : public ::testing::Test {
 protected:
  fs::path Base() const { return dir / "基础数据"; }
  fs::path BaseFile(const char* name) const { return Base() / PathFromUtf8(name); }
  std::string Text(const char* name) const { return test::ReadBytes(BaseFile(name)); }
  SegmentImportResult Import(std::string_view list, bool replace = true) {
    test::WriteBytes(dir / "list.txt", list);
    asked.clear();
    return ImportSegmentList(
        dir / "list.txt", Base(),
        [&](const std::vector<std::string_view>& existing) {
          asked.assign(existing.begin(), existing.end());
          return replace;
        },
        ui);
  }

  test::TempDir dir;
  test::RecordingUi ui;
  std::vector<std::string_view> asked;
};

TEST_F(SegmentImportFiles, WritesTheBaseDataTheDatabaseLoads) {
  SegmentImportResult result = Import(
      "1300000\t吉林省\t延边朝鲜族自治州\t133000\t0433\t联通\n"
      "1300001\t吉林省\t长春市\t130000\t0431\t联通\n"
      "1300002\t浙江省\t嘉兴市\t314000\t0573\t联通\n"
      "1300003\t吉林省\t延边朝鲜族自治州\t133000\t0433\t联通\n");
  ASSERT_TRUE(result.written);
  EXPECT_TRUE(asked.empty());  // nothing was there to replace
  EXPECT_TRUE(result.backups.empty());
  EXPECT_EQ(result.files.size(), 3u);
  EXPECT_EQ(Text("地区.txt"), G("吉林|延边|长春\r\n浙江|嘉兴\r\n"));
  EXPECT_EQ(Text("手机号段.txt"),
            G("1300000|吉林|延边\r\n1300001|吉林|长春\r\n1300002|浙江|嘉兴\r\n1300003|吉林|延边\r\n"));
  EXPECT_EQ(Text("固话区号对照表.txt"), G("延边 0433\r\n长春 0431\r\n嘉兴 0573\r\n"));
  EXPECT_EQ(SegmentImportSummary(result), "号段库已更新：4个号段，新增4个，删除0个，变更城市0个");

  SegmentDatabase db;
  SegmentLoadReport report = db.Load(Base(), dir / "我的数据");
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(db.RegionOf("13000031234"), G("吉林.延边"));
}

TEST_F(SegmentImportFiles, ReplacesOnlyWhenAllowedAndKeepsBackups) {
  ASSERT_TRUE(Import("1300000|山东|济南\n1300001|山东|青岛\n1300002|山东|烟台\n").written);
  const std::string oldSegments = Text("手机号段.txt"), oldRegions = Text("地区.txt");
  test::WriteBytes(BaseFile("地区.txt.bak"), "an older backup");

  // Refused: nothing written, nothing backed up.
  SegmentImportResult refused = Import("1300000,山东,济南\n", false);
  EXPECT_FALSE(refused.written);
  EXPECT_EQ(asked, (std::vector<std::string_view>{"地区.txt", "手机号段.txt"}));
  EXPECT_EQ(Text("手机号段.txt"), oldSegments);
  EXPECT_FALSE(fs::exists(BaseFile("手机号段.txt.bak")));

  // One added, one removed, one moved to another city; the area codes are asked for too.
  SegmentImportResult result = Import("1300000,山东,济南,0531\n1300001,山东,威海,0631\n1300003,山东,淄博,0533\n");
  ASSERT_TRUE(result.written);
  EXPECT_EQ(asked, (std::vector<std::string_view>{"地区.txt", "手机号段.txt"}));
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.removed, 1);
  EXPECT_EQ(result.moved, 1);
  EXPECT_EQ(result.segments, 3);
  EXPECT_EQ(Text("地区.txt.bak"), oldRegions);  // the older backup replaced
  EXPECT_EQ(Text("手机号段.txt.bak"), oldSegments);
  EXPECT_EQ(result.backups.size(), 2u);
  EXPECT_TRUE(fs::exists(BaseFile("固话区号对照表.txt")));
  EXPECT_FALSE(fs::exists(BaseFile("固话区号对照表.txt.bak")));
}

TEST_F(SegmentImportFiles, AListWithoutAGoodLineWritesNothing) {
  try {
    Import("segment,province,city\n12345,山东,济南\n");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("号段文件中没有可用的号段"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("第2行：号段不是7位数字"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(Base()));
  EXPECT_THROW(Import(""), Error);
}

// Over the shipped data, its notice goes aside with it: the data then show as the user's.
TEST_F(SegmentImportFiles, TheShippedDataNoticeGoesAsideWithTheData) {
  test::WriteBytes(BaseFile("手机号段.txt"), "1300000|山东|济南\r\n");
  test::WriteBytes(BaseFile(kDefaultDataNoticeFileName), "notice");
  ASSERT_TRUE(Import("1300001,山东,青岛\n").written);
  EXPECT_FALSE(fs::exists(BaseFile(kDefaultDataNoticeFileName)));
  EXPECT_EQ(test::ReadBytes(Base() / PathFromUtf8(std::string(kDefaultDataNoticeFileName) + ".bak")), "notice");
  SegmentDatabase db;
  db.Load(Base(), dir.path());
  EXPECT_EQ(SummarizeSegmentData(db, Base()).source, "用户数据");
}

}  // namespace
}  // namespace telqor
