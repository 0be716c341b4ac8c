#include "workspace/normalize.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"
#include "workspace/list_operations.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

// Items are GBK; the tests write them in UTF-8.
std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }

TEST(Normalize, EverySpellingOfAMobileBecomesItsElevenDigits) {
  for (std::string line :
       {"+86 138 0013 8000", "8613800138000", "0086 138-0013-8000", "(+86)13800138000", "138-0013-8000",
        "138.0013.8000", "\t13800138000 ", "+86-138 0013\t8000", "008613800138000"}) {
    ItemList items;
    Fill(items, {line});
    EXPECT_EQ(NormalizeLines(items), 1) << line;
    EXPECT_EQ(items.View(0), "13800138000") << line;
  }
  // Full-width digits and the full-width separators, the ideographic space among them.
  for (std::string_view wide : {"１３８００１３８０００", "＋８６　１３８－００１３－８０００",
                                "（＋８６）１３８．００１３．８０００", "+86 １３８-0013-８０００"}) {
    ItemList items;
    Fill(items, {Gbk(wide)});
    EXPECT_EQ(NormalizeLines(items), 1) << wide;
    EXPECT_EQ(items.View(0), "13800138000") << wide;
  }
}

TEST(Normalize, AnyOtherLineStaysByteForByte) {
  Strings kept = {"010-12345678",
                  "hello",
                  "",
                  "   ",
                  "13800138000",     // already its digits: no change counted
                  "1380013800",      // ten digits
                  "138001380001",    // twelve
                  "23800138000",     // eleven, not starting with 1
                  "86 23800138000",  // the country code before a non-mobile
                  "08613800138000",  // neither 86 nor 0086
                  "+1 138 0013 8000",
                  "138a0013800",
                  "138/0013/8000",
                  "tel:13800138000",
                  Gbk("１２３"),                    // full-width digits of no mobile stay full-width
                  Gbk("０１０－１２３４５６７８"),  // a full-width landline likewise
                  Gbk("手机13800138000"),
                  std::string(1, '\x81').append("13800138000"),  // the lead byte takes the "1" as its second byte
                  "13800138000\xA3",  // a lead byte alone at the end is no character of the number
                  "\xA3\xB1\xA3"};    // "１" and a lone lead byte
  ItemList items;
  Fill(items, kept);
  EXPECT_EQ(NormalizeLines(items), 0);
  EXPECT_EQ(Items(items), kept);
}

// Large lists are split across the cores; every part must do its lines, and only its own.
TEST(Normalize, ALargeListIsDoneWholeAndCounted) {
  ItemList items;
  const int n = 700001;
  for (int i = 0; i < n; ++i) {
    std::string digits = std::to_string(13000000000LL + i);
    items.Add(i % 3 == 0 ? "+86 " + digits : i % 3 == 1 ? digits : digits + "x");
  }
  EXPECT_EQ(NormalizeLines(items), (n + 2) / 3);
  for (int i = 0; i < n; ++i) {
    std::string digits = std::to_string(13000000000LL + i);
    ASSERT_EQ(items.View(i), i % 3 == 2 ? digits + "x" : digits) << i;
  }
}

TEST(Normalize, ASortedListRefusesBeforeChangingAnything) {
  ItemList items;
  items.SetSorted(true);
  items.Add("+86 13800138000");
  items.Add("13900139000");
  EXPECT_THROW(NormalizeLines(items), ItemListError);
  EXPECT_EQ(Items(items), (Strings{"+86 13800138000", "13900139000"}));
  ItemList untouched;
  untouched.SetSorted(true);
  untouched.Add("13900139000");
  EXPECT_EQ(NormalizeLines(untouched), 0);  // nothing to change, nothing refused
}

TEST(Normalize, TheListOperationReportsHowManyChanged) {
  test::RecordingUi ui;
  NumberList workspace{ListRole::Workspace}, target{ListRole::Target};
  int refreshed = 0;
  workspace.SetOnRefresh([&] {
    EXPECT_FALSE(workspace.Suspended());
    ++refreshed;
  });
  Fill(workspace.Items(), {"+86 138 0013 8000", "13800138000", "hello", "139-0013-9000"});
  NormalizeNumbers(workspace, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"13800138000", "13800138000", "hello", "13900139000"}));
  EXPECT_EQ(ui.statuses, (Strings{"号码规范化开始...", "号码规范化完成！2个号码已规范"}));
  EXPECT_EQ(refreshed, 1);

  ui.statuses.clear();
  NormalizeNumbers(target, ui);
  EXPECT_EQ(ui.statuses, (Strings{"准备号码规范化...", "号码规范化完成！0个号码已规范"}));
}

}  // namespace
}  // namespace telqor
