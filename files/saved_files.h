// What a save into a folder wrote, and how the program tells it: how many files and lines,
// and where, so that a second save beside the first (named "-2", "-3", ...) never goes unseen.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/program/ui.h"

namespace telqor {

struct SavedFiles {
  std::filesystem::path folder;                // where the files went, sub-folders below it
  std::vector<std::filesystem::path> written;  // the files, in the order written
  int64_t items = 0;                           // the lines of data written (summaries left out)
  std::string closing;                         // the save's closing text, its counts included
};

// "共3个文件，12345个号码，保存在 <folder>", unit naming what was counted ("个号码", "个数据",
// "行"); "共0个文件，0个号码" when nothing was written.
std::string SavedCounts(const SavedFiles& saved, std::string_view unit = "个号码");

// The names of the files written, each on a line of its own after a line break, as found
// below the folder.
std::string SavedNames(const SavedFiles& saved);

// The program's end of a save: message and "是否打开保存目录?" in one box, the folder opened on
// Yes; when nothing was written, only the message. Forms call it, never the command line,
// whose Ui cannot answer a question.
void OfferSavedFolder(std::string_view message, const SavedFiles& saved, Ui& ui);

}  // namespace telqor
