// Comparing a new file with a reference file: the two result files, their names and bytes.
#include "files/file_comparison.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

struct Comparing : ::testing::Test {
  test::TempDir dir;
  test::RecordingUi ui;
  std::filesystem::path File(const std::string& name, const std::string& bytes) {
    test::WriteBytes(dir / name, bytes);
    return dir / name;
  }
  ComparisonFiles Compare(const std::filesystem::path& newFile, const std::filesystem::path& reference,
                          CompareMode mode) {
    std::filesystem::create_directories(dir / "out");
    return CompareFiles(newFile, reference, dir / "out", mode, ui);
  }
};

TEST_F(Comparing, SplitsNewLinesInTheirOrderWithRepeats) {
  auto fresh = File("新号.txt", "13800000002\r\n13800000000\r\n13800000001\r\n13800000000\r\n\r\nAb\r\n");
  auto old = File("旧号.txt", "13800000000\r\n13800000009\r\nab\r\n");
  for (CompareMode mode : {CompareMode::kExact, CompareMode::kByHash}) {
    auto files = Compare(fresh, old, mode);
    EXPECT_EQ(files.present, dir / "out" / u8"[新号]对比[旧号]已有数据(2).txt");
    EXPECT_EQ(files.absent, dir / "out" / u8"[新号]对比[旧号]没有的数据(4).txt");
    EXPECT_EQ(test::ReadBytes(files.present), "13800000000\r\n13800000000\r\n") << static_cast<int>(mode);
    // The empty line is absent (the reference has none); letter case counts in both modes.
    EXPECT_EQ(test::ReadBytes(files.absent), "13800000002\r\n13800000001\r\n\r\nAb\r\n") << static_cast<int>(mode);
    std::filesystem::remove_all(dir / "out");
  }
  EXPECT_EQ(ui.statuses, (Strings{"开始数据处理...", "数据处理完毕！", "导出文件完成完毕！", "开始数据处理...",
                                  "数据处理完毕！", "导出文件完成完毕！"}));
}

TEST_F(Comparing, WithItselfEverythingIsPresentAndTheEmptyGroupIsWritten) {
  auto list = File("list.txt", "2\r\n\r\n1\r\n2");
  for (CompareMode mode : {CompareMode::kExact, CompareMode::kByHash}) {
    auto files = Compare(list, list, mode);
    EXPECT_EQ(test::ReadBytes(files.present), "2\r\n\r\n1\r\n2\r\n");
    EXPECT_EQ(files.absent.filename(), u8"[list]对比[list]没有的数据(0).txt");
    EXPECT_EQ(test::ReadBytes(files.absent), "");
    std::filesystem::remove_all(dir / "out");
  }
}

TEST_F(Comparing, BothModesCompareTheLinesThemselves) {
  // 13363463632 and 13377114254 share a BKDR hash, which mode B once compared instead.
  auto fresh = File("n.txt", "13377114254\r\n13363463632\r\n");
  auto old = File("r.txt", "13363463632\r\n");
  for (CompareMode mode : {CompareMode::kExact, CompareMode::kByHash}) {
    std::filesystem::remove_all(dir / "out");
    ComparisonFiles files = Compare(fresh, old, mode);
    EXPECT_EQ(files.present.filename(), u8"[n]对比[r]已有数据(1).txt");
    EXPECT_EQ(test::ReadBytes(files.absent), "13377114254\r\n");
  }
}

TEST_F(Comparing, FailuresLeaveNoResultFile) {
  auto fresh = File("n.txt", "1\r\n2\r\n3\r\n");
  auto old = File("r.txt", "2\r\n");
  EXPECT_THROW(Compare(dir / "missing.txt", old, CompareMode::kExact), FileError);
  EXPECT_THROW(Compare(fresh, dir / "missing.txt", CompareMode::kByHash), FileError);
  test::TestEnv env;
  env.failWritesAfter = 4;  // the present file (3 bytes) fits, the absent one (6) does not
  EXPECT_THROW(Compare(fresh, old, CompareMode::kExact), FileError);
  EXPECT_EQ(test::FileNames(dir / "out"), Strings{});
  EXPECT_EQ(ui.LastStatus(), "数据处理完毕！");
}

}  // namespace
}  // namespace telqor
