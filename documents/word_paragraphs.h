// Which paragraphs of a Word binary document stand in a table, and which end a table's row:
// the text alone cannot tell, since a cell's end and a row's end are the same character (7) and
// an empty cell is a lone 7 too. Paragraph properties say it, in 512-byte pages of the
// WordDocument stream (formatted disk pages) found through the table stream's bin table.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace telqor {

struct TableMark {
  bool inTable = false;  // the paragraph is in a table's cell (at any depth)
  bool rowEnd = false;   // the paragraph is the mark that ends a row of the outermost table
};

class WordParagraphs {
 public:
  // bins is the bin table's bytes (PlcBtePapx) within the table stream; empty, or damaged, gives
  // a lookup that knows nothing. Both views must outlive the object.
  WordParagraphs(std::string_view wordDocument, std::string_view bins);

  // The marks of the paragraph whose mark (a 13 or 7) stands at byte fc of the WordDocument
  // stream; nullopt when the properties cannot be found or read.
  std::optional<TableMark> At(uint32_t fc) const;

 private:
  std::string_view word_;
  std::vector<uint32_t> fcs_;    // where each page's paragraphs begin, and the last one's end
  std::vector<uint32_t> pages_;  // the page numbers
};

}  // namespace telqor
