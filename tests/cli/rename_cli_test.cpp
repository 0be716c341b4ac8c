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

TEST_F(RenameCli, RefusedAndFailedRunsKeepTheSources) {
  File("in/a.txt", "A");
  File("in/b.txt", "B");
  // Never previewed: both would be copied onto 待定.
  Result r = Run({"rename", Path("in"), "--delete-source"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "新文件名\"待定\"重复，勾选\"删除原来文件\"时改名会丢失文件，没有改名。\n");
  r = Run({"rename", Path("in"), "--pattern", "#", "--to", Path("missing"), "--delete-source"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Cannot create file \"" + Path("missing/1") + "\""), std::string::npos) << r.err;
  EXPECT_EQ(test::FileNames(dir / "in"), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(Run({"rename", Path("in"), "--replace", "a"}).err, "--replace and --with go together\n");
}

}  // namespace
}  // namespace telqor
