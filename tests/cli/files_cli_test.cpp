// The file verbs of telqor-cli end to end: merge, split, compare and the --in-place-name forms
// of dedupe and shuffle.
#include "tests/cli/cli_fixture.h"
#include "tests/support/test_env.h"

namespace telqor {
namespace {

using test::Result;
using Strings = std::vector<std::string>;
using FilesCli = test::CliFixture;

std::string Numbers(int from, int to) {
  std::string text;
  for (int i = from; i < to; ++i) text += std::to_string(13800000000LL + i) + "\r\n";
  return text;
}

TEST_F(FilesCli, MergeInGivenOrderEvenIntoOneOfTheFiles) {
  auto a = File("a.txt", "1\r\n");
  auto b = File("b.txt", "2");
  Result r = Run({"merge", b, a, "-o", Path("m.txt")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ReadBytes(dir / "m.txt"), "21\r\n");
  r = Run({"merge", a, b, a, "--output", a});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "1\r\n21\r\n");
  EXPECT_NE(Run({"merge", a}).err.find("merge needs --output OUT"), std::string::npos);
}

TEST_F(FilesCli, SplitPrintsEachPart) {
  auto a = File("号码.txt", Numbers(0, 2500));
  auto b = File("b.txt", Numbers(0, 2000));
  Result r = Run({"split", "--lines", "1000", a, b});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Path("号码-分割1000-0001.txt") + "\n" + Path("号码-分割1000-0002.txt") + "\n" +
                       Path("号码-分割500-0003.txt") + "\n" + Path("b-分割1000-0001.txt") + "\n" +
                       Path("b-分割1000-0002.txt") + "\n");
  EXPECT_EQ(test::ReadBytes(dir / u8"号码-分割500-0003.txt"), Numbers(2000, 2500));

