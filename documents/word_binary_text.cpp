#include "documents/word_binary_text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/text/gbk.h"
#include "documents/little_endian.h"
#include "documents/word_paragraphs.h"

namespace telqor {
namespace {

constexpr uint16_t kEncrypted = 0x0100;
constexpr uint16_t kInTable1 = 0x0200;  // the table stream is 1Table, else 0Table
constexpr uint16_t kFirstWord97 = 0x00C0;

// The stories' lengths follow one another in the file information block, from the main text's.
constexpr size_t kStories = 8;
constexpr size_t kFirstStory = 3;
// Where the piece table and the paragraphs' bin table are, among the block's offset-size pairs.
constexpr size_t kPieceTablePair = 33;
constexpr size_t kParagraphBinsPair = 13;

constexpr char kDamagedBlock[] = "文件已损坏（Word 文档的文件信息块无效）";
constexpr char kDamagedPieces[] = "文件已损坏（Word 文档的文本片段表无效）";

// Characters of the text with a meaning of their own.
constexpr char16_t kCellMark = 0x07;
constexpr char16_t kTab = 0x09;
constexpr char16_t kLineBreak = 0x0B;
constexpr char16_t kPageBreak = 0x0C;  // also a section's end
constexpr char16_t kParagraphMark = 0x0D;
constexpr char16_t kColumnBreak = 0x0E;
constexpr char16_t kFieldBegin = 0x13;
constexpr char16_t kFieldSeparator = 0x14;
constexpr char16_t kFieldEnd = 0x15;
constexpr char16_t kNonBreakingHyphen = 0x1E;
constexpr size_t kDeepestField = 1000;

// Windows-1252 from 0x80 to 0x9F, where it parts from Latin-1: 8-bit pieces hold it.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Range {
  uint32_t offset = 0, size = 0;
};

// What the file information block says: version, flags, the stories' lengths and where the
// tables are. The block is a fixed part and three counted arrays; only their counts are trusted
// for its layout.
struct FileInformation {
  uint16_t version = 0, flags = 0;
  std::array<uint32_t, kStories> stories{};
  Range pieceTable, paragraphBins;
};

FileInformation ReadFileInformation(std::string_view word) {
  FileInformation fib;
  size_t at = 32;
  if (!Within(word, 0, at + 2)) throw PackageError(kDamagedBlock);
  fib.version = Le16(&word[2]);
  fib.flags = Le16(&word[0x0A]);
  if (fib.flags & kEncrypted) throw PackageError("受密码保护");
  if (fib.version < kFirstWord97) throw UnsupportedFormat("格式不受支持（Word 95 及更早版本的文档）");
  at += 2 + 2 * size_t{Le16(&word[at])};
  if (!Within(word, at, 2)) throw PackageError(kDamagedBlock);
  const size_t longs = Le16(&word[at]);
  at += 2;
  if (longs < kFirstStory + kStories || !Within(word, at, 4 * longs)) throw PackageError(kDamagedBlock);
  for (size_t i = 0; i < kStories; ++i) fib.stories[i] = Le32(&word[at + 4 * (kFirstStory + i)]);
  at += 4 * longs;
  if (!Within(word, at, 2)) throw PackageError(kDamagedBlock);
  const size_t pairs = Le16(&word[at]);
  at += 2;
  if (pairs <= kPieceTablePair || !Within(word, at, 8 * pairs)) throw PackageError(kDamagedBlock);
  auto pair = [&](size_t i) { return Range{Le32(&word[at + 8 * i]), Le32(&word[at + 8 * i + 4])}; };
  fib.pieceTable = pair(kPieceTablePair);
  fib.paragraphBins = pair(kParagraphBinsPair);
  return fib;
}

// The range's bytes; empty when they do not lie within.
std::string_view Slice(std::string_view bytes, Range range) {
  return Within(bytes, range.offset, range.size) ? bytes.substr(range.offset, range.size) : std::string_view();
}

// A run of characters stored in one place of the WordDocument stream, one byte (Windows-1252)
// or two (UTF-16) each.
struct Piece {
  uint32_t start = 0, end = 0;  // character positions
  uint32_t offset = 0;          // in the WordDocument stream
  bool narrow = false;
};

// The piece table: after property groups (kind 1, counted in bytes), the pieces' character
// positions and descriptors (kind 2).
std::vector<Piece> ReadPieces(std::string_view table) {
  std::string_view pieces;
  for (size_t at = 0; pieces.empty();) {
    if (!Within(table, at, 3)) throw PackageError(kDamagedPieces);
    if (table[at] == 1) {
      at += 3 + size_t{Le16(&table[at + 1])};
    } else if (table[at] == 2 && Within(table, at + 1, 4) && Within(table, at + 5, Le32(&table[at + 1]))) {
      pieces = table.substr(at + 5, Le32(&table[at + 1]));
      if (pieces.size() < 4 || (pieces.size() - 4) % 12 != 0) throw PackageError(kDamagedPieces);
    } else {
      throw PackageError(kDamagedPieces);
    }
  }
  const size_t count = (pieces.size() - 4) / 12;
  std::vector<Piece> out(count);
  for (size_t i = 0; i < count; ++i) {
    out[i].start = Le32(&pieces[4 * i]);
    out[i].end = Le32(&pieces[4 * i + 4]);
    const uint32_t fc = Le32(&pieces[4 * (count + 1) + 8 * i + 2]);
    out[i].narrow = (fc & 0x40000000) != 0;
    out[i].offset = out[i].narrow ? (fc & 0x3FFFFFFF) / 2 : fc & 0x3FFFFFFF;
  }
  return out;
}

// The characters turned into lines: paragraphs are kept whole until their mark, whose
// properties say whether they stand in a table.
class WordText {
 public:
  WordText(PackageText& out, const WordParagraphs& paragraphs) : out_(out), lines_(out), paragraphs_(paragraphs) {}

