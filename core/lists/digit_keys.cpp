#include "core/lists/digit_keys.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

#include "core/platform/memory.h"
#include "core/platform/parallel.h"

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

namespace {

constexpr int kMostDigitBits = 11;
// A part of a pass is worth a thread of its own from this many keys on.
constexpr size_t kKeysPerPart = size_t{1} << 18;

// Sorts the keys of a (below 2^bits once low is taken off each) in place, t holding as many:
// least significant digit first, each pass counting and scattering in parts, a part's keys of
// one digit placed after those of the parts before it, so every pass is stable. The first pass
// takes low off; when the passes are odd in number it also moves the keys to t, so that the
// last pass ends in a.
void SortKeys(uint64_t* a, uint64_t* t, size_t n, uint64_t low, int bits) {
  const int passes = std::max(1, (bits + kMostDigitBits - 1) / kMostDigitBits);
  const int width = (bits + passes - 1) / passes;
  const size_t buckets = size_t{1} << width;
  const uint64_t mask = buckets - 1;
  const int parts = ParallelParts(n, kKeysPerPart);
  std::vector<size_t> counts(static_cast<size_t>(parts) * buckets);
  auto part = [&](int p, auto&& each) {
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) each(i);
  };
  uint64_t* src = passes % 2 ? t : a;
  uint64_t* dst = passes % 2 ? a : t;
  for (int pass = 0; pass < passes; ++pass) {
    const int shift = pass * width;
    std::fill(counts.begin(), counts.end(), 0);
    ParallelFor(parts, [&](int p) {
      size_t* c = &counts[static_cast<size_t>(p) * buckets];
      if (pass == 0) {
        part(p, [&](size_t i) {
          const uint64_t key = a[i] - low;
          src[i] = key;
          ++c[key & mask];
        });
      } else {
        part(p, [&](size_t i) { ++c[(src[i] >> shift) & mask]; });
      }
    });
    size_t sum = 0;
    for (size_t b = 0; b < buckets; ++b)
      for (int p = 0; p < parts; ++p) sum += std::exchange(counts[static_cast<size_t>(p) * buckets + b], sum);
    ParallelFor(parts, [&](int p) {
      size_t* c = &counts[static_cast<size_t>(p) * buckets];
      part(p, [&](size_t i) { dst[c[(src[i] >> shift) & mask]++] = src[i]; });
    });
    std::swap(src, dst);
  }
}

// Whether the bytes of an item are `length` ASCII digits, inline.
inline bool IsDigitItem(const ByteStr& item, size_t length, uint64_t mask0, uint64_t mask1) {
  return item.IsInline() && item.size() == length && AllDigits(item.Word(0), mask0) && AllDigits(item.Word(1), mask1);
}

}  // namespace

uint64_t* RadixSort(uint64_t* keys, uint64_t* temp, size_t n, int bits) {
  if (n > 1 && bits > 0) SortKeys(keys, temp, n, 0, bits);
  return keys;
}

int SortDigitItems(ByteStr* items, int count, bool distinct) {
  if (count <= 0 || !items[0].IsInline()) return -1;
  const auto length = static_cast<int>(items[0].size());
  if (length == 0 || length > static_cast<int>(ByteStr::kInlineMax)) return -1;
  const auto n = static_cast<size_t>(count);
  const uint64_t mask0 = LowBytes(length), mask1 = length > 8 ? LowBytes(length - 8) : 0;

  // The keys, parsed side by side; the items stay as they are until every one is known to be
  // a number of the length.
  std::unique_ptr<uint64_t[]> keys(new uint64_t[n]);
  AdviseLargeBlock(keys.get(), n * sizeof(uint64_t));
  const int parts = ParallelParts(n, kKeysPerPart);
  std::vector<uint64_t> lows(static_cast<size_t>(parts), ~uint64_t{0}), highs(static_cast<size_t>(parts), 0);
  std::atomic<bool> other{false};
  ParallelFor(parts, [&](int p) {
    uint64_t low = ~uint64_t{0}, high = 0;
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) {
      if (!IsDigitItem(items[i], static_cast<size_t>(length), mask0, mask1)) {
        other = true;
        return;
      }
      if (i % 4096 == 0 && other.load(std::memory_order_relaxed)) return;
      const uint64_t value = DigitValue(items[i].data(), length);
      low = std::min(low, value);
      high = std::max(high, value);
      keys[i] = value;
    }
    lows[static_cast<size_t>(p)] = low;
    highs[static_cast<size_t>(p)] = high;
  });
  if (other) return -1;
  const uint64_t low = *std::min_element(lows.begin(), lows.end());
  const uint64_t high = *std::max_element(highs.begin(), highs.end());

  // Every item is inline, so their memory is free once the keys are taken: the upper half
  // holds the radix sort's second buffer. Sorting the distance from the smallest key needs
  // fewer passes (numbers share a prefix).
  auto* upperHalf = reinterpret_cast<uint64_t*>(static_cast<void*>(items)) + n;
  if (high > low) {
    SortKeys(keys.get(), upperHalf, n, low, 64 - std::countl_zero(high - low));
  } else {
    std::fill(keys.get(), keys.get() + n, 0);
  }

  // The items again from the sorted keys: a part's distinct keys go after those of the parts
  // before it.
  std::vector<size_t> from(static_cast<size_t>(parts) + 1, 0);
  auto kept = [&](size_t i) { return !distinct || i == 0 || keys[i] != keys[i - 1]; };
  if (distinct) {
    ParallelFor(parts, [&](int p) {
      size_t k = 0;
      for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) k += kept(i);
      from[static_cast<size_t>(p) + 1] = k;
    });
  } else {
    for (int p = 0; p < parts; ++p) from[static_cast<size_t>(p) + 1] = PartStart(n, p + 1, parts) - PartStart(n, p, parts);
  }
  for (int p = 0; p < parts; ++p) from[static_cast<size_t>(p) + 1] += from[static_cast<size_t>(p)];
  ParallelFor(parts, [&](int p) {
    ByteStr* out = items + from[static_cast<size_t>(p)];
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i)
      if (kept(i)) new (out++) ByteStr(DigitsItem(keys[i] + low, length));
  });
  return static_cast<int>(from.back());
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
