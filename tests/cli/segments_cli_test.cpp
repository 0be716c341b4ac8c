// telqor-cli's segment verbs end to end, on a program folder holding the test database.
#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

using test::Result;

class SegmentsCli : public test::CliFixture {
 protected:
  void SetUp() override {
    fs::create_directories(home() / u8"基础数据");
    for (const char8_t* name : {u8"地区.txt", u8"手机号段.txt"})
      fs::copy_file(fs::path(TELQOR_TEST_DATA) / "segments" / name, home() / u8"基础数据" / name);
  }
  // Runs telqor-cli with its standard output to the file output and its standard error to the
  // file "stderr"; with pipedFile, standard input comes through a pipe from that file.
  int Shell(const std::vector<std::string>& args, const std::string& output, const std::string& pipedFile = "") {
    std::string command;
    if (!pipedFile.empty()) command.append("cat ").append(test::Quote(pipedFile)).append(" | ");
    command.append("TELQOR_HOME=").append(test::Quote(home().string())).append(" ").append(test::Quote(TELQOR_CLI));
    for (const auto& a : args) command.append(" ").append(test::Quote(a));
    command.append(" >").append(test::Quote(output)).append(" 2>").append(test::Quote(Path("stderr")));
#ifdef _WIN32
    return -1;  // the tests that pipe through a shell are skipped there
#else
    int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  }
};

TEST_F(SegmentsCli, LookupAndCarrierPrintALinePerNumber) {
  Result r = Run({"lookup", "13800001234", " 13600001111", "138000", "99900001234", "1380000"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "13800001234:北京.北京\n 13600001111:广东.東莞\n99900001234:没有找到\n1380000:北京.北京\n");
  EXPECT_EQ(r.err, "");  // the load's messages are for regions only

  EXPECT_EQ(Run({"carrier", "13912345678", "13012345678", "18912345678", "17012345678"}).out,
            "13912345678:移动\n13012345678:联通\n18912345678:电信\n17012345678:\n");
  // The prefixes are the program folder's settings.
  test::WriteBytes(home() / "Telqor.ini", "[SYSTEM]\r\nmobiletag=170\r\nunicomtag=\r\ntelecomtag=\r\n");
  EXPECT_EQ(Run({"carrier", "17012345678", "13912345678"}).out, "17012345678:移动\n13912345678:\n");

  Result none = Run({"lookup"});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(test::FirstLine(none.err), "lookup needs NUMBER... or --from FILE\n");
}

// A mobile number written with blanks, "-" or a prefix is looked up by its eleven digits and
// answered under the text as given, alike when the segment file is searched (a few numbers),
// when the database is loaded (more) and from a file.
TEST_F(SegmentsCli, LookupTakesMobileNumbersAsPeopleWriteThem) {
  const std::vector<std::string> typed{"138 0000 1234",  "138-0000-1234",       "+86 138 0000 1234",
                                       "+8613800001234", " 0086-136-0000-1111", "１３８００００１２３４",
                                       "138 0000"};
  const std::string expected =
      "138 0000 1234:北京.北京\n138-0000-1234:北京.北京\n+86 138 0000 1234:北京.北京\n+8613800001234:北京.北京\n"
      " 0086-136-0000-1111:广东.東莞\n１３８００００１２３４:北京.北京\n138 0000:没有找到\n";
  std::vector<std::string> args{"lookup"};
  args.insert(args.end(), typed.begin(), typed.end());
  Result scanned = Run(args);
  EXPECT_EQ(scanned.status, 0) << scanned.err;
  EXPECT_EQ(scanned.out, expected);
  args.push_back("1380000");
  args.push_back("13600001111");
  EXPECT_EQ(Run(args).out, expected + "1380000:北京.北京\n13600001111:广东.東莞\n");
  std::string lines;
  for (const std::string& t : typed) lines += Utf8ToGbk(t) + "\r\n";
  EXPECT_EQ(Run({"lookup", "--from", File("typed.txt", lines)}).out, expected);
}

// A file of numbers answers line by line in the format of typed numbers, after them; each
// line is split as the lists split it, and a GBK line is answered in UTF-8.
TEST_F(SegmentsCli, LookupFromAFileOrStandardInput) {
  SKIP_ON_WINDOWS("pipes standard input and writes to /dev/full through a POSIX shell");
  std::string lines =
      "13800001234\r\n 13600001111\n138000\r\n\r\n99900001234\r\xD6\xD0"
      "13800001234\r\n1380000";
  std::string expected =
      "13800001234:北京.北京\n 13600001111:广东.東莞\n99900001234:没有找到\n中13800001234:没有找到\n"
      "1380000:北京.北京\n";
  auto file = File("numbers.txt", lines);
  Result r = Run({"lookup", "18600001234", "--from", file});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, std::string("18600001234:天津.天 津\n").append(expected));

  // The same from standard input, and typed one by one (nine: the loaded database answers).
  EXPECT_EQ(Shell({"lookup", "--from", "-"}, Path("piped"), file), 0);
  EXPECT_EQ(test::ReadBytes(Path("piped")), expected);
  Result typed = Run({"lookup", "13800001234", " 13600001111", "138000", "", "99900001234", "中13800001234", "1380000",
                      "1234567", "13800011234"});
  EXPECT_EQ(typed.out, expected + "1234567:没有找到\n13800011234:北京.北京\n");

  // Answers that cannot be written fail the verb.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(Shell({"lookup", "--from", file}, "/dev/full"), 1);
  EXPECT_EQ(test::ReadBytes(Path("stderr")), "Cannot write file \"standard output\". No space left on device\n");
  EXPECT_EQ(Shell({"lookup", "13800001234"}, "/dev/full"), 1);
  EXPECT_EQ(Run({"lookup", "--from", Path("gone.txt")}).status, 1);
}

