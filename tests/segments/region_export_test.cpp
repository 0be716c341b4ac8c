#include "segments/region_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/platform/parallel.h"
#include "core/program/settings.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

// The test database: 1380000..1380002 北京.北京, 1340000/1300000/1330000 广东.广州, 1360000 广东.東莞,
// 1890000 上海.上海, 1860000 天津."天 津", 1700000 浙江.杭州; 1310000 is unknown.
struct RegionExport : ::testing::Test {
  SegmentDatabase db;
  CarrierRule rule{FirstRunSettings()};
  test::RecordingUi ui;
  test::TempDir dir;
  ItemList list;

  void SetUp() override {
    fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
    db.Load(data, data);
  }
  Strings Export(ExportKind kind, const Strings& numbers) {
    test::Fill(list, numbers);
    Strings names;
    for (const fs::path& file : ExportNumbers(kind, list, db, rule, dir.path(), ui).written)
      names.push_back(file.lexically_relative(dir.path()).generic_string());
    return names;
  }
  // Every file under the folder with its bytes.
  std::map<std::string, std::string> Files() {
    std::map<std::string, std::string> files;
    for (const std::string& name : Tree()) files[name] = Read(name);
    return files;
  }
  std::string Closing(int files, int numbers, std::string_view counted = "个号码") {
    return "保存文件完成：共" + std::to_string(files) + "个文件，" + std::to_string(numbers) + std::string(counted) +
           "，保存在 " + (dir / "").string();
  }
  std::string Read(const std::string& name) { return test::ReadBytes(dir / name); }
  // Every file under the folder, relative and sorted.
  Strings Tree() {
    Strings names;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
      if (e.is_regular_file()) names.push_back(e.path().lexically_relative(dir.path()).string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(RegionExport, ByRegionWritesTheGroupsFromTheLastNameToTheFirst) {
  Strings written = Export(ExportKind::Region, {"13800001111", "13100002222", "17000001234", "13800001111",
                                                "18900000001", "13600000001", "18600000001", "13800002222"});
  // GBK order: 北京 < 广东 < 上海 < 天津 < 未知地区 < 浙江. 東 ends in the byte "|", 天 津 holds a blank.
  EXPECT_EQ(written, (Strings{"浙江.杭州.1.txt", "未知地区.1.txt", "天津.天 津.1.txt", "上海.上海.1.txt",
                              "广东.東莞.1.txt", "北京.北京.3.txt"}));
  EXPECT_EQ(Read("北京.北京.3.txt"), "13800001111\r\n13800001111\r\n13800002222\r\n");
  EXPECT_EQ(Read("未知地区.1.txt"), "13100002222\r\n");
  EXPECT_EQ(ui.statuses, (Strings{"开始保存文件", Closing(6, 8)}));
}

TEST_F(RegionExport, ByCarrierWritesOnlyCarriersWithNumbers) {
  EXPECT_EQ(Export(ExportKind::Carrier, {"13800001111", "13800001111", "13000002222"}),
            (Strings{"移动.2.txt", "联通.1.txt"}));
  EXPECT_EQ(Read("移动.2.txt"), "13800001111\r\n13800001111\r\n");

  // Into the same folder: 联通.1.txt of the first export stays.
  list.Clear();
  EXPECT_EQ(Export(ExportKind::Carrier, {"17000001234", "18900000001", "13100002222", "x", "13600000001"}),
            (Strings{"移动.1.txt", "联通.1-2.txt", "电信.1.txt", "其它.2.txt"}));
  EXPECT_EQ(Read("其它.2.txt"), "17000001234\r\nx\r\n");
}

TEST_F(RegionExport, ByRegionAndCarrierPrefixesTheRegion) {
  Strings written = Export(ExportKind::RegionCarrier,
                           {"13400000001", "13000000001", "13800000001", "13300000001", "13400000002", "17000000001"});
  EXPECT_EQ(written, (Strings{"浙江.杭州.其它.1.txt", "广东.广州.移动.2.txt", "广东.广州.联通.1.txt",
                              "广东.广州.电信.1.txt", "北京.北京.移动.1.txt"}));
  EXPECT_EQ(Read("广东.广州.移动.2.txt"), "13400000001\r\n13400000002\r\n");
}

// 广电 is a carrier like the others once its setting lists a prefix (here 170, which the test
// database puts in 浙江.杭州): its numbers leave "其它" for files and folders of their own.
TEST_F(RegionExport, BroadnetIsTheFourthCarrier) {
  const Settings first = FirstRunSettings();
  rule = CarrierRule(first.mobilePrefixes, first.unicomPrefixes, first.telecomPrefixes, "170");
  EXPECT_EQ(Export(ExportKind::RegionCarrier, {"17000000001", "13400000001", "x"}),
            (Strings{"浙江.杭州.广电.1.txt", "未知地区.其它.1.txt", "广东.广州.移动.1.txt"}));
  list.Clear();
  EXPECT_EQ(Export(ExportKind::Carrier, {"17000000001", "17000000002"}), Strings{"广电.2.txt"});
  list.Clear();
  EXPECT_EQ(Export(ExportKind::RegionCarrierSegment, {"17000000002", "17000000001"}),
            (Strings{"浙江.杭州/广电/1700000-2.txt", "浙江.杭州/广电/汇总.txt"}));
}

TEST_F(RegionExport, ByRegionCarrierAndSegmentSortsDedupesAndSummarises) {
  Strings numbers = {"17000001234", "13100002222", "17000001234"};
  // 北京 移动: seven of 1380000 (one twice), five of 1380002 before five of 1380001.
  for (int i = 7; i-- > 0;) numbers.push_back("1380000000" + std::to_string(i));
  numbers.push_back("13800000003");
  for (int i = 0; i < 5; ++i) numbers.push_back("1380002000" + std::to_string(i));
  for (int i = 0; i < 5; ++i) numbers.push_back("1380001000" + std::to_string(i));
  Strings written = Export(ExportKind::RegionCarrierSegment, numbers);

  EXPECT_EQ(written, (Strings{"浙江.杭州/其它-2.txt", "未知地区/联通/1310000-1.txt", "未知地区/联通/汇总.txt",
                              "北京.北京/移动/1380000-7.txt", "北京.北京/移动/1380001-5.txt",
                              "北京.北京/移动/1380002-5.txt", "北京.北京/移动/汇总.txt"}));
  EXPECT_EQ(Tree().size(), written.size());  // no carrier folder without numbers, no temporary files
  EXPECT_EQ(Read("浙江.杭州/其它-2.txt"), "17000001234\r\n17000001234\r\n");
  EXPECT_EQ(Read("北京.北京/移动/1380000-7.txt"),
            "13800000000\r\n13800000001\r\n13800000002\r\n13800000003\r\n13800000004\r\n13800000005\r\n"
            "13800000006\r\n");
  // By ascending count, equal counts by segment.
  EXPECT_EQ(Read("北京.北京/移动/汇总.txt"), "1380001-00005\r\n1380002-00005\r\n1380000-00007\r\n");
  EXPECT_EQ(Read("未知地区/联通/汇总.txt"), "1310000-00001\r\n");
  // 20 numbers in the files, the repeat of 13800000003 left out; 其它 keeps its repeats.
  EXPECT_EQ(ui.LastStatus(), Closing(7, 20, "个号码（去掉重复1个）"));
}

// A blank line, "abc", "123", a segment alone, a number with a blank after it: none is eleven
// digits, so none is anybody's number. Every export puts them under 未知地区 and 其它, as the
// statistics count them, and no file is named after their "segment".
TEST_F(RegionExport, ALineThatIsNotANumberIsNobodys) {
  const Strings lines = {"", "13800001111", "abc", "123", "1380000", "1380000111 ", "13800001111"};
  const std::string others = "\r\nabc\r\n123\r\n1380000\r\n1380000111 \r\n";
  auto Fresh = [&] {
    for (const fs::path& file : fs::directory_iterator(dir.path())) fs::remove_all(file);
    list.Clear();
  };
  EXPECT_EQ(Export(ExportKind::Carrier, lines), (Strings{"移动.2.txt", "其它.5.txt"}));
  EXPECT_EQ(Read("其它.5.txt"), others);
  Fresh();
  EXPECT_EQ(Export(ExportKind::Region, lines), (Strings{"未知地区.5.txt", "北京.北京.2.txt"}));
  EXPECT_EQ(Read("未知地区.5.txt"), others);
  Fresh();
  EXPECT_EQ(Export(ExportKind::RegionCarrier, lines), (Strings{"未知地区.其它.5.txt", "北京.北京.移动.2.txt"}));
  Fresh();
  EXPECT_EQ(Export(ExportKind::RegionCarrierSegment, lines),
            (Strings{"未知地区/其它-5.txt", "北京.北京/移动/1380000-1.txt", "北京.北京/移动/汇总.txt"}));
  EXPECT_EQ(Read("未知地区/其它-5.txt"), others);
  EXPECT_EQ(ui.LastStatus(), Closing(3, 6, "个号码（去掉重复1个）"));
}

// Eleven digits give a segment ten thousand numbers at most, so a summary's count has five
// digits; a longer line is no number and no segment's.
TEST_F(RegionExport, ASegmentHoldsTenThousandNumbersAtMost) {
  Strings numbers;
  for (int i = 0; i < 10000; ++i) numbers.push_back("1380000" + std::to_string(10000 + i).substr(1));
  for (int i = 0; i < 2000; ++i) numbers.push_back("1380001" + std::to_string(10000 + i).substr(1));
  numbers.push_back("138000012345");
  Strings written = Export(ExportKind::RegionCarrierSegment, numbers);
  EXPECT_EQ(written.front(), "未知地区/其它-1.txt");
  EXPECT_EQ(written[1], "北京.北京/移动/1380000-10000.txt");
  EXPECT_EQ(Read("北京.北京/移动/汇总.txt"), "1380001-02000\r\n1380000-10000\r\n");
}

TEST_F(RegionExport, NamesEqualButForLetterCaseShareAGroupButGbkCharactersNeverFold) {
  // "\x81\x41" and "\x81\x61" are two characters whose second bytes read as "A" and "a".
  db.LoadText("", "1380000|ab|c\n1390000|AB|C\n1350000|\x81\x41|x\n1360000|\x81\x61|x\n");
  Strings written = Export(ExportKind::Region, {"13900000000", "13800000000", "13500000000", "13600000000"});
  EXPECT_EQ(written, (Strings{GbkToUtf8("\x81\x61.x.1.txt"), GbkToUtf8("\x81\x41.x.1.txt"), "AB.C.2.txt"}));
  EXPECT_EQ(Read("AB.C.2.txt"), "13900000000\r\n13800000000\r\n");
}

// Looked up in parts, the numbers group and name their groups as one walk in list order does:
// the first number met of two names that differ in letter case names their group, also when a
// later part meets the other name before any other region.
TEST_F(RegionExport, PartsGroupAsOneWalkDoes) {
  db.LoadText("", "1380000|ab|c\n1390000|AB|C\n1350000|x|y\n1360000|z|z\n");
  Strings numbers;
  for (int i = 0; i < 200; ++i) {
    const char* segment = i == 133 ? "1390000" : i == 70 || i >= 150 ? "1380000" : i % 2 ? "1350000" : "1360000";
    numbers.push_back(segment + std::to_string(1000 + i));
  }
  numbers[120] = "13100000000";  // unknown
  numbers[121] = "13000000000";  // 联通
  for (ExportKind kind : {ExportKind::Region, ExportKind::Carrier, ExportKind::RegionCarrier}) {
    Strings one;
    std::map<std::string, std::string> oneFiles;
    for (int threads : {1, 2, 3}) {
      SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + ", threads " + std::to_string(threads));
      ScopedParallelism pin(threads, 8);
      for (const fs::path& file : fs::directory_iterator(dir.path())) fs::remove_all(file);
      list.Clear();
      const Strings written = Export(kind, numbers);
      if (threads == 1) {
        one = written;
        oneFiles = Files();
      }
      EXPECT_EQ(written, one);
      EXPECT_EQ(Files(), oneFiles);
    }
    if (kind == ExportKind::Region) {
      EXPECT_EQ(one, (Strings{"未知地区.2.txt", "z.z.73.txt", "x.y.73.txt", "ab.c.52.txt"}));
    }
  }
}

// Region names and segments come from files anyone may have written: no export leaves its folder.
TEST_F(RegionExport, NamesFromTheDataNeverLeaveTheFolder) {
  db.LoadText(G("../../..|x\n/abs|y\n"), G("1380000|../../..|x\n1390000|/abs|y\n"));
  for (ExportKind kind : {ExportKind::Region, ExportKind::RegionCarrierSegment}) {
    for (const std::string& name : Export(kind, {"13800001111", "13900002222", "../../x1234"})) {
      EXPECT_FALSE(name.starts_with("..")) << name;
      EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
  }
  EXPECT_FALSE(fs::exists(dir.path().parent_path() / "x.1.txt"));
  EXPECT_TRUE(fs::is_directory(dir / "___.._...x"));  // the folder of region "../../.." + "." + "x", inside
}

TEST_F(RegionExport, EmptyListWritesNothingButSaysSo) {
  for (ExportKind kind :
       {ExportKind::Region, ExportKind::Carrier, ExportKind::RegionCarrier, ExportKind::RegionCarrierSegment})
    EXPECT_TRUE(Export(kind, {}).empty());
  EXPECT_TRUE(Tree().empty());
  EXPECT_EQ(ui.statuses.size(), 8u);
  EXPECT_EQ(ui.LastStatus(), "保存文件完成：共0个文件，0个号码");
}

// A second export into the folder (the same day) keeps every file of the first: a name that is
// taken gets "-2" before ".txt", after the count that is part of the name.
TEST_F(RegionExport, ASecondExportKeepsTheFilesOfTheFirst) {
  EXPECT_EQ(Export(ExportKind::Region, {"13800000001", "13800000002"}), Strings{"北京.北京.2.txt"});
  list.Clear();
  EXPECT_EQ(Export(ExportKind::Region, {"13800000101", "13800000102"}), Strings{"北京.北京.2-2.txt"});
  EXPECT_EQ(Read("北京.北京.2.txt"), "13800000001\r\n13800000002\r\n");
  EXPECT_EQ(Read("北京.北京.2-2.txt"), "13800000101\r\n13800000102\r\n");
  EXPECT_EQ(ui.LastStatus(), Closing(1, 2));

  // Every kind, sub-folders per region too: the second export adds files, changes none.
  const Strings first = {"13800000001", "13000000001", "13100002222", "17000001234", "13800000001"};
  const Strings second = {"13800000009", "13000000009", "13100002229", "17000001239", "13800000009"};
  for (ExportKind kind : {ExportKind::Carrier, ExportKind::RegionCarrier, ExportKind::RegionCarrierSegment}) {
    list.Clear();
    Strings one = Export(kind, first);
    const auto before = Files();
    list.Clear();
    Strings two = Export(kind, second);
    ASSERT_EQ(two.size(), one.size());
    const auto after = Files();
    for (const auto& [name, bytes] : before) EXPECT_EQ(after.at(name), bytes) << name;
    EXPECT_EQ(after.size(), before.size() + two.size());
    for (const std::string& name : two) {
      EXPECT_TRUE(name.ends_with("-2.txt")) << name;
      for (const std::string& number : first) EXPECT_EQ(Read(name).find(number), std::string::npos) << name;
    }
  }
  EXPECT_EQ(Read("北京.北京/移动/1380000-1-2.txt"), "13800000009\r\n");
  EXPECT_EQ(Read("北京.北京/移动/汇总-2.txt"), "1380000-00001\r\n");
  EXPECT_EQ(Read("浙江.杭州/其它-1-2.txt"), "17000001239\r\n");
}

// Within one export too: two regions whose names make one file name write two files, and
// their folders one folder holding both regions' files.
TEST_F(RegionExport, RegionsOfOneSafeNameKeepTheirOwnFiles) {
  db.LoadText("", "1380000|a/b|x\n1390000|a_b|x\n");
  EXPECT_EQ(Export(ExportKind::Region, {"13800000001", "13900000001", "13900000002"}),
            (Strings{"a_b.x.2.txt", "a_b.x.1.txt"}));
  list.Clear();
  EXPECT_EQ(Export(ExportKind::Region, {"13800000001", "13900000001"}), (Strings{"a_b.x.1-2.txt", "a_b.x.1-3.txt"}));
  EXPECT_EQ(Read("a_b.x.1-2.txt"), "13900000001\r\n");  // a_b sorts after a/b: written first
  EXPECT_EQ(Read("a_b.x.1-3.txt"), "13800000001\r\n");

  list.Clear();
  EXPECT_EQ(Export(ExportKind::RegionCarrierSegment, {"13800000001", "13900000001"}),
            (Strings{"a_b.x/移动/1390000-1.txt", "a_b.x/移动/汇总.txt", "a_b.x/移动/1380000-1.txt",
                     "a_b.x/移动/汇总-2.txt"}));
  EXPECT_EQ(Read("a_b.x/移动/汇总.txt"), "1390000-00001\r\n");
  EXPECT_EQ(Read("a_b.x/移动/汇总-2.txt"), "1380000-00001\r\n");
}

TEST_F(RegionExport, AFailedWriteStopsTheExportAndKeepsTheFilesBefore) {
  test::TestEnv env;
  env.failWritesAfter = 10;
  test::Fill(list, {"13800001111", "x", "13800001111"});
  try {
    ExportNumbers(ExportKind::Region, list, db, rule, dir.path(), ui);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot write file \"" + (dir / u8"北京.北京.2.txt").string() + "\". No space left on device");
  }
  EXPECT_EQ(Tree(), Strings{"未知地区.1.txt"});  // written first, and short enough
  EXPECT_EQ(ui.statuses, Strings{"开始保存文件"});

  // A region folder that cannot be made.
  env.failWritesAfter = -1;
  test::WriteBytes(dir / u8"北京.北京", "");
  EXPECT_THROW(ExportNumbers(ExportKind::RegionCarrierSegment, list, db, rule, dir.path(), ui), FileError);
  EXPECT_TRUE(fs::exists(dir / u8"未知地区" / u8"其它-1.txt"));
}

}  // namespace
}  // namespace telqor
