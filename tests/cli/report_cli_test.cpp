// telqor-cli table and stats end to end, on a program folder holding the test database and an
// area-code table.
#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/test_env.h"
#include "tests/support/workbook_text.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using test::Result;

constexpr char kMark[] = "\xEF\xBB\xBF";
constexpr char kHeader[] = "号码,省份,城市,区划代码,区号,运营商,状态\r\n";

class ReportCli : public test::CliFixture {
 protected:
  void SetUp() override {
    fs::create_directories(home() / u8"基础数据");
    for (const char8_t* name : {u8"地区.txt", u8"手机号段.txt"})
      fs::copy_file(fs::path(TELQOR_TEST_DATA) / "segments" / name, home() / u8"基础数据" / name);
    test::WriteBytes(home() / u8"基础数据" / u8"固话区号对照表.txt", Utf8ToGbk("北京 010\r\n東莞 0769\r\n"));
    numbers = File("n.txt", Utf8ToGbk("13800001234\r\n13600001111\n99900001234\r\nabc,\"d\r\n\r\n中国\r\n13800001234"));
  }
  // Standard input through a pipe from pipedFile, by a POSIX shell.
  int Piped(const std::vector<std::string>& args, const std::string& pipedFile) {
    std::string command = "cat " + test::Quote(pipedFile) + " | TELQOR_HOME=" + test::Quote(home().string()) + " " +
                          test::Quote(TELQOR_CLI);
    for (const auto& a : args) command.append(" ").append(test::Quote(a));
    command.append(" >").append(test::Quote(Path("piped"))).append(" 2>").append(test::Quote(Path("stderr")));
    int raw = std::system(command.c_str());
#ifdef _WIN32
    return raw;
#else
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  }
  static std::vector<std::string> Sheets(const std::string& file) { return test::SheetTexts(PathFromUtf8(file)); }

  std::string numbers;
  const std::string rows = std::string(kHeader) +
                           "13800001234,北京,北京,110000,010,移动,有效\r\n"
                           // 東莞 is no name of today's map (东莞 is): no code
                           "13600001111,广东,東莞,,0769,移动,有效\r\n"
                           "99900001234,,,,,,号段不存在\r\n"
                           "\"abc,\"\"d\",,,,,,格式错误\r\n"
                           ",,,,,,格式错误\r\n"
                           "中国,,,,,,格式错误\r\n"
                           "13800001234,北京,北京,110000,010,移动,有效\r\n";
};

TEST_F(ReportCli, TableWritesARowPerLineAsCsvOrAWorkbook) {
  Result r = Run({"table", numbers});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, kMark + rows);
  EXPECT_EQ(r.err, "");

  const std::string book = Path("号码表.xlsx");
  r = Run({"table", numbers, "-o", book});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Sheets(book), std::vector<std::string>{
                              "号码\t省份\t城市\t区划代码\t区号\t运营商\t状态\n"
                              "13800001234\t北京\t北京\t110000\t010\t移动\t有效\n"
                              "13600001111\t广东\t東莞\t\t0769\t移动\t有效\n"
                              "99900001234\t\t\t\t\t\t号段不存在\n"
                              "\"abc,\"\"d\"\t\t\t\t\t\t格式错误\n"
                              "\t\t\t\t\t\t格式错误\n"
                              "中国\t\t\t\t\t\t格式错误\n"
                              "13800001234\t北京\t北京\t110000\t010\t移动\t有效\n"});

  const std::string gbk = Path("t.CSV");
  EXPECT_EQ(Run({"table", numbers, "--encoding", "gbk", "-o", gbk}).status, 0);
  EXPECT_EQ(test::ReadBytes(gbk), Utf8ToGbk(rows));
  EXPECT_EQ(Run({"table", numbers, numbers, "-o", Path("two.csv")}).status, 0);
  EXPECT_EQ(test::ReadBytes(Path("two.csv")), kMark + rows + rows.substr(std::string(kHeader).size()));

  // An empty list: the header alone.
  EXPECT_EQ(Run({"table", File("empty.txt", "")}).out, std::string(kMark) + kHeader);
}

