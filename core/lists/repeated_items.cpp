#include "core/lists/repeated_items.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "core/lists/hash_mix.h"
#include "core/lists/item_set.h"
#include "core/platform/memory.h"
#include "core/platform/parallel.h"

namespace telqor {
namespace {

// A part of a pass is worth a thread of its own from this many items on.
constexpr size_t kItemsPerPart = size_t{1} << 18;
// How far apart the steps of an addition run, and the items held between the first and last.
constexpr size_t kAhead = 8;
constexpr size_t kRing = 32;  // a power of two above 2 * kAhead
// The items a thread looks at a time to pick its own.
constexpr size_t kBlock = 256;

// The 32-bit hash's bits spread over 64: the high half picks the table, the low half the slot.
inline uint64_t Mix(uint32_t hash) { return HashMix(hash); }

inline int TableOf(uint64_t mixed, int tables) {
  return static_cast<int>(((mixed >> 32) * static_cast<uint64_t>(tables)) >> 32);
}

// A slot: the item's index + 1 in the low indexBits (0 is a free slot), the low bits of its
// hash above them, so that a probe past another item rarely reads that item.
class SlotCode {
 public:
  explicit SlotCode(size_t items)
      : indexBits_(std::max(1, static_cast<int>(std::bit_width(items)))),
        tagMask_(indexBits_ >= 32 ? 0 : ~uint32_t{0} >> indexBits_) {}
  uint32_t Make(size_t index, uint32_t hash) const {
    return Tag(hash) << indexBits_ | static_cast<uint32_t>(index + 1);
  }
  bool SameTag(uint32_t slot, uint32_t hash) const { return slot >> indexBits_ == Tag(hash); }
  size_t Index(uint32_t slot) const { return (slot & IndexMask()) - 1; }

 private:
  uint32_t Tag(uint32_t hash) const { return hash & tagMask_; }
  uint32_t IndexMask() const { return indexBits_ >= 32 ? ~uint32_t{0} : (uint32_t{1} << indexBits_) - 1; }
  int indexBits_;
  uint32_t tagMask_;
};

// Linear probing; the slot of a hash is its mix scaled to the size, so any size will do. Sized
// for every item the table is to take, it is never more than two thirds full.
class Table {
 public:
  Table(size_t items, const ItemList& list, const SlotCode& code)
      : size_(items + items / 2 + 16), slots_(NewZeroed<uint32_t>(size_)), list_(list), code_(code) {}

  size_t SlotOf(uint64_t mixed) const {
    return static_cast<size_t>(((mixed & 0xFFFFFFFFu) * static_cast<uint64_t>(size_)) >> 32);
  }
  void Prefetch(uint64_t mixed) const { __builtin_prefetch(&slots_[SlotOf(mixed)]); }
  // Fetches the item the first probe of a slot will compare against, when it will.
  void PrefetchHolder(uint32_t hash, uint64_t mixed) const {
    const uint32_t slot = slots_[SlotOf(mixed)];
    if (slot != 0 && code_.SameTag(slot, hash)) __builtin_prefetch(&list_[static_cast<int>(code_.Index(slot))]);
  }

  // Adds item i; whether an equal item was there already.
  bool Add(size_t i, uint32_t hash, uint64_t mixed) {
    for (size_t s = SlotOf(mixed);; s = s + 1 == size_ ? 0 : s + 1) {
      const uint32_t slot = slots_[s];
      if (slot == 0) {
        slots_[s] = code_.Make(i, hash);
        return false;
      }
      if (code_.SameTag(slot, hash) && list_[static_cast<int>(code_.Index(slot))] == list_[static_cast<int>(i)])
        return true;
    }
  }

 private:
  size_t size_;
  ZeroedArray<uint32_t> slots_;
  const ItemList& list_;
  const SlotCode& code_;
};

// The hashes of a list's items, and how many go to each of `tables` tables.
// Left unset until the parts write them, so that the first touch of each page is a write.
std::unique_ptr<uint32_t[]> HashesOf(const ItemList& list, int tables, std::vector<size_t>& perTable) {
  const auto n = static_cast<size_t>(list.Count());
  std::unique_ptr<uint32_t[]> hashes(new uint32_t[n]);
  const int parts = ParallelParts(n, kItemsPerPart);
  std::vector<size_t> counts(static_cast<size_t>(parts) * static_cast<size_t>(tables), 0);
  ParallelFor(parts, [&](int p) {
    size_t* count = &counts[static_cast<size_t>(p) * static_cast<size_t>(tables)];
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) {
      hashes[i] = static_cast<uint32_t>(ItemSet::HashOf(list[static_cast<int>(i)]));
      ++count[TableOf(Mix(hashes[i]), tables)];
    }
  });
  perTable.assign(static_cast<size_t>(tables), 0);
  for (size_t k = 0; k < counts.size(); ++k) perTable[k % static_cast<size_t>(tables)] += counts[k];
  return hashes;
}

}  // namespace

void MarkRepeated(const ItemList& list, std::vector<uint8_t>& marks) {
  const auto n = static_cast<size_t>(list.Count());
  const int parts = ParallelParts(n, kItemsPerPart);
  std::vector<size_t> perTable;
  const std::unique_ptr<uint32_t[]> hashes = HashesOf(list, parts, perTable);
  marks.assign(n, 0);
  const SlotCode code(n);
  std::vector<Table> tables;
  tables.reserve(perTable.size());
  for (size_t count : perTable) tables.emplace_back(count, list, code);
  ParallelFor(parts, [&](int p) {
    Table& table = tables[static_cast<size_t>(p)];
    // A thread's own items pass three steps kAhead apart, in order: their slot fetched, the
    // item that slot names fetched, then the item added.
    size_t index[kRing];
    uint64_t mixed[kRing];
    size_t seen = 0, added = 0;
    auto add = [&](size_t k) {
      const size_t i = index[k % kRing];
      marks[i] = table.Add(i, hashes[i], mixed[k % kRing]);
    };
    auto take = [&](size_t i, uint64_t m) {
      table.Prefetch(m);
      index[seen % kRing] = i;
      mixed[seen % kRing] = m;
      if (seen >= kAhead) {
        const size_t k = (seen - kAhead) % kRing;
        table.PrefetchHolder(hashes[index[k]], mixed[k]);
      }
      if (seen >= 2 * kAhead) add(added++);
      ++seen;
    };
    // A block's own items are picked without a branch (which table an item goes to is a coin's
    // toss a branch would guess wrong half the time), then taken.
    size_t own[kBlock];
    uint64_t ownMixed[kBlock];
    for (size_t base = 0; base < n; base += kBlock) {
      size_t count = 0;
      for (size_t i = base, end = std::min(n, base + kBlock); i < end; ++i) {
        const uint64_t m = Mix(hashes[i]);
        own[count] = i;
        ownMixed[count] = m;
        count += TableOf(m, parts) == p;
      }
      for (size_t k = 0; k < count; ++k) take(own[k], ownMixed[k]);
    }
    while (added < seen) add(added++);
  });
}

}  // namespace telqor
