// What the fuzz targets share: cutting one input into the pieces a parser takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telqor::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// The input cut at its zero bytes into at most `most` parts (the last keeps the rest).
inline std::vector<std::string_view> Parts(std::string_view input, size_t most) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < most) {
    size_t zero = input.find('\0');
    if (zero == std::string_view::npos) break;
    parts.push_back(input.substr(0, zero));
    input.remove_prefix(zero + 1);
  }
  parts.push_back(input);
  while (parts.size() < most) parts.emplace_back();
  return parts;
}

// text.substr that never throws: what there is of the range.
inline std::string_view Sub(std::string_view text, size_t pos, size_t n) {
  return pos >= text.size() ? std::string_view() : text.substr(pos, n);
}

// A small number taken from the front of the input (0 when it is empty).
inline unsigned TakeByte(std::string_view& input) {
  if (input.empty()) return 0;
  unsigned b = static_cast<unsigned char>(input.front());
  input.remove_prefix(1);
  return b;
}

// Stops the run with a message when a property does not hold (libFuzzer keeps the input).
#define FUZZ_CHECK(condition)                                                       \
  do {                                                                              \
    if (!(condition)) {                                                             \
      fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
      abort();                                                                      \
    }                                                                               \
  } while (0)

}  // namespace telqor::fuzz
