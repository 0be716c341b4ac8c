#include "workspace/normalize.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/platform/parallel.h"

namespace telqor {
namespace {

// "0086" and eleven digits is the longest spelling taken.
constexpr size_t kMostDigits = 4 + kMobileDigits;

enum CharClass : uint8_t { kOther, kDigit, kSeparator };

constexpr std::array<uint8_t, 128> MakeAsciiClasses() {
  std::array<uint8_t, 128> classes{};
  for (char c = '0'; c <= '9'; ++c) classes[static_cast<size_t>(c)] = kDigit;
  for (char c : {' ', '\t', '-', '.', '(', ')', '+'}) classes[static_cast<size_t>(c)] = kSeparator;
  return classes;
}
constexpr std::array<uint8_t, 128> kAsciiClasses = MakeAsciiClasses();

// Full-width forms in GBK: row A3 holds U+FF01..U+FF5E in order ("０" is A3 B0, "＋" A3 AB,
// "－" A3 AD, "．" A3 AE, "（" A3 A8, "）" A3 A9); the ideographic space is A1 A1.
bool IsWideSeparator(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) return trail == 0xA1;
  return lead == 0xA3 && (trail == 0xAB || trail == 0xAD || trail == 0xAE || trail == 0xA8 || trail == 0xA9);
}

// Whether the line is exactly eleven ASCII digits: such a line never changes, and it is what
// most lines of a number list are.
bool IsElevenAsciiDigits(std::string_view line) {
  if (line.size() != kMobileDigits) return false;
  for (char c : line)
    if (c < '0' || c > '9') return false;
  return true;
}

int NormalizeRange(ItemList& items, int from, int to) {
  int changed = 0;
  char digits[kMobileDigits];
  for (int i = from; i < to; ++i) {
    std::string_view line = items.View(i);
    if (IsElevenAsciiDigits(line) || !NormalizedMobile(line, digits)) continue;
    std::string_view normal(digits, kMobileDigits);
    if (line == normal) continue;
    items.Put(i, ByteStr(normal));  // eleven bytes: held inline, nothing allocated
    ++changed;
  }
  return changed;
}

}  // namespace

bool NormalizedMobile(std::string_view line, char (&out)[kMobileDigits]) {
  char digits[kMostDigits];
  size_t count = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const auto* end = p + line.size();
  while (p < end) {
    unsigned char c = *p;
    char digit;
    if (c < 0x80) {
      uint8_t kind = kAsciiClasses[c];
      ++p;
      if (kind == kSeparator) continue;
      if (kind != kDigit) return false;
      digit = static_cast<char>(c);
    } else {
      // A lead byte and the byte after it are one character, as every walk of GBK text
      // counts them; a lone high byte is no digit.
      if (c < 0x81 || c > 0xFE || end - p < 2) return false;
      unsigned char trail = p[1];
      p += 2;
      if (IsWideSeparator(c, trail)) continue;
      if (c != 0xA3 || trail < 0xB0 || trail > 0xB9) return false;
      digit = static_cast<char>('0' + (trail - 0xB0));
    }
    if (count == kMostDigits) return false;
    digits[count++] = digit;
  }
  size_t prefix;
  if (count == kMobileDigits) {
    prefix = 0;
  } else if (count == 2 + kMobileDigits && digits[0] == '8' && digits[1] == '6') {
    prefix = 2;
  } else if (count == 4 + kMobileDigits && std::memcmp(digits, "0086", 4) == 0) {
    prefix = 4;
  } else {
    return false;
  }
  if (digits[prefix] != '1') return false;
  std::memcpy(out, digits + prefix, kMobileDigits);
  return true;
}

int NormalizeLines(ItemList& items) {
  int count = items.Count();
  // Parts write disjoint items; only a plain list's Put touches nothing but its item.
  int parts =
      items.AllowsBulkEdits() && !items.Sorted() ? ParallelParts(static_cast<size_t>(count), size_t{1} << 18) : 1;
  std::vector<int> changed(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int part) {
    int from = static_cast<int>(int64_t{count} * part / parts);
    int to = static_cast<int>(int64_t{count} * (part + 1) / parts);
    changed[static_cast<size_t>(part)] = NormalizeRange(items, from, to);
  });
  int total = 0;
  for (int n : changed) total += n;
  return total;
}

}  // namespace telqor
