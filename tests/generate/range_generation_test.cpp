#include "generate/range_generation.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Items;
using Strings = std::vector<std::string>;

struct Generation : ::testing::Test {
  ItemList result;
  test::RecordingUi ui;
  Strings Run(GenerationInput in) {
    GenerateNumbers(in, result, ui);
    return Items(result);
  }
  GenerationInput Range(std::string start, std::string end, std::string step = "1") {
    GenerationInput in;
    in.start = std::move(start);
    in.end = std::move(end);
    in.step = std::move(step);
    return in;
  }
  GenerationInput Expansion(std::string base, ExpansionSpacing spacing, ExpansionDirection direction,
                            std::string count) {
    GenerationInput in;
    in.base = std::move(base);
    in.spacing = spacing;
    in.direction = direction;
    in.count = std::move(count);
    return in;
  }
};

TEST_F(Generation, RangeStepOneLeavesOutTheStart) {
  Strings got = Run(Range("13800000000", "13800000010"));
  ASSERT_EQ(got.size(), 10u);
  EXPECT_EQ(got.front(), "13800000001");
  EXPECT_EQ(got.back(), "13800000010");
  EXPECT_EQ(ui.statuses, (Strings{"开始处理区间号码...", "开始处理扩展号码..."}));
}

TEST_F(Generation, RangeStepTakesOneNumberPerBlock) {
  Strings got = Run(Range("13800000000", "13800000010", "3"));
  ASSERT_EQ(got.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    long long v = std::stoll(got[static_cast<size_t>(k)]);
    EXPECT_GE(v, 13800000000LL + 3 * k);
    EXPECT_LE(v, 13800000002LL + 3 * k);
  }
}

