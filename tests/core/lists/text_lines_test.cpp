// Lines counted and built sixteen bytes at a time are the lines ForEachLine gives, whatever
// their lengths and breaks and wherever a chunk of sixteen bytes ends.
#include "core/lists/text_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/lists/item_list.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

Strings ByForEachLine(std::string_view text) {
  Strings lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

Strings Built(std::string_view text) {
  const int64_t count = CountTextLines(text);
  auto memory = std::make_unique<unsigned char[]>(sizeof(ByteStr) * static_cast<size_t>(count + 1));
  auto* slots = reinterpret_cast<ByteStr*>(memory.get());
  ByteStr* end = BuildTextLines(text, slots);
  EXPECT_EQ(end - slots, count);
  Strings lines;
  for (ByteStr* s = slots; s < end; ++s) {
    lines.push_back(s->str());
    s->~ByteStr();
  }
  return lines;
}

TEST(TextLines, AsForEachLineGivesThem) {
  for (const char* text : {"", "a", "\r", "\n", "\r\n", "\n\r", "\r\r\n\n", "a\r\nb", "x\ry\nz\r",
                           "123456789012345\r\n", "1234567890123456\n", "12345678901234567\r"})
    EXPECT_EQ(Built(text), ByForEachLine(text)) << testing::PrintToString(std::string(text));
  // Every byte a break, for long enough that the counts of a lane are folded many times.
  for (const char* unit : {"\n", "\r", "\r\n", "\n\r"}) {
    std::string text;
    while (text.size() < 100000) text += unit;
    EXPECT_EQ(CountTextLines(text), static_cast<int64_t>(ByForEachLine(text).size())) << unit;
  }
  const std::string pieces[] = {"\r", "\n", "\r\n", "1", "12345678901", "123456789012345", "1234567890123456",
                                std::string(40, 'x'), "\xD6\xD0", " "};
  std::mt19937 random(10);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (int k = static_cast<int>(random() % 30); k > 0; --k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(Built(text), ByForEachLine(text)) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace telqor
