// Tables written for a spreadsheet: a header row, then data rows, every cell text (UTF-8 in,
// whatever the format needs out), streamed row by row so millions of rows take little memory.
//
// Formats:
//  - .xlsx (libxlsxwriter, constant memory): every cell a text cell, so 13800138000 and 0531
//    stay as written; the header bold and frozen, with an autofilter; column widths fitted to
//    the widest cell seen in the first rows. Past 1,048,575 data rows the table goes on in a
//    next sheet ("号码", "号码(2)", ...) with the header again.
//  - .csv: RFC 4180 quoting (a cell with a comma, quote, CR or LF is quoted, quotes doubled),
//    CR LF after every row; UTF-8 with a byte-order mark (what Excel on Chinese Windows reads
//    right), or GBK without one.
// The file is written beside its final name and moved there by Finish (the safe writer's way):
// a failure leaves nothing half-written and whatever was there before. Finish never replaces a
// file when asked not to (the name-2.ext rule of FileWriter::CommitUnique).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

enum class TableFormat { kXlsx, kCsvUtf8, kCsvGbk };

// The format an output name asks for by its extension (.xlsx, .csv; any case); nothing for
// another one. csvEncoding chooses the CSV's encoding.
std::optional<TableFormat> TableFormatOf(const std::filesystem::path& out, TableFormat csvEncoding = TableFormat::kCsvUtf8);

class TableSink {
 public:
  virtual ~TableSink() = default;
  virtual void Row(const std::vector<std::string_view>& cells) = 0;
  // Writes what is left and moves the file onto its name; answers the path written. Without
  // Finish, the sink's destructor removes what it wrote.
  virtual std::filesystem::path Finish() = 0;
};

enum class Replace { kYes, kNo };

// A sink writing header first. sheet names the workbook's first sheet (xlsx only).
// "-" for out writes CSV to standard output. Errors are FileError naming out.
std::unique_ptr<TableSink> OpenTable(const std::filesystem::path& out, TableFormat format,
                                     const std::vector<std::string>& header, std::string_view sheet,
                                     Replace replace = Replace::kYes);

}  // namespace telqor
