#include "extract/area_codes.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

TEST(AreaCodes, EveryZeroWithTwoOrThreeDigitsOnceInOrder) {
  test::TempDir dir;
  test::WriteBytes(AreaCodeFile(dir.path()),
                   Utf8ToGbk("北京 010\r\n上海 021\n深圳 0755 518000\r\n北京 010\r\n广州020"));
  ItemList codes;
  EXPECT_TRUE(LoadAreaCodes(dir.path(), codes));
  // The postal code 518000 holds "000".
  EXPECT_EQ(test::Items(codes), (Strings{"000", "010", "020", "021", "0755"}));
  EXPECT_TRUE(codes.Sorted());
}

TEST(AreaCodes, NoTableNoCodes) {
  test::TempDir dir;
  ItemList codes;
  EXPECT_FALSE(LoadAreaCodes(dir.path(), codes));
  EXPECT_EQ(codes.Count(), 0);
  test::WriteBytes(AreaCodeFile(dir.path()), "");  // a table without codes is a table
  EXPECT_TRUE(LoadAreaCodes(dir.path(), codes));
  EXPECT_EQ(codes.Count(), 0);
  ExtractMatches("  ", "0\\d{2,3}", codes);
  ExtractMatches("010", " ", codes);
  EXPECT_EQ(codes.Count(), 0);
}

}  // namespace
}  // namespace telqor
