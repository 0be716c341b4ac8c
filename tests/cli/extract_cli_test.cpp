#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"

namespace telqor::test {
namespace {

namespace fs = std::filesystem;

class ExtractCli : public CliFixture {
 protected:
  void AreaCodes(const std::string& utf8) {
    WriteBytes(home() / u8"基础数据" / u8"固话区号对照表.txt", Utf8ToGbk(utf8));
  }
};

TEST_F(ExtractCli, PrintsWhatThePanelWouldAppendInItsOrder) {
  AreaCodes("深圳 0755\r\n");
  File("in/b.txt", "13912345678 66667777\r\n");
  File("in/a.htm", Utf8ToGbk("<p>电话 0755-23456789, 13812345678, 12345, me@x.cn</p>"));
  Result r = Run({"extract", "--text", "13812345678 编号9", Path("in")});
  ASSERT_EQ(r.status, 0) << r.err;
  // Defaults: landlines then mobiles; the local number of b.txt follows no area code in its file.
  EXPECT_EQ(r.out, "075523456789\r\n66667777\r\n13812345678\r\n13912345678\r\n");

  r = Run({"extract", "--email", "--regex", "编号\\d", "--mobile", "--text", "13812345678 编号9 me@x.cn"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Utf8ToGbk("编号9") + "\r\n13812345678\r\nme@x.cn\r\n");

  // Each --zone-mode: the last area code seen, --zone, none.
  const std::pair<const char*, const char*> modes[] = {
      {"0", "075566667777\r\n"}, {"1", "02166667777\r\n"}, {"2", "66667777\r\n"}};
  for (const auto& [mode, out] : modes) {
    r = Run({"extract", "--landline", "--zone-mode", mode, "--zone", "021", "--text", "0755 66667777"});
    EXPECT_EQ(r.out, out) << mode;
  }
}

TEST_F(ExtractCli, ToFilesWritesEveryKindFoundIntoTheDatedFolder) {
  Result r = Run({"extract", "--mobile", "--to-files", "--text", "13812345678 66667777 12"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> written;
  for (size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
    written.push_back(r.out.substr(start, end - start));
  ASSERT_EQ(written.size(), 2u) << r.out;  // mobile and landline; nothing unknown
  EXPECT_NE(written[0].find("-固话-1.txt"), std::string::npos);
  EXPECT_NE(written[1].find("-手机-1.txt"), std::string::npos);
  EXPECT_EQ(ReadBytes(written[1]), "13812345678\r\n");
  EXPECT_EQ(r.err,
            "保存文件完成：共2个文件，2个数据，保存在 " + Printed(PathFromUtf8(written[0]).parent_path() / "") + "\n");
}

// A document that cannot be read is named on standard error with its reason and makes the
// status 1; the numbers of the other files still come out.
TEST_F(ExtractCli, UnreadDocumentsAreToldAndTheOthersStillRead) {
  File("in/broken.xlsx", "PK\x03\x04 cut short");
  File("in/b.txt", "13912345678\r\n");
  Result r = Run({"extract", "--mobile", Path("in")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "13912345678\r\n");
  EXPECT_TRUE(r.err.starts_with("无法转换文件\"" + Path("in/broken.xlsx") + "\"：")) << r.err;
}

TEST_F(ExtractCli, RefusesNothingToExtractFromABadZoneModeAMissingPathAndABadPattern) {
  EXPECT_EQ(Run({"extract"}).status, 2);
  Result r = Run({"extract", "--zone-mode", "3", "--text", "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--zone-mode"), std::string::npos);
  // A path is never scanned as text, and a pattern that cannot compile finds nothing silently no more.
  r = Run({"extract", Path("no/such/13812345678.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("No such file or directory"), std::string::npos);
  File("a.txt", "13812345678\r\n");
  r = Run({"extract", "--regex", "(", Path("a.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing closing parenthesis"), std::string::npos);
}

// A folder walk stays in the folder: links to folders (one to "..", one round in a circle) are
// not followed, a link to a file is read.
TEST_F(ExtractCli, FolderWalksDoNotFollowLinksToFolders) {
  SKIP_ON_WINDOWS("symbolic links need a privilege there");
  File("outside.txt", "13900000001\r\n");
  File("other.txt", "13700000001\r\n");  // reached only through the link to ".."
  File("in/a.txt", "13800000001\r\n");
  File("in/sub/b.txt", "13800000002\r\n");
  fs::create_directory_symlink("..", Path("in/up.lnk"));
  fs::create_directory_symlink("../sub", Path("in/sub/loop.lnk"));
  fs::create_symlink(Path("outside.txt"), Path("in/file.lnk"));
  Result r = Run({"extract", "--mobile", Path("in")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "13800000001\r\n13800000002\r\n13900000001\r\n");
}

}  // namespace
}  // namespace telqor::test
