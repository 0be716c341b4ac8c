#include "report/xlsx_table.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"

namespace telqor {
namespace fs = std::filesystem;
namespace {

constexpr int64_t kMeasuredRows = 1000;  // the rows of a sheet its column widths fit
constexpr int kWidestColumn = 80;
constexpr size_t kSheetNameCharacters = 31;
// A sheet's XML past this needs the zip's 64-bit sizes (its limit is 4 GB); below it they are
// left out, as Excel writes its own files.
constexpr uint64_t kZip64From = uint64_t{3} << 30;
constexpr uint64_t kCellMarkup = 40;  // <c r="A1" t="inlineStr"><is><t>...</t></is></c>

bool IsWide(uint32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The number a count ("1234") or share ("12.34%") cell holds; nothing for text of another form,
// which stays text.
std::optional<double> CellNumber(std::string_view text, ColumnKind kind) {
  if (kind == ColumnKind::kShare) {
    if (!text.ends_with('%')) return std::nullopt;
    text.remove_suffix(1);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return kind == ColumnKind::kShare ? value / 100 : value;
}

// Columns as a sheet shows the text: Chinese and full-width characters take two, others one.
int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size() && width < kWidestColumn;) width += IsWide(NextUtf8CodePoint(utf8, i)) ? 2 : 1;
  return width;
}

// The name of the table's n-th sheet: sheet, then sheet(2), sheet(3), ...; the characters a
// sheet name cannot hold made "_", and no longer than Excel allows.
std::string SheetName(std::string_view sheet, int n) {
  std::string suffix;
  if (n > 1) suffix.append("(").append(std::to_string(n)).append(")");
  std::string name;
  size_t characters = 0;
  for (size_t i = 0; i < sheet.size() && characters + suffix.size() < kSheetNameCharacters; ++characters) {
    const size_t from = i;
    const uint32_t c = NextUtf8CodePoint(sheet, i);
    if (c == kNotUtf8 || std::string_view("[]:*?/\\").find(static_cast<char>(c)) != std::string_view::npos ||
        (c == '\'' && (from == 0 || i == sheet.size())))
      name += '_';
    else
      name.append(sheet.substr(from, i - from));
  }
  return (name.empty() ? "Sheet" : name) + suffix;
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// "_xHHHH_" at text[i]: how a sheet writes a character that XML cannot hold.
bool IsEscapeAt(std::string_view text, size_t i) {
  return i + 7 <= text.size() && text[i] == '_' && text[i + 1] == 'x' && IsHex(text[i + 2]) && IsHex(text[i + 3]) &&
         IsHex(text[i + 4]) && IsHex(text[i + 5]) && text[i + 6] == '_';
}

// The cell's text as the sheet stores it: such text of the cell itself keeps its "_" by
// escaping it ("_x005F_"), and a text longer than a cell holds is cut at a character, counted
// as the library counts (the bytes that start a UTF-8 sequence).
const char* CellText(std::string_view cell, std::string& text) {
  if (cell.find("_x") == std::string_view::npos) {
    text.assign(cell);
  } else {
    text.clear();
    for (size_t i = 0; i < cell.size(); ++i) {
      if (IsEscapeAt(cell, i)) text += "_x005F";
      text += cell[i];
    }
  }
  if (text.size() > kXlsxCellCharacters) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
      if (++characters > kXlsxCellCharacters) {
        text.resize(i);
        break;
      }
    }
  }
  return text.c_str();
}

// libxlsxwriter in constant-memory mode: each sheet's rows go to a temporary file of its own
// (in the output's folder, removed by the system once closed) as they come, and the workbook
// is put together from them once, written by name beside the final file.
class XlsxTable : public TableSink {
 public:
  XlsxTable(const fs::path& out, const std::vector<std::string>& header, std::string_view sheet, Replace replace,
            std::vector<ColumnKind> kinds, int64_t rowsPerSheet)
      : writer_(out), out_(out), header_(header), sheet_(sheet), replace_(replace), kinds_(std::move(kinds)),
        rowsPerSheet_(std::max<int64_t>(rowsPerSheet, 1)) {
    const std::string file = NarrowPath(writer_.HandToLibrary());
    if (file.empty()) Fail("Cannot create file", EILSEQ);
    temporaryFolder_ = NarrowPath(out.parent_path().empty() ? fs::path(".") : out.parent_path());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = temporaryFolder_.empty() ? nullptr : temporaryFolder_.data();
    workbook_ = workbook_new_opt(file.c_str(), &options);
    if (!workbook_) Fail("Cannot create file", ENOMEM);
    try {
      // The Env's clock: a test's fixed one makes the file the same byte for byte.
      lxw_doc_properties properties = {};
      properties.created = std::chrono::system_clock::to_time_t(CurrentEnv().Now());
      workbook_set_properties(workbook_, &properties);
      bold_ = workbook_add_format(workbook_);
      if (!bold_) Fail("Cannot create file", ENOMEM);
      format_set_bold(bold_);
      percent_ = workbook_add_format(workbook_);
      if (!percent_) Fail("Cannot create file", ENOMEM);
      format_set_num_format(percent_, "0.00%");
      NewSheet();
    } catch (...) {
      Abandon();
      throw;
    }
  }

