#include "core/digit_keys.h"

#include <bit>
#include <cstring>

namespace telqor {

int PackDigitKeys(const ByteStr* items, int count, std::vector<uint64_t>& keys) {
  if (count <= 0 || !items[0].IsInline()) return 0;
  size_t length = items[0].size();
  if (length == 0 || length > 19) return 0;
  keys.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const ByteStr& item = items[i];
    if (!item.IsInline() || item.size() != length) return 0;
    const char* p = item.data();
    uint64_t value = 0;
    for (size_t k = 0; k < length; ++k) {
      unsigned digit = static_cast<unsigned char>(p[k]) - '0';
      if (digit > 9) return 0;
      value = value * 10 + digit;
    }
    keys[static_cast<size_t>(i)] = value;
  }
  return static_cast<int>(length);
}

void RadixSort(std::vector<uint64_t>& keys) {
  if (keys.size() < 2) return;
  uint64_t all = 0;
  for (uint64_t k : keys) all |= k;
  int bits = 64 - std::countl_zero(all);
  constexpr int kDigitBits = 11;
  constexpr size_t kBuckets = size_t{1} << kDigitBits;
  std::vector<uint64_t> other(keys.size());
  uint64_t* src = keys.data();
  uint64_t* dst = other.data();
  for (int shift = 0; shift < bits; shift += kDigitBits) {
    size_t counts[kBuckets] = {};
    for (size_t i = 0; i < keys.size(); ++i) ++counts[(src[i] >> shift) & (kBuckets - 1)];
    size_t sum = 0;
    for (size_t& c : counts) {
      size_t n = c;
      c = sum;
      sum += n;
    }
    for (size_t i = 0; i < keys.size(); ++i) dst[counts[(src[i] >> shift) & (kBuckets - 1)]++] = src[i];
    std::swap(src, dst);
  }
  if (src != keys.data()) keys.swap(other);
}

ByteStr DigitsItem(uint64_t value, int length) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char buf[20];
  int pos = length;
  while (pos >= 2) {
    std::memcpy(buf + pos - 2, kPairs + 2 * (value % 100), 2);
    value /= 100;
    pos -= 2;
  }
  if (pos == 1) buf[0] = static_cast<char>('0' + value % 10);
  return ByteStr(std::string_view(buf, static_cast<size_t>(length)));
}

}  // namespace telqor
