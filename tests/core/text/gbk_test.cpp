#include "core/text/gbk.h"
#include "core/text/path_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace telqor {
namespace {

TEST(Gbk, ChineseTextBothWays) {
  const std::string gbk = "\xD6\xD0\xB9\xFA 138";  // 中国 138
  const std::string utf8 = "\xE4\xB8\xAD\xE5\x9B\xBD 138";
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
  EXPECT_EQ(Utf8ToGbk(utf8), gbk);
  EXPECT_EQ(GbkToUtf8("\x80"), "\xE2\x82\xAC");  // the euro sign of code page 936
  EXPECT_EQ(Utf8ToGbk("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(GbkToUtf8("\xA1\xA1"), "\xE3\x80\x80");  // ideographic space
}

TEST(Gbk, EveryDoubleByteCodeRoundTrips) {
  int mapped = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      std::string utf8 = GbkToUtf8(code);
      if (utf8 == "\xEF\xBF\xBD") continue;
      ++mapped;
      EXPECT_EQ(Utf8ToGbk(utf8), code) << std::hex << lead << trail;
    }
  }
  EXPECT_EQ(mapped, 23940);  // user-defined areas included
}

TEST(Gbk, InvalidBytesSurviveTheLosslessForm) {
  const std::string bad = std::string("\x81\x30\xFF\xFE", 4) + "A" + std::string("\x81", 1);
  EXPECT_EQ(Utf8ToGbk(GbkToUtf8Lossless(bad)), bad);
  // For display a lone lead byte is a replacement character; the ASCII after it stays.
  EXPECT_EQ(GbkToUtf8("\x81"
                      "0"),
            "\xEF\xBF\xBD"
            "0");
  for (int b = 0; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToGbk(GbkToUtf8Lossless(one)), one) << b;
  }
}

TEST(Gbk, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80"), "?");  // an emoji
  EXPECT_EQ(Utf8ToGbk("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToGbk("\xED\xA0\x80"), "???");  // a surrogate is not UTF-8
  EXPECT_TRUE(IsAscii("13800138000"));
  EXPECT_FALSE(IsAscii("1380013800\x80"));
}

// Every byte of an ill-formed sequence is one '?' (and one count), however long the
// sequence it seemed to start.
TEST(Gbk, EachByteOfIllFormedUtf8IsOneQuestionMark) {
  struct Case {
    std::string utf8, gbk;
  };
  const Case cases[] = {
      {"\xC0\xAF", "??"},                      // overlong "/"
      {"\xE0\x80\xAF", "???"},                 // overlong, three bytes
      {"\xF0\x80\x80\xAF", "????"},            // overlong, four bytes
      {"\xED\xBF\xBF", "???"},                 // the last low surrogate
      {"\xF4\x90\x80\x80", "????"},            // U+110000
      {"\xF5\x80\x80\x80", "????"},            // a lead byte no sequence has
      {"\xE4\xB8\x41", "??A"},                 // cut short before ASCII
      {"A\xF0\x9F\x98", "A???"},               // cut short at the very end
      {"\xE4\xB8\xE4\xB8\xAD", "??\xD6\xD0"},  // cut short before a whole character
  };
  for (const Case& c : cases) {
    size_t lost = 0;
    EXPECT_EQ(Utf8ToGbk(c.utf8, lost), c.gbk) << c.utf8;
    EXPECT_EQ(lost, static_cast<size_t>(std::count(c.gbk.begin(), c.gbk.end(), '?'))) << c.utf8;
    EXPECT_FALSE(IsUtf8BeyondAscii(c.utf8)) << c.utf8;
  }
}

// The first and last code point of each length, and one byte past each ill-formed lead.
TEST(Gbk, NextUtf8CodePointAtTheEdgesOfEachLength) {
  const std::pair<std::string, uint32_t> wellFormed[] = {
      {"\x7F", 0x7F},
      {"\xC2\x80", 0x80},
      {"\xDF\xBF", 0x7FF},
      {"\xE0\xA0\x80", 0x800},
      {"\xED\x9F\xBF", 0xD7FF},
      {"\xEE\x80\x80", 0xE000},
      {"\xEF\xBF\xBF", 0xFFFF},
      {"\xF0\x90\x80\x80", 0x10000},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF},
  };
  for (const auto& [utf8, codePoint] : wellFormed) {
    size_t i = 0;
    EXPECT_EQ(NextUtf8CodePoint(utf8 + "x", i), codePoint) << utf8;
    EXPECT_EQ(i, utf8.size()) << utf8;
    std::string again;
    AppendUtf8(again, codePoint);
    EXPECT_EQ(again, utf8);
    EXPECT_EQ(IsUtf8BeyondAscii(utf8), codePoint >= 0x80) << utf8;
  }
  for (std::string bad : {"\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xBF"}) {
    size_t i = 0;
    EXPECT_EQ(NextUtf8CodePoint(bad, i), kNotUtf8) << bad;
    EXPECT_EQ(i, 1u) << bad;
  }
}

TEST(Gbk, PathFromAGbkName) {
  EXPECT_EQ(PathFromGbk("\xB1\xB1\xBE\xA9.txt").string(), "\xE5\x8C\x97\xE4\xBA\xAC.txt");  // 北京.txt
}

}  // namespace
}  // namespace telqor
