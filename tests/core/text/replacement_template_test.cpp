#include "core/text/replacement_template.h"

#include <gtest/gtest.h>

#include "core/text/gbk_regex.h"

namespace telqor {
namespace {

// Expands templ for the first match of pattern in subject.
std::string Expand(const std::string& pattern, const std::string& subject, const std::string& templ) {
  GbkRegex re;
  re.SetRegEx(pattern);
  re.SetSubject(subject);
  re.SetReplacement(templ);
  EXPECT_TRUE(re.Match());
  return re.Replace();
}

const char kTwoWords[] = "(?<first>\\w+) (\\w+)";

TEST(ReplacementTemplate, EscapesAndLiterals) {
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "\\\\"), "\\");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "\\$1"), "$1");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "$$1"), "$1");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "\\x$y{}"), "\\x$y{}");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "end\\"), "end\\");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "end$"), "end$");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "\\g<first"), "\\g<first");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "${first"), "${first");
}

TEST(ReplacementTemplate, NumberedAndNamedGroups) {
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "$2 \\1"), "cd ab");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "\\g<first>|${first}|${2}"), "ab|ab|cd");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "[\\g<none>][${none}][$9][\\3]"), "[][][][]");
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "$0"), "ab cd");
}

TEST(ReplacementTemplate, TwoDigitsOnlyWhenThatGroupExists) {
  EXPECT_EQ(Expand(kTwoWords, "ab cd", "$12"), "ab2");
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "(.)";
  EXPECT_EQ(Expand(twelve, "abcdefghijkl", "$12|\\11|$13"), "l|k|a3");
}

TEST(ReplacementTemplate, WholeMatchLastGroupAndSurroundings) {
  EXPECT_EQ(Expand("(b)(c)", "abcd", "[$&][\\&][$+][\\+]"), "[bc][bc][c][c]");
  EXPECT_EQ(Expand("(b)(c)", "abcd", "[$`][\\`][$'][\\'][$_]"), "[a][a][d][d][abcd]");
  EXPECT_EQ(Expand("bc", "abcd", "$+"), "bc");  // no groups: the last group is the match
}

TEST(ReplacementTemplate, EmptyGroupYieldsNothing) { EXPECT_EQ(Expand("a(x?)(b)", "ab", "<$1><\\U1><$2>"), "<><><b>"); }

TEST(ReplacementTemplate, CaseConversions) {
  const char* pattern = "(.+)";
  const char* subject = "o'neil mcDONALD-smith 2nd";
  EXPECT_EQ(Expand(pattern, subject, "\\U1"), "O'NEIL MCDONALD-SMITH 2ND");
  EXPECT_EQ(Expand(pattern, subject, "\\u1"), "O'NEIL MCDONALD-SMITH 2ND");
  EXPECT_EQ(Expand(pattern, subject, "\\L1"), "o'neil mcdonald-smith 2nd");
  EXPECT_EQ(Expand(pattern, subject, "\\F1"), "O'neil mcdonald-smith 2nd");
  EXPECT_EQ(Expand(pattern, subject, "\\I1"), "O'neil Mcdonald-Smith 2nd");
  EXPECT_EQ(Expand(pattern, subject, "\\i1"), "O'neil Mcdonald-Smith 2nd");
  EXPECT_EQ(Expand(pattern, subject, "\\Ux"), "\\Ux");  // no group number: literal
  // Chinese text is left alone.
  EXPECT_EQ(Expand(pattern,
                   "\xD6\xD0"
                   "ab",
                   "\\U1"),
            "\xD6\xD0"
            "AB");
}

}  // namespace
}  // namespace telqor
