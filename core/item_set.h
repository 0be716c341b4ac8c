// ItemSet: exact membership of items in a reference list, by their bytes.
//
// An open-addressing table of indices into the reference list (which must outlive the set and
// stay unchanged), with a 32-bit hash tag beside each index so that a miss rarely touches the
// list. Lookups of a whole list are batched with prefetching: on millions of items the cost is
// the memory traffic, not the probing.
#pragma once

#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/item_list.h"

namespace telqor {

class ItemSet {
 public:
  explicit ItemSet(const ItemList& reference);
  bool Contains(const ByteStr& item) const;
  // marks[i] = 1 for every item of list that is in the set (0 otherwise).
  void Mark(const ItemList& list, std::vector<uint8_t>& marks) const;

  static uint64_t HashOf(const ByteStr& item);

 private:
  bool Probe(const ByteStr& item, uint64_t hash) const;

  const ItemList& reference_;
  std::vector<uint64_t> slots_;  // (tag << 32) | (index + 1); 0 is empty
  uint64_t mask_ = 0;
};

}  // namespace telqor
