// Code page 936 from the system (MultiByteToWideChar), as Chinese Windows maps it.
#include <windows.h>

#include "core/cp936.h"

namespace telqor {

std::vector<uint16_t> Cp936Table() {
  auto toUnicode = [](const char* bytes, int n) -> uint16_t {
    wchar_t out[4];
    const int len = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, n, out, 4);
    return len == 1 && (out[0] < 0xD800 || out[0] > 0xDFFF) ? out[0] : 0;
  };
  std::vector<uint16_t> table(kCp936Codes, 0);
  for (unsigned code = 1; code < kCp936Codes; ++code) {
    if (!IsCp936Candidate(code)) continue;
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    table[code] = code < 0x100 ? toUnicode(bytes + 1, 1) : toUnicode(bytes, 2);
  }
  return table;
}

}  // namespace telqor
