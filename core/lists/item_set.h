// ItemSet: exact membership of items in a reference list, by their bytes.
//
// An open-addressing table of indices into the reference list (which must outlive the set and
// stay unchanged), with a 32-bit hash tag beside each index so that a miss rarely touches the
// list. It is filled and looked up across the cores: a slot is taken by an atomic exchange, so
// the threads share one table. Fills and lookups fetch what they will read ahead: on
// millions of items the cost is the memory traffic, not the probing.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/text/byte_str.h"
#include "core/lists/item_list.h"
#include "core/platform/memory.h"

namespace telqor {

class ItemSet {
 public:
  explicit ItemSet(const ItemList& reference);
  bool Contains(const ByteStr& item) const;
  // marks[i] = 1 for every item of list that is in the set (0 otherwise).
  void Mark(const ItemList& list, std::vector<uint8_t>& marks) const;

  static uint64_t HashOf(const ByteStr& item);

 private:
  size_t SlotOf(uint64_t hash) const {
    return static_cast<size_t>(((hash & 0xFFFFFFFFu) * static_cast<uint64_t>(size_)) >> 32);
  }
  std::atomic_ref<uint64_t> Slot(size_t s) const { return std::atomic_ref<uint64_t>(slots_[s]); }
  void Insert(int index, uint64_t hash);
  template <typename Visit>
  void Pipelined(const ItemList& list, size_t from, size_t to, Visit&& visit) const;
  bool Probe(const ByteStr& item, uint64_t hash) const;

  const ItemList& reference_;
  // (tag << 32) | (index + 1); 0 is empty. Taken by atomic exchange (std::atomic_ref).
  ZeroedArray<uint64_t> slots_;
  size_t size_ = 0;
};

}  // namespace telqor