  void Character(char16_t c, uint32_t fc) {
    if (c >= 0xD800 && c <= 0xDBFF) {
      LoneSurrogate();
      high_ = c;
      return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
      Append(high_ ? 0x10000 + ((uint32_t{high_} - 0xD800) << 10) + (c - 0xDC00) : 0xFFFD);
      high_ = 0;
      return;
    }
    LoneSurrogate();
    switch (c) {
      case kFieldBegin:
        // Deeper than any document nests them: a damaged text, whose further fields are left
        // to those open.
        if (fields_.size() >= kDeepestField) return;
        fields_.push_back(true);
        ++instructions_;
        return;
      case kFieldSeparator:
        if (!fields_.empty() && fields_.back()) {
          fields_.back() = false;
          --instructions_;
        }
        return;
      case kFieldEnd:
        if (!fields_.empty()) {
          instructions_ -= fields_.back() ? 1 : 0;
          fields_.pop_back();
        }
        return;
      case kParagraphMark:
      case kCellMark:
        return EndParagraph(c, fc);
      case kPageBreak:
        if (!inRow_) return Paragraph();
        return Append('\n');
      case kTab:
        return Append('\t');
      case kLineBreak:
      case kColumnBreak:
        return Append('\n');
      case kNonBreakingHyphen:
        return Append('-');
      default:
        if (c >= 0x20) Append(c);  // anchors of pictures and notes, optional hyphens: nothing
    }
  }

  // A story ends: what it left open is closed, fields too. Past the main text, empty paragraphs
  // are the stories' structure (the separators above notes, the marks ending empty headers), not
  // lines of the document.
  void EndStory() {
    LoneSurrogate();
    if (inCell_) {
      Put();
    } else if (!paragraph_.empty()) {
      Paragraph();
    }
    CloseRow();
    lines_.Finish();
    fields_.clear();
    instructions_ = 0;
    lastMark_ = 0;
    mainText_ = false;
  }

 private:
  // A character of the text (a line break as '\n'), unless it is a field's instructions.
  void Append(uint32_t c) {
    if (instructions_ > 0) return;
    AppendUtf8(paragraph_, c);
    if (paragraph_.size() >= nextCheck_) {
      out_.Reserve(paragraph_.size());  // a paragraph never ending is held to the text's limit
      nextCheck_ = paragraph_.size() + (1 << 16);
    }
  }

  void LoneSurrogate() {
    if (high_) Append(0xFFFD);
    high_ = 0;
  }

  // The paragraph's text to the lines, a line break a break.
  void Put() {
    std::string_view text = paragraph_;
    for (size_t breakAt; (breakAt = text.find('\n')) != std::string_view::npos; text.remove_prefix(breakAt + 1)) {
      lines_.Text(text.substr(0, breakAt));
      lines_.Break();
    }
    lines_.Text(text);
    paragraph_.clear();
    nextCheck_ = 1 << 16;
  }

