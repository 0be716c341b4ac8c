// Merge, de-duplicate, shuffle and split of whole files: the bytes and names written.
#include "files/file_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

struct FileOperations : ::testing::Test {
  test::TempDir dir;
  test::RecordingUi ui;
  std::filesystem::path File(const std::string& name, const std::string& bytes) {
    test::WriteBytes(dir / name, bytes);
    return dir / name;
  }
  std::string Lines(int from, int to) {
    std::string text;
    for (int i = from; i < to; ++i) text += std::to_string(i) + "\r\n";
    return text;
  }
};

TEST_F(FileOperations, NamesReplaceTheExtension) {
  EXPECT_EQ(OutputPath(u8"/in/号码.txt", "/out", kMergedEnding), std::filesystem::path(u8"/out/号码.合并.txt"));
  EXPECT_EQ(OutputPath("/in/a.b.txt", "/in", kDedupedEnding), std::filesystem::path(u8"/in/a.b.去重复.txt"));
  EXPECT_EQ(OutputPath("/in/list", "/in", kShuffledEnding), std::filesystem::path(u8"/in/list.乱序.txt"));
  EXPECT_EQ(OutputFolderFor("/in/a.txt", true, "/dated"), std::filesystem::path("/dated"));
  EXPECT_EQ(OutputFolderFor("/in/a.txt", false, "/dated"), std::filesystem::path("/in"));
}

TEST_F(FileOperations, MergeJoinsBytesAsTheyAre) {
  auto a = File("a.txt", "1\r\n2\r\n");
  auto b = File("b.txt", "3\n4");  // no final break: runs into the next file
  auto c = File("c.txt", std::string("5\0x\r", 4));
  MergeFiles({a, b, c, a}, dir / u8"a.合并.txt");
  constexpr char kMerged[] = "1\r\n2\r\n3\n45\0x\r1\r\n2\r\n";
  EXPECT_EQ(test::ReadBytes(dir / u8"a.合并.txt"), std::string(kMerged, sizeof kMerged - 1));
  MergeFiles({File("e.txt", "")}, dir / u8"e.合并.txt");
  EXPECT_EQ(test::ReadBytes(dir / u8"e.合并.txt"), "");
}

TEST_F(FileOperations, MergeIntoOneOfItsSourcesKeepsThatSource) {
  auto a = File("a.txt", "1\r\n");
  auto b = File("b.txt", "2\r\n");
  MergeFiles({a, b}, b);
  EXPECT_EQ(test::ReadBytes(b), "1\r\n2\r\n");
  MergeFiles({b, a, b}, b);
  EXPECT_EQ(test::ReadBytes(b), "1\r\n2\r\n1\r\n1\r\n2\r\n");
}

TEST_F(FileOperations, MergeWithAMissingSourceLeavesTheTargetAlone) {
  auto a = File("a.txt", "1\r\n");
  auto target = File("t.txt", "old\r\n");
  EXPECT_THROW(MergeFiles({a, dir / "missing.txt"}, target), FileError);
  EXPECT_EQ(test::ReadBytes(target), "old\r\n");
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"a.txt", "t.txt"}));
}

TEST_F(FileOperations, DedupeByMode) {
  auto in = File("in.txt", "c\r\na\r\nc\r\n\r\nb");
  DedupeFile(in, dir / "a.txt", CompareMode::kExact);
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "a\r\nb\r\nc\r\n");
  DedupeFile(in, dir / "b.txt", CompareMode::kByHash);
  EXPECT_EQ(test::ReadBytes(dir / "b.txt"), "c\r\na\r\n\r\nb\r\n");
  // Two numbers of one BKDR hash, which mode B once took for one: both stay.
  DedupeFile(File("h.txt", "13363463632\r\n13377114254\r\n"), dir / "h-b.txt", CompareMode::kByHash);
  EXPECT_EQ(test::ReadBytes(dir / "h-b.txt"), "13363463632\r\n13377114254\r\n");
  // A file's own work keeps its bytes: a UTF-8 file stays UTF-8, an emoji and all.
  const std::string utf8 = "\xF0\x9F\x98\x80 1\r\n\xE5\xBC\xA0\r\n";
  DedupeFile(File("u.txt", utf8 + utf8), dir / "u-b.txt", CompareMode::kByHash);
  EXPECT_EQ(test::ReadBytes(dir / "u-b.txt"), utf8);
}

