#include "core/io/safe_name.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"

namespace telqor {
namespace {

std::string Safe(std::string_view gbk, std::string_view suffix = {}) { return SafeFileName(gbk, suffix).string(); }

// Whatever the data, the name is one component that stays in its folder.
TEST(SafeFileName, NeverLeavesItsFolder) {
  EXPECT_EQ(Safe("../../../x"), "___.._.._x");
  EXPECT_EQ(Safe("/abs"), "_abs");
  EXPECT_EQ(Safe("a/b\\c"), "a_b_c");
  EXPECT_EQ(Safe(".."), "__");  // leading dots are replaced
  EXPECT_EQ(Safe("."), "_");
  EXPECT_EQ(Safe(".hidden"), "_hidden");
  EXPECT_EQ(Safe(""), "_");
  EXPECT_EQ(Safe("tab\there\r\n"), "tab_here__");
  EXPECT_EQ(Safe("a:b*c?\"<>|"), "a_b_c_____");
  EXPECT_EQ(Safe("name. . "), "name");
  EXPECT_EQ(Safe("CON"), "_CON");
  EXPECT_EQ(Safe("com1.txt"), "_com1.txt");
  EXPECT_EQ(Safe("CONSOLE"), "CONSOLE");
  for (const char* data : {"../x", "/abs", "a/b", "..", "", "\xB1\x5C"}) {
    std::filesystem::path name = SafeFileName(data, ".1.txt");
    EXPECT_EQ(name.filename(), name) << data;
    EXPECT_FALSE(name.has_parent_path()) << data;
  }
}

TEST(SafeFileName, KeepsChineseWholeAndCutsAtACharacter) {
  EXPECT_EQ(Safe(Utf8ToGbk("广东.广州"), ".2.txt"), "广东.广州.2.txt");
  // A trail byte 0x5C is half of a character, not a separator: B1 5C stays one character.
  std::string name = Safe(
      "\xB1\x5C"
      "x");
  EXPECT_EQ(name.find('\\'), std::string::npos);
  EXPECT_EQ(Utf8ToGbk(name),
            "\xB1\x5C"
            "x");
  std::string longName;
  for (int i = 0; i < 100; ++i) longName += Utf8ToGbk("号");
  std::string cut = Safe(longName, ".txt");
  EXPECT_LE(cut.size(), 154u);
  EXPECT_EQ(cut.substr(cut.size() - 4), ".txt");
  EXPECT_EQ(Utf8ToGbk(cut.substr(0, cut.size() - 4)).size() % 2, 0u);  // whole characters only
}

}  // namespace
}  // namespace telqor
