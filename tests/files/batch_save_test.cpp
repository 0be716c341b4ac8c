#include "files/batch_save.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

struct Saving : ::testing::Test {
  TSList list;
  test::RecordingUi ui;
  test::TempDir dir;
  std::vector<std::string> Names(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.filename().string().substr(16));  // after the timestamp
    return names;
  }
};

TEST_F(Saving, BatchesOfNWithTheRestLast) {
  for (int i = 0; i < 2500; ++i) list.Add(std::to_string(i % 7));
  auto files = BatchSave(list, "1000", dir.path(), ui);
  EXPECT_EQ(Names(files), (std::vector<std::string>{"1000-0001.txt", "1000-0002.txt", "500-0003.txt"}));
  std::string first = files[0].filename().string();
  for (const auto& f : files) EXPECT_EQ(f.filename().string().substr(0, 16), first.substr(0, 16));  // one timestamp
  EXPECT_EQ(test::ReadBytes(files[2]).substr(0, 6), "5\r\n6\r\n");  // items 2000, 2001 in list order
  EXPECT_EQ(ui.LastStatus(), "保存完成！共3个文件");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"保存完成！共3个文件"});
}

TEST_F(Saving, ExactMultiplesAndLargeCounts) {
  for (int i = 0; i < 6; ++i) list.Add(std::to_string(i));
  EXPECT_EQ(Names(BatchSave(list, "3", dir.path(), ui)), (std::vector<std::string>{"3-0001.txt", "3-0002.txt"}));
  EXPECT_EQ(Names(BatchSave(list, "100", dir.path(), ui)), std::vector<std::string>{"6-0001.txt"});
  TSList empty;
  EXPECT_TRUE(BatchSave(empty, "10", dir.path(), ui).empty());
  EXPECT_EQ(ui.LastStatus(), "保存完成！共0个文件");
}

TEST_F(Saving, BadCountsWriteNothing) {
  list.Add("1");
  EXPECT_THROW(BatchSave(list, "abc", dir.path(), ui), EConvertError);
  EXPECT_THROW(BatchSave(list, "0", dir.path(), ui), EDivByZero);
  EXPECT_THROW(BatchSave(list, "-5", dir.path(), ui), Error);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(Saving, WholeListKeepsOrderAndRepeats) {
  for (auto s : {"2", "1", "2"}) list.Add(s);
  auto file = SaveWholeList(list, dir.path(), ui);
  EXPECT_EQ(file.filename().string().substr(15), "-3.txt");
  EXPECT_EQ(test::ReadBytes(file), "2\r\n1\r\n2\r\n");
  EXPECT_EQ(ui.messages.back(), "保存完成！\r\n" + (dir.path() / "").string() + file.filename().string());
  TSList empty;
  EXPECT_TRUE(SaveWholeList(empty, dir.path(), ui).empty());
  EXPECT_EQ(ui.LastStatus(), "保存文件完成");
}

}  // namespace
}  // namespace telqor
