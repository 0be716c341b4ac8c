#include "core/gbk.h"

#include <gtest/gtest.h>

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

TEST(Gbk, PathFromAGbkName) {
  EXPECT_EQ(GbkToPath("\xB1\xB1\xBE\xA9.txt").string(), "\xE5\x8C\x97\xE4\xBA\xAC.txt");  // 北京.txt
}

}  // namespace
}  // namespace telqor
