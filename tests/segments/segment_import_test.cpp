#include "segments/segment_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "segments/data_summary.h"
#include "segments/default_data.h"
#include "segments/segment_database.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

std::string G(std::string_view utf8) { return Utf8ToGbk(utf8); }

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
  for (const DefaultSegment& s : shipped.Segments()) {
    EXPECT_EQ(ShortProvinceName(s.province), s.province);
    EXPECT_EQ(ShortCityName(s.city), s.city);
  }
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
  SegmentImportFiles() { env.FixClock(2026, 12, 10, 15, 30, 0); }
  fs::path Base() const { return dir / u8"基础数据"; }
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

  // The names in the base-data folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Base())) names.push_back(PathToUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TestEnv env;
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
  EXPECT_EQ(SegmentImportSummary(result), "号段库已更新：4个号段，新增4个，删除0个，变更城市0个\n变更明细：" +
                                              PathToUtf8(BaseFile("号段变更.20261210-153000.txt")));

  SegmentDatabase db;
  SegmentLoadReport report = db.Load(Base(), dir / u8"我的数据");
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(db.RegionOf("13000031234"), G("吉林.延边"));
}

TEST_F(SegmentImportFiles, ReplacesOnlyWhenAllowed) {
  ASSERT_TRUE(Import("1300000|山东|济南\n1300001|山东|青岛\n1300002|山东|烟台\n").written);
  const std::vector<std::string> before = Names();
  const std::string oldSegments = Text("手机号段.txt");

  // Refused: nothing written, nothing backed up.
  SegmentImportResult refused = Import("1300000,山东,济南\n", false);
  EXPECT_FALSE(refused.written);
  EXPECT_FALSE(refused.unchanged);
  EXPECT_EQ(asked, (std::vector<std::string_view>{"手机号段.txt"}));  // 地区.txt would stay as it is
  EXPECT_EQ(Text("手机号段.txt"), oldSegments);
  EXPECT_EQ(Names(), before);

  // One added, one removed, one moved to another city; the new area-code table is no question.
  SegmentImportResult result = Import("1300000,山东,济南,0531\n1300001,山东,威海,0631\n1300003,山东,淄博,0533\n");
  ASSERT_TRUE(result.written);
  EXPECT_EQ(asked, (std::vector<std::string_view>{"地区.txt", "手机号段.txt"}));
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.removed, 1);
  EXPECT_EQ(result.moved, 1);
  EXPECT_EQ(result.segments, 3);
  EXPECT_EQ(result.backups.size(), 2u);
  EXPECT_TRUE(fs::exists(BaseFile("固话区号对照表.txt")));
}

// Every import keeps what it replaces under a name of its own, stamped with its time: a second
// import, in the same second or later, never writes over the first one's backups.
TEST_F(SegmentImportFiles, EveryImportKeepsTheStateBeforeIt) {
  test::WriteBytes(BaseFile("地区.txt"), G("山东*济南,青岛\r\n"));
  test::WriteBytes(BaseFile("手机号段.txt"), G("1300000|山东|济南\r\n1300001|山东|青岛\r\n"));
  test::WriteBytes(BaseFile("手机号段.txt.bak"), "a backup of an older version");
  const std::string regions0 = Text("地区.txt"), segments0 = Text("手机号段.txt");

  SegmentImportResult first = Import("1300000,山东,济南\n1300001,山东,烟台\n");
  ASSERT_TRUE(first.written);
  EXPECT_EQ(first.backups, (std::vector<fs::path>{BaseFile("地区.txt.20261210-153000.bak"),
                                                  BaseFile("手机号段.txt.20261210-153000.bak")}));
  EXPECT_EQ(first.changeList, BaseFile("号段变更.20261210-153000.txt"));
  const std::string regions1 = Text("地区.txt"), segments1 = Text("手机号段.txt");

  SegmentImportResult second = Import("1300000,山东,济南\n1300001,山东,威海\n");  // the same second
  ASSERT_TRUE(second.written);
  EXPECT_EQ(second.backups, (std::vector<fs::path>{BaseFile("地区.txt.20261210-153000-2.bak"),
                                                   BaseFile("手机号段.txt.20261210-153000-2.bak")}));
  EXPECT_EQ(second.changeList, BaseFile("号段变更.20261210-153000-2.txt"));

  env.FixClock(2026, 12, 11, 8, 0, 5);
  SegmentImportResult third = Import("1300000,山东,济南\n");
  EXPECT_EQ(third.backups, (std::vector<fs::path>{BaseFile("手机号段.txt.20261211-080005.bak")}));

  EXPECT_EQ(Text("地区.txt.20261210-153000.bak"), regions0);
  EXPECT_EQ(Text("手机号段.txt.20261210-153000.bak"), segments0);
  EXPECT_EQ(Text("地区.txt.20261210-153000-2.bak"), regions1);
  EXPECT_EQ(Text("手机号段.txt.20261210-153000-2.bak"), segments1);
  EXPECT_EQ(Text("手机号段.txt.20261211-080005.bak"), G("1300000|山东|济南\r\n1300001|山东|威海\r\n"));
  EXPECT_EQ(Text("手机号段.txt.bak"), "a backup of an older version");
  EXPECT_EQ(Text("手机号段.txt"), G("1300000|山东|济南\r\n"));
  EXPECT_EQ(SegmentImportSummary(second),
            "号段库已更新：2个号段，新增0个，删除0个，变更城市1个\n变更明细：" +
                PathToUtf8(BaseFile("号段变更.20261210-153000-2.txt")) +
                "\n原文件另存为：地区.txt.20261210-153000-2.bak、手机号段.txt.20261210-153000-2.bak");
}

