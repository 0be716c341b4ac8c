#include "workspace/kind_filter.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

const Strings kMixed{"13800138000", "0755-12345678", "hello", "1380013800"};

struct Filters : ::testing::Test {
  NumberList list{ListRole::Workspace};
  Settings settings = FirstRunSettings();
  test::RecordingUi ui;
  test::TempDir dir;
};

TEST_F(Filters, KeepMobileAndNonMobile) {
  Fill(list.Items(), kMixed);
  KeepKind(list, NumberKind::Mobile, settings, ui);
  EXPECT_EQ(Items(list.Items()), Strings{"13800138000"});
  EXPECT_EQ(ui.statuses, (Strings{"准备处理手机号码...", "保留手机号码完成！"}));

  list.Items().Clear();
  Fill(list.Items(), kMixed);
  KeepKind(list, NumberKind::NonMobile, settings, ui);
  EXPECT_EQ(Items(list.Items()), (Strings{"0755-12345678", "hello", "1380013800"}));
}

TEST_F(Filters, LandlinePatternPassesAnySevenDigitRun) {
  Fill(list.Items(), kMixed);
  KeepKind(list, NumberKind::Landline, settings, ui);
  EXPECT_EQ(Items(list.Items()), (Strings{"13800138000", "0755-12345678", "1380013800"}));
  list.Items().Clear();
  Fill(list.Items(), {"a@b.com x", "ab"});
  KeepKind(list, NumberKind::Custom1, settings, ui);
  EXPECT_EQ(Items(list.Items()), Strings{"a@b.com x"});
}

TEST_F(Filters, ABadPatternLeavesTheListAndSaysWhy) {
  Fill(list.Items(), kMixed);
  try {
    KeepKind(list, NumberKind::Custom2, settings, ui);  // empty on first run
    FAIL();
  } catch (const RegexError& e) {
    EXPECT_STREQ(e.what(), "GbkRegex.Compile() - Please specify a regular expression in RegEx first");
  }
  EXPECT_EQ(Items(list.Items()), kMixed);
  EXPECT_FALSE(list.Suspended());
  // An empty list never compiles the pattern.
  NumberList empty(ListRole::Source);
  KeepKind(empty, NumberKind::Custom2, settings, ui);
  EXPECT_EQ(ui.LastStatus(), "保留自定义Ⅱ号码完成！");
}

TEST_F(Filters, ManyItemsFilterInParts) {
  Strings items, want;
  for (int i = 0; i < 600000; ++i) {
    items.push_back(i % 3 ? std::to_string(13800000000LL + i) : std::string("x").append(std::to_string(i)));
    if (i % 3) want.push_back(items.back());
  }
  Fill(list.Items(), items);
  KeepKind(list, NumberKind::Mobile, settings, ui);
  EXPECT_TRUE(Items(list.Items()) == want);
}

TEST_F(Filters, FilterOutRemovesEveryOccurrence) {
  for (CompareMode mode : {CompareMode::kExact, CompareMode::kByHash}) {
    NumberList source(ListRole::Source);
    ItemList filterList;
    // 13377114254 shares its BKDR hash with the filtered 13363463632: it stays.
    Fill(source.Items(), {"1", "2", "1", "3", "3", "1 ", "13377114254", "13363463632"});
    test::WriteBytes(dir / "used.txt", "1\r\n1\r\n13363463632\r\n");
    test::WriteBytes(dir / "empty.txt", "");
    ui.statuses.clear();
    FilterOut(source, filterList, {dir / "used.txt", dir / "empty.txt"}, "加载文件:", mode, ui);
    EXPECT_EQ(Items(source.Items()), (Strings{"2", "3", "3", "1 ", "13377114254"})) << static_cast<int>(mode);
    EXPECT_EQ(ui.statuses, (Strings{"准备加载文件...", "加载文件:" + (dir / "used.txt").string(),
                                    "加载文件:" + (dir / "empty.txt").string(), "导入处理数据完成", "开始滤除号码",
                                    "滤除号码完成！"}));
  }
}

TEST_F(Filters, FilterOutWithAMissingFileTouchesNothing) {
  NumberList target(ListRole::Target);
  ItemList filterList;
  Fill(target.Items(), {"1", "2"});
  test::WriteBytes(dir / "used.txt", "1");
  EXPECT_THROW(
      FilterOut(target, filterList, {dir / "used.txt", dir / "gone.txt"}, "请等待,加载文件：", CompareMode::kExact, ui),
      FileError);
  EXPECT_EQ(Items(target.Items()), (Strings{"1", "2"}));
  // A stop while the files load leaves the list as it was, and says so.
  ui.cancelled = true;
  FilterOut(target, filterList, {dir / "used.txt"}, "加载文件:", CompareMode::kExact, ui);
  EXPECT_EQ(Items(target.Items()), (Strings{"1", "2"}));
  EXPECT_EQ(filterList.Count(), 0);
  EXPECT_EQ(ui.LastStatus(), "滤除号码已停止，列表没有改变");
}

}  // namespace
}  // namespace telqor
