#include "generate/segment_generation.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;
using test::Items;

Strings Expand(std::string_view segment, int length) {
  ItemList out;
  ExpandSegment(segment, length, out);
  return Items(out);
}

TEST(SegmentExpansion, FillsWithZerosToNinesAndCutsToTheLength) {
  Strings numbers = Expand(" 1380000 ", 11);
  ASSERT_EQ(numbers.size(), 10000u);
  EXPECT_EQ(numbers.front(), "13800000000");
  EXPECT_EQ(numbers[1], "13800000001");
  EXPECT_EQ(numbers.back(), "13800009999");
  EXPECT_EQ(Expand("1380000", 7), Strings{"1380000"});
  EXPECT_EQ(Expand("13800001234", 11), Strings{"13800001234"});
  EXPECT_EQ(Expand("13800001234", 7), Strings{"1380000"});
  EXPECT_EQ(Expand("   ", 11), Strings{});
  EXPECT_THROW(Expand("13a", 11), ConvertError);
}

struct SegmentRuns : ::testing::Test {
  NumberList source{ListRole::Source};
  test::RecordingUi ui;
  void SetUp() override { source.Items().Add("kept"); }
};

TEST_F(SegmentRuns, TypedSegmentsAppendWithTheTypedLength) {
  GenerateFromTypedSegments({"1380000", "", "1380000"}, "9", source, ui);
  Strings items = Items(source.Items());
  ASSERT_EQ(items.size(), 201u);
  EXPECT_EQ(items[1], "138000000");
  EXPECT_EQ(items[101], "138000000");  // the same segment twice: its numbers twice
  EXPECT_EQ(ui.LastStatus(), "号段生成完成！");
  EXPECT_THROW(GenerateFromTypedSegments({"1380000"}, "x", source, ui), ConvertError);
}

TEST_F(SegmentRuns, ALetterStopsTheRunAndKeepsWhatCameBefore) {
  EXPECT_THROW(GenerateFromTypedSegments({"1380000", "13a0000", "1390000"}, "8", source, ui), ConvertError);
  EXPECT_EQ(source.Items().Count(), 11);
  EXPECT_FALSE(source.Suspended());
}

TEST_F(SegmentRuns, TooManyDigitsToFillIsRefusedBeforeAnyNumberIsMade) {
  try {
    GenerateFromTypedSegments({"1380000", "1"}, "11", source, ui);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "号段1到长度11需要补10位数字,超过了9位,没有生成号码。");
  }
  EXPECT_EQ(Items(source.Items()), Strings{"kept"});
  EXPECT_THROW(GenerateFromChosenSegments({"1"}, source, ui), Error);
}

TEST_F(SegmentRuns, ChosenSegmentsUseLengthElevenAndAnnounceTheirCount) {
  GenerateFromChosenSegments({"1300000", "1380000"}, source, ui);
  EXPECT_EQ(source.Items().Count(), 20001);
  EXPECT_EQ(ui.statuses.front(), "开始导入号段,共2个...");
  EXPECT_EQ(source.Items().View(20000), "13800009999");
}

TEST(SegmentCheck, ReportsTheLinesWhoseSegmentIsUnknown) {
  SegmentDatabase db;
  db.LoadText(Utf8ToGbk("北京|北京\n"), Utf8ToGbk("1380000|北京|北京\n1381234|北京|北京\n"));
  EXPECT_EQ(CheckSegments({"1380000", " 13812345678", "999999", ""}, db), "999999\r\n\r\n");
  EXPECT_EQ(CheckSegments({"1380000"}, db), "");
}

}  // namespace
}  // namespace telqor
