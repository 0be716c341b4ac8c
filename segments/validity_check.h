// The validity check: a number is valid when it has exactly eleven characters and its first
// seven are a segment of the database; nothing is trimmed.
#pragma once

#include <filesystem>
#include <utility>

#include "core/lists/item_list.h"
#include "segments/segment_database.h"

namespace telqor {

bool IsValidNumber(std::string_view number, const SegmentDatabase& db);

// Clears valid and invalid, then appends every raw number, in order, to the one it belongs to.
void AnalyseValidity(const ItemList& raw, const SegmentDatabase& db, ItemList& valid, ItemList& invalid);

// Writes base + ".有效." + count + ".txt" and base + ".无效." + count + ".txt" (base as chosen,
// extension included), both even when empty; answers the two paths.
std::pair<std::filesystem::path, std::filesystem::path> SaveValidity(const std::filesystem::path& base,
                                                                     const ItemList& valid, const ItemList& invalid);

}  // namespace telqor
