// The hashing family of processing mode B: de-duplication that keeps each item's first
// occurrence in list order, and the split of a list by membership, both by hash tables over
// the items (never a sort) across the cores. Items are equal only when their bytes are: a hash
// decides where to look, never what is equal.
#pragma once

#include <filesystem>

#include "core/lists/item_list.h"

namespace telqor {

// Keeps the first occurrence of each distinct item, in list order (one empty item survives
// where there are empty items).
void DedupeByHash(ItemList& list);

// Puts the items of source that are (matched) and are not (kept) in reference, by their
// bytes, in source order. kept and matched are cleared first; either may be null or the
// source itself.
void SplitListsByHash(ItemList& source, const ItemList& reference, ItemList* kept, ItemList* matched);

// As SplitListsByHash over the lines of two files, taken as their bytes; kept and matched are
// appended to.
void SplitFilesByHash(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile,
                      ItemList* kept, ItemList* matched);

}  // namespace telqor
