#include "documents/xls_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <set>
#include <vector>

#include "documents/biff_records.h"

namespace telqor {
namespace {

// The records read, by type.
constexpr uint16_t kBeginning = 0x0809;  // BOF: a substream starts
constexpr uint16_t kEnd = 0x000A;        // EOF: it ends
constexpr uint16_t kPassword = 0x002F;   // FILEPASS: the rest is encrypted
constexpr uint16_t kSheet = 0x0085;      // BOUNDSHEET8: a sheet's name, kind and place
constexpr uint16_t kSharedStrings = 0x00FC;
constexpr uint16_t kSharedLabel = 0x00FD;
constexpr uint16_t kLabel = 0x0204;
constexpr uint16_t kRichLabel = 0x00D6;
constexpr uint16_t kRk = 0x027E;
constexpr uint16_t kMultipleRk = 0x00BD;
constexpr uint16_t kNumber = 0x0203;
constexpr uint16_t kFormula = 0x0006;
constexpr uint16_t kFormulaString = 0x0207;  // STRING: the text a formula gave, after it
constexpr uint16_t kBooleanOrError = 0x0205;

constexpr uint16_t kBiff8 = 0x0600;
constexpr uint16_t kWorksheetSubstream = 0x0010;
constexpr uint8_t kWorksheet = 0;

constexpr size_t kRecordsBetweenStops = 4096;

// The workbook's strings, one after another in one block, as the .xlsx reader keeps them.
class SharedStrings {
 public:
  explicit SharedStrings(size_t limit) : limit_(limit) {}

  std::string_view At(uint32_t i) const {
    if (i >= ends_.size()) return {};
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
  }

  // The strings of an SST record and its continuations; a string cut short ends them.
  void Read(const BiffRecord& record) {
    BiffCursor cursor(record);
    try {
      cursor.Skip(8);  // the counts of uses and of strings, which the data itself tells
      while (!cursor.AtEnd()) {
        const std::string string = cursor.String(false, true);
        if (text_.size() + string.size() + sizeof(uint32_t) * (ends_.size() + 1) > limit_)
          throw PackageError("共享字符串超过 " + SizeText(limit_) + "，不予读取");
        text_ += string;
        ends_.push_back(static_cast<uint32_t>(text_.size()));
      }
    } catch (const RecordCutShort&) {
    }
  }