// The list already loaded: no file is written, none is asked about, and the result says so.
TEST_F(SegmentImportFiles, AnImportThatChangesNothingWritesNothing) {
  const char* list = "1300000,山东,济南,0531\n1300001,山东,青岛,0532\n";
  ASSERT_TRUE(Import(list).written);
  const std::vector<std::string> names = Names();
  const fs::file_time_type written = fs::last_write_time(BaseFile("手机号段.txt"));
  ui.statuses.clear();

  SegmentImportResult again = Import(list);
  EXPECT_FALSE(again.written);
  EXPECT_TRUE(again.unchanged);
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(again.files.empty());
  EXPECT_EQ(Names(), names);
  EXPECT_EQ(fs::last_write_time(BaseFile("手机号段.txt")), written);
  EXPECT_EQ(SegmentImportSummary(again), "号段库没有变化：2个号段与现有数据相同，未写入任何文件");
  EXPECT_EQ(ui.LastStatus(), "");  // the status line cleared

  // The same segments with other area codes: only the table is written, and there is no
  // segment for a change list to name. A stamp names one import: the first one's change list
  // has this second's.
  SegmentImportResult codes = Import("1300000,山东,济南,0530\n1300001,山东,青岛,0532\n");
  ASSERT_TRUE(codes.written);
  EXPECT_EQ(codes.files, std::vector<fs::path>{BaseFile("固话区号对照表.txt")});
  EXPECT_EQ(codes.backups, std::vector<fs::path>{BaseFile("固话区号对照表.txt.20261210-153000-2.bak")});
  EXPECT_TRUE(codes.changeList.empty());
  EXPECT_EQ(asked, std::vector<std::string_view>{"固话区号对照表.txt"});
}

// The change list beside the data names each segment added, removed and moved, with its region.
TEST_F(SegmentImportFiles, TheChangeListNamesEverySegment) {
  test::WriteBytes(BaseFile("手机号段.txt"),
                   G("1300000|山东|济南\r\n1300001|山东|青岛\r\n1300002|山东|烟台\r\n1300005|江苏|南京\r\n"));
  SegmentImportResult result =
      Import("1300000,山东,济南\n1300001,山东,威海\n1300003,山东,淄博\n1300004,江苏省,南京市\n1300005,江苏,苏州\n");
  ASSERT_TRUE(result.written);
  EXPECT_EQ(test::ReadBytes(result.changeList),
            G("号段文件：" + PathToUtf8(dir / "list.txt") +
              "\r\n新增2个，删除1个，变更城市2个\r\n"
              "新增 1300003 山东.淄博\r\n新增 1300004 江苏.南京\r\n"
              "删除 1300002 山东.烟台\r\n"
              "变更 1300001 山东.青岛 -> 山东.威海\r\n变更 1300005 江苏.南京 -> 江苏.苏州\r\n"));
}

