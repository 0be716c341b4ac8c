// telqor-cli convert and clean-bytes end to end: files rewritten or copied, and the failures.
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

using test::Result;
using ConvertCli = test::CliFixture;

TEST_F(ConvertCli, RewritesEachFileInPlace) {
  auto a = File("a.txt", "\xD6\xD0\n1");
  auto b = File("b.txt", "\xEF\xBB\xBF\xE4\xB8\xAD\r\n");
  Result r = Run({"convert", "--to", "utf16", a, b});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "文件格式转换完成！\n");
  EXPECT_EQ(test::ReadBytes(a), std::string("\xFF\xFE\x2D\x4E\n\0001\0", 8));
  EXPECT_EQ(test::ReadBytes(b), std::string("\xFF\xFE\x2D\x4E\r\0\n\0", 8));
  ASSERT_EQ(Run({"convert", "--to", "ansi", a}).status, 0);
  EXPECT_EQ(test::ReadBytes(a), "\xD6\xD0\r\n1\r\n");
}

TEST_F(ConvertCli, UnmarkedUtf8IsReadAsUtf8AndLossesAreReported) {
  // 中文 and U+1F600 in UTF-8 without a mark.
  const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80\n";
  auto a = File("a.txt", utf8);
  auto b = File("b.txt", utf8);
  Result r = Run({"convert", "--to", "utf8", a});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::ReadBytes(a), "\xEF\xBB\xBF" + utf8);
  r = Run({"convert", "--to", "ansi", b});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "文件格式转换完成！\n1个字符无法转换为GBK\n");
  EXPECT_EQ(test::ReadBytes(b), "\xD6\xD0\xCE\xC4?\r\n");
}

TEST_F(ConvertCli, UnknownTargetAndFailuresEndTheRun) {
  auto a = File("a.txt", "1");
  auto c = File("c.txt", "3");
  Result r = Run({"convert", "--to", "latin1", a});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--to takes ansi, utf8 or utf16, not 'latin1'"), std::string::npos) << r.err;
  EXPECT_EQ(test::ReadBytes(a), "1");
  r = Run({"convert", "--to", "utf8", a, Path("b.txt"), c});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot open file \"" + Path("b.txt") + "\". No such file or directory\n");
  EXPECT_EQ(test::ReadBytes(a),
            "\xEF\xBB\xBF"
            "1");
  EXPECT_EQ(test::ReadBytes(c), "3");
}

TEST_F(ConvertCli, CleanBytesReportsTheFilesItCouldNotCopy) {
  auto a = File("Data.BIN", std::string("\0\x31\x80\x81\xFF\r\n", 7));
  auto b = File("b", "b");
  Result r = Run({"clean-bytes", a, Path("missing"), b});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, a + ".txt\n" + b + ".txt\n");
  EXPECT_EQ(r.err, "Cannot open file \"" + Path("missing") + "\". No such file or directory\n");
  EXPECT_EQ(test::ReadBytes(a + ".txt"), " \x31\x80  \r\n");
  EXPECT_EQ(test::ReadBytes(b + ".txt"), "b");
  EXPECT_EQ(Run({"clean-bytes", b}).status, 0);
}

}  // namespace
}  // namespace telqor
