// telqor-cli office-to-text end to end: text files beside the sources, and failures reported.
#include <cstdlib>

#include "core/platform/child_process.h"
#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"
#include "tests/documents/cfb_maker.h"
#include "tests/support/test_env.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using test::Result;
using OfficeCli = test::CliFixture;

void CopyFixture(const char* name, const fs::path& to) {
  fs::copy_file(fs::path(TELQOR_TEST_DATA) / "office" / name, to);
}

TEST_F(OfficeCli, WritesTextBesideEachFileAndPrintsThePaths) {
  CopyFixture("sample.doc", dir / "Report.DOC");
  CopyFixture("book.xls", dir / "Book.XLS");
  File("notes.txt", "13800138000\r\n");
  Result r = Run({"office-to-text", Path("Report.DOC"), Path("notes.txt"), Path("Book.XLS")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Path("Report.txt") + "\n" + Path("Book.1.txt") + "\n" + Path("Book.2.txt") + "\n" +
                       Path("Book.3.txt") + "\n");
  EXPECT_EQ(r.err, "转换完成！请在文档目录查看\n");
  EXPECT_EQ(test::ReadBytes(dir / "Book.2.txt"), Utf8ToGbk("座机\t0755-23456789\r\n"));
  EXPECT_EQ(test::FileNames(dir.path()),
            (std::vector<std::string>{"Book.1.txt", "Book.2.txt", "Book.3.txt", "Book.XLS", "Report.DOC", "Report.txt",
                                      "notes.txt", "stderr", "stdout"}));
}

TEST_F(OfficeCli, FailuresAreReportedAndTheOtherFilesStillConverted) {
  if (!FindProgram("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  File("fake.doc", std::string("\0\x01 13800138000", 14));  // no document and no text either
  File("book.xls", test::Excel95Workbook());                 // only the office suite reads it
  CopyFixture("sample.pdf", dir / "sample.pdf");
  test::SetVariable("TELQOR_SOFFICE", "/nonexistent/soffice");
  Result r = Run({"office-to-text", Path("fake.doc"), Path("book.xls"), Path("sample.pdf")});
  test::SetVariable("TELQOR_SOFFICE", std::nullopt);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, Path("sample.txt") + "\n");
  // "转换完成！" is for a run without failures.
  EXPECT_EQ(r.err, "已转换1个文件，请在文档目录查看；2个文件无法转换\n无法转换文件\"" + Path("fake.doc") +
                       "\"：不是文档文件\n无法转换文件\"" + Path("book.xls") +
                       "\"：格式不受支持（Excel 95 及更早版本的工作簿），没有找到 LibreOffice（soffice）\n");
  r = Run({"office-to-text", Path("fake.doc")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "1个文件无法转换\n无法转换文件\"" + Path("fake.doc") + "\"：不是文档文件\n");
}

TEST_F(OfficeCli, TextUnderADocNameIsSavedAndAClashTakesTheFullName) {
  if (!FindProgram("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  File("Report.doc", "<p>13800138000</p>");  // a web page saved under a document's name
  CopyFixture("sample.pdf", dir / "Report.pdf");
  Result r = Run({"office-to-text", Path("Report.doc"), Path("Report.pdf")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Path("Report.txt") + "\n" + Path("Report.pdf.txt") + "\n");
  EXPECT_EQ(r.err, "转换完成！请在文档目录查看\n\"" + Path("Report.pdf") +
                       "\" 的文本与本次转换的另一文件同名，为免覆盖已改存为 Report.pdf.txt\n");
  EXPECT_EQ(test::ReadBytes(dir / "Report.txt"), "<p>13800138000</p>\r\n");
  EXPECT_TRUE(test::ReadBytes(dir / "Report.pdf.txt").starts_with(Utf8ToGbk("客户联系方式\r\n")));
}

// Packages need no office suite: their text is saved and their numbers found without one, and
// a package that cannot be read fails the run with its reason.
TEST_F(OfficeCli, PackagesAreReadWithoutLibreOffice) {
  CopyFixture("book.xlsx", dir / "Book.xlsx");
  CopyFixture("sample.docx", dir / "Report.docx");
  File("broken.ods", "PK\x03\x04 not an archive");
  test::SetVariable("TELQOR_SOFFICE", "/nonexistent/soffice");
  Result r = Run({"office-to-text", Path("Book.xlsx"), Path("broken.ods"), Path("Report.docx")});
  Result found = Run({"extract", "--mobile", "--landline", "--email", Path("Report.docx"), Path("Book.xlsx")});
  File("same.txt", Utf8ToGbk("手机 13800138000，座机 0755-23456789。\r\n邮箱 zhang.san@example.com\r\n"));
  Result fromText = Run({"extract", "--mobile", "--landline", "--email", Path("same.txt")});
  test::SetVariable("TELQOR_SOFFICE", std::nullopt);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, Path("Book.1.txt") + "\n" + Path("Book.2.txt") + "\n" + Path("Book.3.txt") + "\n" +
                       Path("Report.txt") + "\n");
  EXPECT_EQ(r.err,
            "已转换2个文件，请在文档目录查看；1个文件无法转换\n无法转换文件\"" + Path("broken.ods") +
                "\"：文件已损坏（不是有效的压缩包）\n");
  EXPECT_EQ(test::ReadBytes(dir / "Book.2.txt"), Utf8ToGbk("座机\t0755-23456789\r\n"));
  ASSERT_EQ(found.status, 0) << found.err;
  EXPECT_EQ(found.out, fromText.out);
  EXPECT_NE(found.out.find("13800138000\r\nzhang.san@example.com\r\n"), std::string::npos) << found.out;
}

}  // namespace
}  // namespace telqor