// 地区.txt is the user's: its lines stay as they are and where they are; a new city goes to the
// end of its province's line, a new province after the last line.
TEST_F(SegmentImportFiles, TheRegionFileKeepsItsOrderAndAddsNewRegionsAfter) {
  test::WriteBytes(BaseFile("地区.txt"), G("浙江|杭州\r\n\r\n山东*济南,青岛\n北京"));
  ASSERT_TRUE(Import("1300000,山东,济南\n1300001,北京,北京\n1300002,江苏,南京\n1300003,山东,烟台\n"
                     "1300004,江苏,苏州\n1300005,上海,上海\n")
                  .written);
  EXPECT_EQ(Text("地区.txt"), G("浙江|杭州\r\n\r\n山东*济南,青岛|烟台\n北京|北京\r\n江苏|南京|苏州\r\n上海|上海\r\n"));
  SegmentDatabase db;
  EXPECT_TRUE(db.Load(Base(), dir / u8"我的数据").messages.empty());
  std::vector<std::string> tree;
  for (const Province& province : db.Provinces()) {
    tree.push_back(province.name);
    for (const City& city : province.cities) tree.back() += "|" + city.name;
  }
  EXPECT_EQ(tree, (std::vector<std::string>{G("浙江|杭州"), G("山东|济南|青岛|烟台"), G("北京|北京"),
                                            G("江苏|南京|苏州"), G("上海|上海")}));
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
  EXPECT_EQ(ui.LastStatus(), "");  // cleared on the way out
  EXPECT_THROW(Import(""), Error);
}

// The shipped list imported over the data written from it changes nothing, though the list
// spells twenty cities otherwise than today's map; a list in old spellings lands on today's names.
TEST_F(SegmentImportFiles, TheShippedListOverTheShippedData) {
  ProgramState state = StartUp(dir.path());
  // The program's base-data folder is the one the imports below write into.
  ASSERT_EQ((state.folders.baseData / "").lexically_normal().make_preferred(),
            (Base() / "").lexically_normal().make_preferred());
  WriteDefaultData(state, false);
  std::string list;
  {
    const DefaultSegments shipped;
    for (const DefaultSegment& s : shipped.Segments()) {
      for (std::string_view field : {s.segment, s.province, s.city, s.areaCode, s.carrier})
        list.append(field).append("\t");
      list.back() = '\n';
    }
  }
  SegmentImportResult result = Import(list);
  EXPECT_TRUE(result.unchanged);
  EXPECT_TRUE(result.renamings.empty());
  EXPECT_TRUE(asked.empty());

  // Old and official spellings, and a county seat for its prefecture. An official name that
  // only shortens (兴安盟) is no renaming.
  result = Import(
      "1300000,山东省,莱芜市,271100,0634\n1300001,山东省,济南市,250000,0531\n"
      "1300002,内蒙古自治区,兴安盟,137400,0482\n1300003,湖北省,襄樊市,441000,0710\n"
      "1300004,湖南省,吉首市,416000,0743\n1300005,内蒙古自治区,兴安盟,137400,0482\n");
  ASSERT_TRUE(result.written);
  EXPECT_EQ(Text("手机号段.txt"), G("1300000|山东|济南\r\n1300001|山东|济南\r\n1300002|内蒙古|兴安\r\n"
                                   "1300003|湖北|襄阳\r\n1300004|湖南|湘西\r\n1300005|内蒙古|兴安\r\n"));
  // The division's area code first; 莱芜's own stays known as 济南's, for landlines.
  EXPECT_EQ(Text("固话区号对照表.txt"), G("济南 0531\r\n济南 0634\r\n兴安 0482\r\n襄阳 0710\r\n湘西 0743\r\n"));
  const std::string summary = SegmentImportSummary(result);
  EXPECT_NE(summary.find("\n城市名称改为今日区划：山东.莱芜→济南(1个号段)、湖北.襄樊→襄阳(1个号段)、"
                         "湖南.吉首→湘西(1个号段)"),
            std::string::npos)
      << summary;
}

// Over the shipped data, its notice goes aside with it: the data then show as the user's.
TEST_F(SegmentImportFiles, TheShippedDataNoticeGoesAsideWithTheData) {
  test::WriteBytes(BaseFile("手机号段.txt"), "1300000|山东|济南\r\n");
  test::WriteBytes(BaseFile(kDefaultDataNoticeFileName), "notice");
  ASSERT_TRUE(Import("1300001,山东,青岛\n").written);
  EXPECT_FALSE(fs::exists(BaseFile(kDefaultDataNoticeFileName)));
  EXPECT_EQ(test::ReadBytes(Base() / PathFromUtf8(SegmentBackupName(kDefaultDataNoticeFileName, "20261210-153000"))),
            "notice");
  SegmentDatabase db;
  db.Load(Base(), dir.path());
  EXPECT_EQ(SummarizeSegmentData(db, Base()).source, "用户数据");
}

}  // namespace
}  // namespace telqor
