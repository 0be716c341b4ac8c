// Landline area codes: every "0" followed by two or three digits in the text of the
// user-editable table "固话区号对照表.txt" of the base-data folder. Its layout is free, so place
// names are skipped and any digit run holding such a match (a postal code, say) counts too.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/lists/item_list.h"

namespace telqor {

// The table's file in the base-data folder.
std::filesystem::path AreaCodeFile(const std::filesystem::path& baseDataFolder);

// Adds every match of pattern in text to list, first to last; nothing when text or pattern is
// blank. Throws the pattern's error for an invalid pattern.
void ExtractMatches(std::string_view text, std::string_view pattern, ItemList& list);

// Fills codes (Sorted, duplicates ignored: each code once, in order) from the table; false when
// there is no table, which leaves it empty. Throws "Cannot open file ..." for a table that cannot
// be read.
bool LoadAreaCodes(const std::filesystem::path& baseDataFolder, ItemList& codes);

}  // namespace telqor
