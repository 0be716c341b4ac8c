// The desktop trash of freedesktop.org systems, in the user's home only.
//
// A file goes to $XDG_DATA_HOME/Trash (~/.local/share/Trash when the variable is unset), which
// is made when missing: "files" for the file, "info" for a .trashinfo file that says where it
// came from and when, so the desktop's trash can put it back. The trash is never made anywhere
// else (no ".Trash-uid" beside the file): a file on another file system than the home stays
// where it is, and the caller may ask before removing it for good. Safe on any thread.
#pragma once

#include <filesystem>
#include <string>

namespace telqor {

// The home trash folder; empty when neither XDG_DATA_HOME nor HOME is set.
std::filesystem::path HomeTrashFolder();

// Moves file into the home trash under a name no trashed file has yet. Answers an empty text
// when done, else why not (UTF-8); then the file is where it was and the trash holds no
// record of it.
std::string MoveToHomeTrash(const std::filesystem::path& file);

}  // namespace telqor
