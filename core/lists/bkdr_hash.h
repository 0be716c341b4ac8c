// The BKDR string hash with seed 131: h = h * 131 + byte, modulo 2^32. It keys processing
// mode B's de-duplication and comparison and the region table.
#pragma once

#include <cstdint>
#include <string_view>

namespace telqor {

inline uint32_t BKDRHash(std::string_view s) {
  uint32_t h = 0;
  for (unsigned char c : s) h = h * 131u + c;
  return h;
}

}  // namespace telqor
