#include "core/text/gbk.h"

#include <unicode/utf8.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/text/cp936.h"

namespace telqor {
namespace {

constexpr uint32_t kEscapeBase = 0x10FF00;
constexpr uint16_t kUnmapped = 0xFFFF;

bool IsLead(uint8_t b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrail(uint8_t b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
int PairIndex(uint8_t lead, uint8_t trail) { return (lead - 0x81) * 191 + (trail - 0x40); }

struct Tables {
  std::vector<uint16_t> decode;  // two-byte code -> BMP code point, 0 when unmapped
  std::vector<uint16_t> encode;  // BMP code point -> GBK code (< 0x100: one byte), kUnmapped
  uint16_t decodeSingle[256];    // one byte -> code point, 0 when the byte is a lead or invalid

  Tables() : decode(126 * 191, 0), encode(0x10000, kUnmapped) {
    const std::vector<uint16_t> cp936 = Cp936Table();
    for (int b = 0; b < 256; ++b)
      decodeSingle[b] = b < 0x80 ? static_cast<uint16_t>(b) : (IsLead(static_cast<uint8_t>(b)) ? 0 : cp936[b]);
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail == 0x7F) continue;
        uint16_t cp = cp936[lead << 8 | trail];
        decode[PairIndex(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail))] = cp;
        if (cp && encode[cp] == kUnmapped) encode[cp] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    for (int b = 0; b < 256; ++b)
      if (b < 0x80 || decodeSingle[b]) encode[decodeSingle[b]] = static_cast<uint16_t>(b);
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

std::string Decode(std::string_view gbk, bool lossless) {
  const Tables& t = GetTables();
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  const auto* p = reinterpret_cast<const uint8_t*>(gbk.data());
  size_t n = gbk.size();
  for (size_t i = 0; i < n; ++i) {
    uint8_t b = p[i];
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      continue;
    }
    uint32_t cp = t.decodeSingle[b];
    if (!cp && IsLead(b) && i + 1 < n && IsTrail(p[i + 1])) {
      cp = t.decode[PairIndex(b, p[i + 1])];
      if (cp) ++i;
    }
    if (!cp) cp = lossless ? kEscapeBase + b : 0xFFFD;
    AppendUtf8(out, cp);
  }
  return out;
}

// Reads one UTF-8 sequence at p[i]; answers the code point and advances i, or answers
// kNotUtf8 for a byte that starts no well-formed sequence. ICU would step over the whole
// ill-formed part at once; here i steps over that byte alone, so that every byte of it counts
// (and becomes a '?' or U+FFFD) on its own.
uint32_t NextCodePoint(const uint8_t* p, size_t n, size_t& i) {
  const size_t start = i;
  UChar32 cp;
  U8_NEXT(p, i, n, cp);
  if (cp < 0) {
    i = start + 1;
    return kNotUtf8;
  }
  return static_cast<uint32_t>(cp);
}

// The end of the run of ASCII bytes that starts at p[i], eight bytes at a time.
size_t AsciiRunEnd(const uint8_t* p, size_t i, size_t n) {
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ULL) break;
  }
  while (i < n && p[i] < 0x80) ++i;
  return i;
}

}  // namespace

void AppendUtf8(std::string& out, uint32_t codePoint) {
  char bytes[U8_MAX_LENGTH];
  size_t length = 0;
  U8_APPEND_UNSAFE(bytes, length, codePoint);
  out.append(bytes, length);
}

std::string GbkToUtf8(std::string_view gbk) { return IsAscii(gbk) ? std::string(gbk) : Decode(gbk, false); }

std::string GbkToUtf8Lossless(std::string_view gbk) { return IsAscii(gbk) ? std::string(gbk) : Decode(gbk, true); }

std::string Utf8ToGbk(std::string_view utf8) {
  size_t ignored = 0;
  return Utf8ToGbk(utf8, ignored);
}

std::string Utf8ToGbk(std::string_view utf8, size_t& unconvertible) {
  if (IsAscii(utf8)) return std::string(utf8);
  const Tables& t = GetTables();
  std::string out;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const uint8_t*>(utf8.data());
  size_t n = utf8.size();
  for (size_t i = 0; i < n;) {
    if (p[i] < 0x80) {
      const size_t end = AsciiRunEnd(p, i, n);
      out.append(utf8.data() + i, end - i);
      i = end;
      continue;
    }
    uint32_t cp = NextCodePoint(p, n, i);
    if (cp >= kEscapeBase && cp <= kEscapeBase + 0xFF) {
      out.push_back(static_cast<char>(cp - kEscapeBase));
    } else if (cp < 0x10000 && t.encode[cp] != kUnmapped) {
      uint16_t code = t.encode[cp];
      if (code >= 0x100) out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    } else {
      out.push_back('?');
      ++unconvertible;
    }
  }
  return out;
}

uint32_t NextUtf8CodePoint(std::string_view utf8, size_t& i) {
  return NextCodePoint(reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size(), i);
}

bool IsUtf8BeyondAscii(std::string_view s) {
  const auto* p = reinterpret_cast<const uint8_t*>(s.data());
  const size_t n = s.size();
  size_t i = AsciiRunEnd(p, 0, n);
  if (i == n) return false;
  while (i < n) {
    if (NextCodePoint(p, n, i) == kNotUtf8) return false;
    i = AsciiRunEnd(p, i, n);
  }
  return true;
}

std::string QuotedText(std::string_view text) {
  if (IsAscii(text) || IsUtf8BeyondAscii(text)) return std::string(text);
  return GbkToUtf8(text);
}

bool IsAscii(std::string_view s) {
  const char* p = s.data();
  size_t n = s.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ULL) return false;
  }
  for (; i < n; ++i)
    if (static_cast<uint8_t>(p[i]) >= 0x80) return false;
  return true;
}

uint32_t GbkCodePointAt(std::string_view text, size_t i, size_t& length) {
  const auto* p = reinterpret_cast<const uint8_t*>(text.data());
  uint8_t b = p[i];
  length = 1;
  if (b < 0x80) return b;
  const Tables& t = GetTables();
  if (uint32_t cp = t.decodeSingle[b]) return cp;
  if (IsLead(b) && i + 1 < text.size() && IsTrail(p[i + 1])) {
    if (uint32_t cp = t.decode[PairIndex(b, p[i + 1])]) {
      length = 2;
      return cp;
    }
  }
  return 0;
}


}  // namespace telqor
