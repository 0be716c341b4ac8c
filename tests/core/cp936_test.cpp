// The two builds map GBK through different code: ICU's windows-936 converter on Linux, the
// system's code page 936 on Windows. tests/data/cp936.txt holds the Linux mapping of every code
// (made by this test with TELQOR_WRITE_CP936 naming the file to write); each build is held
// to it, so a list saved on one system reads the same on the other.
#include "core/cp936.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

// One line per lead byte 00 and 81..FE: the lead in hex, then the code point of each of its
// 256 codes in hex (0000 where unmapped). Lead 00 holds the single bytes.
std::string TableText(const std::vector<uint16_t>& table) {
  std::string text;
  char hex[8];
  for (unsigned lead = 0; lead <= 0xFE; ++lead) {
    if (lead != 0 && lead < 0x81) continue;
    std::snprintf(hex, sizeof hex, "%02X", lead);
    text += hex;
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      std::snprintf(hex, sizeof hex, " %04X", table[lead << 8 | trail]);
      text += hex;
    }
    text += "\n";
  }
  return text;
}

std::vector<uint16_t> ParseTable(const std::string& text) {
  std::vector<uint16_t> table(kCp936Codes, 0);
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    unsigned lead = 0, cp = 0;
    fields >> std::hex >> lead;
    for (unsigned trail = 0; trail <= 0xFF && fields >> std::hex >> cp; ++trail)
      table[lead << 8 | trail] = static_cast<uint16_t>(cp);
  }
  return table;
}

TEST(Cp936, EveryCodeMapsAsTheReferenceTable) {
  const std::vector<uint16_t> mine = Cp936Table();
  if (const char* out = std::getenv("TELQOR_WRITE_CP936")) test::WriteBytes(out, TableText(mine));
  const std::vector<uint16_t> reference = ParseTable(test::ReadBytes(fs::path(TELQOR_TEST_DATA) / "cp936.txt"));

  size_t mapped = 0, differing = 0;
  std::string examples;
  for (unsigned code = 0; code < kCp936Codes; ++code) {
    if (!IsCp936Candidate(code)) continue;
    if (reference[code]) ++mapped;
    if (mine[code] == reference[code]) continue;
    if (++differing <= 40) {
      char line[64];
      std::snprintf(line, sizeof line, "\n  %04X: U+%04X here, U+%04X in the table", code, mine[code], reference[code]);
      examples += line;
    }
  }
  EXPECT_GT(mapped, 21000u);  // GBK's characters and the private-use codes
  EXPECT_EQ(differing, 0u) << differing << " codes map otherwise than the table, the first:" << examples;
}

TEST(Cp936, CodesThatAreNoCharacterAreUnmapped) {
  const std::vector<uint16_t> table = Cp936Table();
  EXPECT_EQ(table[0x41], 0x41u);
  EXPECT_EQ(table[0xB0A1], 0x554Au);  // 啊, the first hanzi of GB2312
  EXPECT_EQ(table[0x81], 0u);         // a lead byte alone
  EXPECT_EQ(table[0x817F], 0u);       // 7F never trails
  EXPECT_EQ(table[0x8130], 0u);       // a four-byte GB18030 start is no GBK character
  EXPECT_EQ(table[0xFF40], 0u);       // FF leads nothing
}

}  // namespace
}  // namespace telqor
