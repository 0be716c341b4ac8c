#include "segments/moves.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "segments/named_patterns.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;
using test::Fill;
using test::Items;

struct Moves : ::testing::Test {
  NumberLists lists;
  test::RecordingUi ui;
  CarrierRule rule{"134;138;139", "130;131", "189"};
  void SetUp() override {
    Fill(lists.source.Items(), {"13812345678", "13012345678", "18912345678", "13800000050", "x", "13900000000"});
    Fill(lists.target.Items(), {"old"});
  }
};

TEST_F(Moves, ByTypeAppendsTheSelectedNumbersAndLeavesTheOriginAlone) {
  MoveByType(lists.source, lists.target, rule, TypeSelection{true, false, false}, ui);
  MoveByType(lists.source, lists.target, rule, TypeSelection{true, false, false}, ui);
  EXPECT_EQ(Items(lists.target.Items()),
            (Strings{"old", "13812345678", "13800000050", "13900000000", "13812345678", "13800000050", "13900000000"}));
  EXPECT_EQ(lists.source.Items().Count(), 6);
  EXPECT_EQ(ui.LastStatus(), "根据号码类型移动号码完成。【原始号码】->【目标号码】");

  MoveByType(lists.target, lists.source, rule,
             TypeSelection{false, false, false, false, true, 13800000000, 13800000099}, ui);
  EXPECT_EQ(Items(lists.source.Items()).back(), "13800000050");
  EXPECT_EQ(ui.LastStatus(), "根据号码类型移动号码完成。【目标号码】->【原始号码】");
}

TEST_F(Moves, RangeBoundsAreIntegersOrEmpty) {
  EXPECT_EQ(RangeBound("  "), 0);
  EXPECT_EQ(RangeBound("13800000000"), 13800000000);
  EXPECT_THROW(RangeBound("138x"), ConvertError);
}

TEST_F(Moves, ByFeatureReplacesTheDestinationWithTheMatches) {
  MoveByFeature(lists.source, lists.target, {"^138", "8888$|^189"}, lists.scratch, ui);
  EXPECT_EQ(Items(lists.target.Items()), (Strings{"13812345678", "18912345678", "13800000050"}));
  EXPECT_EQ(ui.statuses.front(), "已经处理了0/6");
  EXPECT_EQ(ui.LastStatus(), "根据组合特征移动号码完成。【原始号码】->【目标号码】");
  EXPECT_EQ(lists.source.Items().Count(), 6);
}

TEST_F(Moves, ByFeatureChangesNothingWithoutAnExpressionOrWithABadOne) {
  EXPECT_THROW(MoveByFeature(lists.source, lists.target, {}, lists.scratch, ui), Error);
  EXPECT_THROW(MoveByFeature(lists.source, lists.target, {"^138", "(unclosed"}, lists.scratch, ui), RegexError);
  EXPECT_EQ(Items(lists.target.Items()), Strings{"old"});
  EXPECT_EQ(lists.source.Items().Count(), 6);
}

TEST(NamedPatterns, RowsFollowTheSortedLinesAndEditsWriteThemBack) {
  test::TempDir dir;
  test::WriteBytes(dir / "p.txt", "b=2\r\nA=1=x\r\n\r\na=1=X\r\nnoequals\n");
  std::vector<NamedPattern> rows = LoadNamedPatterns(dir / "p.txt");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "A");
  EXPECT_EQ(rows[0].expression, "1=x");
  EXPECT_EQ(rows[1].name, "b");
  EXPECT_EQ(rows[2].name, "noequals");
  EXPECT_TRUE(rows[2].checked);

  PutNamedPattern(rows, "b", "22");
  PutNamedPattern(rows, "a", "new");  // names compare exactly: a new row, unchecked
  EXPECT_FALSE(rows.back().checked);
  EXPECT_TRUE(DeleteNamedPattern(rows, "noequals"));
  EXPECT_FALSE(DeleteNamedPattern(rows, "zzz"));
  EXPECT_EQ(PatternExpressions(rows, true), (Strings{"1=x", "22"}));
  EXPECT_EQ(PatternExpressions(rows, false), (Strings{"1=x", "22", "new"}));
  SaveNamedPatterns(dir / "p.txt", rows);
  EXPECT_EQ(test::ReadBytes(dir / "p.txt"), "A=1=x\r\nb=22\r\na=new\r\n");
}

}  // namespace
}  // namespace telqor
