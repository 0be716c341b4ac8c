#include "extract/email_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/gbk.h"
#include "core/text/gbk_regex.h"
#include "extract/half_width.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

Strings Scan(std::string_view text) {
  Strings found;
  ScanEmails(text, [&](std::string_view address) { found.emplace_back(address); });
  return found;
}

// What the address pattern finds within each stretch of mail characters, two-byte characters
// ending a stretch: how addresses were found before the scan was written by hand.
Strings ByPattern(std::string_view text) {
  Strings found;
  GbkRegex regex;
  regex.SetRegEx("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*");
  for (size_t i = 0, n = text.size(); i < n;) {
    size_t start = i;
    bool at = false;
    while (i < n && IsMailChar(static_cast<unsigned char>(text[i]))) at |= text[i++] == '@';
    if (at) {
      regex.SetSubject(text.substr(start, i - start));
      for (bool hit = regex.Match(); hit; hit = regex.MatchNext()) found.push_back(regex.MatchedText());
    }
    while (i < n && !IsMailChar(static_cast<unsigned char>(text[i]))) {
      size_t length;
      GbkCodePointAt(text, i, length);
      i += length;
    }
  }
  return found;
}

TEST(EmailScan, FindsWhatThePatternFinds) {
  EXPECT_EQ(Scan("mail a.b-c+d@x-y.z.cn, b@c@d.e .e@f.gh a..b@c.d x@y x@y. @a.b"),
            (Strings{"a.b-c+d@x-y.z.cn", "c@d.e", "e@f.gh", "b@c.d"}));
  // A two-byte character ends a stretch, whatever its second byte looks like.
  EXPECT_EQ(Scan(Utf8ToGbk("电子邮箱：xyz@163.com，") + "\x81" + "@a.b"), Strings{"xyz@163.com"});

  // Random texts of the characters that matter, against the pattern.
  const char* const pieces[] = {"a",
                                "B",
                                "7",
                                "_",
                                "-",
                                "+",
                                ".",
                                "@",
                                "@",
                                " ",
                                ",",
                                "\n",
                                "\xD6\xD0" /* 中 */,
                                "\x81\x40",
                                "\x81\x61",
                                "\xA3\xC0" /* ＠ */,
                                "\x81",
                                "cn",
                                "a.b",
                                "x@y.z"};
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int k = static_cast<int>(random() % 24); k > 0; --k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(Scan(text), ByPattern(text)) << text;
  }
}

Strings ScanFolded(std::string_view text) {
  Strings found;
  ScanFoldedEmails(text, [&](std::string_view address) { found.emplace_back(address); });
  return found;
}

Strings ScanHalfWidth(std::string text) {
  ToHalfWidth(text);
  return Scan(text);
}

// Scanning only around each "@" and "＠" finds what a scan of the whole text folded finds.
TEST(EmailScan, FoldingOnlyAroundEachAtFindsWhatFoldingTheWholeFinds) {
  EXPECT_EQ(ScanFolded("\xA3\xE1\xA3\xE2@163.com"), Strings{"ab@163.com"});        // ａｂ@163.com
  EXPECT_EQ(ScanFolded("ab\xA3\xC0x.cn"), Strings{"ab@x.cn"});                          // ab＠x.cn
  EXPECT_EQ(ScanFolded("a\xA3\xAE" "b@c\xA3\xAD" "d.e"), Strings{"a.b@c-d.e"});      // a．b@c－d.e
  // "\xB0\xA3" is one character: the A3 C0 after it is no "＠".
  EXPECT_EQ(ScanFolded("a\xB0\xA3\xC0" "b.cn"), Strings{});
  // The edges of the text, and "@" after "@".
  EXPECT_EQ(ScanFolded("@a.b"), Strings{});
  EXPECT_EQ(ScanFolded("a@"), Strings{});
  EXPECT_EQ(ScanFolded("\xA3\xC0"), Strings{});
  EXPECT_EQ(ScanFolded("a@@@b.c@@d.e@"), Strings{});
  EXPECT_EQ(ScanFolded("x@y.z"), Strings{"x@y.z"});

  const char* const pieces[] = {"a", "B", "7", "_", "-", ".", "@", "@", " ", ",", "x@y.z", "cn",
                                "\xD6\xD0" /* 中 */, "\x81\x61", "\x81",
                                "\xA3\xC0" /* ＠ */, "\xA3\xE1" /* ａ */, "\xA3\xC2" /* Ｂ */,
                                "\xA3\xB7" /* ７ */, "\xA3\xAE" /* ． */, "\xA3\xAD" /* － */,
                                "\xA3\xAB" /* ＋ */, "\xA3\xDF" /* ＿ */, "\xA3\xAC" /* ， */,
                                "\xA1\xA1" /* ideographic space */, "\xB0", "\xA3"};
  std::mt19937 random(9);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int k = static_cast<int>(random() % 40); k > 0; --k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(ScanFolded(text), ScanHalfWidth(text)) << testing::PrintToString(text);
  }
}

// No input makes the scan slow (each would take minutes if it went back over the text), and a
// stop is seen within a megabyte.
TEST(EmailScan, LinearOnEveryInputAndStoppable) {
  for (const char* unit : {"a.", "@", "a@a", "a-", "a@b.", "a.b@", "\xA3\xC0", "\xA3\xE1@", "a\xA3\xAE"}) {
    std::string text;
    while (text.size() < (size_t{4} << 20)) text += unit;
    size_t count = 0;
    EXPECT_TRUE(ScanEmails(text, [&](std::string_view) { ++count; }));
    EXPECT_TRUE(ScanFoldedEmails(text, [&](std::string_view) { ++count; }));
    if (std::string_view(unit) == "a.b@") {
      EXPECT_GT(count, 0u);
    }
  }
  std::string text(size_t{8} << 20, 'x');
  for (size_t i = 0; i < text.size(); i += 100) text.replace(i, 6, "a@b.cn");
  std::atomic<bool> stop{true};
  size_t count = 0;
  EXPECT_FALSE(ScanEmails(
      text, [&](std::string_view) { ++count; }, &stop));
  EXPECT_LT(count, (size_t{2} << 20) / 100);
}

}  // namespace
}  // namespace telqor
