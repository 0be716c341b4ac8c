// Tables for a spreadsheet: CSV byte for byte, and workbooks read back with the program's own
// reader, sheet by sheet, and in their XML where what matters is how a cell is stored.
#include "report/table_output.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "report/xlsx_table.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"
#include "tests/support/workbook_text.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using Row = std::vector<std::string_view>;

const Strings kHeader = {"号码", "省份", "区号"};

Strings Sheets(const fs::path& file) { return test::SheetTexts(file); }

std::string Part(const fs::path& file, std::string_view name) {
  std::string xml;
  ZipArchive(file).Read(name, [&](std::string_view chunk) { xml.append(chunk); });
  return xml;
}

size_t Occurrences(std::string_view text, std::string_view what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

fs::path Write(const fs::path& out, TableFormat format, const std::vector<Row>& rows, int64_t rowsPerSheet = 0) {
  std::unique_ptr<TableSink> table = rowsPerSheet ? OpenXlsxTable(out, kHeader, "号码", Replace::kYes, {}, rowsPerSheet)
                                                  : OpenTable(out, format, kHeader, "号码");
  for (const Row& row : rows) table->Row(row);
  return table->Finish();
}

TEST(TableFormat, TheExtensionChoosesInAnyCase) {
  EXPECT_EQ(TableFormatOf(u8"a/号码.xlsx"), TableFormat::kXlsx);
  EXPECT_EQ(TableFormatOf("a.XLSX", TableFormat::kCsvGbk), TableFormat::kXlsx);
  EXPECT_EQ(TableFormatOf("a.csv"), TableFormat::kCsvUtf8);
  EXPECT_EQ(TableFormatOf("a.Csv", TableFormat::kCsvGbk), TableFormat::kCsvGbk);
  for (const char* other : {"a.txt", "a", "a.xls", "xlsx", "a.xlsx.bak", "a.csv/"}) EXPECT_FALSE(TableFormatOf(other)) << other;
}

// RFC 4180: a cell with a comma, a quote, CR or LF quoted, its quotes doubled; CR LF after each
// row; UTF-8 behind its byte-order mark.
TEST(CsvTable, QuotedWhereACellNeedsItAfterAByteOrderMark) {
  test::TempDir dir;
  const fs::path out = Write(dir / "表.csv", TableFormat::kCsvUtf8,
                             {{"13800138000", "北京", "010"},
                              {"a,b", "say \"hi\"", ""},
                              {"line\r\nbreak", "cr\ronly", "lf\nonly"},
                              {"", "", ""},
                              {"\"", ",", " lead and trail "}});
  EXPECT_EQ(out, dir / "表.csv");
  EXPECT_EQ(test::ReadBytes(out),
            "\xEF\xBB\xBF号码,省份,区号\r\n13800138000,北京,010\r\n\"a,b\",\"say \"\"hi\"\"\",\r\n"
            "\"line\r\nbreak\",\"cr\ronly\",\"lf\nonly\"\r\n,,\r\n\"\"\"\",\",\", lead and trail \r\n");
  // Only the header: an empty list still makes a table.
  Write(dir / "empty.csv", TableFormat::kCsvUtf8, {});
  EXPECT_EQ(test::ReadBytes(dir / "empty.csv"), "\xEF\xBB\xBF号码,省份,区号\r\n");
}

TEST(CsvTable, GbkHasNoMarkAndAQuestionMarkForWhatItLacks) {
  test::TempDir dir;
  Write(dir / "gbk.csv", TableFormat::kCsvGbk, {{"13800138000", "東莞", "0769"}, {"€😀", "한", "?"}});
  EXPECT_EQ(test::ReadBytes(dir / "gbk.csv"),
            Utf8ToGbk("号码,省份,区号\r\n13800138000,東莞,0769\r\n") + "\x80?,?,?\r\n");  // € is 80 in GBK
}

// Every cell a text cell (an inline string: 13800138000 and 0531 as written), none for an empty
// one; the header bold, frozen, with a filter over the table; columns as wide as their text,
// Chinese characters counting two.
TEST(XlsxTable, EveryCellIsTextUnderABoldFrozenFilteredHeader) {
  test::TempDir dir;
  const fs::path out = Write(dir / "t.xlsx", TableFormat::kXlsx,
                             {{"13800138000", "北京", "010"}, {"0531", "", "1.38E+10"}, {"abc", "黑龙江", ""}});
  EXPECT_EQ(Sheets(out), Strings{"号码\t省份\t区号\n13800138000\t北京\t010\n0531\t\t1.38E+10\nabc\t黑龙江\n"});
  const std::string sheet = Part(out, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(Occurrences(sheet, "<c "), 10u);
  EXPECT_EQ(Occurrences(sheet, "t=\"inlineStr\""), 10u);
  EXPECT_EQ(Occurrences(sheet, "<v>"), 0u);
  EXPECT_EQ(Occurrences(sheet, " s=\"1\" t=\"inlineStr\""), 3u);  // the header's bold style
  EXPECT_NE(sheet.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
            std::string::npos);
  EXPECT_NE(sheet.find("<autoFilter ref=\"A1:C4\"/>"), std::string::npos);
  EXPECT_NE(sheet.find("<col min=\"1\" max=\"1\" width=\"13.7"), std::string::npos);  // 11 digits
  EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"8.7"), std::string::npos);   // 黑龙江
  EXPECT_NE(Part(out, "xl/styles.xml").find("<b/>"), std::string::npos);
  EXPECT_NE(Part(out, "xl/workbook.xml").find("<sheet name=\"号码\""), std::string::npos);
}

