// Batch rename: names taken from a folder, new names from replacement and numbered patterns,
// and the copies, with the deletes that must never lose a file.
#include "files/batch_rename.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

Strings NewNames(const RenameList& list) {
  Strings names;
  for (const RenameEntry& entry : list) names.push_back(entry.newName);
  return names;
}

// The message of the error f raises.
template <typename F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

RenameList Entries(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  RenameList list;
  for (auto [from, to] : pairs) list.push_back({from, to});
  return list;
}

struct BatchRename : ::testing::Test {
  test::TempDir dir;
  test::RecordingUi ui;
  fs::path File(const std::string& name, const std::string& bytes) {
    test::WriteBytes(dir / name, bytes);
    return dir / name;
  }
  std::string Bytes(const std::string& name) { return test::ReadBytes(dir / name); }
  // The list's files of dir renamed into out.
  RenameOutcome Rename(const RenameList& list, const fs::path& out, bool deleteSource) {
    return RenameFiles(PlanRename(list, dir.path(), out), deleteSource, ui);
  }
};

TEST_F(BatchRename, TakesNamesWithTheMatchTextAndAppends) {
  for (const char* name : {"a.txt", "b.log", "noext"}) File(name, "");
  fs::create_directories(dir / "sub.d");
  RenameList list;
  TakeNames(dir.path(), "  .t ", false, list);
  EXPECT_EQ(list, Entries({{"a.txt", "待定"}}));
  TakeNames(dir.path(), "", true, list);
  TakeNames(dir.path(), "", true, list);
  ASSERT_EQ(list.size(), 7u);  // a.txt, then a.txt b.log sub.d twice: folders with a dot count, "noext" not
  EXPECT_EQ(list[3].oldName, "sub.d");
  EXPECT_EQ(list[6].oldName, "sub.d");
  TakeNames(dir.path(), "A", false, list);  // letters compared exactly
  EXPECT_TRUE(list.empty());
}

TEST_F(BatchRename, PatternRunsAreFilledFromTheLeft) {
  EXPECT_EQ(FillPattern("我的文件####.txt", 1), "我的文件0001.txt");
  EXPECT_EQ(FillPattern("x##.txt", 100), "x100.txt");  // the width is a minimum
  EXPECT_EQ(FillPattern("######", 7), "000077");       // 5 digits, then plain
  EXPECT_EQ(FillPattern("#-##-###-####", 0), "0-00-000-0000");
  EXPECT_EQ(FillPattern("#######", -3), "-00003-03");
}

TEST_F(BatchRename, PreviewPatternReplacementAndCase) {
  RenameList list = Entries({{"a.txt", "待定"}, {"B.TXT", "待定"}, {"c.Txt.txt", "待定"}});
  NameDefinition pattern{.usePattern = true, .pattern = "x##.txt", .start = "98"};
  PreviewNames(list, pattern);
  EXPECT_EQ(NewNames(list), (Strings{"x98.txt", "x99.txt", "x100.txt"}));

  NameDefinition replace{.replace = true, .from = ".TXT", .to = ".log"};
  PreviewNames(list, replace);
  EXPECT_EQ(NewNames(list), (Strings{"a.log", "B.log", "c.log.log"}));

  // Both ticked: the pattern wins, and counts every entry.
  replace.usePattern = true;
  replace.pattern = "F#.txt";
  replace.letterCase = NameCase::Lower;
  PreviewNames(list, replace);
  EXPECT_EQ(NewNames(list), (Strings{"f1.txt", "f2.txt", "f3.txt"}));

  // Neither: the current names only get the case; letters beyond ASCII stay.
  list.push_back({"新.txt"});
  PreviewNames(list, {.letterCase = NameCase::Upper});
  EXPECT_EQ(NewNames(list), (Strings{"F1.TXT", "F2.TXT", "F3.TXT", "待定"}));
}

TEST_F(BatchRename, BadStartOrIndexChangesNothing) {
  RenameList list = Entries({{"a.txt", "old"}});
  EXPECT_EQ(ErrorOf([&] { PreviewNames(list, {.replace = true, .from = "a", .to = "b", .start = "1x"}); }),
            "'1x' is not a valid integer value");
  EXPECT_EQ(list[0].newName, "old");

  SetEntry(list, 0, {"x.txt", "y.txt"});
  EXPECT_EQ(list, Entries({{"x.txt", "y.txt"}}));
  RenameList empty;
  EXPECT_EQ(ErrorOf([&] { SetEntry(empty, 0, {}); }), "List index out of bounds (0)");
}

