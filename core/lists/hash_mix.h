// The finaliser of MurmurHash3: every bit of the input spread over the 64 of the result, so
// that any part of it may pick a table, a slot or a tag.
#pragma once

#include <cstdint>

namespace telqor {

inline uint64_t HashMix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

}  // namespace telqor