// Counts and shares are numbers a sheet can sum and sort, a share shown as a percentage; text
// of another form in such a column stays text. The total row stands apart, below the filter.
TEST(XlsxTable, CountAndShareColumnsHoldNumbersAndTheTotalIsOutsideTheFilter) {
  test::TempDir dir;
  const fs::path out = dir / "s.xlsx";
  std::unique_ptr<TableSink> table = OpenTable(out, TableFormat::kXlsx, {"省份", "数量", "占比"}, "统计", Replace::kYes,
                                               {ColumnKind::kText, ColumnKind::kCount, ColumnKind::kShare});
  table->Row({"北京", "2", "28.57%"});
  table->Row({"123", "n/a", "5"});
  table->TotalRow({"合计", "7", "100.00%"});
  table->Finish();
  const std::string sheet = Part(out, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(Occurrences(sheet, "<v>"), 4u);
  EXPECT_NE(sheet.find("<c r=\"B2\"><v>2</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<c r=\"C2\" s=\"2\"><v>0.2857</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<c r=\"A3\" t=\"inlineStr\"><is><t>123</t>"), std::string::npos);  // a key column is text
  EXPECT_NE(sheet.find("<c r=\"B3\" t=\"inlineStr\"><is><t>n/a</t>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"C5\" s=\"2\"><v>1</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<autoFilter ref=\"A1:C3\"/>"), std::string::npos);
  EXPECT_NE(Part(out, "xl/styles.xml").find("formatCode=\"0.00%\""), std::string::npos);
  // A CSV holds the cells as given, the total a row like the others.
  const fs::path csv = dir / "s.csv";
  table = OpenTable(csv, TableFormat::kCsvGbk, {"省份", "数量", "占比"}, "统计", Replace::kYes,
                    {ColumnKind::kText, ColumnKind::kCount, ColumnKind::kShare});
  table->Row({"北京", "2", "28.57%"});
  table->TotalRow({"合计", "7", "100.00%"});
  table->Finish();
  EXPECT_EQ(test::ReadBytes(csv), Utf8ToGbk("省份,数量,占比\r\n北京,2,28.57%\r\n合计,7,100.00%\r\n"));
}

TEST(XlsxTable, PastTheRowLimitTheTableGoesOnInANextSheetWithTheHeaderAgain) {
  test::TempDir dir;
  std::vector<std::string> numbers;
  for (int i = 0; i < 7; ++i) numbers.push_back(std::to_string(13800138000 + i));
  std::vector<Row> rows;
  for (const std::string& n : numbers) rows.push_back({n, "北京", "010"});
  const fs::path out = Write(dir / "t.xlsx", TableFormat::kXlsx, rows, 3);
  const std::string header = "号码\t省份\t区号\n";
  EXPECT_EQ(Sheets(out), (Strings{header + "13800138000\t北京\t010\n13800138001\t北京\t010\n13800138002\t北京\t010\n",
                                  header + "13800138003\t北京\t010\n13800138004\t北京\t010\n13800138005\t北京\t010\n",
                                  header + "13800138006\t北京\t010\n"}));
  const std::string workbook = Part(out, "xl/workbook.xml");
  EXPECT_NE(workbook.find("<sheet name=\"号码\" sheetId=\"1\""), std::string::npos);
  EXPECT_NE(workbook.find("<sheet name=\"号码(2)\" sheetId=\"2\""), std::string::npos);
  EXPECT_NE(workbook.find("<sheet name=\"号码(3)\" sheetId=\"3\""), std::string::npos);
  for (const auto& [part, filter] : {std::pair{"xl/worksheets/sheet1.xml", "<autoFilter ref=\"A1:C4\"/>"},
                                      std::pair{"xl/worksheets/sheet3.xml", "<autoFilter ref=\"A1:C2\"/>"}}) {
    const std::string sheet = Part(out, part);
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos) << part;
    EXPECT_NE(sheet.find(filter), std::string::npos) << part;
  }
  // Exactly the limit: one sheet.
  rows.resize(3);
  EXPECT_EQ(Sheets(Write(dir / "three.xlsx", TableFormat::kXlsx, rows, 3)).size(), 1u);
}

