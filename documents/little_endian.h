// Numbers as the binary office formats store them: little-endian, at any alignment.
#pragma once

#include <cstdint>
#include <string_view>

namespace telqor {

inline uint16_t Le16(const char* p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
}
inline uint32_t Le32(const char* p) { return Le16(p) | static_cast<uint32_t>(Le16(p + 2)) << 16; }
inline uint64_t Le64(const char* p) { return Le32(p) | static_cast<uint64_t>(Le32(p + 4)) << 32; }

// Whether the n bytes from at lie within bytes (no sum that could wrap).
inline bool Within(std::string_view bytes, uint64_t at, uint64_t n) {
  return at <= bytes.size() && n <= bytes.size() - at;
}

}  // namespace telqor
