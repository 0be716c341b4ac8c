// BIFF8 workbooks (.xls, .et) made in memory: shared strings cut across CONTINUE records, every
// kind of cell with numbers in full, sheets in the workbook's order, and workbooks refused.
#include "documents/xls_text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/text/gbk.h"
#include "tests/documents/cfb_maker.h"

namespace telqor {
namespace {

// ---- Records ----------------------------------------------------------------------------------

std::string U16(uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string U32(uint32_t v) { return U16(static_cast<uint16_t>(v)) + U16(static_cast<uint16_t>(v >> 16)); }
std::string F64(double v) {
  std::string bytes(8, '\0');
  std::memcpy(bytes.data(), &v, 8);
  return bytes;
}
std::string Utf16(std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) bytes += U16(c);
  return bytes;
}

std::string Record(uint16_t type, const std::string& data) {
  return U16(type) + U16(static_cast<uint16_t>(data.size())) + data;
}
std::string Continue(const std::string& data) { return Record(0x003C, data); }
std::string Bof(uint16_t kind, uint16_t version = 0x0600) {
  return Record(0x0809, U16(version) + U16(kind) + std::string(12, '\0'));
}
std::string Eof() { return Record(0x000A, ""); }
// A cell's row, column and format.
std::string At(uint16_t row, uint16_t column) { return U16(row) + U16(column) + U16(15); }

std::string SharedLabel(uint16_t row, uint16_t column, uint32_t index) {
  return Record(0x00FD, At(row, column) + U32(index));
}
std::string Label(uint16_t row, uint16_t column, std::u16string_view text) {
  return Record(0x0204, At(row, column) + U16(static_cast<uint16_t>(text.size())) + "\x01" + Utf16(text));
}
std::string Number(uint16_t row, uint16_t column, double value) { return Record(0x0203, At(row, column) + F64(value)); }
std::string Rk(uint16_t row, uint16_t column, uint32_t rk) { return Record(0x027E, At(row, column) + U32(rk)); }
// The RK of an integer (a hundred times the value with hundredths).
uint32_t RkInteger(int32_t value, bool hundredths = false) {
  return static_cast<uint32_t>(value) << 2 | 2 | (hundredths ? 1 : 0);
}
std::string MultipleRk(uint16_t row, uint16_t first, const std::vector<uint32_t>& rks) {
  std::string data = U16(row) + U16(first);
  for (uint32_t rk : rks) data += U16(15) + U32(rk);
  return Record(0x00BD, data + U16(static_cast<uint16_t>(first + rks.size() - 1)));
}
// A formula's record: its last value, and no formula to speak of.
std::string Formula(uint16_t row, uint16_t column, const std::string& value) {
  return Record(0x0006, At(row, column) + value + U16(0) + U32(0) + U16(0));
}
std::string FormulaKind(uint8_t kind, uint8_t value = 0) {
  return std::string{static_cast<char>(kind), 0, static_cast<char>(value), 0, 0, 0, '\xFF', '\xFF'};
}
std::string StringResult(std::u16string_view text) {
  return Record(0x0207, U16(static_cast<uint16_t>(text.size())) + "\x01" + Utf16(text));
}
std::string BoolErr(uint16_t row, uint16_t column, uint8_t value, bool error) {
  return Record(0x0205, At(row, column) + static_cast<char>(value) + static_cast<char>(error));
}

// A workbook stream: its globals list each sheet (a worksheet unless kinds says otherwise),
// and the sheets' substreams follow in streamOrder (else in their order).
struct WorkbookMaker {
  std::string beforeSheets;  // globals records before the sheets' list (FILEPASS)
  std::string afterSheets;   // and after it (SST)
  std::vector<std::string> sheets;  // each sheet's records between its BOF and EOF
  std::vector<uint8_t> kinds;
  std::vector<size_t> streamOrder;
  uint16_t version = 0x0600;

