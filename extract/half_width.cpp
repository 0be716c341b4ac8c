#include "extract/half_width.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/text/gbk.h"
#include "extract/email_scan.h"

namespace telqor {

namespace {

bool IsDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

// What the two bytes at a lead byte are, by (lead << 8 | next): 0 no character (the lead byte
// stands alone), 1 a character kept as it is, else the ASCII byte the character folds to.
const std::vector<uint8_t>& PairTable() {
  static const std::vector<uint8_t> table = [] {
    std::vector<uint8_t> t(65536, 0);
    char pair[2];
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        pair[0] = static_cast<char>(lead), pair[1] = static_cast<char>(trail);
        size_t length;
        uint32_t cp = GbkCodePointAt(std::string_view(pair, 2), 0, length);
        if (length != 2) continue;
        uint8_t& entry = t[static_cast<size_t>(lead << 8 | trail)];
        entry = 1;
        if (cp == 0x3000) entry = ' ';
        if (cp >= 0xFF01 && cp <= 0xFF5E) entry = static_cast<uint8_t>(cp - 0xFEE0);
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

// Folds the full-width characters whose ASCII form is a digit or may be part of an address,
// copying text into out; false (out untouched) when there is none. Only these folds change what
// numbers and addresses are found: the ideographic space and full-width punctuation separate
// just as the two-byte characters do. They all start with the byte A3, so the text is searched
// for that byte and walked character by character only from a place before it where a
// character surely starts (after a byte below 0x40) to learn whether it starts one: no part of
// the text is walked twice.
bool FoldWhatMatters(std::string_view text, std::string& out) {
  const uint8_t* pairs = PairTable().data();
  const auto* d = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t known = 0;   // a character starts here
  size_t copied = 0;  // the text before this is in out
  bool any = false;
  for (size_t from = 0; from < n;) {
    const void* hit = std::memchr(d + from, 0xA3, n - from);
    if (!hit) break;
    const size_t p = static_cast<size_t>(static_cast<const unsigned char*>(hit) - d);
    from = p + 1;
    if (p + 1 >= n) break;
    const uint8_t ascii = pairs[size_t{0xA3} << 8 | d[p + 1]];
    if (ascii <= 1 || !(IsDigit(ascii) || IsMailChar(ascii))) continue;
    size_t q = p;
    while (q > known && d[q - 1] >= 0x40) --q;
    while (q < p) q += d[q] >= 0x80 && q + 1 < n && pairs[static_cast<size_t>(d[q] << 8 | d[q + 1])] != 0 ? 2 : 1;
    known = q;
    if (q != p) continue;  // the A3 is the second byte of a character
    if (!any) {
      out.clear();
      out.reserve(n);
      any = true;
    }
    out.append(text.data() + copied, p - copied);
    out.push_back(static_cast<char>(ascii));
    copied = known = from = p + 2;
  }
  if (!any) return false;
  out.append(text.data() + copied, n - copied);
  return true;
}

size_t FirstHalfWidthFold(std::string_view text) {
  const uint8_t* pairs = PairTable().data();
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  size_t n = text.size();
  for (size_t i = 0; i < n;) {
    unsigned char b = data[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    uint8_t kind = i + 1 < n ? pairs[static_cast<size_t>(b << 8 | data[i + 1])] : uint8_t{0};
    if (kind > 1) return i;
    i += kind == 1 ? 2 : 1;
  }
  return std::string_view::npos;
}

void FoldHalfWidthFrom(std::string& text, size_t from) {
  size_t in = from;
  const uint8_t* pairs = PairTable().data();
  auto* data = reinterpret_cast<unsigned char*>(text.data());
  size_t n = text.size(), out = from;
  while (in < n) {
    unsigned char b = data[in];
    if (b < 0x80) {
      data[out++] = data[in++];
      continue;
    }
    uint8_t kind = in + 1 < n ? pairs[static_cast<size_t>(b << 8 | data[in + 1])] : uint8_t{0};
    if (kind > 1) {
      data[out++] = kind;
      in += 2;
    } else {
      data[out++] = data[in++];
      if (kind == 1) data[out++] = data[in++];
    }
  }
  text.resize(out);
}

void ToHalfWidth(std::string& text) {
  if (size_t first = FirstHalfWidthFold(text); first != std::string::npos) FoldHalfWidthFrom(text, first);
}

}  // namespace telqor
