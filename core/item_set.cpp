#include "core/item_set.h"

#include <bit>
#include <cstring>

namespace telqor {
namespace {

inline uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

constexpr int kBatch = 16;

}  // namespace

uint64_t ItemSet::HashOf(const ByteStr& item) {
  if (item.IsInline()) return Mix(item.Word(0) ^ Mix(item.Word(1) + 0x9E3779B97F4A7C15ULL));
  const char* p = item.data();
  size_t n = item.size();
  uint64_t h = 0x9E3779B97F4A7C15ULL ^ n;
  while (n >= 8) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    h = Mix(h ^ w);
    p += 8;
    n -= 8;
  }
  uint64_t tail = 0;
  std::memcpy(&tail, p, n);
  return Mix(h ^ tail ^ 0xA5);
}

ItemSet::ItemSet(const ItemList& reference) : reference_(reference) {
  uint64_t size = std::bit_ceil(static_cast<uint64_t>(reference.Count()) * 2 + 16);
  slots_.assign(size, 0);
  mask_ = size - 1;
  for (int i = 0; i < reference.Count(); ++i) {
    const ByteStr& item = reference[i];
    uint64_t h = HashOf(item);
    uint64_t tag = h >> 32;
    for (uint64_t s = h & mask_;; s = (s + 1) & mask_) {
      uint64_t slot = slots_[s];
      if (slot == 0) {
        slots_[s] = (tag << 32) | static_cast<uint64_t>(i + 1);
        break;
      }
      if ((slot >> 32) == tag && reference[static_cast<int>((slot & 0xFFFFFFFFu) - 1)] == item) break;
    }
  }
}

bool ItemSet::Probe(const ByteStr& item, uint64_t h) const {
  uint64_t tag = h >> 32;
  for (uint64_t s = h & mask_;; s = (s + 1) & mask_) {
    uint64_t slot = slots_[s];
    if (slot == 0) return false;
    if ((slot >> 32) == tag && reference_[static_cast<int>((slot & 0xFFFFFFFFu) - 1)] == item) return true;
  }
}

bool ItemSet::Contains(const ByteStr& item) const { return Probe(item, HashOf(item)); }

void ItemSet::Mark(const ItemList& list, std::vector<uint8_t>& marks) const {
  int n = list.Count();
  marks.assign(static_cast<size_t>(n), 0);
  uint64_t hashes[kBatch];
  for (int base = 0; base < n; base += kBatch) {
    int m = n - base < kBatch ? n - base : kBatch;
    for (int k = 0; k < m; ++k) {
      hashes[k] = HashOf(list[base + k]);
      __builtin_prefetch(&slots_[hashes[k] & mask_]);
    }
    for (int k = 0; k < m; ++k) marks[static_cast<size_t>(base + k)] = Probe(list[base + k], hashes[k]) ? 1 : 0;
  }
}

}  // namespace telqor