  std::filesystem::create_directory(dir / "parts");
  r = Run({"split", a, "--lines", "2000", "--out-dir", Path("parts")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::FileNames(dir / "parts"), (Strings{"号码-分割2000-0001.txt", "号码-分割500-0002.txt"}));
}

TEST_F(FilesCli, CompareByModeBesideNewOrInDir) {
  auto fresh = File("新号.txt", "13377114254\r\n13800000000\r\n13800000000\r\n13900000000\r\n");
  auto old = File("旧号.txt", "13800000000\r\n13363463632\r\n");
  Result r = Run({"--mode", "A", "compare", fresh, old});
  EXPECT_EQ(r.status, 0) << r.err;
  std::string present = Path("[新号]对比[旧号]已有数据(2).txt"), absent = Path("[新号]对比[旧号]没有的数据(2).txt");
  EXPECT_EQ(r.out, present + "\n" + absent + "\n");
  EXPECT_EQ(test::ReadBytes(present), "13800000000\r\n13800000000\r\n");
  EXPECT_EQ(test::ReadBytes(absent), "13377114254\r\n13900000000\r\n");
  // Mode B gives the same: 13377114254 sharing a BKDR hash with a reference number is no match.
  std::filesystem::create_directory(dir / "out");
  r = Run({"compare", fresh, old, "--mode", "B", "--out-dir", Path("out")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::FileNames(dir / "out"),
            (Strings{"[新号]对比[旧号]已有数据(2).txt", "[新号]对比[旧号]没有的数据(2).txt"}));
  EXPECT_EQ(test::FirstLine(Run({"compare", fresh}).err), "compare needs NEW REFERENCE\n");
  EXPECT_EQ(test::FirstLine(Run({"compare", fresh, old, old}).err), "compare needs NEW REFERENCE\n");
}

TEST_F(FilesCli, InPlaceNamesBesideEachInput) {
  auto in = File("in.txt", "c\r\na\r\nc\r\n\r\nb\r\n");
  File("sub/x.list", "2\r\n1\r\n");
  Result r = Run({"--mode", "B", "dedupe", "--in-place-name", in, Path("sub/x.list")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Path("in.去重复.txt") + "\n" + Path("sub/x.去重复.txt") + "\n");
  EXPECT_EQ(test::ReadBytes(dir / u8"in.去重复.txt"), "c\r\na\r\n\r\nb\r\n");
  EXPECT_EQ(Run({"--mode", "A", "dedupe", "--in-place-name", in}).status, 0);
  EXPECT_EQ(test::ReadBytes(dir / u8"in.去重复.txt"), "a\r\nb\r\nc\r\n");

  r = Run({"shuffle", "--in-place-name", File("one.txt", "13800000000")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Path("one.乱序.txt") + "\n");
  EXPECT_EQ(test::ReadBytes(dir / u8"one.乱序.txt"), "13800000000\r\n");
  EXPECT_EQ(test::FirstLine(Run({"shuffle", "--in-place-name", in, "-o", Path("o.txt")}).err),
            "--in-place-name and --output cannot be given together\n");
}

// The files in the test folder but those of the fixture.
Strings Outputs(const std::filesystem::path& folder) {
  Strings names;
  for (const auto& name : test::FileNames(folder))
    if (name != "home" && name != "stdout" && name != "stderr") names.push_back(name);
  return names;
}

// Every failure: the message on standard error, status 1, and no output under its final name.
TEST_F(FilesCli, FailuresLeaveNoOutput) {
  auto in = File("in.txt", Numbers(0, 30));
  auto missing = Path("missing.txt");
  const std::string noFile = "Cannot open file \"" + missing + "\". No such file or directory\n";
  auto cannotCreate = [&](const std::string& name, const char* why) {
    return "Cannot create file \"" + Path(name) + "\". " + why + "\n";
  };
  // A folder where the second input's output would go: it cannot be replaced.
  auto second = File("sub/two.txt", "1\r\n");
  for (const char* taken : {"sub/two-分割1-0001.txt", "sub/two.去重复.txt", "sub/two.乱序.txt"})
    std::filesystem::create_directory(dir / taken);
  std::vector<std::pair<Strings, std::string>> cases = {
      {{"merge", in, missing, "-o", Path("m.txt")}, noFile},
      {{"split", "--lines", "10", in, missing}, noFile},
      {{"split", "--lines", "ten", in}, "'ten' is not a valid integer value\n"},
      {{"split", "--lines", "0", in}, "分割行数必须是大于0的整数: 0\n"},
      {{"split", "--lines", "-1", in}, "分割行数必须是大于0的整数: -1\n"},
      {{"compare", in, missing}, noFile},
      {{"compare", missing, in}, noFile},
      {{"dedupe", "--in-place-name", in, missing}, noFile},
      {{"shuffle", "--in-place-name", in, missing}, noFile},
      {{"merge", in, "-o", Path("no/m.txt")}, cannotCreate("no/m.txt", "No such file or directory")},
      {{"split", "--lines", "10", in, "--out-dir", Path("no")},
       cannotCreate("no/in-分割10-0001.txt", "No such file or directory")},
      {{"compare", in, in, "--out-dir", Path("no")},
       cannotCreate("no/[in]对比[in]已有数据(30).txt", "No such file or directory")},
      // The first input's outputs were written, and go again.
      {{"split", "--lines", "10", in, second}, cannotCreate("sub/two-分割1-0001.txt", "Is a directory")},
      {{"dedupe", "--in-place-name", in, second}, cannotCreate("sub/two.去重复.txt", "Is a directory")},
      {{"shuffle", "--in-place-name", in, second}, cannotCreate("sub/two.乱序.txt", "Is a directory")},
  };
#ifndef _WIN32  // a full disk at hand
  cases.push_back({{"merge", in, "-o", "/dev/full"}, "Cannot write file \"/dev/full\". No space left on device\n"});
#endif
  for (const auto& [args, err] : cases) {
    Result r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0] << " " << args[2];
    EXPECT_EQ(r.err, err);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Outputs(dir.path()), (Strings{"in.txt", "sub"})) << args[0] << " " << args[2];
    EXPECT_EQ(test::FileNames(dir / "sub").size(), 4u);
  }
}

}  // namespace
}  // namespace telqor
