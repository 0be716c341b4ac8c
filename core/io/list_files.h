// ListFiles: the entries of a folder (files and sub-folders alike) whose names contain a dot
// and match a mask, as bare names or full paths, optionally descending into sub-folders.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace telqor {

// Appends to out every entry of folder that matches mask ("*" and "?" wildcards, "*.*" matches
// every name, letters compared without regard to ASCII case) and whose name contains a dot,
// in name order; then, when recursive, does the same in every sub-folder whose name matches.
// Symbolic links to folders are neither listed nor walked (links to files are). An unreadable
// folder adds nothing.
void ListFiles(const std::filesystem::path& folder, std::string_view mask, std::vector<std::filesystem::path>& out,
               bool fullPaths, bool recursive);

// Whether name matches a mask as above.
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace telqor
