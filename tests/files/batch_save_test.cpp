#include "files/batch_save.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/errors.h"
#include "files/saved_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

struct Saving : ::testing::Test {
  ItemList list;
  test::RecordingUi ui;
  test::TempDir dir;
  test::TestEnv env;
  void SetUp() override { env.FixClock(2026, 12, 7, 22, 43, 56); }
  // The counts and the folder that end a save.
  std::string Counts(int files, int items) {
    return "共" + std::to_string(files) + "个文件，" + std::to_string(items) + "个号码，保存在 " + (dir / "").string();
  }
  std::vector<std::string> Names(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.filename().string());
    return names;
  }
};

TEST_F(Saving, BatchesOfNWithTheRestLast) {
  for (int i = 0; i < 2500; ++i) list.Add(std::to_string(i % 7));
  auto files = BatchSave(list, "1000", dir.path(), ui);
  EXPECT_EQ(Names(files), (std::vector<std::string>{"20261207-224356-1000-0001.txt", "20261207-224356-1000-0002.txt",
                                                    "20261207-224356-500-0003.txt"}));
  EXPECT_EQ(test::ReadBytes(files[2]).substr(0, 6), "5\r\n6\r\n");  // items 2000, 2001 in list order
  EXPECT_EQ(ui.statuses[1], "保存文件:" + (dir.path() / "20261207-224356-1000-0001.txt").string());
  EXPECT_EQ(ui.LastStatus(), "保存完成！" + Counts(3, 2500));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"保存完成！" + Counts(3, 2500)});
}

TEST_F(Saving, ExactMultiplesAndLargeCounts) {
  for (int i = 0; i < 6; ++i) list.Add(std::to_string(i));
  EXPECT_EQ(Names(BatchSave(list, "3", dir.path(), ui)),
            (std::vector<std::string>{"20261207-224356-3-0001.txt", "20261207-224356-3-0002.txt"}));
  EXPECT_EQ(Names(BatchSave(list, "100", dir.path(), ui)), std::vector<std::string>{"20261207-224356-6-0001.txt"});
  ItemList empty;
  EXPECT_TRUE(BatchSave(empty, "10", dir.path(), ui).empty());
  EXPECT_EQ(ui.LastStatus(), "保存完成！共0个文件，0个号码");
}

TEST_F(Saving, BadCountsWriteNothing) {
  list.Add("1");
  EXPECT_THROW(BatchSave(list, "abc", dir.path(), ui), ConvertError);
  EXPECT_THROW(BatchSave(list, "0", dir.path(), ui), DivisionByZero);
  EXPECT_THROW(BatchSave(list, "-5", dir.path(), ui), Error);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(Saving, WholeListKeepsOrderAndRepeats) {
  for (auto s : {"2", "1", "2"}) list.Add(s);
  auto file = SaveWholeList(list, dir.path(), ui);
  EXPECT_EQ(file, dir / "20261207-224356-3.txt");
  EXPECT_EQ(test::ReadBytes(file), "2\r\n1\r\n2\r\n");
  EXPECT_EQ(ui.LastStatus(), "保存文件完成：" + Counts(1, 3));
  EXPECT_EQ(ui.messages.back(), "保存完成！" + Counts(1, 3) + "\r\n20261207-224356-3.txt");
  ItemList empty;
  EXPECT_TRUE(SaveWholeList(empty, dir.path(), ui).empty());
  EXPECT_EQ(ui.LastStatus(), "保存文件完成：共0个文件，0个号码");
  EXPECT_EQ(ui.messages.size(), 1u);
}

// Two saves of lists of one size within one second: the second never replaces the first.
TEST_F(Saving, SameSecondSavesKeepBothLists) {
  for (auto s : {"1", "2"}) list.Add(s);
  ItemList other;
  for (auto s : {"3", "4"}) other.Add(s);
  EXPECT_EQ(SaveWholeList(list, dir.path(), ui), dir / "20261207-224356-2.txt");
  EXPECT_EQ(SaveWholeList(other, dir.path(), ui), dir / "20261207-224356-2-2.txt");
  EXPECT_EQ(ui.messages.back(), "保存完成！" + Counts(1, 2) + "\r\n20261207-224356-2-2.txt");
  EXPECT_EQ(Names(BatchSave(other, "2", dir.path(), ui)), std::vector<std::string>{"20261207-224356-2-0001.txt"});
  EXPECT_EQ(Names(BatchSave(list, "2", dir.path(), ui)), std::vector<std::string>{"20261207-224356-2-0001-2.txt"});
  EXPECT_EQ(test::ReadBytes(dir / "20261207-224356-2.txt"), "1\r\n2\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "20261207-224356-2-2.txt"), "3\r\n4\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "20261207-224356-2-0001.txt"), "3\r\n4\r\n");
}

// The program's end of a save asks once and opens the folder only on Yes; with nothing written
// there is nothing to open.
TEST(SavedFolder, IsOfferedOnlyWhenFilesWereWritten) {
  SavedFiles saved{"/out/", {"/out/a.txt"}, 1, "done"};
  test::RecordingUi ui;
  ui.answers = {false, true};
  OfferSavedFolder("done", saved, ui);
  EXPECT_TRUE(ui.openedFolders.empty());
  OfferSavedFolder("done", saved, ui);
  EXPECT_EQ(ui.openedFolders, std::vector<std::filesystem::path>{"/out/"});
  EXPECT_EQ(ui.questions, (std::vector<std::string>{"done\r\n\r\n是否打开保存目录?", "done\r\n\r\n是否打开保存目录?"}));

  OfferSavedFolder("nothing", SavedFiles{"/out/", {}, 0, "nothing"}, ui);
  EXPECT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"nothing"});
}

}  // namespace
}  // namespace telqor
