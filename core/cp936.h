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
// lead byte alone, a code that is no candidate, a pair that is unassigned, malformed or maps beyond the BMP). Built
// anew at each call.
std::vector<uint16_t> Cp936Table();

}  // namespace telqor
