// telqor-cli rename end to end: the pairs of a dry run, a real run, and the runs refused or failed.
#include "tests/cli/cli_fixture.h"
#include "tests/support/test_env.h"

namespace telqor {
namespace {

using test::Result;
using RenameCli = test::CliFixture;

TEST_F(RenameCli, DryRunPrintsThePairsAndChangesNothing) {
  File("in/a.txt", "A");
  File("in/b.txt", "B");
  Result r = Run({"rename", Path("in"), "--pattern", "f##.TXT", "--start", "9", "--case", "lower", "--dry-run"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "a.txt → f09.txt\nb.txt → f10.txt\n");
  EXPECT_EQ(test::FileNames(dir / "in"), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(RenameCli, CopiesIntoAnotherFolderAndDeletesTheSources) {
  File("in/a1.txt", "1");
  File("in/a2.TXT", "2");
  File("in/b.txt", "B");
  std::filesystem::create_directories(dir / "out");
  Result r = Run({"rename", Path("in"), "--match", "a", "--replace", ".txt", "--with", ".log", "--to", Path("out"),
                  "--delete-source"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "a1.txt → a1.log\na2.TXT → a2.log\n");
  EXPECT_EQ(test::ReadBytes(dir / "out/a2.log"), "2");
  EXPECT_EQ(test::FileNames(dir / "in"), std::vector<std::string>{"b.txt"});
}

TEST_F(RenameCli, RefusedRunsKeepTheSources) {
  File("in/a.txt", "A");
  File("in/b.txt", "B");
  // Never previewed: both would be copied onto 待定, with or without deleting.
  for (std::vector<std::string> extra : {std::vector<std::string>{}, {"--delete-source"}}) {
    std::vector<std::string> args{"rename", Path("in")};
    args.insert(args.end(), extra.begin(), extra.end());
    Result r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "新文件名\"待定\"重复，多个文件不能改成同一个名字，没有改名。\n");
  }
  Result r = Run({"rename", Path("in"), "--pattern", "#", "--to", Path("missing"), "--delete-source"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "输出目录\"" + Path("missing/") + "\"不存在，没有改名。\n");
  EXPECT_EQ(test::FileNames(dir / "in"), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(test::FirstLine(Run({"rename", Path("in"), "--replace", "a"}).err), "--replace and --with go together\n");
}

TEST_F(RenameCli, ReplacesAFileOutsideTheRunOnlyWithOverwrite) {
  File("in/a.txt", "A");
  File("in/n1.txt", "N");
  const std::vector<std::string> run{"rename", Path("in"), "--match", "a", "--pattern", "n#.txt"};
  auto with = [&](const char* option) {
    std::vector<std::string> args = run;
    args.push_back(option);
    return Run(args);
  };
  Result r = Run(run);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "将覆盖1个已有文件，没有改名；要覆盖它们请加 --overwrite：\n" + Path("in/n1.txt") + "\n");
  EXPECT_EQ(test::ReadBytes(dir / "in/n1.txt"), "N");
  r = with("--dry-run");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a.txt → n1.txt\n");
  EXPECT_EQ(r.err, "将覆盖1个已有文件（改名要加 --overwrite）：\n" + Path("in/n1.txt") + "\n");
  r = with("--overwrite");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.rfind("覆盖1个已有文件（--overwrite）：\n" + Path("in/n1.txt") + "\n", 0), 0u) << r.err;
  EXPECT_EQ(test::ReadBytes(dir / "in/n1.txt"), "A");
}

TEST_F(RenameCli, RenumberingOntoItsOwnNamesLosesNothing) {
  for (const char* name : {"1.txt", "2.txt", "3.txt"}) File(std::string("in/") + name, name);
  Result r = Run({"rename", Path("in"), "--pattern", "#.txt", "--start", "2", "--delete-source"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1.txt → 2.txt\n2.txt → 3.txt\n3.txt → 4.txt\n");
  EXPECT_EQ(test::FileNames(dir / "in"), (std::vector<std::string>{"2.txt", "3.txt", "4.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "in/2.txt"), "1.txt");
  EXPECT_EQ(test::ReadBytes(dir / "in/4.txt"), "3.txt");
}

}  // namespace
}  // namespace telqor