// Text a sheet would take for something else keeps what it says: the sheet's own escapes
// (_xHHHH_), control characters; a cell longer than a sheet holds is cut at its limit.
TEST(XlsxTable, CellsHoldTheirTextWhateverItIs) {
  test::TempDir dir;
  std::string longCell;
  for (size_t i = 0; i < kXlsxCellCharacters + 100; ++i) longCell += i % 2 ? "号" : "1";
  const fs::path out = Write(dir / "t.xlsx", TableFormat::kXlsx,
                             {{"_x0041_ and _x005F_", "a\x01" "b\x1F" "c", "=1+1"},
                              {"\"q\",<&>", "'0531", longCell}});
  const Strings sheets = Sheets(out);
  ASSERT_EQ(sheets.size(), 1u);
  // The reader quotes a cell with a quote or a comma, as its CSV-like lines need.
  const std::string head = "号码\t省份\t区号\n_x0041_ and _x005F_\ta\x01" "b\x1F" "c\t=1+1\n\"\"\"q\"\",<&>\"\t'0531\t";
  EXPECT_EQ(sheets[0].substr(0, head.size()), head);
  const std::string cut = longCell.substr(0, kXlsxCellCharacters / 2 * 4 + 1);  // "1号" is 4 bytes
  EXPECT_TRUE(sheets[0].substr(head.size()) == cut + "\n") << "the long cell is not cut at the limit";
}

TEST(XlsxTable, AFailedWriteKeepsTheOldFileAndLeavesNothingBeside) {
  test::TempDir dir;
  test::TestEnv env;
  const fs::path out = dir / "t.xlsx";
  test::WriteBytes(out, "old");
  env.failRenames = true;
  try {
    Write(out, TableFormat::kXlsx, {{"13800138000", "北京", "010"}});
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write file \"" + out.string() + "\". Input/output error");
  }
  EXPECT_EQ(test::ReadBytes(out), "old");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"t.xlsx"});
  env.failRenames = false;
  // A table given up half-way leaves nothing either.
  {
    std::unique_ptr<TableSink> table = OpenTable(out, TableFormat::kXlsx, kHeader, "号码");
    for (int i = 0; i < 5000; ++i) table->Row({"13800138000", "北京", "010"});
  }
  EXPECT_EQ(test::ReadBytes(out), "old");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"t.xlsx"});
  // A folder that is not there: the file cannot even be made.
  EXPECT_THROW(OpenTable(dir / "gone" / "t.xlsx", TableFormat::kXlsx, kHeader, "号码"), FileError);
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"t.xlsx"});
}

// Under a folder of Chinese characters, replacing a file, and beside it when asked not to.
TEST(XlsxTable, ChineseFolderNamesAndNumberedNames) {
  test::TempDir dir;
  const fs::path out = dir / "号码表" / u8"统计.xlsx";
  fs::create_directories(out.parent_path());
  Write(out, TableFormat::kXlsx, {{"13800138000", "北京", "010"}});
  Write(out, TableFormat::kXlsx, {{"13900139000", "北京", "010"}});
  EXPECT_EQ(Sheets(out), Strings{"号码\t省份\t区号\n13900139000\t北京\t010\n"});
  std::unique_ptr<TableSink> table = OpenTable(out, TableFormat::kXlsx, kHeader, "号码", Replace::kNo);
  EXPECT_EQ(table->Finish(), dir / "号码表" / u8"统计-2.xlsx");
  EXPECT_EQ(test::FileNames(out.parent_path()), (Strings{"统计-2.xlsx", "统计.xlsx"}));
}

}  // namespace
}  // namespace telqor