TEST_F(FileOperations, ShuffleKeepsEveryLine) {
  ShuffleFile(File("one.txt", "13800000000"), dir / "one-out.txt");
  EXPECT_EQ(test::ReadBytes(dir / "one-out.txt"), "13800000000\r\n");
  ShuffleFile(File("empty.txt", ""), dir / "empty-out.txt");
  EXPECT_EQ(test::ReadBytes(dir / "empty-out.txt"), "");

  std::string text = Lines(0, 300);
  ShuffleFile(File("many.txt", text), dir / "many-out.txt");
  ItemList in, out;
  in.LoadFromFile(dir / "many.txt");
  out.LoadFromFile(dir / "many-out.txt");
  EXPECT_NE(test::Items(in), test::Items(out));
  in.Sort();
  out.Sort();
  EXPECT_EQ(test::Items(in), test::Items(out));
}

TEST_F(FileOperations, SplitCountsAreWholeNumbersAboveZero) {
  EXPECT_EQ(SplitCount(" 1000"), 1000);
  EXPECT_THROW(SplitCount("10x"), ConvertError);
  EXPECT_THROW(SplitCount("99999999999"), ConvertError);
  EXPECT_THROW(SplitCount("0"), Error);
  EXPECT_THROW(SplitFile(File("in.txt", "1\r\n"), dir.path(), 0, ui), Error);
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"in.txt"});
}

TEST_F(FileOperations, SplitNamesEachPartByItsLines) {
  auto in = File("号码.txt", Lines(0, 2500));
  std::filesystem::create_directory(dir / "out");
  auto parts = SplitFile(in, dir / "out", 1000, ui);
  EXPECT_EQ(test::FileNames(dir / "out"),
            (Strings{"号码-分割1000-0001.txt", "号码-分割1000-0002.txt", "号码-分割500-0003.txt"}));
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0], dir / "out" / u8"号码-分割1000-0001.txt");
  EXPECT_EQ(test::ReadBytes(parts[1]), Lines(1000, 2000));
  EXPECT_EQ(test::ReadBytes(parts[2]), Lines(2000, 2500));
  EXPECT_EQ(ui.statuses, (Strings{"保存文件:" + parts[0].string(), "保存文件:" + parts[1].string(),
                                  "保存文件:" + parts[2].string()}));
}

TEST_F(FileOperations, SplitBoundaries) {
  // Exactly two parts' worth: no empty third.
  EXPECT_EQ(SplitFile(File("even.txt", Lines(0, 2000)), dir.path(), 1000, ui).size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(dir / u8"even-分割0-0003.txt"));
  // Fewer lines than the count: one part; line breaks of any kind come out as CR LF, empty lines kept.
  auto parts = SplitFile(File("mixed", "1\n\r2\r3"), dir.path(), 10, ui);
  EXPECT_EQ(parts, std::vector<std::filesystem::path>{dir / u8"mixed-分割4-0001.txt"});
  EXPECT_EQ(test::ReadBytes(parts[0]), "1\r\n\r\n2\r\n3\r\n");
  EXPECT_EQ(SplitFile(File("ones.txt", Lines(0, 3)), dir.path(), 1, ui).back(), dir / u8"ones-分割1-0003.txt");
  EXPECT_TRUE(SplitFile(File("empty.txt", ""), dir.path(), 5, ui).empty());
  EXPECT_FALSE(std::filesystem::exists(dir / u8"empty-分割0-0001.txt"));
}

TEST_F(FileOperations, AFailedWriteLeavesNoHalfFile) {
  auto in = File("in.txt", Lines(0, 30));
  std::filesystem::create_directory(dir / "out");
  test::TestEnv env;
  env.failWritesAfter = 35;  // the first part holds 30 bytes (0..9), the second 40
  std::vector<std::filesystem::path> written;
  EXPECT_THROW(SplitFile(in, dir / "out", 10, ui, written), FileError);
  EXPECT_EQ(written, std::vector<std::filesystem::path>{dir / "out" / u8"in-分割10-0001.txt"});
  EXPECT_EQ(test::FileNames(dir / "out"), Strings{"in-分割10-0001.txt"});

  EXPECT_THROW(DedupeFile(in, dir / "out" / "d.txt", CompareMode::kExact), FileError);
  EXPECT_THROW(ShuffleFile(in, dir / "out" / "s.txt"), FileError);
  EXPECT_THROW(MergeFiles({in}, dir / "out" / "m.txt"), FileError);
  EXPECT_EQ(test::FileNames(dir / "out"), Strings{"in-分割10-0001.txt"});
}

}  // namespace
}  // namespace telqor