TEST_F(BatchRename, CopiesKeepingOrDeletingTheSources) {
  File("a.txt", "A");
  File("b.txt", "B");
  File("same.txt", "S");
  RenameList list = Entries({{"a.txt", "1.txt"}, {"gone.txt", "2.txt"}, {"b.txt", "3.txt"}});
  RenameOutcome kept = Rename(list, dir.path(), false);
  EXPECT_EQ(Bytes("1.txt"), "A");
  EXPECT_EQ(Bytes("3.txt"), "B");
  EXPECT_EQ(Bytes("a.txt"), "A");
  EXPECT_FALSE(fs::exists(dir / "2.txt"));  // a missing source is skipped, and said so
  EXPECT_EQ(kept.copied.size(), 2u);
  EXPECT_EQ(ui.messages, Strings{"1个原文件不存在，已跳过：\ngone.txt\n2个文件更名完成,请重新刷新显示！"});

  fs::create_directories(dir / "out");
  ui.messages.clear();
  list = Entries({{"a.txt", "x.txt"}, {"same.txt", "same.txt"}});
  Rename(list, dir / "out", true);
  EXPECT_EQ(test::ReadBytes(dir / "out/x.txt"), "A");
  EXPECT_FALSE(fs::exists(dir / "a.txt"));
  EXPECT_FALSE(fs::exists(dir / "same.txt"));  // copied into another folder, then deleted
  EXPECT_EQ(test::ReadBytes(dir / "out/same.txt"), "S");
  Rename(Entries({{"b.txt", "b.txt"}}), dir.path(), true);
  EXPECT_EQ(Bytes("b.txt"), "B");  // its own name in its own folder: left in place
  EXPECT_EQ(ui.messages, (Strings{"更名完成,请重新刷新显示！", "更名完成,请重新刷新显示！"}));
}

TEST_F(BatchRename, SharedNewNamesAndAMissingFolderAreRefusedBeforeAnyCopy) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) File(name, name);
  for (bool deleteSource : {false, true}) {
    auto refused = [&](const RenameList& list, const fs::path& out) {
      return ErrorOf([&] { Rename(list, out, deleteSource); });
    };
    EXPECT_EQ(refused(Entries({{"a.txt", "待定"}, {"b.txt", "待定"}}), dir.path()),
              "新文件名\"待定\"重复，多个文件不能改成同一个名字，没有改名。");
    // Its own name counts too; a missing source shares no name.
    EXPECT_EQ(
        refused(Entries({{"c.txt", "c.txt"}, {"x.txt", "n.txt"}, {"a.txt", "n.txt"}, {"b.txt", "c.txt"}}), dir.path()),
        "新文件名\"c.txt\"重复，多个文件不能改成同一个名字，没有改名。");
    EXPECT_EQ(refused(Entries({{"a.txt", "n.txt"}}), dir / "missing"),
              "输出目录\"" + (dir / "missing").string() + "\"不存在，没有改名。");
    EXPECT_EQ(refused(Entries({{"a.txt", "n.txt"}}), dir / "c.txt"),
              "输出目录\"" + (dir / "c.txt").string() + "\"不是文件夹，没有改名。");
  }
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BatchRename, ExistingFilesOutsideThePlanAreListedForTheQuestion) {
  for (const char* name : {"x 1.txt", "n001.txt", "n002.txt"}) File(name, name);
  fs::create_directories(dir / "n003.txt");  // a folder is not replaced: its copy fails
  RenamePlan plan = PlanRename(Entries({{"x 1.txt", "n001.txt"}, {"n001.txt", "n002.txt"}, {"n002.txt", "n003.txt"}}),
                               dir.path(), dir.path());
  // n001.txt and n002.txt are sources of the plan, copied away before they are written.
  EXPECT_TRUE(plan.replaced.empty());
  plan = PlanRename(Entries({{"x 1.txt", "n001.txt"}, {"n002.txt", "n002.txt"}}), dir.path(), dir.path());
  EXPECT_EQ(plan.replaced, std::vector<fs::path>{dir / "n001.txt"});
  EXPECT_EQ(OverwriteQuestion(plan), "将覆盖1个已有文件，是否继续？\n" + (dir / "n001.txt").string());
}

// The numbered renames of one folder into itself, in list orders that write a name before and
// after its file is read, with and without deleting.
TEST_F(BatchRename, ChainsAndCirclesOfNamesLoseNothing) {
  auto reset = [&] {
    for (const std::string& name : test::FileNames(dir.path())) fs::remove(dir / name);
    for (const char* name : {"1.txt", "2.txt", "3.txt"}) File(name, name);
  };
  for (bool deleteSource : {false, true}) {
    reset();
    RenameList list = Entries({{"1.txt", "2.txt"}, {"2.txt", "3.txt"}, {"3.txt", "4.txt"}});
    RenameOutcome outcome = Rename(list, dir.path(), deleteSource);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_EQ(Bytes("2.txt"), "1.txt");
    EXPECT_EQ(Bytes("3.txt"), "2.txt");
    EXPECT_EQ(Bytes("4.txt"), "3.txt");
    EXPECT_EQ(fs::exists(dir / "1.txt"), !deleteSource);

    reset();
    Rename(Entries({{"3.txt", "1.txt"}, {"2.txt", "3.txt"}, {"1.txt", "2.txt"}}), dir.path(), deleteSource);
    EXPECT_EQ(test::FileNames(dir.path()), (Strings{"1.txt", "2.txt", "3.txt"}));  // no file moved aside stays
    EXPECT_EQ(Bytes("1.txt"), "3.txt");
    EXPECT_EQ(Bytes("2.txt"), "1.txt");
    EXPECT_EQ(Bytes("3.txt"), "2.txt");

    reset();
    outcome = Rename(Entries({{"1.txt", "2.txt"}, {"2.txt", "1.txt"}, {"3.txt", "3.txt"}}), dir.path(), deleteSource);
    EXPECT_EQ(outcome.copied.size(), 2u);
    EXPECT_EQ(test::FileNames(dir.path()), (Strings{"1.txt", "2.txt", "3.txt"}));
    EXPECT_EQ(Bytes("1.txt"), "2.txt");
    EXPECT_EQ(Bytes("2.txt"), "1.txt");
  }
  // One file taken twice: it is deleted only after its second copy.
  reset();
  RenameOutcome outcome = Rename(Entries({{"1.txt", "a.txt"}, {"1.txt", "b.txt"}}), dir.path(), true);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"2.txt", "3.txt", "a.txt", "b.txt"}));
  EXPECT_EQ(Bytes("b.txt"), "1.txt");
}

