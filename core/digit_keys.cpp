#include "core/digit_keys.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

#include "core/parallel.h"

namespace telqor {
namespace {

constexpr uint64_t kOnes = 0x0101010101010101ULL;

// Bytes 0..n-1 of a word (little-endian order).
constexpr uint64_t LowBytes(int n) { return n >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * n)) - 1; }

// Whether the bytes selected by mask are all ASCII digits.
inline bool AllDigits(uint64_t w, uint64_t mask) {
  constexpr uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL, kZeros = kOnes * '0';
  // A digit is 0x3_ and stays 0x3_ when 6 is added; a byte that carries out fails the first test.
  return ((w & kHighNibbles & mask) == (kZeros & mask)) && (((w + kOnes * 6) & kHighNibbles & mask) == (kZeros & mask));
}

// The value of eight ASCII digits, first digit in the lowest byte.
inline uint64_t EightDigits(uint64_t w) {
  w -= kOnes * '0';
  w = (w * 10) + (w >> 8);
  w = (((w & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
       (((w >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
      32;
  return w;
}

// The eight ASCII digits of v < 10^8, first digit in the lowest byte.
inline uint64_t EightAscii(uint32_t v) {
  uint64_t x = (v / 10000) | (static_cast<uint64_t>(v % 10000) << 32);  // two 4-digit lanes
  uint64_t y = ((x * 10486) >> 20) & 0x0000007F0000007FULL;             // / 100 in each lane
  x = y | ((x - y * 100) << 16);                                        // four 2-digit lanes
  y = ((x * 103) >> 10) & 0x000F000F000F000FULL;                        // / 10 in each lane
  x = y | ((x - y * 10) << 8);                                          // eight digits
  return x | (kOnes * '0');
}

}  // namespace

uint64_t DigitValue(const char* p, int length) {
  if (length < 8) {
    uint64_t value = 0;
    for (int k = 0; k < length; ++k) value = value * 10 + static_cast<unsigned>(p[k] - '0');
    return value;
  }
  uint64_t value = 0;
  for (int k = 0; k < length - 8; ++k) value = value * 10 + static_cast<unsigned>(p[k] - '0');
  uint64_t w;
  std::memcpy(&w, p + length - 8, 8);
  return value * 100000000ULL + EightDigits(w);
}

// Each pass counts and scatters in parts: a part's keys of one digit go after those of the
// parts before it, so every pass stays stable.
uint64_t* RadixSort(uint64_t* keys, uint64_t* temp, size_t n, int bits) {
  constexpr int kDigitBits = 11;
  constexpr size_t kBuckets = size_t{1} << kDigitBits;
  const int passes = (bits + kDigitBits - 1) / kDigitBits;
  const int parts = ParallelParts(n, size_t{1} << 20);
  std::vector<size_t> counts(static_cast<size_t>(parts) * kBuckets);
  uint64_t* src = keys;
  uint64_t* dst = temp;
  auto begin = [&](int t) { return n * static_cast<size_t>(t) / static_cast<size_t>(parts); };
  for (int p = 0; p < passes; ++p) {
    const int shift = p * kDigitBits;
    std::fill(counts.begin(), counts.end(), 0);
    ParallelFor(parts, [&](int t) {
      size_t* c = &counts[static_cast<size_t>(t) * kBuckets];
      for (size_t i = begin(t); i < begin(t + 1); ++i) ++c[(src[i] >> shift) & (kBuckets - 1)];
    });
    size_t sum = 0;
    bool oneBucket = false;
    for (size_t b = 0; b < kBuckets; ++b) {
      size_t inBucket = 0;
      for (int t = 0; t < parts; ++t) {
        size_t& c = counts[static_cast<size_t>(t) * kBuckets + b];
        inBucket += c;
        sum += std::exchange(c, sum);
      }
      oneBucket = oneBucket || inBucket == n;
    }
    if (oneBucket) continue;  // nothing moves in this pass
    ParallelFor(parts, [&](int t) {
      size_t* c = &counts[static_cast<size_t>(t) * kBuckets];
      for (size_t i = begin(t); i < begin(t + 1); ++i) dst[c[(src[i] >> shift) & (kBuckets - 1)]++] = src[i];
    });
    std::swap(src, dst);
  }
  return src;
}

int UniformDigitLength(const ByteStr* items, int count) {
  if (count <= 0 || !items[0].IsInline()) return 0;
  int length = static_cast<int>(items[0].size());
  if (length == 0 || length > static_cast<int>(ByteStr::kInlineMax)) return 0;
  const uint64_t mask0 = LowBytes(length), mask1 = length > 8 ? LowBytes(length - 8) : 0;
  for (int i = 0; i < count; ++i) {
    const ByteStr& item = items[i];
    if (!item.IsInline() || item.size() != static_cast<size_t>(length)) return 0;
    if (!AllDigits(item.Word(0), mask0) || !AllDigits(item.Word(1), mask1)) return 0;
  }
  return length;
}

void SortDigitItems(ByteStr* items, int count, int length) {
  auto n = static_cast<size_t>(count);
  // Every item is inline, so its 16 bytes may be reused as raw memory: slot 2i and 2i+1 are
  // item i. Each item's key is first written over the item itself, so the parts of the loop
  // touch only their own items.
  auto* slots = reinterpret_cast<uint64_t*>(static_cast<void*>(items));
  int parts = ParallelParts(n, size_t{1} << 20);
  std::vector<uint64_t> lows(static_cast<size_t>(parts), ~uint64_t{0}), highs(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int p) {
    uint64_t low = ~uint64_t{0}, high = 0;
    for (size_t i = n * p / parts; i < n * (p + 1) / parts; ++i) {
      uint64_t value = DigitValue(items[i].data(), length);
      low = std::min(low, value);
      high = std::max(high, value);
      slots[2 * i] = value;
    }
    lows[p] = low;
    highs[p] = high;
  });
  uint64_t low = *std::min_element(lows.begin(), lows.end());
  uint64_t high = *std::max_element(highs.begin(), highs.end());
  // Gather the keys into the lower half (slot i <= 2i, so going up reads before it writes).
  // Sorting the distance from the smallest key needs fewer passes (numbers share a prefix).
  for (size_t i = 0; i < n; ++i) slots[i] = slots[2 * i] - low;
  uint64_t* sorted = RadixSort(slots, slots + n, n, 64 - std::countl_zero(high - low));
  // Spread key i back over item i: from the lower half going down, from the upper half going
  // up, every slot overwritten holds a key already moved.
  if (sorted == slots) {
    for (size_t i = n; i-- > 0;) slots[2 * i] = sorted[i];
  } else {
    for (size_t i = 0; i < n; ++i) slots[2 * i] = sorted[i];
  }
  ParallelFor(parts, [&](int p) {
    for (size_t i = n * p / parts; i < n * (p + 1) / parts; ++i) {
      items[i] = DigitsItem(slots[2 * i] + low, length);
    }
  });
}

ByteStr DigitsItem(uint64_t value, int length) {
  if (length < 8 || length > static_cast<int>(ByteStr::kInlineMax)) {
    char buf[24];
    for (int pos = length; pos-- > 0; value /= 10) buf[pos] = static_cast<char>('0' + value % 10);
    return ByteStr(std::string_view(buf, static_cast<size_t>(length)));
  }
  // Bytes 0..length-9 hold the leading digits, the last eight digits follow, the size is last.
  uint64_t high = value / 100000000u;
  uint64_t low = EightAscii(static_cast<uint32_t>(value - high * 100000000u));
  int lead = length - 8;
  uint64_t w0, w1;
  if (lead == 0) {
    w0 = low;
    w1 = 0;
  } else {
    // EightAscii of the leading part has its digits in the top `lead` bytes.
    uint64_t head = EightAscii(static_cast<uint32_t>(high)) >> (8 * (8 - lead));
    w0 = head | (low << (8 * lead));
    w1 = low >> (8 * (8 - lead));
  }
  w1 |= static_cast<uint64_t>(length) << 56;
  return ByteStr::FromInlineWords(w0, w1);
}

}  // namespace telqor
