// telqor-cli import-segments end to end: the base data of a program folder refreshed from a list.
#include <algorithm>

#include "core/text/gbk.h"
#include "core/text/path_text.h"
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

using test::Result;

class SegmentImportCli : public test::CliFixture {
 protected:
  fs::path BaseFile(const char8_t* name) const { return home() / u8"基础数据" / name; }
  // The files of the base data whose names start with prefix and end with suffix, sorted.
  std::vector<std::string> Named(const std::string& prefix, const std::string& suffix) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(home() / u8"基础数据")) {
      const std::string name = PathToUtf8(entry.path().filename());
      if (name.starts_with(prefix) && name.ends_with(suffix) && name.size() > prefix.size() + suffix.size())
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SegmentImportCli, WritesNewDataAndReplacesOnlyWithForce) {
  const std::string list = File("list.csv",
                                "号段,省份,城市,邮编,区号,运营商\n"
                                "1300000,山东省,济南市,250000,0531,联通\n"
                                "1300001,内蒙古自治区,锡林郭勒盟,026000,0479,联通\n"
                                "130002,山东省,济南市\n");
  Result r = Run({"import-segments", list});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, test::Printed(BaseFile(u8"地区.txt")) + "\n" + test::Printed(BaseFile(u8"手机号段.txt")) + "\n" +
                       test::Printed(BaseFile(u8"固话区号对照表.txt")) + "\n");
  const std::vector<std::string> changeLists = Named("号段变更.", ".txt");
  ASSERT_EQ(changeLists.size(), 1u);
  EXPECT_EQ(r.err, "第4行：号段不是7位数字\n号段库已更新：2个号段，新增2个，删除0个，变更城市0个\n变更明细：" +
                       test::Printed(home() / u8"基础数据" / PathFromUtf8(changeLists[0])) + "\n");
  EXPECT_EQ(test::ReadBytes(BaseFile(u8"手机号段.txt")), Utf8ToGbk("1300000|山东|济南\r\n1300001|内蒙古|锡林郭勒\r\n"));

  // Without --force the files in place are named and kept.
  const std::string newer = File("newer.txt", "1300000\t山东\t青岛\n1300002\t山东\t济南\n");
  r = Run({"import-segments", newer});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("基础数据已有 地区.txt、手机号段.txt，未写入文件 (--force"), std::string::npos) << r.err;
  EXPECT_TRUE(Named("手机号段.txt.", ".bak").empty());

  r = Run({"import-segments", newer, "--force"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.starts_with("号段库已更新：2个号段，新增1个，删除1个，变更城市1个\n变更明细：")) << r.err;
  const std::vector<std::string> backups = Named("手机号段.txt.", ".bak");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_NE(r.err.find("\n原文件另存为：地区.txt."), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(backups[0]), std::string::npos) << r.err;
  EXPECT_EQ(test::ReadBytes(home() / u8"基础数据" / PathFromUtf8(backups[0])),
            Utf8ToGbk("1300000|山东|济南\r\n1300001|内蒙古|锡林郭勒\r\n"));
  // No area codes in the list: the table in place stays, without a backup.
  EXPECT_TRUE(fs::exists(BaseFile(u8"固话区号对照表.txt")));
  EXPECT_TRUE(Named("固话区号对照表.txt.", ".bak").empty());
  EXPECT_EQ(Run({"lookup", "13000001234"}).out, "13000001234:山东.青岛\n");
}

// Imports one after the other, as fast as they run (often within one second): each keeps the
// state before it under names of its own, and a list already loaded writes nothing.
TEST_F(SegmentImportCli, ImportsInARowKeepEveryEarlierState) {
  const std::string a = File("a.txt", "1300000,山东,济南\n"), b = File("b.txt", "1300000,山东,青岛\n"),
                    c = File("c.txt", "1300000,山东,烟台\n");
  ASSERT_EQ(Run({"import-segments", a}).status, 0);
  ASSERT_EQ(Run({"import-segments", b, "--force"}).status, 0);
  ASSERT_EQ(Run({"import-segments", c, "--force"}).status, 0);
  std::vector<std::string> kept;
  for (const std::string& name : Named("手机号段.txt.", ".bak"))
    kept.push_back(GbkToUtf8(test::ReadBytes(home() / u8"基础数据" / PathFromUtf8(name))));
  std::sort(kept.begin(), kept.end());  // the names' order depends on whether a second went by
  EXPECT_EQ(kept, (std::vector<std::string>{"1300000|山东|济南\r\n", "1300000|山东|青岛\r\n"}));
  EXPECT_EQ(Named("地区.txt.", ".bak").size(), 2u);
  EXPECT_EQ(Named("号段变更.", ".txt").size(), 3u);
  EXPECT_EQ(GbkToUtf8(test::ReadBytes(BaseFile(u8"地区.txt"))), "山东|济南|青岛|烟台\r\n");

  Result again = Run({"import-segments", c});  // no --force needed: nothing would be replaced
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, "");
  EXPECT_EQ(again.err, "号段库没有变化：1个号段与现有数据相同，未写入任何文件\n");
  EXPECT_EQ(Named("号段变更.", ".txt").size(), 3u);
}

TEST_F(SegmentImportCli, AListWithoutGoodLinesFailsAndWritesNothing) {
  Result r = Run({"import-segments", File("bad.txt", "号段,省份,城市\n1300000,山东\n")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("号段文件中没有可用的号段"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("第2行：缺少城市"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(home() / u8"基础数据" / u8"地区.txt"));
  EXPECT_EQ(Run({"import-segments"}).status, 2);  // FILE is required
}

}  // namespace
}  // namespace telqor
