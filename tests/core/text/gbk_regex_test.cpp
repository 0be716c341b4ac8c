#include "core/text/gbk_regex.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/replacement_template.h"

namespace telqor {
namespace {

std::vector<std::string> AllMatches(const std::string& pattern, const std::string& subject) {
  GbkRegex re;
  re.SetRegEx(pattern);
  re.SetSubject(subject);
  std::vector<std::string> found;
  for (bool ok = re.Match(); ok; ok = re.MatchNext()) found.push_back(re.MatchedText());
  return found;
}

std::string ReplaceAll(const std::string& pattern, const std::string& replacement, const std::string& subject) {
  GbkRegex re;
  re.SetRegEx(pattern);
  re.SetReplacement(replacement);
  re.SetSubject(subject);
  re.ReplaceAll();
  return re.Subject();
}

std::string CompileError(const std::string& pattern) {
  GbkRegex re;
  re.SetRegEx(pattern);
  try {
    re.Compile();
  } catch (const RegexError& e) {
    return e.what();
  }
  return "(compiled)";
}

TEST(GbkRegex, IteratesEveryMatchLeftToRight) {
  EXPECT_EQ(AllMatches("(1\\d{10})", "13800138000, 13912345678"),
            (std::vector<std::string>{"13800138000", "13912345678"}));
  EXPECT_EQ(AllMatches("\\d+", "a1b22c333"), (std::vector<std::string>{"1", "22", "333"}));
  EXPECT_TRUE(AllMatches("\\d", "").empty());
}

TEST(GbkRegex, EmptyMatchesNeverCount) {
  EXPECT_TRUE(AllMatches("x*", "abc").empty());
  EXPECT_TRUE(AllMatches("^", "abc").empty());
  EXPECT_EQ(AllMatches("b*", "abbc"), std::vector<std::string>{"bb"});
}

TEST(GbkRegex, CaseSensitiveWholeSubjectAnchorsAnyNewline) {
  EXPECT_TRUE(AllMatches("abc", "ABC").empty());
  EXPECT_EQ(AllMatches("^a", "b\na").size(), 0u);   // ^ is the start of the subject
  EXPECT_EQ(AllMatches("a$", "a\r\n").size(), 1u);  // CR LF before the end is a newline
  EXPECT_EQ(AllMatches("a$", "a\r").size(), 1u);    // so is a lone CR
  EXPECT_EQ(AllMatches("a.b", "a\rb").size(), 0u);  // and dot does not cross it
}

TEST(GbkRegex, ReplacementsUsersWrite) {
  EXPECT_EQ(ReplaceAll("-", "", "010-1234-5678"), "01012345678");
  EXPECT_EQ(ReplaceAll("(\\d{3})(\\d{4})", "$2$1", "1380013"), "0013138");
  EXPECT_EQ(ReplaceAll("(\\d{3})(\\d{4})", "\\2-\\1", "x1234567y"), "x4567-123y");
}

// "$`" copies all before the match into each replacement, which the next one copies again: the
// text would double with every character, so growing past 16 MB stops the replacement.
TEST(GbkRegex, AReplacementThatDoublesTheTextStops) {
  GbkRegex re;
  re.SetRegEx(".");
  re.SetReplacement("+$`");
  re.SetSubject(std::string(100, 'z'));
  try {
    re.ReplaceAll();
    FAIL();
  } catch (const RegexError& e) {
    EXPECT_STREQ(e.what(), kReplacementTooLong);
  }
  re.SetSubject("ab");
  EXPECT_TRUE(re.ReplaceAll());
  EXPECT_EQ(re.Subject(), "+++");  // small texts are replaced as ever: "+", then "+" + "+"
}

TEST(GbkRegex, ReplaceAllWithoutMatchLeavesTheSubject) {
  GbkRegex re;
  re.SetRegEx("z");
  re.SetReplacement("y");
  re.SetSubject("abc");
  EXPECT_FALSE(re.ReplaceAll());
  EXPECT_EQ(re.Subject(), "abc");
}

TEST(GbkRegex, ReplaceMovesTheSearchPastTheReplacement) {
  GbkRegex re;
  re.SetRegEx("a");
  re.SetReplacement("aa");
  re.SetSubject("aXa");
  EXPECT_TRUE(re.ReplaceAll());  // the inserted "a"s are not searched again
  EXPECT_EQ(re.Subject(), "aaXaa");
  re.SetSubject("aXa");
  ASSERT_TRUE(re.Match());
  EXPECT_EQ(re.Replace(), "aa");
  EXPECT_FALSE(re.Found());
  ASSERT_TRUE(re.MatchNext());
  EXPECT_EQ(re.MatchedText(), "a");
  EXPECT_EQ(re.Replace(), "aa");
  EXPECT_EQ(re.Subject(), "aaXaa");
}

TEST(GbkRegex, CompilesOncePerPatternText) {
  GbkRegex re;
  re.SetRegEx("(1\\d{10})");
  for (const char* item : {"13800138000", "x", "13912345678"}) {
    re.SetRegEx("(1\\d{10})");
    re.SetSubject(item);
    re.Match();
  }
  EXPECT_EQ(re.CompileCount(), 1);
  re.SetRegEx("\\d");
  re.SetSubject("1");
  EXPECT_TRUE(re.Match());
  EXPECT_EQ(re.CompileCount(), 2);
}

TEST(GbkRegex, CompileErrorTexts) {
  EXPECT_EQ(CompileError(""), "GbkRegex.Compile() - Please specify a regular expression in RegEx first");
  EXPECT_EQ(CompileError("(abc"), "GbkRegex.Compile() - Error in regex at offset 4: missing closing parenthesis");
  // The offset counts the pattern's own GBK bytes.
  EXPECT_EQ(CompileError("\xD6\xD0(abc"),
            "GbkRegex.Compile() - Error in regex at offset 6: missing closing parenthesis");
  GbkRegex re;
  re.SetSubject("abc");
  EXPECT_THROW(re.Match(), RegexError);
}

// \C would match one byte of a character's UTF-8 form and cut it in two: "c\C" on "c中x"
// replaced by nothing would leave half a character. It is refused before anything changes.
TEST(GbkRegex, RefusesTheSingleByteEscape) {
  std::string error = CompileError("c\\C");
  EXPECT_EQ(error.rfind("GbkRegex.Compile() - Error in regex at offset", 0), 0u) << error;
  EXPECT_NE(error.find("\\C"), std::string::npos) << error;
  EXPECT_THROW(ReplaceAll("c\\C", "", "c\xD6\xD0x"), RegexError);
  // A byte escape matches the character of that code point, not a GBK byte.
  EXPECT_TRUE(AllMatches("\\xd6", "\xD6\xD0").empty());
}

TEST(GbkRegex, GroupsAndNames) {
  GbkRegex re;
  re.SetRegEx("(?<area>\\d{3,4})-(\\d+)(x)?");
  re.SetSubject("tel 010-88886666 end");
  ASSERT_TRUE(re.Match());
  EXPECT_EQ(re.MatchedText(), "010-88886666");
  EXPECT_EQ(re.GroupCount(), 2);  // the unmatched last group is not counted
  EXPECT_EQ(re.Group(1), "010");
  EXPECT_EQ(re.Group(2), "88886666");
  EXPECT_EQ(re.Group(3), "");
  EXPECT_EQ(re.Group(99), "");
  EXPECT_EQ(re.NamedGroup("area"), 1);
  EXPECT_EQ(re.NamedGroup("nope"), -1);
  EXPECT_FALSE(re.MatchNext());
  EXPECT_FALSE(re.Found());
}

// GBK second bytes may be ASCII letters: 0x81 0x41 is one character, not "A".
TEST(GbkRegex, NeverMatchesInsideATwoByteCharacter) {
  const std::string chineseWithA = "\x81\x41";
  EXPECT_TRUE(AllMatches("A", chineseWithA).empty());
  EXPECT_EQ(AllMatches("A", chineseWithA + "A"), std::vector<std::string>{"A"});
  EXPECT_EQ(ReplaceAll("A", "B", chineseWithA + "A" + chineseWithA), chineseWithA + "B" + chineseWithA);
  EXPECT_EQ(ReplaceAll("\\w", "",
                       "\xB1\xB1\xBE\xA9"
                       "a1"),
            "\xB1\xB1\xBE\xA9");  // \w stays ASCII
  EXPECT_EQ(AllMatches(".",
                       "\xD6\xD0"
                       "a"),
            (std::vector<std::string>{"\xD6\xD0", "a"}));
}

TEST(GbkRegex, ChinesePatternsMatchGbkSubjects) {
  const std::string beijing = "\xB1\xB1\xBE\xA9";  // 北京
  EXPECT_EQ(AllMatches(beijing + "\\d+", "x" + beijing + "123 " + beijing + "9"),
            (std::vector<std::string>{beijing + "123", beijing + "9"}));
  EXPECT_EQ(ReplaceAll("(\\d+)", beijing + "$1", "a1"), "a" + beijing + "1");
  // A replacement with Chinese text into an ASCII subject, then further matches.
  EXPECT_EQ(ReplaceAll("\\d", beijing, "1a2"), beijing + "a" + beijing);
  // Bytes that are not GBK pass through untouched.
  const std::string broken = std::string("\xFF\x81", 2) + "5";
  EXPECT_EQ(ReplaceAll("5", "6", broken), std::string("\xFF\x81", 2) + "6");
}

}  // namespace
}  // namespace telqor
