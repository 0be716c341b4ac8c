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
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/compare_mode.h"
#include "core/program/ui.h"

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
void DedupeSelection(const FileSelection& selection, CompareMode mode, Ui& ui, std::string_view done);
void ShuffleSelection(const FileSelection& selection, Ui& ui, std::string_view done);
// Parts of count lines of each file.
void SplitSelection(const FileSelection& selection, int count, Ui& ui, std::string_view done);

// A file that an operation on several files could not handle, and why (UTF-8).
struct FileFailure {
  std::filesystem::path file;
  std::string why;
};

// Moves each file into folder under its own name, replacing a file of that name. Across file
// systems the file is copied and the original removed once the copy is in place. Answers the
// files that could not be moved: each stays where it was, except one whose copy is in place
// but whose original could not be removed (then it is in both folders, and why says so).
std::vector<FileFailure> MoveFilesInto(const std::vector<std::filesystem::path>& files,
                                       const std::filesystem::path& folder);

// Moves a file to the desktop's trash: an empty text when done, else why not.
using TrashFile = std::function<std::string(const std::filesystem::path& file)>;
// A Yes/No question whose safe answer is No: true for Yes.
using ConfirmRemoval = std::function<bool(std::string_view question)>;

struct DeleteOutcome {
  size_t deleted = 0;  // in the trash, removed for good, or gone already
  size_t kept = 0;     // not taken by the trash, and the user would not remove them for good
  std::vector<FileFailure> failed;
};

// Deletes the files the user chose. Each goes to the trash; those the trash does not take
// (there is none, or none on their file system) are removed for good only after one question
// that says how many, and are kept when the answer is No. A file already gone counts as deleted.
DeleteOutcome DeleteFiles(const std::vector<std::filesystem::path>& files, const TrashFile& trash,
                          const ConfirmRemoval& confirm);

// Ends an operation on total files: the status line says done (nothing when it is empty; not
// when every file failed) and, when some files failed, how many and which
// ("，N个文件<verb>失败：a.txt、b.txt"), and a box lists each with why.
void ReportFailures(Ui& ui, std::string_view done, std::string_view verb, std::vector<FileFailure> failed,
                    size_t total);
// The same after DeleteFiles, saying also how many files were kept.
void ReportDeletion(Ui& ui, std::string_view done, const DeleteOutcome& outcome);

}  // namespace telqor