  ~XlsxTable() override {
    if (workbook_) Abandon();
  }

  void Row(const std::vector<std::string_view>& cells) override {
    if (rows_ > rowsPerSheet_) {
      EndSheet();
      NewSheet();
    }
    Write(cells, nullptr);
  }

  void TotalRow(const std::vector<std::string_view>& cells) override {
    if (rows_ + 1 > rowsPerSheet_) {
      EndSheet();
      NewSheet();
    }
    // The filter goes on while its last row is the one being written: the library refuses a
    // range that ends above the row it holds.
    SetFilter();
    filtered_ = true;
    ++rows_;  // an empty row between the table and its total
    Write(cells, nullptr);
  }

  fs::path Finish() override {
    EndSheet();
    if (zip64_) workbook_->options.use_zip64 = LXW_TRUE;
    errno = 0;
    const lxw_error error = workbook_close(workbook_);
    const int errorNumber = errno;
    workbook_ = nullptr;  // closed and freed, whatever the outcome
    sheets_.clear();
    if (error != LXW_NO_ERROR)
      throw FileError("Cannot write file \"" + PathToUtf8(out_) + "\". " +
                      (errorNumber ? SystemErrorText(errorNumber) : std::string(lxw_strerror(error))));
    if (replace_ == Replace::kNo) return writer_.CommitUnique();
    writer_.Commit();
    return out_;
  }

 private:
  [[noreturn]] void Fail(const char* what, int errorNumber) {
    throw FileError(std::string(what) + " \"" + PathToUtf8(out_) + "\". " + SystemErrorText(errorNumber));
  }
  [[noreturn]] void Fail(lxw_error error) {
    throw FileError("Cannot write file \"" + PathToUtf8(out_) + "\". " + lxw_strerror(error));
  }

  // The sheets' temporary files are closed only when the workbook is put together, so a table
  // given up closes them itself; the writer then removes the file beside.
  void Abandon() {
    for (lxw_worksheet* sheet : sheets_) {
      if (sheet->optimize_tmpfile) std::fclose(sheet->optimize_tmpfile);
      sheet->optimize_tmpfile = sheet->file = nullptr;
    }
    sheets_.clear();
    lxw_workbook_free(workbook_);
    workbook_ = nullptr;
  }

