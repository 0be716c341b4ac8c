#include "workspace/list_operations.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

struct Lists : ::testing::Test {
  NumberList workspace{ListRole::Workspace}, source{ListRole::Source}, target{ListRole::Target};
  ItemList scratch;
  test::RecordingUi ui;
  int refreshed = 0;
  void SetUp() override {
    for (NumberList* l : {&workspace, &source, &target})
      l->SetOnRefresh([this, l] {
        EXPECT_FALSE(l->Suspended());  // a view never reads a list that is being changed
        ++refreshed;
      });
  }
};

TEST_F(Lists, SortShuffleDedupeWithEachListsMessages) {
  Fill(workspace.Items(), {"3", "1", "3", ""});
  DedupeNumbers(workspace, CompareMode::kExact, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"1", "3"}));
  EXPECT_EQ(ui.statuses, (Strings{"去重复开始...", "去重复完成！"}));

  Fill(source.Items(), {"3", "1", "3", ""});
  ui.statuses.clear();
  DedupeNumbers(source, CompareMode::kByHash, ui);
  EXPECT_EQ(Items(source.Items()), (Strings{"3", "1", ""}));
  EXPECT_EQ(ui.statuses, (Strings{"准备去除重号...", "去除重号完成！"}));

  ui.statuses.clear();
  SortNumbers(source, ui);
  EXPECT_EQ(Items(source.Items()), (Strings{"", "1", "3"}));
  ShuffleNumbers(target, ui);
  SortNumbers(workspace, ui);
  EXPECT_EQ(ui.statuses,
            (Strings{"准备排序...", "排序完成！", "准备乱序...", "乱序完成！", "排序开始...", "排序完成！"}));
  EXPECT_EQ(refreshed, 5);
  EXPECT_EQ(workspace.Caption(), "号码整理框:2");
  EXPECT_EQ(source.Caption(), "【原始号码】:3");
  EXPECT_EQ(target.Caption(), "【目标号码】:0");
}

TEST_F(Lists, PasteAppendsLinesAndIgnoresAnEmptyText) {
  Fill(workspace.Items(), {"x"});
  PasteNumbers(workspace, scratch, "", ui);
  EXPECT_TRUE(ui.statuses.empty());
  EXPECT_EQ(refreshed, 0);
  PasteNumbers(workspace, scratch, "a\n\nb", ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"x", "a", "", "b"}));
  EXPECT_EQ(ui.LastStatus(), "从剪贴板拷贝数据号码完成！");
}

TEST_F(Lists, CopyAndDeleteSelectedRows) {
  Fill(workspace.Items(), {"a", "b", "c", "d", "e", "f"});
  EXPECT_EQ(CopySelected(workspace, scratch, {5, 2}, ui), "f\r\nc\r\n");
  EXPECT_EQ(ui.LastStatus(), "复制号码整理框数据到剪贴板完成！");
  EXPECT_EQ(CopyAll(workspace, ui), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
  DeleteSelected(workspace, {0, 2, 2, 5}, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"b", "d", "e"}));
  EXPECT_EQ(ui.LastStatus(), "删除完成！");

  ui.statuses.clear();
  EXPECT_EQ(CopyAll(target, ui), "");
  EXPECT_EQ(CopySelected(target, scratch, {}, ui), "");
  EXPECT_TRUE(ui.statuses.empty());
}

TEST_F(Lists, CopyAcrossReplacesTheOtherSide) {
  Fill(source.Items(), {"1", "2"});
  Fill(target.Items(), {"9"});
  CopyAcross(source, target, ui);
  CopyAcross(source, target, ui);
  EXPECT_EQ(Items(target.Items()), (Strings{"1", "2"}));
  EXPECT_EQ(Items(source.Items()), (Strings{"1", "2"}));
  EXPECT_EQ(ui.LastStatus(), "全部号码移动完成。【原始号码】->【目标号码】");
  CopyAcross(target, source, ui);
  EXPECT_EQ(ui.LastStatus(), "全部号码移动完成。【目标号码】->【原始号码】");
  ClearNumbers(source, ui);
  EXPECT_EQ(source.Items().Count(), 0);
  EXPECT_EQ(ui.LastStatus(), "清空完成！");
}

TEST_F(Lists, LoadFilesIntoAppendsAndShowsWhatTheListHoldsAfterAFailure) {
  test::TempDir dir;
  test::WriteBytes(dir / "a.txt", "1\r\n2\r\n3");
  test::WriteBytes(dir / "b.txt", "4\n\n5\n6\n");
  LoadFilesInto(workspace, {dir / "a.txt", dir / "b.txt"}, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"1", "2", "3", "4", "", "5", "6"}));
  EXPECT_EQ(workspace.Caption(), "号码整理框:7");
  EXPECT_EQ(ui.statuses.front(), "准备加载文件...");
  EXPECT_EQ(ui.LastStatus(), "导入文件号码完成！");
  EXPECT_EQ(refreshed, 1);
  // A missing file stops the loop; the files before it stay, and the view is told so.
  EXPECT_THROW(LoadFilesInto(workspace, {dir / "a.txt", dir / "none.txt", dir / "b.txt"}, ui), FileError);
  EXPECT_EQ(workspace.Items().Count(), 10);
  EXPECT_FALSE(workspace.Suspended());
  EXPECT_EQ(refreshed, 2);
  EXPECT_EQ(ui.LastStatus(), "加载文件:" + (dir / "none.txt").string());
}

// UTF-8 lists load as GBK; a character GBK lacks becomes "?" and the user is told, file by file.
TEST_F(Lists, UnicodeFilesLoadAsTheirTextAndLossesAreTold) {
  test::TempDir dir;
  test::WriteBytes(dir / "utf8.txt", "\xEF\xBB\xBF" "13800138000\r\n\xE5\xBC\xA0\xE4\xB8\x89\r\n");
  test::WriteBytes(dir / "emoji.txt", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80 13900000000\r\n");
  LoadFilesInto(workspace, {dir / "utf8.txt", dir / "emoji.txt"}, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"13800138000", "\xD5\xC5\xC8\xFD", "?? 13900000000"}));
  EXPECT_EQ(ui.messages, Strings{(dir / "emoji.txt").string() + "：2个字符无法转换为GBK\n这些字符已写成\"?\"。"});
  ui.messages.clear();
  LoadFilesInto(workspace, {dir / "utf8.txt"}, ui);
  EXPECT_TRUE(ui.messages.empty());
}

// A stop asked for while files load takes back every line of the load, and says so; the
// progress counts bytes, so one large file moves the bar.
TEST_F(Lists, AStoppedLoadLeavesTheListAsItWas) {
  test::TempDir dir;
  test::WriteBytes(dir / "a.txt", "1\r\n2\r\n");
  test::WriteBytes(dir / "b.txt", "3\r\n");
  Fill(workspace.Items(), {"9"});
  LoadFilesInto(workspace, {dir / "a.txt", dir / "b.txt"}, ui);
  EXPECT_EQ(ui.progress, (std::vector<std::pair<int64_t, int64_t>>{{6, 9}, {9, 9}}));
  ui.cancelled = true;
  LoadFilesInto(workspace, {dir / "a.txt", dir / "b.txt"}, ui);
  EXPECT_EQ(Items(workspace.Items()), (Strings{"9", "1", "2", "3"}));
  EXPECT_EQ(ui.LastStatus(), "导入已停止，列表保持导入前的数据");
  EXPECT_FALSE(workspace.Suspended());
}

}  // namespace
}  // namespace telqor