  // A paragraph outside tables.
  void Paragraph() {
    CloseRow();
    if (paragraph_.empty() && !mainText_) return;
    Put();
    lines_.EndParagraph();
  }

  void CloseRow() {
    if (inCell_) lines_.EndCell();
    if (inRow_) lines_.EndRow();
    inCell_ = inRow_ = false;
  }

  // Without the paragraph's properties: a 7 is a cell's end, and a second one right after it a
  // row's (which takes an empty cell for a row's end).
  TableMark Guess(char16_t mark) const {
    TableMark guess;
    guess.rowEnd = mark == kCellMark && lastMark_ == kCellMark && paragraph_.empty();
    guess.inTable = mark == kCellMark || inCell_;
    return guess;
  }

  void OpenCell() {
    if (!inCell_) lines_.StartCell();
    inCell_ = true;
  }

  void EndParagraph(char16_t mark, uint32_t fc) {
    const TableMark table = paragraphs_.At(fc).value_or(Guess(mark));
    lastMark_ = mark;
    if (!table.inTable) return Paragraph();
    if (!inRow_) lines_.StartRow();
    inRow_ = true;
    if (table.rowEnd) {
      // The row's own mark holds no text; any it has is a last cell.
      if (!paragraph_.empty()) {
        OpenCell();
        Put();
      }
      return CloseRow();
    }
    OpenCell();
    Put();
    if (mark == kCellMark) {
      lines_.EndCell();
      inCell_ = false;
    } else {
      lines_.EndParagraph();
    }
  }

  PackageText& out_;
  DocumentLines lines_;
  const WordParagraphs& paragraphs_;
  std::string paragraph_;  // UTF-8
  size_t nextCheck_ = 1 << 16;
  std::vector<bool> fields_;  // the open fields, innermost last: still in their instructions?
  size_t instructions_ = 0;   // open fields in their instructions
  char16_t high_ = 0;         // a high surrogate waiting for its low half
  char16_t lastMark_ = 0;
  bool inRow_ = false, inCell_ = false;
  bool mainText_ = true;
};

}  // namespace

void ReadWordBinaryText(const CompoundFile& file, PackageText& out) {
  const std::string word = file.Read(u"WordDocument");
  const FileInformation fib = ReadFileInformation(word);
  const std::string table = file.Read(fib.flags & kInTable1 ? u"1Table" : u"0Table");
  const std::string_view pieceTable = Slice(table, fib.pieceTable);
  if (pieceTable.empty()) throw PackageError(kDamagedPieces);
  const std::vector<Piece> pieces = ReadPieces(pieceTable);
  const WordParagraphs paragraphs(word, Slice(table, fib.paragraphBins));

  // The stories' ends, one after another.
  std::vector<uint64_t> storyEnds;
  uint64_t end = 0;
  for (uint32_t length : fib.stories) storyEnds.push_back(end += length);
  WordText text(out, paragraphs);
  size_t story = 0;
  // Pieces hold distinct bytes of the stream: more characters than it has bytes is a damaged
  // table (pieces sharing bytes over and over), refused before it costs time.
  uint64_t budget = word.size();
  uint64_t next = 0;  // the first character not yet read
  for (const Piece& piece : pieces) {
    const uint64_t from = std::max<uint64_t>(piece.start, next), to = std::min<uint64_t>(piece.end, end);
    if (from >= to) continue;
    const uint64_t width = piece.narrow ? 1 : 2;
    const uint64_t offset = piece.offset + (from - piece.start) * width;
    if (to - from > budget || !Within(word, offset, (to - from) * width)) throw PackageError(kDamagedPieces);
    budget -= to - from;
    for (uint64_t cp = from; cp < to; ++cp) {
      while (story < storyEnds.size() && storyEnds[story] <= cp) {
        text.EndStory();
        ++story;
      }
      const uint64_t at = offset + (cp - from) * width;
      char16_t c;
      if (piece.narrow) {
        const auto byte = static_cast<unsigned char>(word[at]);
        c = byte >= 0x80 && byte < 0xA0 ? kWindows1252[byte - 0x80] : byte;
      } else {
        c = Le16(&word[at]);
      }
      text.Character(c, static_cast<uint32_t>(at));
      if ((cp & 0xFFFF) == 0) file.CheckStop();
    }
    next = to;
  }
  text.EndStory();
  out.EndPart();
}

}  // namespace telqor
