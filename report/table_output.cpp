#include "report/table_output.h"

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "report/xlsx_table.h"

namespace telqor {
namespace fs = std::filesystem;
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool NeedsQuotes(std::string_view cell) { return cell.find_first_of(",\"\r\n") != std::string_view::npos; }

// RFC 4180: a row of cells separated by commas, ended by CR LF.
class CsvTable : public TableSink {
 public:
  CsvTable(FileWriter writer, fs::path out, bool gbk, Replace replace)
      : writer_(std::move(writer)), out_(std::move(out)), gbk_(gbk), replace_(replace) {
    if (!gbk_) writer_.Write(kUtf8Mark);
  }

  void Row(const std::vector<std::string_view>& cells) override {
    line_.clear();
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) line_ += ',';
      // A character GBK lacks becomes "?", as everywhere the program writes GBK.
      std::string_view cell = cells[i];
      if (gbk_ && !IsAscii(cell)) {
        converted_ = Utf8ToGbk(cell);
        cell = converted_;
      }
      if (!NeedsQuotes(cell)) {
        line_.append(cell);
        continue;
      }
      line_ += '"';
      for (char c : cell) {
        if (c == '"') line_ += '"';
        line_ += c;
      }
      line_ += '"';
    }
    line_ += "\r\n";
    writer_.Write(line_);
  }

  fs::path Finish() override {
    if (replace_ == Replace::kNo) return writer_.CommitUnique();
    writer_.Commit();
    return out_;
  }

 private:
  FileWriter writer_;
  fs::path out_;
  bool gbk_;
  Replace replace_;
  std::string line_, converted_;
};

}  // namespace

std::optional<TableFormat> TableFormatOf(const fs::path& out, TableFormat csvEncoding) {
  std::string extension = PathToUtf8(out.extension());
  for (char& c : extension) c = AsciiLower(c);
  if (extension == ".xlsx") return TableFormat::kXlsx;
  if (extension == ".csv") return csvEncoding == TableFormat::kXlsx ? TableFormat::kCsvUtf8 : csvEncoding;
  return std::nullopt;
}

std::unique_ptr<TableSink> OpenTable(const fs::path& out, TableFormat format, const std::vector<std::string>& header,
                                     std::string_view sheet, Replace replace, std::vector<ColumnKind> kinds) {
  std::unique_ptr<TableSink> table;
  if (out == "-")
    table = std::make_unique<CsvTable>(FileWriter::StandardOutput(), out, format == TableFormat::kCsvGbk, replace);
  else if (format == TableFormat::kXlsx)
    return OpenXlsxTable(out, header, sheet, replace, std::move(kinds));
  else
    table = std::make_unique<CsvTable>(FileWriter(out), out, format == TableFormat::kCsvGbk, replace);
  table->Row(std::vector<std::string_view>(header.begin(), header.end()));
  return table;
}

}  // namespace telqor
