#include "core/lists/item_set.h"

#include <algorithm>
#include <cstring>

#include "core/lists/hash_mix.h"
#include "core/platform/parallel.h"

namespace telqor {
namespace {

inline uint64_t Mix(uint64_t h) { return HashMix(h); }

// A part of a loop is worth a thread of its own from this many items on.
constexpr size_t kItemsPerPart = size_t{1} << 18;

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

// visit(i, hash of item i) for the items [from, to) of list in order. On millions of items
// the cost is waiting for memory, so what each will read is fetched ahead: its slot kAhead
// items before it, and the reference item that slot names half as many before.
template <typename Visit>
void ItemSet::Pipelined(const ItemList& list, size_t from, size_t to, Visit&& visit) const {
  constexpr size_t kAhead = 16;
  uint64_t hashes[kAhead];
  auto fetch = [&](size_t i) {
    const uint64_t hash = HashOf(list[static_cast<int>(i)]);
    hashes[i % kAhead] = hash;
    __builtin_prefetch(&slots_[SlotOf(hash)]);
  };
  for (size_t i = from; i < to && i < from + kAhead; ++i) fetch(i);
  for (size_t i = from; i < to; ++i) {
    const uint64_t hash = hashes[i % kAhead];
    if (i + kAhead / 2 < to) {
      const uint64_t soon = hashes[(i + kAhead / 2) % kAhead];
      const uint64_t slot = Slot(SlotOf(soon)).load(std::memory_order_relaxed);
      if (slot != 0 && (slot >> 32) == (soon >> 32)) __builtin_prefetch(&reference_[static_cast<int>((slot & 0xFFFFFFFFu) - 1)]);
    }
    if (i + kAhead < to) fetch(i + kAhead);
    visit(i, hash);
  }
}

ItemSet::ItemSet(const ItemList& reference) : reference_(reference) {
  const auto n = static_cast<size_t>(reference.Count());
  // At most 60% of the slots taken: a slot is found in the first probe or two.
  size_ = n + n * 2 / 3 + 16;
  slots_ = NewZeroed<uint64_t>(size_);
  const int parts = ParallelParts(n, kItemsPerPart);
  ParallelFor(parts, [&](int p) {
    Pipelined(reference, PartStart(n, p, parts), PartStart(n, p + 1, parts),
              [&](size_t i, uint64_t hash) { Insert(static_cast<int>(i), hash); });
  });
}

// Takes a free slot for the item unless an equal one holds one. Two threads adding equal
// items both see the slot the first took.
void ItemSet::Insert(int index, uint64_t hash) {
  const uint64_t tag = hash >> 32;
  const uint64_t mine = (tag << 32) | static_cast<uint64_t>(index + 1);
  for (size_t s = SlotOf(hash);; s = s + 1 == size_ ? 0 : s + 1) {
    uint64_t slot = Slot(s).load(std::memory_order_relaxed);
    if (slot == 0 && Slot(s).compare_exchange_strong(slot, mine, std::memory_order_relaxed)) return;
    if ((slot >> 32) == tag && reference_[static_cast<int>((slot & 0xFFFFFFFFu) - 1)] == reference_[index]) return;
  }
}

bool ItemSet::Probe(const ByteStr& item, uint64_t h) const {
  const uint64_t tag = h >> 32;
  for (size_t s = SlotOf(h);; s = s + 1 == size_ ? 0 : s + 1) {
    const uint64_t slot = Slot(s).load(std::memory_order_relaxed);
    if (slot == 0) return false;
    if ((slot >> 32) == tag && reference_[static_cast<int>((slot & 0xFFFFFFFFu) - 1)] == item) return true;
  }
}

bool ItemSet::Contains(const ByteStr& item) const { return Probe(item, HashOf(item)); }

void ItemSet::Mark(const ItemList& list, std::vector<uint8_t>& marks) const {
  const auto n = static_cast<size_t>(list.Count());
  marks.assign(n, 0);
  const int parts = ParallelParts(n, kItemsPerPart);
  ParallelFor(parts, [&](int p) {
    Pipelined(list, PartStart(n, p, parts), PartStart(n, p + 1, parts),
              [&](size_t i, uint64_t hash) { marks[i] = Probe(list[static_cast<int>(i)], hash); });
  });
}

}  // namespace telqor