TEST_F(BatchRename, AFailedCopyKeepsItsSourceAndIsReported) {
  test::TestEnv env;
  env.failWritesAfter = 3;  // files of up to 3 bytes copy, longer ones fail
  File("big.txt", "0123456789");
  File("small.txt", "s");
  File("other.txt", "o");
  RenameList list = Entries({{"big.txt", "new.txt"}, {"small.txt", "s2.txt"}, {"other.txt", "big.txt"}});
  RenameOutcome outcome = Rename(list, dir.path(), true);
  EXPECT_EQ(outcome.copied.size(), 1u);
  ASSERT_EQ(outcome.failures.size(), 2u);
  EXPECT_NE(outcome.failures[0].find("No space left on device"), std::string::npos);
  // big.txt stayed, so other.txt is not copied over it.
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"big.txt", "other.txt", "s2.txt"}));
  EXPECT_EQ(Bytes("big.txt"), "0123456789");
  EXPECT_EQ(ui.LastStatus().rfind("2个文件复制失败，原文件保留：Cannot write file", 0), 0u) << ui.LastStatus();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "2个文件复制失败，原文件保留：\n" + outcome.failures[0] + "\n" + outcome.failures[1] +
                                "\n1个文件更名完成,请重新刷新显示！");
  EXPECT_EQ(outcome.failures[1], "没有复制到\"" + (dir / "big.txt").string() + "\"：它自己的复制失败，已保留。");
}

TEST_F(BatchRename, AFailureInACircleLeavesEveryFileUnderAName) {
  test::TestEnv env;
  env.failWritesAfter = 3;
  File("big.txt", "0123456789");
  File("small.txt", "s");
  // big.txt is moved aside for small.txt's copy to be made first; then big's copy fails.
  RenameOutcome outcome = Rename(Entries({{"small.txt", "big.txt"}, {"big.txt", "small.txt"}}), dir.path(), true);
  ASSERT_EQ(outcome.failures.size(), 1u);
  EXPECT_NE(outcome.failures[0].find("\"" + (dir / "big.txt").string() + "\"原来的内容保留在\"" +
                                     (dir / "big.txt.telqor-rename.tmp").string() + "\""),
            std::string::npos)
      << outcome.failures[0];
  EXPECT_EQ(Bytes("big.txt.telqor-rename.tmp"), "0123456789");
  EXPECT_EQ(Bytes("small.txt"), "s");

  // The other order: the copy that fails is the first one, and the file moved aside goes back.
  fs::remove(dir / "big.txt.telqor-rename.tmp");
  File("big.txt", "0123456789");
  outcome = Rename(Entries({{"big.txt", "small.txt"}, {"small.txt", "big.txt"}}), dir.path(), true);
  EXPECT_EQ(outcome.failures.size(), 2u);
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"big.txt", "small.txt"}));
  EXPECT_EQ(Bytes("big.txt"), "0123456789");
  EXPECT_EQ(Bytes("small.txt"), "s");
}

// An Env whose deletes fail.
struct FailingRemoveEnv : EnvWrapper {
  FailingRemoveEnv() : EnvWrapper(CurrentEnv()), installed(*this) {}
  std::error_code Remove(const fs::path&) noexcept override {
    return std::make_error_code(std::errc::permission_denied);
  }
  ScopedEnv installed;
};

TEST_F(BatchRename, AFailedDeleteIsReported) {
  File("a.txt", "A");
  FailingRemoveEnv env;
  RenameOutcome outcome = Rename(Entries({{"a.txt", "b.txt"}}), dir.path(), true);
  EXPECT_EQ(outcome.deleteFailures, Strings{"删除原文件\"" + (dir / "a.txt").string() + "\"失败：" +
                                            std::make_error_code(std::errc::permission_denied).message()});
  EXPECT_EQ(ui.messages,
            Strings{"1个原文件删除失败：\n" + outcome.deleteFailures[0] + "\n1个文件更名完成,请重新刷新显示！"});
  EXPECT_EQ(Bytes("b.txt"), "A");
}

}  // namespace
}  // namespace telqor
