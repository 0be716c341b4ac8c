// The file operations of the tab "文件管理" run on a selection: the files checked in a managed
// folder (outputs beside them, the folder's list refilled after) or those selected in the
// general file list (outputs in the folder chosen under it).
//
// Every operation shares one frame: nothing selected shows "请选择好文件" and does nothing
// else; the files are worked one at a time with the progress bar counting them; the list is
// refilled after the work, also when a file fails, so it shows what the folder holds; then the
// status line says it is done. An error ends the operation, earlier files keep their results.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "core/ui.h"

namespace telqor {

struct FileSelection {
  std::vector<std::filesystem::path> files;
  // Where the outputs made from one file go.
  std::function<std::filesystem::path(const std::filesystem::path& file)> outputFolder;
  // Run after the work: the managed folder's list refilled; nothing for the general list.
  std::function<void()> refresh;
  // Managed merges take the files in ascending order, letters compared without regard to
  // case, whatever order they were checked in; the general merge takes them in list order.
  bool mergeAscending = false;
};

// One file ".合并.txt" named after the first file, holding the bytes of all in order.
void MergeSelection(const FileSelection& selection, Ui& ui, std::string_view done);
// ".去重复.txt" / ".乱序.txt" for each file.
void DedupeSelection(const FileSelection& selection, bool modeB, Ui& ui, std::string_view done);
void ShuffleSelection(const FileSelection& selection, Ui& ui, std::string_view done);
// Parts of count lines of each file.
void SplitSelection(const FileSelection& selection, int count, Ui& ui, std::string_view done);

// Moves each file into folder under its own name, replacing a file of that name. A file that
// cannot be moved stays where it is, without a message. Across file systems the file is
// copied and the original removed once the copy is in place.
void MoveFilesInto(const std::vector<std::filesystem::path>& files, const std::filesystem::path& folder);

}  // namespace telqor