  std::string Stream() const {
    const size_t listSize = sheets.size() * (4 + 10);
    size_t offset = Bof(5, version).size() + beforeSheets.size() + listSize + afterSheets.size() + Eof().size();
    std::vector<size_t> order = streamOrder;
    if (order.empty())
      for (size_t i = 0; i < sheets.size(); ++i) order.push_back(i);
    std::vector<uint32_t> offsets(sheets.size());
    std::string substreams;
    for (size_t i : order) {
      offsets[i] = static_cast<uint32_t>(offset + substreams.size());
      const uint16_t kind = i < kinds.size() && kinds[i] == 2 ? 0x0020 : 0x0010;
      substreams += Bof(kind, version) + sheets[i] + Eof();
    }
    std::string list;
    for (size_t i = 0; i < sheets.size(); ++i)
      list += Record(0x0085, U32(offsets[i]) + '\0' + static_cast<char>(i < kinds.size() ? kinds[i] : 0) +
                                 std::string("\x02\x00S", 3) + std::to_string(i % 10));
    return Bof(5, version) + beforeSheets + list + afterSheets + Eof() + substreams;
  }
  std::string Bytes(const std::u16string& name = u"Workbook") const { return test::CompoundBytes({{name, Stream()}}); }
};

// Each sheet's text (UTF-8, lines ending in CR LF) in order.
std::vector<std::string> SheetsOf(const std::string& bytes, const PackageLimits& limits = {}) {
  const CompoundFile file(std::string_view(bytes), limits);
  PackageText out("\r\n", 1 << 20);
  ReadXlsText(file, out);
  const std::vector<size_t> ends = out.PartEnds();
  const std::string text = out.TakeText();
  std::vector<std::string> sheets;
  for (size_t i = 0, from = 0; i < ends.size(); from = ends[i++]) sheets.push_back(GbkToUtf8(text.substr(from, ends[i] - from)));
  return sheets;
}

std::string RefusalOf(const std::string& bytes, const PackageLimits& limits = {}) {
  try {
    SheetsOf(bytes, limits);
  } catch (const UnsupportedFormat& e) {
    return std::string("unsupported: ") + e.what();
  } catch (const PackageError& e) {
    return e.what();
  }
  return "no error";
}

// ---- Tests ------------------------------------------------------------------------------------

TEST(XlsText, SharedStringsCutAcrossContinueRecords) {
  std::string sst = U32(20) + U32(8);
  sst += U16(2) + "\x01" + Utf16(u"姓名");
  sst += U16(11) + '\0' + "13800138000";
  // Rich text with phonetic data: two formatting runs and six bytes of readings, all skipped.
  sst += U16(3) + "\x0D" + U16(2) + U32(6) + Utf16(u"张三丰") + std::string(8, 'r') + std::string(6, 'p');
  sst += U16(5) + '\0' + "abc";  // cut: the rest as UTF-16, after a byte that says so
  // Cut between strings: no such byte.
  std::string continued = "\x01" + Utf16(u"客户") + U16(3) + '\0' + "end" + U16(6) + "\x01" + Utf16(u"电话");
  std::string second = '\0' + std::string("0755") + U16(2) + "\x08" + U16(1) + "ok" + "RU";
  std::string third = std::string("NS") + U16(4) + '\0' + "last" + U16(1) + '\0';  // the last string cut short
  WorkbookMaker book;
  book.afterSheets = Record(0x00FC, sst) + Continue(continued) + Continue(second) + Continue(third);
  std::string cells;
  for (uint16_t i = 0; i < 9; ++i) cells += SharedLabel(i, 0, i);
  book.sheets = {cells};
  EXPECT_EQ(SheetsOf(book.Bytes()), std::vector<std::string>{"姓名\r\n13800138000\r\n张三丰\r\nabc客户\r\nend\r\n"
                                                             "电话0755\r\nok\r\nlast\r\n"});
}

TEST(XlsText, EveryKindOfCellWithNumbersInFull) {
  WorkbookMaker book;
  book.afterSheets = Record(0x00FC, U32(1) + U32(1) + U16(4) + '\0' + "Name");
  book.sheets = {
      SharedLabel(0, 0, 0) + Label(0, 1, u"手机") +
      // Phone numbers are stored as numbers: whole, never 1.38E+10.
      Number(1, 0, 13800138000.0) + Rk(1, 1, RkInteger(42)) + Rk(1, 2, RkInteger(1234, true)) +
      Rk(1, 3, 0x3FE00000) + Rk(1, 4, RkInteger(-7)) + Number(1, 5, 1.5e-7) + Number(1, 6, 324374.15999999997) +
      Number(1, 7, 1e20) +
      MultipleRk(2, 0, {RkInteger(95588), RkInteger(10086), RkInteger(12345, true)}) +
      Formula(3, 0, F64(13912345678.0)) + Formula(3, 1, FormulaKind(0)) + Record(0x04BC, "shared") +
      StringResult(u"公式文本") + Formula(3, 2, FormulaKind(1, 1)) + Formula(3, 3, FormulaKind(2, 0x2A)) +
      Formula(3, 4, FormulaKind(3)) + Formula(3, 5, FormulaKind(0)) + Number(3, 6, 1) +
      BoolErr(4, 0, 0, false) + BoolErr(4, 1, 0x07, true) + Label(5, 0, u"say \"hi\"\tthere") +
      Rk(7, 3, RkInteger(5))};
  EXPECT_EQ(SheetsOf(book.Bytes()),
            std::vector<std::string>{"Name\t手机\r\n"
                                     "13800138000\t42\t12.34\t0.5\t-7\t0.00000015\t324374.16\t100000000000000000000\r\n"
                                     "95588\t10086\t123.45\r\n"
                                     "13912345678\t公式文本\tTRUE\t#N/A\t\t\t1\r\n"
                                     "FALSE\t#DIV/0!\r\n"
                                     "\"say \"\"hi\"\"\tthere\"\r\n"
                                     "\r\n"
                                     "\t\t\t5\r\n"});
}

TEST(XlsText, SheetsInTheWorkbooksOrderEachPlacedByRowAndColumn) {
  WorkbookMaker book;
  // The list says chart, B, A; the stream holds A's cells before B's.
  book.sheets = {"",
                 // A chart inside the sheet is passed over, the cells after it are read.
                 Number(0, 0, 1) + Bof(0x0020) + Number(5, 5, 99) + Eof() + Number(0, 1, 2),
                 // Column by column, as some writers go, and a cell written twice: the last counts.
                 Label(1, 0, u"b") + Label(0, 0, u"a") + Label(0, 1, u"c") + Label(1, 1, u"d") + Label(0, 0, u"A")};
  book.kinds = {2, 0, 0};
  book.streamOrder = {2, 0, 1};
  const std::vector<std::string> sheets = SheetsOf(book.Bytes());
  EXPECT_EQ(sheets, (std::vector<std::string>{"1\t2\r\n", "A\tc\r\nb\td\r\n"}));

  // A workbook that a writer put under the stream name of older versions is read all the same.
  book.sheets = {Label(0, 0, u"x"), Label(0, 0, u"y")};
  book.kinds = {};
  book.streamOrder = {};
  EXPECT_EQ(SheetsOf(book.Bytes(u"Book")), (std::vector<std::string>{"x\r\n", "y\r\n"}));
  // A sheet cut short by the stream's end keeps the cells before the cut.
  book.sheets = {Label(0, 0, u"x")};
  std::string cut = book.Stream();
  cut.resize(cut.size() - Eof().size());
  cut += Number(1, 0, 7) + Label(2, 0, u"lost").substr(0, 6);
  EXPECT_EQ(SheetsOf(test::CompoundBytes({{u"Workbook", cut}})), std::vector<std::string>{"x\r\n7\r\n"});
}

TEST(XlsText, EncryptedOldAndEmptyWorkbooksAreRefused) {
  WorkbookMaker book;
  book.sheets = {Number(0, 0, 13800138000.0)};
  WorkbookMaker encrypted = book;
  encrypted.beforeSheets = Record(0x002F, U16(1) + std::string(52, '\0'));
  EXPECT_EQ(RefusalOf(encrypted.Bytes()), "受密码保护");
  WorkbookMaker excel95 = book;
  excel95.version = 0x0500;
  EXPECT_EQ(RefusalOf(excel95.Bytes(u"Book")), "unsupported: 格式不受支持（Excel 95 及更早版本的工作簿）");
  EXPECT_EQ(RefusalOf(test::CompoundBytes({{u"Workbook", "garbage"}})), "文件已损坏（工作簿流不以 BOF 记录开头）");

  WorkbookMaker none;
  EXPECT_EQ(RefusalOf(none.Bytes()), "文件已损坏（工作簿中没有工作表）");
  WorkbookMaker charts;
  charts.sheets = {Number(0, 0, 1)};
  charts.kinds = {2};
  EXPECT_EQ(RefusalOf(charts.Bytes()), "工作簿中没有可读取的工作表");
  // A sheet listed past the stream's end.
  std::string stream = book.Stream();
  stream.replace(Bof(5).size() + 4, 4, U32(1000000));
  EXPECT_EQ(RefusalOf(test::CompoundBytes({{u"Workbook", stream}})), "工作簿中没有可读取的工作表");

  WorkbookMaker strings = book;
  strings.afterSheets = Record(0x00FC, U32(1) + U32(1) + U16(100) + '\0' + std::string(100, 'x'));
  PackageLimits limits;
  limits.sharedStrings = 64;
  EXPECT_EQ(RefusalOf(strings.Bytes(), limits), "共享字符串超过 64 字节，不予读取");
}

}  // namespace
}  // namespace telqor
