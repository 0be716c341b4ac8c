// Word binary documents (.doc, .wps) made in memory: the text of their pieces and stories, fields,
// tables, and the documents refused.
#include "documents/word_binary_text.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "core/text/gbk.h"
#include "documents/word_paragraphs.h"
#include "tests/documents/cfb_maker.h"

namespace telqor {
namespace {

// A run of text stored 8-bit (Windows-1252) or UTF-16; sameAs makes it `length` characters
// read from an earlier piece's bytes instead of its own.
struct WordPiece {
  WordPiece(std::u16string text, bool narrow) : text(std::move(text)), narrow(narrow) {}
  WordPiece(size_t sameAs, uint32_t length) : narrow(true), sameAs(sameAs), length(length) {}

  std::u16string text;
  bool narrow = false;
  std::optional<size_t> sameAs;
  uint32_t length = 0;
};

// A Word 97 document: its WordDocument stream (the file information block, then the pieces'
// bytes, then a page of paragraph properties) and its table stream (a property group, the piece
// table, the properties' bin table).
struct WordMaker {
  std::vector<WordPiece> pieces;
  std::array<uint32_t, 8> stories{};  // all zero: the whole text is the main text
  uint16_t version = 0x00C1;
  uint16_t flags = 0x0200;  // the table stream is 1Table
  std::u16string tableStream = u"1Table";
  // The table marks of each paragraph (ended by 13 or 7) in order, when the document has them.
  std::optional<std::vector<TableMark>> tables;

