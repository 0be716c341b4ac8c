// The area-code table: a city's code from lines of free layout, the first line of a city
// holding.
#include "segments/city_area_codes.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"

namespace telqor {
namespace {

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

TEST(CityAreaCodes, TheFirstCodeOfALineBelongsToTheWordsBeforeIt) {
  const CityAreaCodes codes = CityAreaCodes::FromText(
      G("济南 0531\r\n"
        "淄博\t0533 0534\n"
        "烟台,0535,山东\r\n"
        "潍坊|0536\r"
        "天 津  022\r\n"        // a city of two words, as the region file may spell it
        "東莞 0769\r\n"         // 東 is 96 7C in GBK: its second byte is no "|"
        "  青岛   0532  \r\n"   // blanks around it
        "说明：没有区号\r\n"
        "0631 威海\r\n"         // no city before the code
        "日照 05311 0633\r\n"   // five digits are no code; the next word is
        "临沂 531 0539\r\n"     // no leading 0: part of the city's words
        "济南 0999\r\n"));      // a city named again keeps its first code
  EXPECT_EQ(codes.Of(G("济南")), "0531");
  EXPECT_EQ(codes.Of(G("淄博")), "0533");
  EXPECT_EQ(codes.Of(G("烟台")), "0535");
  EXPECT_EQ(codes.Of(G("潍坊")), "0536");
  EXPECT_EQ(codes.Of(G("天 津")), "022");
  EXPECT_EQ(codes.Of(G("東莞")), "0769");
  EXPECT_EQ(codes.Of(G("青岛")), "0532");
  EXPECT_EQ(codes.Of(G("日照 05311")), "0633");
  EXPECT_EQ(codes.Of(G("临沂 531")), "0539");
  EXPECT_FALSE(codes.Of(G("威海")));
  EXPECT_FALSE(codes.Of(G("临沂")));
  EXPECT_FALSE(codes.Of(G("说明：没有区号")));
  EXPECT_EQ(codes.Count(), 9);
  EXPECT_EQ(CityAreaCodes::FromText("").Count(), 0);
}

}  // namespace
}  // namespace telqor
