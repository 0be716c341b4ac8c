// telqor-cli import-segments end to end: the base data of a program folder refreshed from a list.
#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

using test::Result;

class SegmentImportCli : public test::CliFixture {
 protected:
  fs::path BaseFile(const char8_t* name) const { return home() / u8"基础数据" / name; }
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
  EXPECT_EQ(r.err, "第4行：号段不是7位数字\n号段库已更新：2个号段，新增2个，删除0个，变更城市0个\n");
  EXPECT_EQ(test::ReadBytes(BaseFile(u8"手机号段.txt")), Utf8ToGbk("1300000|山东|济南\r\n1300001|内蒙古|锡林郭勒\r\n"));

  // Without --force the files in place are named and kept.
  const std::string newer = File("newer.txt", "1300000\t山东\t青岛\n1300002\t山东\t济南\n");
  r = Run({"import-segments", newer});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("基础数据已有 地区.txt、手机号段.txt，未写入文件 (--force"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(BaseFile(u8"手机号段.txt.bak")));

  r = Run({"import-segments", newer, "--force"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "号段库已更新：2个号段，新增1个，删除1个，变更城市1个\n");
  EXPECT_EQ(test::ReadBytes(BaseFile(u8"手机号段.txt.bak")),
            Utf8ToGbk("1300000|山东|济南\r\n1300001|内蒙古|锡林郭勒\r\n"));
  // No area codes in the list: the table in place stays, without a backup.
  EXPECT_TRUE(fs::exists(BaseFile(u8"固话区号对照表.txt")));
  EXPECT_FALSE(fs::exists(BaseFile(u8"固话区号对照表.txt.bak")));
  EXPECT_EQ(Run({"lookup", "13000001234"}).out, "13000001234:山东.青岛\n");
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
