// The one integer parser with its two overflow rules, and the trimming helpers beside it.
#include "core/text/str_to_int.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace telqor {
namespace {

std::string ErrorOf(std::string_view text) {
  try {
    StrToInt(text);
  } catch (const ConvertError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(StrToInt, FormsAndBoundaries) {
  EXPECT_EQ(StrToInt("  \t-42"), -42);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("$1f"), 31);
  EXPECT_EQ(StrToInt("-0x10"), -16);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  // Whatever is not a whole number in range is refused with the text as given.
  EXPECT_EQ(ErrorOf("2147483648"), "'2147483648' is not a valid integer value");
  EXPECT_EQ(ErrorOf("12 "), "'12 ' is not a valid integer value");
  // Typed text is GBK, a command-line value may be UTF-8; the message shows the characters.
  EXPECT_EQ(ErrorOf(Utf8ToGbk("１３８")), "'１３８' is not a valid integer value");
  EXPECT_EQ(ErrorOf("１３８"), "'１３８' is not a valid integer value");
  for (const char* bad : {"", "-", "+-5", "$", "0x", "1e3", "١٢", "0x-1"}) EXPECT_NE(ErrorOf(bad), "(no error)") << bad;
  EXPECT_THROW(StrToInt64("9223372036854775808"), ConvertError);
  EXPECT_THROW(StrToInt64("99999999999999999999999"), ConvertError);
}

TEST(StrToInt, SettingsKeep32BitsWithHexadecimalWrapping) {
  EXPECT_EQ(IniInteger(" 12 "), 12);
  EXPECT_EQ(IniInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(IniInteger("-$FFFFFFFF"), 1);
  EXPECT_EQ(IniInteger("0x80000000"), INT32_MIN);
  EXPECT_EQ(IniInteger("-2147483648"), INT32_MIN);
  EXPECT_FALSE(IniInteger("2147483648"));
  EXPECT_FALSE(IniInteger("$100000000"));
  EXPECT_FALSE(IniInteger("12ab"));
}

TEST(Text, TrimmingAndLetterCase) {
  EXPECT_EQ(TrimBlanks("\t\r\n 86 \x01"), "86");
  EXPECT_EQ(TrimSpaces(" \tkey \r"), "key \r");
  EXPECT_TRUE(EqualIgnoringAsciiCase("CalMode", "CALMODE"));
  // GBK bytes are never folded: 0xC1 and 0xE1 are different characters' bytes.
  EXPECT_FALSE(EqualIgnoringAsciiCase("\xC1", "\xE1"));
}

}  // namespace
}  // namespace telqor

namespace telqor {
namespace {

TEST(GroupedCount, ThousandsAsPeopleReadThem) {
  EXPECT_EQ(GroupedCount(0), "0");
  EXPECT_EQ(GroupedCount(999), "999");
  EXPECT_EQ(GroupedCount(1000), "1,000");
  EXPECT_EQ(GroupedCount(172419), "172,419");
  EXPECT_EQ(GroupedCount(40000000), "40,000,000");
  EXPECT_EQ(GroupedCount(-1234567), "-1,234,567");
  EXPECT_EQ(GroupedCount(INT64_MIN), "-9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace telqor