// Lines longer together than one read of the input are answered whole, from a file and a pipe.
TEST_F(SegmentsCli, LookupFromALargeInputAnswersEveryLineWhole) {
  SKIP_ON_WINDOWS("pipes standard input and writes to /dev/full through a POSIX shell");
  std::string lines, expected;
  for (int i = 0; i < 150000; ++i) {
    lines += i % 3 ? "13800001234\r\n" : " 13600001111\n";
    expected += i % 3 ? "13800001234:北京.北京\n" : " 13600001111:广东.東莞\n";
  }
  auto file = File("numbers.txt", lines);
  Result r = Run({"lookup", "--from", file});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out == expected) << "the answers differ";
  EXPECT_EQ(Shell({"lookup", "--from", "-"}, Path("piped"), file), 0);
  EXPECT_TRUE(test::ReadBytes(Path("piped")) == expected) << "the answers differ";
}

TEST_F(SegmentsCli, RegionsPrintTheTreeAndReportTheLoad) {
  Result r = Run({"regions"});
  EXPECT_EQ(r.status, 0);
  // 1350000 is listed under 广东.深圳 and again under 上海.上海: it belongs to the first only.
  EXPECT_EQ(r.out,
            "北京\n  北京 3\n广东\n  广州 3\n  深圳 1\n  珠海 0\n  東莞 1\n上海\n  上海 1\n  浦东 0\n"
            "贵州\n  贵阳 0\n  黔西 0\n  南 0\n天津\n  天 津 1\n江苏\n浙江\n  杭州 1\n  杭州 0\n");
  EXPECT_EQ(r.err, "未能正确加载1371111|火星|城市\n号段重复,按首次出现的地区查找:1350000 广东.深圳 (另有 上海.上海)\n");

  // Without a database there is nothing to print and every number is unknown; each verb that
  // needs the data says why and what writes it, its status as it was.
  fs::remove_all(home() / u8"基础数据");
  const std::string noData =
      "没有号段数据：基础数据/手机号段.txt 不存在或是空的，查不到地区。"
      "运行 telqor-cli make-default-data 可写入程序附带的号段库(2025年公开号段，517,258个号段)。\n";
  r = Run({"regions"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, noData);
  EXPECT_EQ(r.status, 0);
  r = Run({"lookup", "13800001234"});
  EXPECT_EQ(r.out, "13800001234:没有找到\n");
  EXPECT_EQ(r.err, noData);
  const std::string numbers = File("n.txt", "13800001234\r\n");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"carrier", "13800001234"}, {"validate", numbers, "--save", "v"}, {"export", numbers, "--by", "region"}}) {
    r = Run(args);
    EXPECT_TRUE(r.err.starts_with(noData)) << args[0] << ": " << r.err;
  }
}

// --summary says what is loaded and where it came from: the user's data here, the shipped
// list (its version, by the notice written beside it) after make-default-data.
TEST_F(SegmentsCli, RegionsSummaryTellsWhatDataIsLoaded) {
  File("home/基础数据/固话区号对照表.txt", Utf8ToGbk("北京 010\r\n广州 020\r\n说明：没有区号\r\n"));
  Result r = Run({"regions", "--summary"});
  EXPECT_EQ(r.out, "segments: 12\nprovinces: 7\ncities: 13\ndivisions: 8\narea codes: 2\nsource: 用户数据\n");
  fs::remove_all(home() / u8"基础数据");
  ASSERT_EQ(Run({"make-default-data"}).status, 0);
  r = Run({"regions", "--summary"});
  EXPECT_EQ(r.out,
            "segments: 517258\nprovinces: 31\ncities: 343\ndivisions: 343\narea codes: 343\n"
            "source: 程序附带的公开号段数据 版本 20250201（ALI1416/phone2region）\n");
}

