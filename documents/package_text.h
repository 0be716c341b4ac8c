// The text made from an office package's parts, in the program's shapes: a document's paragraphs
// and table rows as lines, a sheet's rows as lines of tab-separated cells. The readers give UTF-8
// from the XML; it becomes GBK a piece at a time, so no second copy of the whole text is made.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

// Lines each followed by eol, in parts (a workbook's sheets); no more than limit bytes in all,
// else PackageError.
class PackageText {
 public:
  PackageText(std::string eol, size_t limit) : eol_(std::move(eol)), limit_(limit) {}

  const std::string& Eol() const { return eol_; }
  // The line being made (UTF-8); Append checks the limit, Line() is for moving it aside.
  std::string& Line() { return line_; }
  void Append(std::string_view utf8) {
    Reserve(utf8.size());
    line_.append(utf8);
  }
  // Raises PackageError when bytes more would pass the limit.
  void Reserve(uint64_t bytes) const {
    if (bytes > limit_ || Size() > limit_ - bytes) Refuse();
  }
  // Ends the line: written times, empty ones too.
  void EndLine(uint64_t times = 1);
  // Empty lines before the line being made.
  void EmptyLines(uint64_t count);
  // Ends a part (a sheet) after its last line.
  void EndPart();

  // The text in GBK and where each part ends in it; the object is spent.
  std::string TakeText();
  const std::vector<size_t>& PartEnds() const { return partEnds_; }

 private:
  size_t Size() const { return gbk_.size() + done_.size() + line_.size(); }
  void Flush();
  [[noreturn]] void Refuse() const;

  std::string eol_;
  size_t limit_;
  std::string gbk_;   // converted
  std::string done_;  // whole lines still in UTF-8
  std::string line_;
  std::vector<size_t> partEnds_;
};

// A document's text: paragraphs are lines; a table row is a line of its cells separated by tabs,
// the paragraphs and breaks inside a cell becoming spaces; a story inside a paragraph (a text box,
// a note, a comment) gives lines of its own before the rest of that paragraph.
class DocumentLines {
 public:
  explicit DocumentLines(PackageText& out) : out_(out) {}

  // Characters of a paragraph; a line break among them (not one of a document's own) is a space.
  void Text(std::string_view utf8);
  void Spaces(uint64_t count);
  void Tab() { Text("\t"); }
  void Break() { EndParagraph(); }
  void EndParagraph();
  void StartRow();
  // A row or cell repeated (OpenDocument) is written that many times.
  void EndRow(uint64_t repeat = 1);
  void StartCell();
  void EndCell(uint64_t repeat = 1);
  void StartStory();
  void EndStory();
  // Ends what is left open (a part that ends inside a paragraph).
  void Finish();

 private:
  void BeforeText();
  bool CellHasText() const;  // the innermost open cell's

  struct Story {
    std::string line;                // the paragraph's text so far, set aside
    std::vector<uint64_t> rowCells;  // cells started in each open row, outermost first
    std::vector<size_t> cellStarts;  // where each open cell's text begins in the line
    bool space = false;              // a space before the cell's next text
  };
  PackageText& out_;
  Story now_;
  std::vector<Story> outer_;
};

// A sheet's text: a row a line, its cells in column order separated by tabs. Empty cells and rows
// are counted, not written, until content follows them, so a sheet whose last row repeats a
// million times, or a row whose last cell repeats 16,000 times, costs nothing.
class SheetLines {
 public:
  explicit SheetLines(PackageText& out) : out_(out) {}

  uint64_t Column() const { return column_; }  // cells passed in this row
  uint64_t Row() const { return row_; }        // rows passed in this sheet
  void SkipCells(uint64_t count);
  // The cell's value as written, in quotes when it holds a tab, a quote or a line break (quotes
  // doubled), as sheets exported with tabs are. Empty is an empty cell.
  void Cell(std::string_view utf8, uint64_t repeat = 1);
  void SkipRows(uint64_t count);
  void EndRow(uint64_t repeat = 1);
  // Ends the sheet as a part; the empty rows at its end are dropped.
  void EndSheet();

 private:
  PackageText& out_;
  uint64_t column_ = 0, emptyCells_ = 0, row_ = 0, emptyRows_ = 0;
  bool content_ = false;  // in this row
  std::string field_;
};

// The significant digits a spreadsheet shows of a number in its General format: what it stores
// is a binary fraction written out in up to 17 digits.
inline constexpr size_t kShownDigits = 15;

// A number stored in a spreadsheet cell as the spreadsheet shows it in its General format:
// rounded half away from zero to kShownDigits significant digits ("324374.15999999997" is
// 324374.16, "-0.30000000000000004" is -0.3, 1234567890123456789 is 1234567890123460000), but
// in full digits, never in exponent form, so a telephone number stays whole ("1.3800138E10" is
// 13800138000, "1.5E-7" is 0.00000015, "1E+20" is a 1 and twenty zeros). Anything that is not a
// number, or has an exponent beyond 400, is kept as it is.
std::string ShownNumber(std::string_view stored);

}  // namespace telqor