 private:
  size_t limit_;
  std::string text_;
  std::vector<uint32_t> ends_;
};

// The globals substream: where the worksheets start, and the shared strings.
struct Globals {
  explicit Globals(size_t limit) : strings(limit) {}
  size_t sheetsListed = 0;
  std::vector<uint32_t> worksheets;
  SharedStrings strings;
};

Globals ReadGlobals(std::string_view stream, const CompoundFile& file) {
  Globals globals(file.Limits().sharedStrings);
  BiffRecords records(stream, 0);
  BiffRecord record;
  uint16_t version = 0;
  try {
    if (records.Next(record) && record.type == kBeginning) version = BiffCursor(record).U16();
  } catch (const RecordCutShort&) {
  }
  if (version == 0) throw PackageError("文件已损坏（工作簿流不以 BOF 记录开头）");
  if (version < kBiff8) throw UnsupportedFormat("格式不受支持（Excel 95 及更早版本的工作簿）");
  for (size_t n = 1; records.Next(record) && record.type != kEnd; ++n) {
    if (n % kRecordsBetweenStops == 0) file.CheckStop();
    if (record.type == kPassword) throw PackageError("受密码保护");
    if (record.type == kSharedStrings) globals.strings.Read(record);
    if (record.type != kSheet) continue;
    try {
      BiffCursor cursor(record);
      const uint32_t at = cursor.U32();
      cursor.U8();  // shown or hidden: a hidden sheet is read too
      ++globals.sheetsListed;
      if (cursor.U8() == kWorksheet) globals.worksheets.push_back(at);
    } catch (const RecordCutShort&) {
    }
  }
  return globals;
}

std::string_view ErrorText(uint8_t code) {
  switch (code) {
    case 0x00:
      return "#NULL!";
    case 0x07:
      return "#DIV/0!";
    case 0x0F:
      return "#VALUE!";
    case 0x17:
      return "#REF!";
    case 0x1D:
      return "#NAME?";
    case 0x24:
      return "#NUM!";
    case 0x2A:
      return "#N/A";
    default:
      return "";
  }
}

// A number in the compact form of RK records: the high 30 bits of a double or a signed
// integer, either of them possibly a hundred times the value.
std::string RkText(uint32_t rk) {
  const bool hundredths = (rk & 1) != 0;
  if (rk & 2) {
    const int32_t integer = static_cast<int32_t>(rk) >> 2;
    return hundredths ? NumberText(integer / 100.0) : std::to_string(integer);
  }
  const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFC) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return NumberText(hundredths ? value / 100 : value);
}

// Calls cell(row, column, value) for each cell of the worksheet whose substream starts at
// `from`, in the file's order; charts and other substreams inside it are passed over, a record
// cut short is left out. False when no worksheet starts there.
template <typename Cell>
bool ForEachCell(std::string_view stream, uint32_t from, const SharedStrings& strings, const CompoundFile& file,
                 Cell&& cell) {
  BiffRecords records(stream, from);
  BiffRecord record;
  try {
    if (!records.Next(record) || record.type != kBeginning) return false;
    BiffCursor beginning(record);
    beginning.U16();
    if (beginning.U16() != kWorksheetSubstream) return false;
  } catch (const RecordCutShort&) {
    return false;
  }
  size_t depth = 0;
  bool formulaString = false;  // the last cell was a formula whose text follows
  uint16_t formulaRow = 0, formulaColumn = 0;
  for (size_t n = 1; records.Next(record); ++n) {
    if (n % kRecordsBetweenStops == 0) file.CheckStop();
    if (record.type == kBeginning) ++depth;
    if (record.type == kEnd && depth-- == 0) break;
    if (depth > 0) continue;
    try {
      BiffCursor cursor(record);
      if (record.type == kFormulaString) {
        if (formulaString) cell(formulaRow, formulaColumn, cursor.String());
        formulaString = false;
        continue;
      }
      if (record.type != kSharedLabel && record.type != kLabel && record.type != kRichLabel && record.type != kRk &&
          record.type != kMultipleRk && record.type != kNumber && record.type != kFormula &&
          record.type != kBooleanOrError)
        continue;
      formulaString = false;
      const uint16_t row = cursor.U16(), column = cursor.U16();
      if (record.type == kMultipleRk) {
        size_t size = 0;
        for (std::string_view part : record.data) size += part.size();
        const size_t count = size < 6 ? 0 : (size - 6) / 6;  // then the last column's number
        for (size_t i = 0; i < count && column + i <= UINT16_MAX; ++i) {
          cursor.U16();  // the cell's format
          cell(row, static_cast<uint16_t>(column + i), RkText(cursor.U32()));
        }
        continue;
      }
      cursor.U16();  // the cell's format
      switch (record.type) {
        case kSharedLabel:
          cell(row, column, strings.At(cursor.U32()));
          break;
        case kLabel:
        case kRichLabel:
          cell(row, column, cursor.String());
          break;
        case kRk:
          cell(row, column, RkText(cursor.U32()));
          break;
        case kNumber:
          cell(row, column, NumberText(cursor.F64()));
          break;
        case kBooleanOrError: {
          const uint8_t value = cursor.U8();
          if (cursor.U8() != 0)
            cell(row, column, ErrorText(value));
          else
            cell(row, column, value ? "TRUE" : "FALSE");
          break;
        }
        case kFormula: {
          // The last value: a double, or a kind in the first byte when the last two are 0xFFFF.
          const uint32_t low = cursor.U32(), high = cursor.U32();
          if ((high >> 16) != 0xFFFF) {
            const uint64_t bits = low | static_cast<uint64_t>(high) << 32;
            double value;
            std::memcpy(&value, &bits, sizeof value);
            cell(row, column, NumberText(value));
          } else if ((low & 0xFF) == 0) {
            formulaString = true;
            formulaRow = row;
            formulaColumn = column;
          } else if ((low & 0xFF) == 1) {
            cell(row, column, (low >> 16 & 0xFF) ? "TRUE" : "FALSE");
          } else if ((low & 0xFF) == 2) {
            cell(row, column, ErrorText(static_cast<uint8_t>(low >> 16)));
          }
          break;
        }
        default:
          break;
      }
    } catch (const RecordCutShort&) {
    }
  }
  return true;
}

// A worksheet's cells to lines, given in order of rows and columns.
class SheetWriter {
 public:
  explicit SheetWriter(PackageText& out) : lines_(out) {}