// --check names each city not on today's map, and where it belongs when the map knows; the
// shipped data has none.
TEST_F(SegmentsCli, RegionsCheckListsTheCitiesOffTodaysMap) {
  Result r = Run({"regions", "--check"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "广东.東莞 → 不在今日的行政区划中\n上海.浦东 → 上海 310000\n贵州.黔西 → 毕节 520500\n"
            "贵州.南 → 不在今日的行政区划中\n天津.天 津 → 不在今日的行政区划中\n");
  fs::remove_all(home() / u8"基础数据");
  ASSERT_EQ(Run({"make-default-data"}).status, 0);
  r = Run({"regions", "--check"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(SegmentsCli, ValidateWritesBothResultsAndPrintsTheirPaths) {
  auto a = File("a.txt", "13800001234\r\n1380000123\r\n");
  auto b = File("b.txt", "13800001234\n23800001234\n13800001234 \n");
  std::string base = (dir / u8"结果.txt").string();
  Result r = Run({"validate", a, b, "--save", base});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, base + ".有效.2.txt\n" + base + ".无效.3.txt\n");
  EXPECT_EQ(test::ReadBytes(base + ".有效.2.txt"), "13800001234\r\n13800001234\r\n");
  EXPECT_EQ(test::ReadBytes(base + ".无效.3.txt"), "1380000123\r\n23800001234\r\n13800001234 \r\n");
  EXPECT_EQ(test::FirstLine(Run({"validate", a}).err), "validate needs --save F\n");
}

TEST_F(SegmentsCli, SegmentsWidenToTheLengthOrRefuseAndWriteNothing) {
  EXPECT_EQ(Run({"segments", "1380000", " 13800001234 ", "--length", "9"}).out.substr(0, 22),
            "138000000\r\n138000001\r\n");
  Result r = Run({"segments", "1380000", "13800001234", "--length", "7"});
  EXPECT_EQ(r.out, "1380000\r\n1380000\r\n");
  std::string out = (dir / "out.txt").string();
  EXPECT_EQ(Run({"segments", "1380000", "-o", out}).status, 0);
  EXPECT_EQ(test::ReadBytes(out).size(), 10000u * 13);

  Result refused = Run({"segments", "1380000", "1", "-o", out});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "号段1到长度11需要补10位数字,超过了9位,没有生成号码。\n");
  EXPECT_EQ(test::ReadBytes(out).size(), 10000u * 13);  // kept as it was
  Result notANumber = Run({"segments", "13a", "1380000"});
  EXPECT_EQ(notANumber.status, 1);
  EXPECT_EQ(notANumber.out, "");
  EXPECT_EQ(Run({"segments", "1380000", "--length", "x"}).err, "'x' is not a valid integer value\n");
  // Chinese text in the message shows as its characters, the typed segment whole.
  EXPECT_EQ(Run({"segments", "１３８００００"}).err, "'１３８００００' is not a valid integer value\n");
  EXPECT_EQ(Run({"segments", "1380000", "--length", "十一"}).err, "'十一' is not a valid integer value\n");
}

TEST_F(SegmentsCli, ExportWritesIntoTheDatedFolderAndPrintsTheFiles) {
  auto in = File("in.txt", "13800001111\r\n13800001111\r\n13100002222\r\n17000001234\r\n");
  Result r = Run({"export", "--by", "region", in});
  ASSERT_EQ(r.status, 0) << r.err;
  fs::path dated = PathFromUtf8(r.out.substr(0, r.out.find('\n'))).parent_path();
  EXPECT_EQ(dated.parent_path(), home() / u8"我的数据" / u8"其它数据");
  auto path = [&](const char* name) { return test::Printed(dated / PathFromUtf8(name)) + "\n"; };
  EXPECT_EQ(r.out, path("浙江.杭州.1.txt") + path("未知地区.1.txt") + path("北京.北京.2.txt"));
  EXPECT_EQ(test::ReadBytes(dated / u8"北京.北京.2.txt"), "13800001111\r\n13800001111\r\n");

  EXPECT_EQ(Run({"export", "--by", "carrier", in}).out, path("移动.2.txt") + path("联通.1.txt") + path("其它.1.txt"));
  EXPECT_EQ(Run({"export", "--by", "region-carrier", in}).out,
            path("浙江.杭州.其它.1.txt") + path("未知地区.联通.1.txt") + path("北京.北京.移动.2.txt"));
  EXPECT_EQ(Run({"export", in, "--by", "region-carrier-segment"}).out,
            path("浙江.杭州/其它-1.txt") + path("未知地区/联通/1310000-1.txt") + path("未知地区/联通/汇总.txt") +
                path("北京.北京/移动/1380000-1.txt") + path("北京.北京/移动/汇总.txt"));
  EXPECT_EQ(test::ReadBytes(dated / u8"北京.北京" / u8"移动" / "1380000-1.txt"), "13800001111\r\n");

  // A file that cannot be written stops the export; the ones before stay.
  fs::remove(dated / u8"北京.北京.2.txt");
  fs::create_directory(dated / u8"北京.北京.2.txt");
  fs::remove(dated / u8"浙江.杭州.1.txt");
  Result failed = Run({"export", "--by", "region", in});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err, "Cannot create file \"" + (dated / u8"北京.北京.2.txt").string() + "\". Is a directory\n");
  EXPECT_TRUE(fs::exists(dated / u8"浙江.杭州.1.txt"));

  EXPECT_EQ(test::FirstLine(Run({"export", "--by", "city", in}).err),
            "--by takes region, carrier, region-carrier or region-carrier-segment, not 'city'\n");
  EXPECT_EQ(test::FirstLine(Run({"export", in}).err), "export needs --by KIND\n");
}

// A blank line or text is nobody's number: 其它 and 未知地区, never a segment file; the segment
// export says on standard error how many repeats it left out.
TEST_F(SegmentsCli, ExportFilesNonNumbersAsNobodysAndCountsTheRepeatsLeftOut) {
  auto in = File("in.txt", "13800001111\r\n\r\nabc\r\n13800001111\r\n13800002222\r\n");
  Result r = Run({"export", "--by", "region-carrier-segment", in});
  ASSERT_EQ(r.status, 0) << r.err;
  fs::path dated = PathFromUtf8(r.out.substr(0, r.out.find('\n'))).parent_path().parent_path();
  auto path = [&](const char* name) { return test::Printed(dated / PathFromUtf8(name)) + "\n"; };
  EXPECT_EQ(r.out,
            path("未知地区/其它-2.txt") + path("北京.北京/移动/1380000-2.txt") + path("北京.北京/移动/汇总.txt"));
  EXPECT_EQ(r.err, "保存文件完成：共3个文件，4个号码（去掉重复1个），保存在 " + test::Printed(dated / "") + "\n");
  EXPECT_EQ(test::ReadBytes(dated / u8"未知地区" / u8"其它-2.txt"), "\r\nabc\r\n");
  const Result carriers = Run({"export", "--by", "carrier", in});
  EXPECT_EQ(carriers.out, path("移动.3.txt") + path("其它.2.txt"));
  EXPECT_EQ(carriers.err.find("去掉重复"), std::string::npos);  // the other exports keep every line
}

// The same day's second export beside the first: its file takes the next free name, and
// standard error says how many files and numbers went where.
TEST_F(SegmentsCli, ASecondExportKeepsTheFirstAndSaysWhatItWrote) {
  auto first = File("first.txt", "13800000001\r\n13800000002\r\n");
  auto second = File("second.txt", "13800000101\r\n13800000102\r\n");
  Result one = Run({"export", "--by", "region", first});
  ASSERT_EQ(one.status, 0) << one.err;
  fs::path dated = PathFromUtf8(one.out.substr(0, one.out.find('\n'))).parent_path();
  const std::string said = "保存文件完成：共1个文件，2个号码，保存在 " + test::Printed(dated / "") + "\n";
  EXPECT_EQ(one.err, said);
  Result two = Run({"export", "--by", "region", second});
  ASSERT_EQ(two.status, 0) << two.err;
  EXPECT_EQ(two.out, test::Printed(dated / u8"北京.北京.2-2.txt") + "\n");
  EXPECT_EQ(two.err, said);
  EXPECT_EQ(test::ReadBytes(dated / u8"北京.北京.2.txt"), "13800000001\r\n13800000002\r\n");
  EXPECT_EQ(test::ReadBytes(dated / u8"北京.北京.2-2.txt"), "13800000101\r\n13800000102\r\n");
}

}  // namespace
}  // namespace telqor
