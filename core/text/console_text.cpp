#include "core/text/console_text.h"

#include "core/text/gbk.h"

namespace telqor {
namespace {

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
size_t Utf8SequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 0;
}

// Where a UTF-8 sequence begun near the end is cut short: the size without it, or the size.
size_t WithoutCutUtf8(std::string_view bytes) {
  for (size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const size_t length = Utf8SequenceLength(c);
    return length > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
}

// Where a GBK lead byte at the very end waits for its second byte.
size_t WithoutCutGbk(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    if (IsGbkLead(static_cast<unsigned char>(bytes[i])) && i + 1 == bytes.size()) return i;
    i += GbkCharLength(bytes, i);
  }
  return bytes.size();
}

bool IsUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();)
    if (NextUtf8CodePoint(bytes, i) == kNotUtf8) return false;
  return true;
}

}  // namespace

ConsoleText ConsoleTextOf(std::string_view bytes, bool final) {
  if (!final) {
    const size_t whole = WithoutCutUtf8(bytes);
    if (IsUtf8(bytes.substr(0, whole))) return {std::string(bytes.substr(0, whole)), whole};
    const size_t gbk = WithoutCutGbk(bytes);
    return {GbkToUtf8(bytes.substr(0, gbk)), gbk};
  }
  if (IsUtf8(bytes)) return {std::string(bytes), bytes.size()};
  return {GbkToUtf8(bytes), bytes.size()};
}

}  // namespace telqor