  // A sheet with the header, bold and frozen above the rows.
  void NewSheet() {
    errno = 0;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, SheetName(sheet_, static_cast<int>(sheets_.size()) + 1).c_str());
    if (!sheet) Fail("Cannot write file", errno ? errno : ENOMEM);
    sheets_.push_back(sheet);
    worksheet_freeze_panes(sheet, 1, 0);
    // Numbers are text on purpose: no green mark on each of a million cells.
    worksheet_ignore_errors(sheet, LXW_IGNORE_NUMBER_STORED_AS_TEXT, "A1:XFD1048576");
    rows_ = 0;
    filtered_ = false;
    sheetBytes_ = 0;
    widths_.assign(header_.size(), 0);
    Write(std::vector<std::string_view>(header_.begin(), header_.end()), bold_);
  }

  void Write(const std::vector<std::string_view>& cells, lxw_format* format) {
    lxw_worksheet* sheet = sheets_.back();
    if (cells.size() > widths_.size()) widths_.resize(cells.size(), 0);
    errno = 0;
    for (size_t c = 0; c < cells.size(); ++c) {
      if (cells[c].empty()) continue;  // an empty cell is no cell
      const auto row = static_cast<lxw_row_t>(rows_);
      const auto column = static_cast<lxw_col_t>(c);
      const ColumnKind kind = format == bold_ || c >= kinds_.size() ? ColumnKind::kText : kinds_[c];
      const std::optional<double> value = kind == ColumnKind::kText ? std::nullopt : CellNumber(cells[c], kind);
      const lxw_error error = value ? worksheet_write_number(sheet, row, column, *value, kind == ColumnKind::kShare ? percent_ : nullptr)
                                    : worksheet_write_string(sheet, row, column, CellText(cells[c], text_), format);
      if (error != LXW_NO_ERROR) Fail(error);
      if (rows_ <= kMeasuredRows) widths_[c] = std::max(widths_[c], DisplayWidth(cells[c]));
      sheetBytes_ += (value ? cells[c].size() : text_.size()) + kCellMarkup;
    }
    ++rows_;
    // A row goes to the temporary file as the next one starts; a full disk shows there.
    if (std::ferror(sheet->optimize_tmpfile)) Fail("Cannot write file", errno ? errno : EIO);
  }

  // The autofilter over the header and the rows, the column widths, and a last look at the
  // temporary file, whose errors the library does not see.
  void SetFilter() {
    if (!header_.empty())
      worksheet_autofilter(sheets_.back(), 0, 0, static_cast<lxw_row_t>(rows_ - 1),
                           static_cast<lxw_col_t>(header_.size() - 1));
  }

  void EndSheet() {
    lxw_worksheet* sheet = sheets_.back();
    if (!filtered_) SetFilter();
    for (size_t c = 0; c < widths_.size(); ++c)
      worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                           std::min(widths_[c] + 2, kWidestColumn), nullptr);
    zip64_ = zip64_ || sheetBytes_ > kZip64From;
    errno = 0;
    if (std::fflush(sheet->optimize_tmpfile) != 0 || std::ferror(sheet->optimize_tmpfile))
      Fail("Cannot write file", errno ? errno : EIO);
  }

  FileWriter writer_;
  fs::path out_;
  std::vector<std::string> header_;
  std::string sheet_;
  Replace replace_;
  std::vector<ColumnKind> kinds_;
  int64_t rowsPerSheet_;
  std::string temporaryFolder_;
  lxw_workbook* workbook_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* percent_ = nullptr;
  std::vector<lxw_worksheet*> sheets_;
  int64_t rows_ = 0;  // of the sheet, the header included
  bool filtered_ = false;  // the sheet's filter set, above its total row
  uint64_t sheetBytes_ = 0;
  bool zip64_ = false;
  std::vector<int> widths_;
  std::string text_;
};

}  // namespace

std::unique_ptr<TableSink> OpenXlsxTable(const fs::path& out, const std::vector<std::string>& header,
                                         std::string_view sheet, Replace replace, std::vector<ColumnKind> kinds,
                                         int64_t rowsPerSheet) {
  return std::make_unique<XlsxTable>(out, header, sheet, replace, std::move(kinds), rowsPerSheet);
}

}  // namespace telqor
