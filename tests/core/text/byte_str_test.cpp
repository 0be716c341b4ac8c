#include "core/text/byte_str.h"

#include <gtest/gtest.h>

#include <string>

namespace telqor {
namespace {

TEST(ByteStr, InlineAndSharedForms) {
  ByteStr empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_TRUE(empty.IsInline());

  ByteStr number("13800138000");
  EXPECT_TRUE(number.IsInline());
  EXPECT_EQ(number.view(), "13800138000");

  std::string fifteen(15, 'x'), sixteen(16, 'y');
  EXPECT_TRUE(ByteStr(fifteen).IsInline());
  ByteStr longer(sixteen);
  EXPECT_FALSE(longer.IsInline());
  EXPECT_EQ(longer.view(), sixteen);

  // Copies of a long string share its bytes; the last copy frees them.
  ByteStr copy = longer;
  EXPECT_EQ(copy.data(), longer.data());
  ByteStr moved = std::move(copy);
  EXPECT_EQ(moved.data(), longer.data());
  EXPECT_TRUE(copy.empty());
  longer = ByteStr("short");
  EXPECT_EQ(moved.view(), sixteen);
  moved = moved;  // self-assignment keeps the string
  EXPECT_EQ(moved.view(), sixteen);
}

TEST(ByteStr, EqualityIsByBytesWhateverTheForm) {
  EXPECT_EQ(ByteStr("abc"), ByteStr(std::string("abc")));
  EXPECT_FALSE(ByteStr("abc") == ByteStr("abd"));
  EXPECT_FALSE(ByteStr(std::string_view("a\0", 2)) == ByteStr("a"));
  std::string big(100, 'z');
  EXPECT_EQ(ByteStr(big), ByteStr(big));
}

}  // namespace
}  // namespace telqor
