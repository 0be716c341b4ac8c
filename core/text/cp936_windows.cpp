// Code page 936 from the system (MultiByteToWideChar), as Chinese Windows maps it.
#include <windows.h>

#include "core/text/cp936.h"

namespace telqor {

std::vector<uint16_t> Cp936Table() {
  auto toUnicode = [](const char* bytes, int n) -> uint16_t {
    wchar_t out[4];
    const int len = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, n, out, 4);
    return len == 1 && (out[0] < 0xD800 || out[0] > 0xDFFF) ? out[0] : 0;
  };
  return Cp936TableFrom(toUnicode);
}

}  // namespace telqor
