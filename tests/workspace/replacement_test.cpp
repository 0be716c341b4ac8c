#include "workspace/replacement.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

struct Editors : ::testing::Test {
  NumberList list{ListRole::Workspace};
  test::RecordingUi ui;
};

TEST_F(Editors, ReplacementRewritesEveryItem) {
  Fill(list.Items(), {"1-2-3", "a-A", "^x"});
  ReplaceContent(list, "-", "", ui);
  EXPECT_EQ(Items(list.Items()), (Strings{"123", "aA", "^x"}));
  EXPECT_EQ(ui.LastStatus(), "数据替换完成！");
  ReplaceContent(list, "^", "0", ui);  // an empty match is no match
  ReplaceContent(list, "a", "b", ui);  // case-sensitive
  EXPECT_EQ(Items(list.Items()), (Strings{"123", "bA", "^x"}));
  ReplaceContent(list, "(\\d)(\\d)(\\d)", "$3$2\\1-", ui);
  EXPECT_EQ(list.Items().View(0), "321-");
  ReplaceContent(list, "A", "\xD6\xD0", ui);  // Chinese text in, as GBK
  EXPECT_EQ(list.Items().View(1), "b\xD6\xD0");
}

TEST_F(Editors, ABadPatternChangesNoItem) {
  Fill(list.Items(), {"1-2"});
  EXPECT_THROW(ReplaceContent(list, "(", "", ui), RegexError);
  EXPECT_THROW(ReplaceContent(list, "", "", ui), RegexError);
  EXPECT_EQ(Items(list.Items()), Strings{"1-2"});
  EXPECT_FALSE(list.Suspended());
  NumberList empty(ListRole::Workspace);
  ReplaceContent(empty, "(", "", ui);  // nothing to match, nothing compiled
  EXPECT_EQ(ui.LastStatus(), "数据替换完成！");
}

TEST_F(Editors, AffixesByLength) {
  Fill(list.Items(), {"1234567", "13800138000", "7654321"});
  AddAffixes(list, "7", " 0 ", "", ui);
  EXPECT_EQ(Items(list.Items()), (Strings{"01234567", "13800138000", "07654321"}));
  AddAffixes(list, " 0 ", " 86 ", "#", ui);
  EXPECT_EQ(list.Items().View(1), "8613800138000#");
  AddAffixes(list, "-1", "x", "x", ui);
  EXPECT_EQ(list.Items().View(1), "8613800138000#");
  EXPECT_EQ(ui.LastStatus(), "附加数据完成！");
  AddAffixes(list, "0", "", "", ui);
  EXPECT_EQ(list.Items().View(1), "8613800138000#");
}

TEST_F(Editors, ALengthThatIsNoNumberStopsBeforeAnyItem) {
  Fill(list.Items(), {"1"});
  try {
    AddAffixes(list, "abc", "x", "", ui);
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(Items(list.Items()), Strings{"1"});
  EXPECT_TRUE(ui.statuses.empty());
}

}  // namespace
}  // namespace telqor