  std::string Bytes() const {
    std::string word(1024, '\0'), table;
    auto put16 = [](std::string& s, size_t at, uint16_t v) { s[at] = static_cast<char>(v), s[at + 1] = static_cast<char>(v >> 8); };
    auto put32 = [&](std::string& s, size_t at, uint32_t v) { put16(s, at, static_cast<uint16_t>(v)), put16(s, at + 2, static_cast<uint16_t>(v >> 16)); };
    auto add32 = [&](std::string& s, uint32_t v) { s.append(4, '\0'), put32(s, s.size() - 4, v); };
    put16(word, 0, 0xA5EC), put16(word, 2, version), put16(word, 0x0A, flags);
    put16(word, 32, 14), put16(word, 62, 22), put16(word, 152, 93);

    std::vector<uint32_t> offsets, cps = {0};
    std::vector<uint32_t> markEnds;  // where each paragraph mark's bytes end
    for (const WordPiece& piece : pieces) {
      const uint32_t offset = piece.sameAs ? offsets[*piece.sameAs] : static_cast<uint32_t>(word.size());
      offsets.push_back(offset);
      cps.push_back(cps.back() + (piece.sameAs ? piece.length : static_cast<uint32_t>(piece.text.size())));
      for (size_t i = 0; i < piece.text.size() && !piece.sameAs; ++i) {
        if (piece.narrow)
          word += static_cast<char>(piece.text[i]);
        else
          word.append(2, '\0'), put16(word, word.size() - 2, piece.text[i]);
        if (piece.text[i] == 13 || piece.text[i] == 7) markEnds.push_back(static_cast<uint32_t>(word.size()));
      }
    }
    std::array<uint32_t, 8> lengths = stories;
    if (lengths == std::array<uint32_t, 8>{}) lengths[0] = cps.back();
    for (size_t i = 0; i < 8; ++i) put32(word, 64 + 4 * (3 + i), lengths[i]);

    table = std::string("\x01\x03\x00xyz", 6);  // a property group, passed over
    std::string plc;
    for (uint32_t cp : cps) add32(plc, cp);
    for (size_t i = 0; i < pieces.size(); ++i) {
      plc.append(2, '\0');
      add32(plc, pieces[i].narrow ? (offsets[i] * 2) | 0x40000000 : offsets[i]);
      plc.append(2, '\0');
    }
    table += '\x02';
    add32(table, static_cast<uint32_t>(plc.size()));
    table += plc;
    put32(word, 418, 0);
    put32(word, 422, static_cast<uint32_t>(table.size()));

    if (tables) {
      // One page: runs ending at each mark, pointing at the properties kept at the page's end:
      // in a table (5 bytes, counted as 2 * 3 - 1), and a row's end (8 bytes, counted after a 0).
      word.resize((word.size() + 511) / 512 * 512, '\0');
      const uint32_t page = static_cast<uint32_t>(word.size() / 512);
      std::string fkp(512, '\0');
      const size_t runs = markEnds.size();
      put32(fkp, 0, 1024);
      for (size_t i = 0; i < runs; ++i) put32(fkp, 4 * (i + 1), markEnds[i]);
      fkp.replace(480, 6, std::string("\x03\x00\x00\x16\x24\x01", 6));
      fkp.replace(490, 10, std::string("\x00\x04\x00\x00\x16\x24\x01\x17\x24\x01", 10));
      for (size_t i = 0; i < runs; ++i) {
        const TableMark mark = i < tables->size() ? (*tables)[i] : TableMark{};
        fkp[4 * (runs + 1) + 13 * i] = static_cast<char>(mark.rowEnd ? 490 / 2 : mark.inTable ? 480 / 2 : 0);
      }
      fkp[511] = static_cast<char>(runs);
      word += fkp;
      put32(word, 258, static_cast<uint32_t>(table.size()));
      put32(word, 262, 12);
      add32(table, 1024), add32(table, markEnds.empty() ? 1024 : markEnds.back()), add32(table, page);
    }
    return test::CompoundBytes({{u"WordDocument", word}, {tableStream, table}});
  }
};

// The document's text in UTF-8, paragraphs ending in '\r' (the GBK the reader gives, decoded).
std::string TextOf(const std::string& bytes) {
  const CompoundFile file{std::string_view(bytes)};
  PackageText out("\r", 1 << 20);
  ReadWordBinaryText(file, out);
  return GbkToUtf8(out.TakeText());
}

std::string RefusalOf(const std::string& bytes) {
  try {
    TextOf(bytes);
  } catch (const UnsupportedFormat& e) {
    return std::string("unsupported: ") + e.what();
  } catch (const PackageError& e) {
    return e.what();
  }
  return "no error";
}

TEST(WordBinaryText, EightBitAndUtf16PiecesMakeOneText) {
  WordMaker doc;
  doc.pieces = {{u"Call \x93Li\x94 \x97 ", true}, {u"手机 13800138000\r第二段", false}, {u"\rend\r", true}};
  EXPECT_EQ(TextOf(doc.Bytes()), "Call “Li” — 手机 13800138000\r第二段\rend\r");
}

TEST(WordBinaryText, NotesHeadersCommentsAndTextBoxesFollowTheMainText) {
  WordMaker doc;
  // An empty paragraph of the main text is a line; past it, empty paragraphs are the stories'
  // structure (a separator above the notes, empty headers).
  const std::vector<std::u16string> stories = {u"正文\r\r",  u"脚注 13800138000\r", u"\x03\r页眉 0755-23456789\r\r",
                                               u"",          u"批注\r",             u"尾注\r",
                                               u"文本框\r", u"页眉中的文本框\r"};
  std::u16string all;
  for (size_t i = 0; i < stories.size(); ++i) {
    all += stories[i];
    doc.stories[i] = static_cast<uint32_t>(stories[i].size());
  }
  // The document's last paragraph mark, after every story, belongs to none.
  doc.pieces = {{all + u"\r", false}};
  EXPECT_EQ(TextOf(doc.Bytes()), "正文\r\r脚注 13800138000\r页眉 0755-23456789\r批注\r尾注\r文本框\r页眉中的文本框\r");

  // A story left open (no paragraph mark at its end) still ends its line, and a field open at
  // a story's end does not hide the next story.
  doc.stories = {11, 0, 4};
  doc.pieces = {{u"main\x13 PAGE hdr\r", true}};
  EXPECT_EQ(TextOf(doc.Bytes()), "main\rhdr\r");
}

TEST(WordBinaryText, FieldsGiveTheirResultAndControlCharactersTheirMeaning) {
  WordMaker doc;
  doc.pieces = {
      {u"电话：\x13 HYPERLINK \"tel:13800138000\" \x14" u"138-0013-8000\x15。\r", false},
      // A field inside another's instructions is part of them; one without a result gives nothing.
      {u"\x13 IF \x13 PAGE \x14" u"1\x15 = 1 \"a\" \x14yes\x15|\x13 TOC \\o \x15|\r", true},
      // Anchors of pictures, drawings, notes and comments are no text; tabs and breaks are.
      {u"a\x01" u"b\x08" u"c\x02\x05\tx\x0By\x0Cz\x0Ew 400\x1E" u"800 in\x1Fter\r", true},
  };
  EXPECT_EQ(TextOf(doc.Bytes()), "电话：138-0013-8000。\ryes||\rabc\tx\ry\rz\rw 400-800 inter\r");
}

TEST(WordBinaryText, TableRowsAreLinesOfTabSeparatedCells) {
  WordMaker doc;
  // Two rows: two cells and the row's mark; a cell, an empty cell, a cell of two paragraphs.
  doc.pieces = {{u"前言\r姓名\x07手机\x07\x07张三\x07\x07" u"138\r0013 8000\x07\x07后记\r", false}};
  const TableMark none, cell{true, false}, row{true, true};
  doc.tables = std::vector<TableMark>{none, cell, cell, row, cell, cell, cell, cell, row, none};
  EXPECT_EQ(TextOf(doc.Bytes()), "前言\r姓名\t手机\r张三\t\t138 0013 8000\r后记\r");

  // Without paragraph properties, a mark right after a cell's is taken for the row's.
  doc.pieces = {{u"姓名\x07手机\x07\x07张三\x07" u"13800138000\x07\x07后记\r", false}};
  doc.tables.reset();
  EXPECT_EQ(TextOf(doc.Bytes()), "姓名\t手机\r张三\t13800138000\r后记\r");
}

TEST(WordBinaryText, EncryptedOldAndDamagedDocumentsAreRefused) {
  WordMaker doc;
  doc.pieces = {{u"13800138000\r", true}};
  const std::string good = doc.Bytes();
  EXPECT_EQ(TextOf(good), "13800138000\r");

  WordMaker encrypted = doc;
  encrypted.flags |= 0x0100;
  EXPECT_EQ(RefusalOf(encrypted.Bytes()), "受密码保护");
  WordMaker word95 = doc;
  word95.version = 0x0068;
  EXPECT_EQ(RefusalOf(word95.Bytes()), "unsupported: 格式不受支持（Word 95 及更早版本的文档）");
  WordMaker wrongTable = doc;
  wrongTable.tableStream = u"0Table";
  EXPECT_EQ(RefusalOf(wrongTable.Bytes()), "文件已损坏（缺少 1Table）");
  // A block of Word 97 whose arrays run past the stream's end.
  const std::string cutBlock = std::string("\xEC\xA5\xC1\x00", 4) + std::string(36, '\0');
  EXPECT_EQ(RefusalOf(test::CompoundBytes({{u"WordDocument", cutBlock}, {u"1Table", ""}})),
            "文件已损坏（Word 文档的文件信息块无效）");

  // A piece past the stream's end, and pieces that all read the same bytes again (costly: each
  // would be read in full), are a damaged piece table.
  WordMaker past = doc;
  past.stories[0] = 1000000;
  past.pieces = {{std::u16string(10, u'1'), true}, {0, 999990}};
  EXPECT_EQ(RefusalOf(past.Bytes()), "文件已损坏（Word 文档的文本片段表无效）");
  WordMaker shared;
  shared.pieces = {{std::u16string(100000, u'1'), true}};
  for (int i = 0; i < 1000; ++i) shared.pieces.push_back({0, 100000});
  EXPECT_EQ(RefusalOf(shared.Bytes()), "文件已损坏（Word 文档的文本片段表无效）");
}

}  // namespace
}  // namespace telqor
