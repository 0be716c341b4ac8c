// telqor-cli analyse end to end: import with the clean-up, the matches and the report files,
// and the failures that leave nothing behind.
#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

using test::Result;
using AnalyseCli = test::CliFixture;

TEST_F(AnalyseCli, WritesTheMatchesAndTheReportAndPrintsIt) {
  auto calls =
      File("calls.txt", Utf8ToGbk("号码：13800000001接听时长：1分05秒\r\n号码：13800000002接听时长：0分30秒\r\n"));
  auto other = File("other.txt", "QQ13800000003,200\nbad\n");
  Result r = Run({"analyse", "--delimiter", ",", "--column", "1", "--kind", ">", "--a", "60", "--out-column", "0",
                  "--replace", "qq", calls, other, "-o", Path("out.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "过滤条件: >60\n原始数据: 4\n符合数据: 2\n比率    : 50.0%\n");
  EXPECT_EQ(test::ReadBytes(dir / "out.txt"), "13800000001\r\n13800000003\r\n");
  EXPECT_EQ(test::ReadBytes(dir / u8"out.txt.参考比例.txt"),
            Utf8ToGbk("过滤条件: >60\r\n原始数据: 4\r\n符合数据: 2\r\n比率    : 50.0%\r\n"));

  // A range, both bounds included, with a two-character delimiter.
  auto bars = File("bars.txt", "a||10\r\nb||20\r\nc||21\r\n");
  r = Run({"analyse", "--delimiter", "||", "--column", "1", "--kind", "[]", "--a", "10", "--b", "20", "--out-column",
           "0", bars, "-o", Path("range.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::ReadBytes(dir / "range.txt"), "a\r\nb\r\n");
  EXPECT_NE(r.out.find("过滤条件: [10,20]\n"), std::string::npos);
}

TEST_F(AnalyseCli, NoMatchWritesNothing) {
  auto rows = File("rows.txt", "a,1\r\n");
  Result r = Run({"analyse", "--delimiter", ",", "--column", "1", "--kind", "<", "--a", "0", "--out-column", "0", rows,
                  "-o", Path("out.txt")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "过滤条件: <0\n原始数据: 1\n符合数据: 0\n比率    : 0.0%\n");
  EXPECT_NE(r.err.find("nothing written"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
}

TEST_F(AnalyseCli, FailuresLeaveNoFile) {
  auto rows = File("rows.txt", "a,1\r\n");
  auto run = [&](const std::string& kind, const std::string& a, const std::string& file, const std::string& out) {
    return Run({"analyse", "--delimiter", ",", "--column", "1", "--kind", kind, "--a", a, "--out-column", "0", file,
                "-o", out});
  };
  Result r = run(">", "1x", rows, Path("out.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("'1x' is not a valid integer value"), std::string::npos) << r.err;
  r = run(">=", "0", rows, Path("out.txt"));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--kind takes"), std::string::npos) << r.err;
  r = run(">", "0", Path("none.txt"), Path("out.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot open file"), std::string::npos) << r.err;
  r = run(">", "0", rows, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot write file"), std::string::npos) << r.err;
  // The report cannot be made: the matches written before it go too.
  std::filesystem::create_directory(dir / u8"out.txt.参考比例.txt");
  r = run(">", "0", rows, Path("out.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot create file"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
  EXPECT_NE(Run({"analyse", "--delimiter", ",", rows}).err.find("--column"), std::string::npos);
}

}  // namespace
}  // namespace telqor
