#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"
#include "tests/documents/zip_maker.h"

namespace telqor::test {
namespace {

namespace fs = std::filesystem;

const std::string kMissingTable =
    "基础数据中没有固话区号对照表.txt，固话按写出的区号（010、02X、0XXX）识别。"
    "启动程序时在提问中选“是”，或运行 telqor-cli make-default-data，即可写入该表。\n";

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
  EXPECT_EQ(r.err, kMissingTable + "保存文件完成：共2个文件，2个数据，保存在 " +
                       Printed(PathFromUtf8(written[0]).parent_path() / "") + "\n");
}

// Without 固话区号对照表.txt a landline keeps the area code it is written with, and standard error
// says once how to write the table; with a table, even an empty one, its codes alone count.
TEST_F(ExtractCli, WithoutAnAreaCodeTableLandlinesKeepTheirWrittenCode) {
  const std::string text = "0755-26543210 010 66667777 02887654321 0371-2345678 0086 23456789 0123 3456789";
  Result r = Run({"extract", "--text", text});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "01066667777\r\n02887654321\r\n03712345678\r\n037123456789\r\n03713456789\r\n075526543210\r\n");
  EXPECT_EQ(r.err, kMissingTable);
  r = Run({"extract", "--mobile", "--text", text});  // no landline kept: nothing to say
  EXPECT_EQ(r.err, "");
  AreaCodes("");
  r = Run({"extract", "--landline", "--text", text});
  EXPECT_EQ(r.out, "2345678\r\n23456789\r\n26543210\r\n3456789\r\n66667777\r\n");
  EXPECT_EQ(r.err, "");
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

// A workbook package: _rels/.rels naming its workbook part, the workbook listing sheets, and
// the other parts as given.
void WriteWorkbook(const fs::path& file, const std::string& workbookPart, const std::string& sheets,
                   std::vector<ZipEntry> parts,
                   const std::string& ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
                   const std::string& mainType = "officeDocument") {
  parts.push_back(PackageRelationships(workbookPart, mainType));
  parts.push_back({workbookPart, Xml("workbook",
                                     "xmlns=\"" + ns +
                                         "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"",
                                     "<sheets>" + sheets + "</sheets>")});
  WriteZip(file, parts);
}

// Packages are read through their relationships, wherever their main part is; every one that
// cannot be read is named with its reason, the workbooks that used to give nothing without a word
// among them.
TEST_F(ExtractCli, PackagesAreFoundThroughTheirRelationshipsOrNamedWithTheirReason) {
  const std::string sheetNs = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
  const std::string one = "<sheet name=\"a\" sheetId=\"1\" r:id=\"rId1\"/>";
  const ZipEntry sheet{"worksheets/sheet1.xml", Xml("worksheet", sheetNs, "<sheetData><row><c><v>13912345678</v></c>"
                                                                          "<c><v>0.13712345678</v></c></row></sheetData>")};
  const ZipEntry toSheet{"_rels/workbook.xml.rels",
                         RelationshipsXml(RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml"))};
  fs::create_directories(dir / "in");
  WriteWorkbook(dir / "in/root.xlsx", "workbook.xml", one, {sheet, toSheet});
  WriteZip(dir / "in/online.docx",
           {PackageRelationships("word/document2.xml"),
            {"word/document2.xml",
             Xml("w:document", "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"",
                 "<w:body><w:p><w:r><w:t>13800138000</w:t></w:r></w:p></w:body>")}});
  WriteWorkbook(dir / "in/empty.xlsx", "xl/workbook.xml", "", {});
  WriteWorkbook(dir / "in/unrelated.xlsx", "xl/workbook.xml", one, {{"xl/worksheets/sheet1.xml", sheet.bytes}});
  WriteWorkbook(dir / "in/sheetless.xlsx", "xl/workbook.xml", one, {{"xl/_rels/workbook.xml.rels", toSheet.bytes}});
  WriteWorkbook(dir / "in/beta.xlsx", "xl/workbook.xml", one, {}, "http://schemas.microsoft.com/office/excel/2006/2",
                "http://schemas.microsoft.com/office/2006/relationships/officeDocument");
  Result r = Run({"extract", "--mobile", Path("in")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "13800138000\r\n13912345678\r\n");
  for (const auto& [name, why] : std::vector<std::pair<std::string, std::string>>{
           {"empty.xlsx", "文件已损坏（工作簿中没有工作表）"},
           {"unrelated.xlsx", "文件已损坏（缺少 xl/_rels/workbook.xml.rels）"},
           {"sheetless.xlsx", "文件已损坏（缺少 xl/worksheets/sheet1.xml）"},
           {"beta.xlsx", "格式不受支持（xl/workbook.xml 既不是 Word 文档也不是 Excel 工作簿）"}})
    EXPECT_NE(r.err.find("无法转换文件\"" + Path("in/" + name) + "\"：" + why + "\n"), std::string::npos) << r.err;

  r = Run({"office-to-text", Path("in/root.xlsx"), Path("in/online.docx"), Path("in/beta.xlsx")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, Path("in/root.1.txt") + "\n" + Path("in/online.txt") + "\n");
  EXPECT_EQ(ReadBytes(dir / "in/root.1.txt"), "13912345678\t0.13712345678\r\n");
  EXPECT_NE(r.err.find("无法转换文件\"" + Path("in/beta.xlsx") + "\"："), std::string::npos) << r.err;
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
