// The platform's code page 936, the mapping every GBK conversion of the engine is built from:
// ICU's windows-936 converter on Linux, the system's own code page on Windows (what Chinese
// Windows programs use). The two are held equal by a test over every two-byte code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace telqor {

// The number of codes Cp936Table answers for: every value of two bytes.
inline constexpr size_t kCp936Codes = 0x10000;

// Whether code may be a character: a single byte, or a lead byte 81-FE and a trail byte 40-FE
// other than 7F. Cp936Table converts only these.
inline bool IsCp936Candidate(unsigned code) {
  if (code < 0x100) return true;
  const unsigned lead = code >> 8, trail = code & 0xFF;
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// The BMP code point of each code: for a code below 0x100 the single byte, else the pair of a
// lead byte (high) and a trail byte (low). 0 where the bytes are not one mapped character (a
// lead byte alone, a code that is no candidate, a pair that is unassigned, malformed or maps
// beyond the BMP). Built anew at each call.
std::vector<uint16_t> Cp936Table();

// The table made with the platform's converter: toUnicode(bytes, count) answers the code point
// of the one character those bytes are, or 0.
template <typename ToUnicode>
std::vector<uint16_t> Cp936TableFrom(ToUnicode toUnicode) {
  std::vector<uint16_t> table(kCp936Codes, 0);
  for (unsigned code = 1; code < kCp936Codes; ++code) {
    if (!IsCp936Candidate(code)) continue;
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    table[code] = code < 0x100 ? toUnicode(bytes + 1, 1) : toUnicode(bytes, 2);
  }
  return table;
}

}  // namespace telqor