TEST_F(ReportCli, TableReadsStandardInput) {
  SKIP_ON_WINDOWS("pipes standard input through a POSIX shell");
  EXPECT_EQ(Piped({"table", "-"}, numbers), 0);
  EXPECT_EQ(test::ReadBytes(Path("piped")), kMark + rows);
}

TEST_F(ReportCli, NothingIsWrittenWhenTheInputOrTheOutputFails) {
  const std::string out = Path("t.xlsx");
  test::WriteBytes(out, "old");
  Result r = Run({"table", numbers, Path("gone.txt"), "-o", out});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot open file \"" + Path("gone.txt") + "\". No such file or directory\n");
  EXPECT_EQ(test::ReadBytes(out), "old");
  r = Run({"table", numbers, "-o", Path("gone/t.xlsx")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot create file \"" + Path("gone/t.xlsx") + "\". No such file or directory\n");
  r = Run({"stats", numbers, "-o", Path("gone/s.csv")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(test::FileNames(dir.path()), (std::vector<std::string>{"home", "n.txt", "stderr", "stdout", "t.xlsx"}));
  if (!fs::exists("/dev/full")) return;
  r = RunWithOutput({"table", numbers}, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot write file \"standard output\". No space left on device\n");
}

TEST_F(ReportCli, UsageErrors) {
  for (const auto& [args, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"table", numbers, "-o", "t.txt"}, "-o OUT names an .xlsx or a .csv file, not 't.txt'\n"},
           {{"table", numbers, "-o", "t.xlsx", "--encoding", "gbk"}, "--encoding is for a .csv file, not .xlsx\n"},
           {{"table", numbers, "--encoding", "latin1"}, "--encoding takes utf8 or gbk, not 'latin1'\n"},
           {{"stats", numbers, "--by", "province,country"},
            "--by takes province, city, carrier or prefix, not 'country'\n"},
           {{"stats", numbers, "--by", "city,city"}, "--by names city twice\n"},
           {{"stats", numbers, "--encoding", "gbk"},
            "--encoding is for a .csv file (-o OUT.csv); the table printed is UTF-8\n"},
       }) {
    Result r = Run(args);
    EXPECT_EQ(r.status, 2) << message;
    EXPECT_EQ(test::FirstLine(r.err), message);
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(ReportCli, StatsPrintsTheGroupsOrTheTotals) {
  Result r = Run({"stats", numbers});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "省份\t数量\t占比\n未知\t4\t57.14%\n北京\t2\t28.57%\n广东\t1\t14.29%\n合计\t7\t100.00%\n");
  EXPECT_EQ(Run({"stats", numbers, "--by", "carrier, province"}).out,
            "运营商\t省份\t数量\t占比\n未知\t未知\t4\t57.14%\n移动\t北京\t2\t28.57%\n移动\t广东\t1\t14.29%\n"
            "合计\t\t7\t100.00%\n");
  EXPECT_EQ(Run({"stats", numbers, "--summary"}).out,
            "行数\t7\n有效\t3\n号段不存在\t1\n格式错误\t3\n不同号码\t6\n重复\t1\n");

  const std::string book = Path("统计.xlsx");
  r = Run({"stats", numbers, "--by", "prefix", "-o", book, "--summary"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "行数\t7\n有效\t3\n号段不存在\t1\n格式错误\t3\n不同号码\t6\n重复\t1\n");
  // Counts and shares are numbers (read back as stored, a share as its fraction); 合计 after an
  // empty row.
  EXPECT_EQ(Sheets(book), std::vector<std::string>{"号段\t数量\t占比\n未知\t3\t0.4286\n138\t2\t0.2857\n"
                                                   "136\t1\t0.1429\n999\t1\t0.1429\n\n合计\t7\t1\n"});
  EXPECT_EQ(Run({"stats", numbers, "-o", Path("s.csv")}).status, 0);
  EXPECT_EQ(test::ReadBytes(Path("s.csv")),
            std::string(kMark) + "省份,数量,占比\r\n未知,4,57.14%\r\n北京,2,28.57%\r\n广东,1,14.29%\r\n合计,7,100.00%\r\n");
}

}  // namespace
}  // namespace telqor
