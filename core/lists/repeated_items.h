// Processing mode B's de-duplication: which items repeat an earlier one, by their bytes,
// across the cores, in list order.
#pragma once

#include <cstdint>
#include <vector>

#include "core/lists/item_list.h"

namespace telqor {

// marks[i] = 1 where an item before item i has the same bytes, else 0: what keeping the first
// occurrence of each item drops.
//
// The items are spread by a hash over one open-addressing table a thread, so each thread fills
// its own table without a lock, every thread walking the items in list order and taking only
// its own: first occurrences stay first. A slot holds an item's index and a few more bits of
// its hash; two items are the same only when their bytes are.
void MarkRepeated(const ItemList& list, std::vector<uint8_t>& marks);

}  // namespace telqor
