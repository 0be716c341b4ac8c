// The shapes of an office package's text: numbers as stored, a sheet's rows and cells with the
// empty ones counted rather than written, a document's tables and stories, and the text limit.
#include "documents/package_text.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"
#include "documents/package_relationships.h"
#include "documents/xlsx_text.h"
#include "documents/zip_archive.h"

namespace telqor {
namespace {

TEST(ShownNumber, FifteenSignificantDigitsInFullAndEverythingElseAsStored) {
  // Telephone numbers stay whole, also when stored in exponent form.
  EXPECT_EQ(ShownNumber("13800138000"), "13800138000");
  EXPECT_EQ(ShownNumber("1.3800138E10"), "13800138000");
  EXPECT_EQ(ShownNumber("1.3800138e+10"), "13800138000");
  EXPECT_EQ(ShownNumber("75523456789"), "75523456789");
  // A binary fraction's digits beyond the fifteenth are rounded away, half away from zero.
  EXPECT_EQ(ShownNumber("324374.15999999997"), "324374.16");
  EXPECT_EQ(ShownNumber(" 0.30000000000000004 "), "0.3");
  EXPECT_EQ(ShownNumber("-0.30000000000000004"), "-0.3");
  EXPECT_EQ(ShownNumber("0.13912345678901234"), "0.139123456789012");
  EXPECT_EQ(ShownNumber("2.0000000000000004E-3"), "0.002");
  EXPECT_EQ(ShownNumber("99999.9999999999999"), "100000");
  EXPECT_EQ(ShownNumber("-9.9999999999999999E5"), "-1000000");
  EXPECT_EQ(ShownNumber("123456789012345.5"), "123456789012346");
  EXPECT_EQ(ShownNumber("123456789012345.4"), "123456789012345");
  // Integers beyond fifteen digits keep their place with zeros.
  EXPECT_EQ(ShownNumber("1234567890123456789"), "1234567890123460000");
  EXPECT_EQ(ShownNumber("-1234567890123456"), "-1234567890123460");
  EXPECT_EQ(ShownNumber("1E+20"), "100000000000000000000");
  // Small numbers in full digits.
  EXPECT_EQ(ShownNumber("1.5E-7"), "0.00000015");
  EXPECT_EQ(ShownNumber("-2.5E3"), "-2500");
  EXPECT_EQ(ShownNumber("123.45E1"), "1234.5");
  // Written as a spreadsheet writes them: no sign on zero, no zeros that say nothing.
  for (const char* zero : {"0", "0.0E5", "-0", "-0.000", "+0.0"}) EXPECT_EQ(ShownNumber(zero), "0") << zero;
  EXPECT_EQ(ShownNumber("1E0"), "1");
  EXPECT_EQ(ShownNumber("+007.50"), "7.5");
  EXPECT_EQ(ShownNumber(".5"), "0.5");
  // Not numbers, or exponents no cell holds: kept.
  for (const char* kept :
       {"#N/A", "E10", "1E", "1E+", "1.2.3E4", "1E+x", "1E999", "abcE1", "-", ".", "1,5", "1e-99999999999999999999"})
    EXPECT_EQ(ShownNumber(kept), kept);
}

class Lines : public ::testing::Test {
 protected:
  std::string Sheet(const std::function<void(SheetLines&)>& write) {
    PackageText out("\r\n", 1 << 20);
    SheetLines sheet(out);
    write(sheet);
    sheet.EndSheet();
    return out.TakeText();
  }
  std::string Document(const std::function<void(DocumentLines&)>& write) {
    PackageText out("\r", 1 << 20);
    DocumentLines lines(out);
    write(lines);
    lines.Finish();
    return out.TakeText();
  }
};

TEST_F(Lines, SheetWritesGapsOnlyWhereContentFollowsThem) {
  EXPECT_EQ(Sheet([](SheetLines& s) {
              s.SkipRows(2);  // rows 1 and 2 missing
              s.SkipCells(2);
              s.Cell("13800138000");
              s.SkipCells(1);
              s.Cell("x", 3);
              s.SkipCells(16000);  // a last cell repeated to the sheet's edge
              s.EndRow();
              s.EndRow(5);  // empty rows between
              s.Cell("y");
              s.EndRow(2);
              s.SkipCells(3);
              s.EndRow(1048570);  // the last row repeated to the sheet's edge
            }),
            "\r\n\r\n\t\t13800138000\t\tx\tx\tx\r\n\r\n\r\n\r\n\r\n\r\ny\r\ny\r\n");
  EXPECT_EQ(Sheet([](SheetLines&) {}), "");
}

TEST_F(Lines, SheetQuotesCellsWithTabsQuotesOrBreaks) {
  EXPECT_EQ(Sheet([](SheetLines& s) {
              s.Cell("say \"hi\"\tthere");
              s.Cell("42");
              s.EndRow();
              s.Cell("a\nb\r\nc");
              s.Cell("plain");
              s.EndRow();
            }),
            "\"say \"\"hi\"\"\tthere\"\t42\r\n\"a\r\nb\r\nc\"\tplain\r\n");
}

TEST_F(Lines, SheetsArePartsAndTextBecomesGbk) {
  PackageText out("\r\n", 1 << 20);
  SheetLines sheet(out);
  sheet.Cell("张三");
  sheet.EndRow();
  sheet.EndSheet();
  sheet.SkipRows(3);
  sheet.EndSheet();  // an empty sheet is still a part
  sheet.Cell("1");
  sheet.EndSheet();  // a row left open ends with the sheet
  EXPECT_EQ(out.PartEnds(), (std::vector<size_t>{6, 6, 9}));
  EXPECT_EQ(out.TakeText(), Utf8ToGbk("张三\r\n") + "1\r\n");
}

TEST_F(Lines, DocumentTablesAreRowsOfCellsAndStoriesComeBeforeTheirParagraph) {
  EXPECT_EQ(Document([](DocumentLines& d) {
              d.Text("before");
              d.EndParagraph();
              d.EndParagraph();  // an empty paragraph is an empty line
              d.StartRow();
              d.StartCell();
              d.Text("a");
              d.EndParagraph();
              d.Text("b");
              d.Break();
              d.EndParagraph();  // the cell's last paragraph adds nothing
              d.EndCell();
              d.StartCell();
              d.EndCell();
              d.StartCell();
              d.Text("c\nd");
              d.EndCell(2);
              d.EndRow();
              d.Text("call ");
              d.StartStory();
              d.Text("box 1");
              d.EndParagraph();
              d.Text("box 2");
              d.EndStory();
              d.Text("13800138000");
              d.Tab();
              d.Spaces(2);
              d.EndParagraph();
              d.Text("unended");
            }),
            "before\r\ra b\t\tc d\tc d\rbox 1\rbox 2\rcall 13800138000\t  \runended\r");
}

TEST_F(Lines, RowsRepeatAndNestedTablesStayOnTheirRow) {
  EXPECT_EQ(Document([](DocumentLines& d) {
              d.StartRow();
              d.StartCell();
              d.Text("x");
              d.EndParagraph();
              d.StartRow();  // a table inside the cell
              d.StartCell();
              d.Text("in1");
              d.EndCell();
              d.StartCell();
              d.Text("in2");
              d.EndCell();
              d.EndRow();
              d.EndCell();
              d.StartCell();
              d.Text("y");
              d.EndCell();
              d.EndRow(2);
            }),
            "x in1\tin2\ty\rx in1\tin2\ty\r");
}

TEST_F(Lines, TextBeyondTheLimitIsRefusedBeforeItIsMade) {
  PackageText out("\r\n", 100);
  SheetLines sheet(out);
  sheet.Cell("x");
  sheet.EndRow();
  sheet.SkipRows(UINT64_MAX / 2);
  sheet.Cell("y");
  EXPECT_THROW(sheet.EndRow(), PackageError);  // the empty rows before y
  PackageText small("\r", 100);
  DocumentLines lines(small);
  EXPECT_THROW(lines.Spaces(UINT64_MAX), PackageError);
  lines.StartRow();
  lines.StartCell();
  lines.Text("a");
  EXPECT_THROW(lines.EndCell(1ULL << 40), PackageError);
  try {
    SheetLines(small).Cell(std::string(101, 'x'));
    ADD_FAILURE() << "no error";
  } catch (const PackageError& e) {
    EXPECT_STREQ(e.what(), "文本超过 100 字节，文件过大，不予读取");
  }
}

TEST(SpreadsheetNames, ReferencesTargetsAndEscapes) {
  EXPECT_EQ(ColumnOf("A1"), 0u);
  EXPECT_EQ(ColumnOf("c7"), 2u);
  EXPECT_EQ(ColumnOf("AA10"), 26u);
  EXPECT_EQ(ColumnOf("XFD1048576"), 16383u);
  EXPECT_EQ(ColumnOf("7"), UINT64_MAX);
  EXPECT_EQ(ColumnOf(""), UINT64_MAX);
  EXPECT_EQ(ColumnOf(std::string(40, 'Z')), UINT64_MAX);

  EXPECT_EQ(ResolvePartName("xl/", "worksheets/sheet1.xml"), "xl/worksheets/sheet1.xml");
  EXPECT_EQ(ResolvePartName("xl/", "/xl/worksheets/sheet2.xml"), "xl/worksheets/sheet2.xml");
  EXPECT_EQ(ResolvePartName("xl/", "../other/./s.xml"), "other/s.xml");
  EXPECT_EQ(ResolvePartName("xl/", "../../../s.xml"), "s.xml");
  EXPECT_EQ(ResolvePartName("", "word/document2.xml"), "word/document2.xml");
  EXPECT_EQ(FolderOf("xl/workbook.xml"), "xl/");
  EXPECT_EQ(FolderOf("workbook.xml"), "");
  EXPECT_EQ(RelationshipsPartOf("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
  EXPECT_EQ(RelationshipsPartOf("workbook.xml"), "_rels/workbook.xml.rels");
  EXPECT_EQ(RelationshipsPartOf(""), "_rels/.rels");
  // Relationship types by their last name, in either edition of the format.
  EXPECT_TRUE(IsOfType("http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet", "worksheet"));
  EXPECT_TRUE(IsOfType("http://purl.oclc.org/ooxml/officeDocument/relationships/worksheet", "worksheet"));
  EXPECT_FALSE(IsOfType("http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet", "sheet"));
  EXPECT_FALSE(IsOfType("http://schemas.microsoft.com/office/2011/relationships/commentsExtended", "comments"));
  EXPECT_FALSE(IsOfType("worksheet", "worksheet"));

  EXPECT_EQ(UnescapeXstring("a_x000D_b"), "a\rb");
  EXPECT_EQ(UnescapeXstring("_x005F_x000D_"), "_x000D_");  // an escaped underscore
  EXPECT_EQ(UnescapeXstring("_x0000_x_xD800__x4E2D_"), "x\xEF\xBF\xBD\xE4\xB8\xAD");
  EXPECT_EQ(UnescapeXstring("_x00G0_ _x12_"), "_x00G0_ _x12_");
}

}  // namespace
}  // namespace telqor
