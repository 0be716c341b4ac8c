// List helpers built on ItemList alone: shuffle, and the exact (sorting) family of processing
// mode A: de-duplication and the split of a list by membership in a reference list.
// They never lose an item: equal means equal bytes (or equal under the reference list's own
// comparison where it is not case-sensitive).
#pragma once

#include <filesystem>

#include "core/lists/item_list.h"
#include "core/lists/pseudo_random.h"

namespace telqor {

// Reseeds the shared generator from the clock, then shuffles with it.
void ShuffleList(ItemList& list);
// The shuffle itself: for every index not yet touched, swap it with Random(Count) and mark both.
void ShuffleListWith(ItemList& list, PseudoRandom& random);

// Sorts the list and keeps each distinct item once; empty items are dropped.
void DedupeBySort(ItemList& list);

// Sorts reference in place, then puts the items of source that are (matched) and are not
// (kept) in it, in source order. kept and matched are cleared first; either may be null or
// the source itself.
void SplitListsBySort(ItemList& source, ItemList& reference, ItemList* kept, ItemList* matched);

// Removes from list, in place and order kept, the items that reference holds: what
// SplitListsBySort(list, reference, &list, nullptr) leaves of list, without sorting a
// reference that compares case-sensitively (its bytes are looked up instead).
void RemoveMembersBySort(ItemList& list, ItemList& reference);

// As SplitListsBySort over the lines of two files, taken as their bytes; kept and matched are
// appended to.
void SplitFilesBySort(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile, ItemList* kept,
                      ItemList* matched);

// Adds the items of source to matched (mark set) or kept (mark clear), where given, in order.
void DistributeMarked(const ItemList& source, const std::vector<uint8_t>& marks, ItemList* kept, ItemList* matched);

}  // namespace telqor
