#include "core/lists/item_hashes.h"

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "core/lists/bkdr_hash.h"
#include "core/platform/memory.h"
#include "core/platform/parallel.h"

namespace telqor {
namespace {

// A part of a pass is worth a thread of its own from this many items on.
constexpr size_t kItemsPerPart = size_t{1} << 18;
// Lookups and additions go in batches, the slots of a batch fetched before any is read.
constexpr int kBatch = 16;

// The hash's bits mixed (the finaliser of MurmurHash3): the high half picks the table, the low
// half the slot.
inline uint64_t Mix(uint32_t hash) {
  uint64_t h = hash;
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

inline int TableOf(uint64_t mixed, int tables) {
  return static_cast<int>(((mixed >> 32) * static_cast<uint64_t>(tables)) >> 32);
}

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
      hashes[i] = BKDRHash(list.View(static_cast<int>(i)));
      ++count[TableOf(Mix(hashes[i]), tables)];
    }
  });
  perTable.assign(static_cast<size_t>(tables), 0);
  for (size_t k = 0; k < counts.size(); ++k) perTable[k % static_cast<size_t>(tables)] += counts[k];
  return hashes;
}

}  // namespace

// Linear probing over the hashes themselves, 0 marking a free slot (the hash 0 has a flag of
// its own); the slot of a hash is its mix scaled to the size, so any size will do. Sized for
// every hash the table is to take, it is never more than two thirds full.
struct ItemHashes::Table {
  size_t size;
  ZeroedArray<uint32_t> slots;
  bool zero = false;

  explicit Table(size_t hashes) : size(hashes + hashes / 2 + 16), slots(NewZeroed<uint32_t>(size)) {}

  size_t SlotOf(uint64_t mixed) const {
    return static_cast<size_t>(((mixed & 0xFFFFFFFFu) * static_cast<uint64_t>(size)) >> 32);
  }
  void Prefetch(uint64_t mixed) const { __builtin_prefetch(&slots[SlotOf(mixed)]); }

  bool Contains(uint32_t hash, uint64_t mixed) const {
    if (hash == 0) return zero;
    for (size_t s = SlotOf(mixed);; s = s + 1 == size ? 0 : s + 1) {
      if (slots[s] == hash) return true;
      if (slots[s] == 0) return false;
    }
  }
  // Adds the hash; whether it was there already.
  bool Add(uint32_t hash, uint64_t mixed) {
    if (hash == 0) return std::exchange(zero, true);
    size_t s = SlotOf(mixed);
    for (; slots[s] != 0; s = s + 1 == size ? 0 : s + 1)
      if (slots[s] == hash) return true;
    slots[s] = hash;
    return false;
  }
};

namespace {

// Each thread walks every hash in order and adds those of its table; added[i] = 1 where hash i
// was there before.
void AddAll(std::vector<ItemHashes::Table>& tables, std::span<const uint32_t> hashes, std::vector<uint8_t>* added) {
  const int parts = static_cast<int>(tables.size());
  ParallelFor(parts, [&](int p) {
    ItemHashes::Table& table = tables[static_cast<size_t>(p)];
    size_t batch[kBatch];
    uint64_t mixed[kBatch];
    int held = 0;
    auto flush = [&] {
      for (int k = 0; k < held; ++k) {
        const bool there = table.Add(hashes[batch[k]], mixed[k]);
        if (added) (*added)[batch[k]] = there;
      }
      held = 0;
    };
    for (size_t i = 0; i < hashes.size(); ++i) {
      const uint64_t m = Mix(hashes[i]);
      if (TableOf(m, parts) != p) continue;
      table.Prefetch(m);
      batch[held] = i;
      mixed[held] = m;
      if (++held == kBatch) flush();
    }
    flush();
  });
}

}  // namespace

ItemHashes::ItemHashes(const ItemList& reference) {
  const int parts = ParallelParts(static_cast<size_t>(reference.Count()), kItemsPerPart);
  std::vector<size_t> perTable;
  const std::unique_ptr<uint32_t[]> hashes = HashesOf(reference, parts, perTable);
  for (size_t count : perTable) tables_.emplace_back(count);
  AddAll(tables_, {hashes.get(), static_cast<size_t>(reference.Count())}, nullptr);
}

ItemHashes::~ItemHashes() = default;

void ItemHashes::Mark(const ItemList& list, std::vector<uint8_t>& marks) const {
  const auto n = static_cast<size_t>(list.Count());
  marks.assign(n, 0);
  const int tables = static_cast<int>(tables_.size());
  const int parts = ParallelParts(n, kItemsPerPart);
  ParallelFor(parts, [&](int p) {
    uint32_t hashes[kBatch];
    uint64_t mixed[kBatch];
    for (size_t base = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); base < end; base += kBatch) {
      const int m = static_cast<int>(std::min<size_t>(kBatch, end - base));
      for (int k = 0; k < m; ++k) {
        hashes[k] = BKDRHash(list.View(static_cast<int>(base) + k));
        mixed[k] = Mix(hashes[k]);
        tables_[static_cast<size_t>(TableOf(mixed[k], tables))].Prefetch(mixed[k]);
      }
      for (int k = 0; k < m; ++k)
        marks[base + static_cast<size_t>(k)] =
            tables_[static_cast<size_t>(TableOf(mixed[k], tables))].Contains(hashes[k], mixed[k]);
    }
  });
}

void ItemHashes::MarkRepeated(const ItemList& list, std::vector<uint8_t>& marks) {
  const int parts = ParallelParts(static_cast<size_t>(list.Count()), kItemsPerPart);
  std::vector<size_t> perTable;
  const std::unique_ptr<uint32_t[]> hashes = HashesOf(list, parts, perTable);
  const auto n = static_cast<size_t>(list.Count());
  marks.assign(n, 0);
  std::vector<Table> tables;
  for (size_t count : perTable) tables.emplace_back(count);
  AddAll(tables, {hashes.get(), n}, &marks);
}

}  // namespace telqor