  void Cell(uint32_t row, uint32_t column, std::string_view value) {
    if (open_ && row != row_) {
      lines_.EndRow();
      open_ = false;
    }
    if (!open_) {
      if (row > lines_.Row()) lines_.SkipRows(row - lines_.Row());
      row_ = row;
      open_ = true;
    }
    if (column > lines_.Column()) lines_.SkipCells(column - lines_.Column());
    lines_.Cell(value);
  }

  void Finish() {
    if (open_) lines_.EndRow();
    lines_.EndSheet();
  }

 private:
  SheetLines lines_;
  uint32_t row_ = 0;
  bool open_ = false;
};

uint32_t Key(uint32_t row, uint32_t column) { return row << 16 | column; }

// A worksheet whose cells the file lists out of order (some writers go column by column): its
// cells are held, within the text's limit, and sorted; of a cell listed twice the last counts.
void WriteSorted(std::string_view stream, uint32_t from, const SharedStrings& strings, const CompoundFile& file,
                 PackageText& out) {
  struct Held {
    uint32_t key, begin, size;
  };
  std::vector<Held> held;
  std::string values;
  ForEachCell(stream, from, strings, file, [&](uint32_t row, uint32_t column, std::string_view value) {
    out.Reserve(values.size() + value.size() + sizeof(Held) * (held.size() + 1));
    held.push_back({Key(row, column), static_cast<uint32_t>(values.size()), static_cast<uint32_t>(value.size())});
    values += value;
  });
  std::stable_sort(held.begin(), held.end(), [](const Held& a, const Held& b) { return a.key < b.key; });
  SheetWriter writer(out);
  for (size_t i = 0; i < held.size(); ++i)
    if (i + 1 == held.size() || held[i + 1].key != held[i].key)
      writer.Cell(held[i].key >> 16, held[i].key & 0xFFFF, std::string_view(values).substr(held[i].begin, held[i].size));
  writer.Finish();
}

}  // namespace

std::string NumberText(double value) {
  // Seventeen significant digits hold any double exactly; ShownNumber rounds them as shown.
  char digits[32];
  const std::to_chars_result written =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 16);
  return ShownNumber(std::string_view(digits, static_cast<size_t>(written.ptr - digits)));
}

void ReadXlsText(const CompoundFile& file, PackageText& out) {
  const std::string stream = file.Read(file.Has(u"Workbook") ? u"Workbook" : u"Book");
  const Globals globals = ReadGlobals(stream, file);
  if (globals.sheetsListed == 0) throw PackageError("文件已损坏（工作簿中没有工作表）");
  // A sheet is read once, however often a damaged workbook lists its place.
  std::set<uint32_t> read;
  for (uint32_t from : globals.worksheets) {
    if (read.count(from)) continue;
    bool inOrder = true, first = true;
    uint32_t last = 0;
    const bool found = ForEachCell(stream, from, globals.strings, file, [&](uint32_t row, uint32_t column, auto&&) {
      inOrder = inOrder && (first || Key(row, column) > last);
      first = false;
      last = Key(row, column);
    });
    if (!found) continue;
    read.insert(from);
    if (!inOrder) {
      WriteSorted(stream, from, globals.strings, file, out);
      continue;
    }
    SheetWriter writer(out);
    ForEachCell(stream, from, globals.strings, file,
                [&](uint32_t row, uint32_t column, std::string_view value) { writer.Cell(row, column, value); });
    writer.Finish();
  }
  if (read.empty()) throw PackageError("工作簿中没有可读取的工作表");
}

}  // namespace telqor
