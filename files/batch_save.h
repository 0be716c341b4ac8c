// Writing a number list into the dated output folder: whole, or cut into files of a fixed
// number of items. Items are written in list order, repeats included, each followed by CR LF.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/ui.h"

namespace telqor {

// Timestamped saves never replace a file: when the name is taken (two saves within one
// second), the new file is named with "-2", "-3", ... before ".txt".

// Files of countText items each (the last one holds the rest), named
// "yyyymmdd-hhnnss-<items>-<k as %.4d>.txt" with one timestamp for the whole operation. A count
// that is no whole number, or not above 0, raises an error before any file is written.
// Answers the files written; says "保存完成！共<k>个文件，<n>个号码，保存在 <folder>" in the status
// line and a message.
std::vector<std::filesystem::path> BatchSave(const ItemList& list, std::string_view countText,
                                             const std::filesystem::path& folder, Ui& ui);

// The whole list as "yyyymmdd-hhnnss-<count>.txt"; nothing is written for an empty list.
// Says "保存文件完成：共1个文件，<n>个号码，保存在 <folder>" in the status line and, when a file was
// written, "保存完成！" with the counts and the file's name in a message. Answers the file
// written, or an empty path.
std::filesystem::path SaveWholeList(const ItemList& list, const std::filesystem::path& folder, Ui& ui);

}  // namespace telqor
