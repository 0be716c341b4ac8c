// Batch rename: names taken from a folder, new names from replacement and numbered patterns,
// and the copies, with the deletes that must never lose a file.
#include "tools/batch_rename.h"

#include <gtest/gtest.h>

#include "core/errors.h"
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
  RenameList list = Entries({{"a.txt", "1.txt"}, {"gone.txt", "2.txt"}, {"b.txt", "1.txt"}});
  RenameOutcome kept = RenameFiles(list, dir.path(), dir.path(), false, ui);
  EXPECT_EQ(Bytes("1.txt"), "B");  // without deletes the last copy wins
  EXPECT_EQ(Bytes("a.txt"), "A");
  EXPECT_FALSE(fs::exists(dir / "2.txt"));  // a missing source is skipped
  EXPECT_EQ(kept.copied.size(), 2u);
  EXPECT_EQ(ui.messages, Strings{"更名完成,请重新刷新显示！"});

  fs::create_directories(dir / "out");
  list = Entries({{"a.txt", "x.txt"}, {"same.txt", "same.txt"}});
  RenameFiles(list, dir.path(), dir / "out", true, ui);
  EXPECT_EQ(test::ReadBytes(dir / "out/x.txt"), "A");
  EXPECT_FALSE(fs::exists(dir / "a.txt"));
  EXPECT_FALSE(fs::exists(dir / "same.txt"));  // copied into another folder, then deleted
  EXPECT_EQ(test::ReadBytes(dir / "out/same.txt"), "S");
  RenameFiles(Entries({{"b.txt", "b.txt"}}), dir.path(), dir.path(), true, ui);
  EXPECT_EQ(Bytes("b.txt"), "B");  // its own name in its own folder: left in place
}

TEST_F(BatchRename, DeletingRunsThatWouldLoseAFileAreRefusedBeforeAnyCopy) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) File(name, name);
  auto refused = [&](const RenameList& list) {
    return ErrorOf([&] { RenameFiles(list, dir.path(), dir.path(), true, ui); });
  };
  EXPECT_EQ(refused(Entries({{"a.txt", "待定"}, {"b.txt", "待定"}})),
            "新文件名\"待定\"重复，勾选\"删除原来文件\"时改名会丢失文件，没有改名。");
  EXPECT_EQ(refused(Entries({{"c.txt", "c.txt"}, {"a.txt", "n.txt"}, {"b.txt", "c.txt"}})),
            "新文件名\"c.txt\"重复，勾选\"删除原来文件\"时改名会丢失文件，没有改名。");
  // Renumbering by one: a's copy would replace b before b is copied.
  EXPECT_EQ(refused(Entries({{"a.txt", "b.txt"}, {"b.txt", "c.txt"}})),
            "新文件名\"b.txt\"是后面要改名的原文件，勾选\"删除原来文件\"时改名会丢失文件，没有改名。");
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_TRUE(ui.messages.empty());

  // The other way round each file is copied away before its name is taken; a missing source
  // shares no name.
  RenameFiles(Entries({{"c.txt", "d.txt"}, {"b.txt", "c.txt"}, {"x.txt", "c.txt"}}), dir.path(), dir.path(), true, ui);
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"a.txt", "c.txt", "d.txt"}));
  EXPECT_EQ(Bytes("c.txt"), "b.txt");
  EXPECT_EQ(Bytes("d.txt"), "c.txt");
}

TEST_F(BatchRename, AFailedCopyKeepsItsSourceAndIsReported) {
  test::TestEnv env;
  env.failWritesAfter = 3;  // files of up to 3 bytes copy, longer ones fail
  File("big.txt", "0123456789");
  File("small.txt", "s");
  File("other.txt", "o");
  RenameList list = Entries({{"big.txt", "new.txt"}, {"small.txt", "s2.txt"}, {"other.txt", "big.txt"}});
  RenameOutcome outcome = RenameFiles(list, dir.path(), dir.path(), true, ui);
  EXPECT_EQ(outcome.copied.size(), 1u);
  ASSERT_EQ(outcome.failures.size(), 2u);
  EXPECT_NE(outcome.failures[0].find("No space left on device"), std::string::npos);
  // big.txt stayed, so other.txt is not copied over it.
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"big.txt", "other.txt", "s2.txt"}));
  EXPECT_EQ(Bytes("big.txt"), "0123456789");
  EXPECT_EQ(ui.LastStatus().rfind("2个文件复制失败，原文件保留：Cannot write file", 0), 0u) << ui.LastStatus();
  EXPECT_EQ(ui.messages, Strings{"更名完成,请重新刷新显示！"});
}

}  // namespace
}  // namespace telqor
