// Processing mode B's membership by BKDR hash (core/lists/bkdr_hash.h), across the cores.
//
// The hashes are spread by a mix of their bits over one open-addressing table a thread, so each
// thread fills its own table without a lock, every thread walking the hashes in list order and
// taking only its own: first occurrences stay first. Lookups of a whole list run side by side.
// Only hashes are compared, so two items with equal hashes are one.
#pragma once

#include <cstdint>
#include <vector>

#include "core/lists/item_list.h"

namespace telqor {

class ItemHashes {
 public:
  // The hashes of every item of reference.
  explicit ItemHashes(const ItemList& reference);
  ~ItemHashes();
  ItemHashes(const ItemHashes&) = delete;
  ItemHashes& operator=(const ItemHashes&) = delete;
  // marks[i] = 1 where item i's hash is held, else 0.
  void Mark(const ItemList& list, std::vector<uint8_t>& marks) const;

  // What mode B's de-duplication drops: marks[i] = 1 where an item before item i has its hash.
  static void MarkRepeated(const ItemList& list, std::vector<uint8_t>& marks);

  struct Table;

 private:
  std::vector<Table> tables_;
};

}  // namespace telqor
