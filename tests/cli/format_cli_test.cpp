// telqor-cli format end to end: template, head and tail beside it, numbered files and refusals.
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

using test::Result;
using FormatCli = test::CliFixture;

TEST_F(FormatCli, WritesNumberedFilesFramedByHeadAndTail) {
  // The template's LF is read as CR LF: a cut of 3 takes it and the comma of each item's last record.
  auto templ = File("t/号码.txt", "MyNo:12345678901,\n");
  File("t/号码.Head.txt", "BEGIN\r\n");
  File("t/号码.Tail.txt", "END1\r\nEND2\r\n");
  auto a = File("a.txt", "a\r\nb\r\nc\r\n");
  auto b = File("b.txt", "d\ne");
  Result r = Run(
      {"format", "--template", templ, "--stack", "2", "--cut", "3", "--per-file", "2", a, b, "-o", Path("out.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> files{Path("out.txt.格式化.2.0001.txt"), Path("out.txt.格式化.2.0002.txt"),
                                 Path("out.txt.格式化.4.0003.txt")};
  EXPECT_EQ(r.out, files[0] + "\n" + files[1] + "\n" + files[2] + "\n");
  EXPECT_EQ(test::ReadBytes(files[0]), "BEGIN\r\n1:a,\r\n2:b\r\nEND1\r\nEND2\r\n");
  EXPECT_EQ(test::ReadBytes(files[2]), "BEGIN\r\n5:e\r\nEND1\r\nEND2\r\n");
}

// The same template file, whatever its line ends, gives what the dialog gives: the dialog's memo
// holds lines, joined by CR LF.
TEST_F(FormatCli, TemplateLineEndsAreReadAsTheDialogReadsThem) {
  auto data = File("d.txt", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  for (const char* templ : {"12345678901,\n", "12345678901,\r\n", "12345678901,\r"}) {
    auto file = File("t.txt", templ);
    Result r = Run({"format", "--template", file, "--stack", "3", "--cut", "3", data, "-o", Path("o")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / u8"o.格式化.5.0001.txt"), "a,\r\nb,\r\nc\r\nd,\r\ne\r\n") << templ;
  }
}

TEST_F(FormatCli, RefusesBadCountsAndLeavesNoFiles) {
  auto templ = File("t.txt", "12345678901");
  auto data = File("d.txt", "1\r\n2\r\n");
  Result r = Run({"format", "--template", templ, "--max", "0", data, "-o", Path("o")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "最大编号不能为0\n");
  EXPECT_EQ(Run({"format", "--template", templ, "--stack", "x", data, "-o", Path("o")}).err,
            "'x' is not a valid integer value\n");
  // The second file cannot be written: the first one does not stay either.
  std::filesystem::create_directory(dir / u8"o.格式化.1.0002.txt");
  r = Run({"format", "--template", templ, "--per-file", "1", data, "-o", Path("o")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot create file"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / u8"o.格式化.1.0001.txt"));
}

}  // namespace
}  // namespace telqor
