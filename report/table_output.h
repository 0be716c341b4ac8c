// Tables written for a spreadsheet: a header row, then data rows, every cell given as text
// (UTF-8 in, whatever the format needs out), streamed row by row so millions of rows take
// little memory. A column's kind says how a workbook holds its cells; a CSV holds them as given.
//
// Formats:
//  - .xlsx (libxlsxwriter, constant memory): a text column's cells are text cells, so
//    13800138000 and 0531 stay as written; a count column's cells are numbers, a share
//    column's ("12.34%") numbers shown as percentages with two decimals. The header bold and
//    frozen, with an autofilter over the header and the data rows; a total row goes below
//    them after an empty row, outside the filter, so sorting and filtering leave it alone.
//    Column widths fitted to the widest cell seen in the first rows. Past 1,048,575 data rows
//    the table goes on in a next sheet ("号码", "号码(2)", ...) with the header again.
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

// How a workbook holds a column's cells: as text, as an integer count, or as a share written
// "12.34%" (the fraction 0.1234, shown as a percentage).
enum class ColumnKind { kText, kCount, kShare };

class TableSink {
 public:
  virtual ~TableSink() = default;
  virtual void Row(const std::vector<std::string_view>& cells) = 0;
  // The row of totals after the data rows: a row like the others, except in a workbook.
  virtual void TotalRow(const std::vector<std::string_view>& cells) { Row(cells); }
  // Writes what is left and moves the file onto its name; answers the path written. Without
  // Finish, the sink's destructor removes what it wrote.
  virtual std::filesystem::path Finish() = 0;
};

enum class Replace { kYes, kNo };

// A sink writing header first. sheet names the workbook's first sheet (xlsx only); kinds gives
// each column's kind (text where it names none). "-" for out writes CSV to standard output.
// Errors are FileError naming out.
std::unique_ptr<TableSink> OpenTable(const std::filesystem::path& out, TableFormat format,
                                     const std::vector<std::string>& header, std::string_view sheet,
                                     Replace replace = Replace::kYes, std::vector<ColumnKind> kinds = {});

}  // namespace telqor
