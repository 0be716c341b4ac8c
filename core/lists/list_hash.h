// The hashing family of processing mode B: de-duplication and the split of a list by
// membership, comparing BKDR hashes only (two different items with equal hashes count as
// one), across the cores (core/lists/item_hashes.h). Faster than the sorting family, and the list's
// order is kept.
#pragma once

#include <filesystem>

#include "core/lists/item_list.h"

namespace telqor {

// Keeps the first item of each distinct hash, in list order.
void DedupeByHash(ItemList& list);

// Puts the items of source whose hash is (matched) and is not (kept) among the reference's
// hashes, in source order. kept and matched are cleared first; either may be null or the
// source itself.
void SplitListsByHash(ItemList& source, const ItemList& reference, ItemList* kept, ItemList* matched);

// As SplitListsByHash over the lines of two files; kept and matched are appended to. The
// reference's lines are freed once their hashes are held. mapCacheSize, the setting that
// sizes the table of a UniqueByHashList, is not needed here: the tables take the
// reference's size.
void SplitFilesByHash(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile,
                      int mapCacheSize, ItemList* kept, ItemList* matched);

}  // namespace telqor