TEST_F(Generation, RangeFillsAndCuts) {
  // 1380000000012345 is cut to 13800000000, 13800000002 stays.
  EXPECT_EQ(Run(Range(" 1380000000012345 ", "13800000002")), (Strings{"13800000001", "13800000002"}));
  EXPECT_TRUE(Run(Range("13800000005", "13800000005")).empty());
  EXPECT_TRUE(Run(Range("13800000005", "13800000001")).empty());
  EXPECT_TRUE(Run(Range("", "13800000001")).empty());
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(Generation, MoreThanTenMillionAsksFirst) {
  ui.answers = {false};
  EXPECT_TRUE(Run(Range("138", "139")).empty());
  EXPECT_EQ(ui.questions, Strings{"导入的数据量超过了一千万，确认导入吗?"});
  // The expansion still runs after a No.
  GenerationInput both = Range("138", "139");
  both.base = "5";
  both.count = "2";
  ui.answers = {false};
  EXPECT_EQ(Run(both), (Strings{"5", "6"}));

  // So does an expansion that large, before anything is made; one beyond a list is refused.
  GenerationInput huge;
  huge.base = "13800000000";
  huge.count = "100000000";
  ui.questions.clear();
  ui.answers = {false};
  EXPECT_TRUE(Run(huge).empty());
  EXPECT_EQ(ui.questions, Strings{"导入的数据量超过了一千万，确认导入吗?"});
  huge.count = "3000000000";
  ui.answers = {true};
  EXPECT_THROW(Run(huge), Error);
}

TEST_F(Generation, FieldErrorsStopTheRun) {
  auto error = [&](GenerationInput in) {
    try {
      Run(in);
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string("(none)");
  };
  GenerationInput in;
  in.length = "x";
  EXPECT_EQ(error(in), "'x' is not a valid integer value");  // even with the range empty
  in = Range("13a", "139");
  EXPECT_EQ(error(in), "'13a00000000' is not a valid integer value");
  in = Range("138", "139", "0");
  EXPECT_EQ(error(in), "Division by zero");
  in = Expansion("", ExpansionSpacing::kAll, ExpansionDirection::kForward, "lots");
  EXPECT_EQ(error(in), "'lots' is not a valid integer value");
  in = Expansion("12x", ExpansionSpacing::kAll, ExpansionDirection::kForward, "5");
  EXPECT_EQ(error(in), "'12x' is not a valid integer value");
  in = Range("1", "3000000000", "1");
  in.length = "1";
  in.end = "9";
  EXPECT_EQ(Run(in).size(), 8u);
}

TEST_F(Generation, ExpansionByDirection) {
  Strings forward = Run(Expansion("13800000000", ExpansionSpacing::kAll, ExpansionDirection::kForward, "1000"));
  EXPECT_EQ(forward.size(), 1000u);
  EXPECT_EQ(forward.front(), "13800000000");
  EXPECT_EQ(forward.back(), "13800000999");
  Strings both = Run(Expansion("13800000000", ExpansionSpacing::kAll, ExpansionDirection::kBoth, "1000"));
  EXPECT_EQ(both.front(), "13799999500");
  EXPECT_EQ(both.back(), "13800000499");
  Strings backward = Run(Expansion("13800000000", ExpansionSpacing::kAll, ExpansionDirection::kBackward, "1000"));
  EXPECT_EQ(backward.front(), "13799999000");
  EXPECT_EQ(backward.back(), "13799999999");
  // Clamped at 0; text order puts 10 before 9.
  Strings clamped = Run(Expansion("100", ExpansionSpacing::kAll, ExpansionDirection::kBackward, "1000"));
  EXPECT_EQ(clamped.size(), 1000u);
  EXPECT_EQ(clamped[0], "0");
  EXPECT_EQ(clamped[1], "1");
  EXPECT_EQ(clamped[2], "10");
}

TEST_F(Generation, ExpansionModesKeepOnePerGroup) {
  Strings got = Run(Expansion("13800000000", ExpansionSpacing::kOneInTwo, ExpansionDirection::kForward, "3"));
  ASSERT_EQ(got.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    long long v = std::stoll(got[static_cast<size_t>(i)]);
    EXPECT_TRUE(v == 13800000000LL + 2 * i || v == 13800000001LL + 2 * i) << v;
  }
}

TEST_F(Generation, RangeAndExpansionUniteOnce) {
  GenerationInput in = Range("13800000000", "13800000005");
  in.base = "13800000004";
  in.count = "3";
  EXPECT_EQ(Run(in),
            (Strings{"13800000001", "13800000002", "13800000003", "13800000004", "13800000005", "13800000006"}));
}

TEST_F(Generation, SaveWritesANamedFileAndOpensTheFolder) {
  test::TempDir dir;
  test::TestEnv env;
  env.FixClock(2026, 12, 7, 9, 5, 3);
  Run(Expansion("5", ExpansionSpacing::kAll, ExpansionDirection::kForward, "3"));
  std::filesystem::path file = SaveGeneratedNumbers(result, dir.path(), ui);
  EXPECT_EQ(file, dir / u8"扩展号码20261207-090503-3.txt");
  EXPECT_EQ(test::ReadBytes(file), "5\r\n6\r\n7\r\n");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "保存完成！\r\n" + (dir.path() / u8"扩展号码20261207-090503-3.txt").string());
  EXPECT_EQ(ui.openedFolders.size(), 1u);
  // A second save within the same second keeps the first file.
  EXPECT_EQ(SaveGeneratedNumbers(result, dir.path(), ui), dir / u8"扩展号码20261207-090503-3-2.txt");
  EXPECT_EQ(GenerateToFile(Expansion("5", ExpansionSpacing::kAll, ExpansionDirection::kForward, "3"), dir.path(), ui),
            dir / u8"扩展号码20261207-090503-3-3.txt");
  EXPECT_EQ(ui.messages.back(), "保存完成！\r\n" + (dir.path() / u8"扩展号码20261207-090503-3-3.txt").string());
  ui.messages.resize(1);

  ItemList empty;
  ui.statuses.clear();
  EXPECT_TRUE(SaveGeneratedNumbers(empty, dir.path(), ui).empty());
  EXPECT_EQ(ui.statuses, (Strings{"开始保存文件", "保存文件完成"}));
  EXPECT_EQ(ui.messages.size(), 1u);
}

// Straight to a file or through the list: the same bytes.
TEST_F(Generation, GenerateToFileWritesWhatTheListWould) {
  test::TempDir dir;
  auto same = [&](GenerationInput in) {
    std::filesystem::path file = GenerateToFile(in, dir.path(), ui);
    GenerateNumbers(in, result, ui);
    if (result.Count() == 0) {
      EXPECT_TRUE(file.empty());
      return;
    }
    EXPECT_EQ(test::ReadBytes(file), result.GetText());
    EXPECT_TRUE(file.filename().string().ends_with("-" + std::to_string(result.Count()) + ".txt")) << file;
    std::filesystem::remove(file);
  };
  same(Range("13800000000", "13800100000"));
  same(Range("90", "110", "1"));  // crosses a length: through the sorted list
  GenerationInput in = Range("1", "2");
  in.length = "3";
  same(in);
  same(Expansion("13800000000", ExpansionSpacing::kAll, ExpansionDirection::kBoth, "5000"));
  same(Expansion("5", ExpansionSpacing::kAll, ExpansionDirection::kForward, "20"));
  GenerationInput both = Range("13800000000", "13800000100");
  both.base = "13800000050";
  same(both);
  same(GenerationInput{});
}

}  // namespace
}  // namespace telqor
