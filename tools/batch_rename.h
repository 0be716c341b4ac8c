// Batch rename: many files of one folder get new names in one go. The names of the folder are
// taken into a rename list of old and new names, the preview computes the new names (a text
// replaced in the old name, or a numbered pattern, then the letter case), and the rename
// copies every file to its new name, in the same folder or another, optionally deleting the
// source once its copy stands complete.
//
// Names are bare file names in the file system's own encoding, as paths hold them, so they go
// back to the file system unchanged; typed texts come in the same encoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui.h"

namespace telqor {

// The new name of a file taken but never previewed.
inline constexpr char kUndecidedName[] = "待定";

struct RenameEntry {
  std::string oldName;
  std::string newName = kUndecidedName;
  bool operator==(const RenameEntry&) const = default;
};
using RenameList = std::vector<RenameEntry>;

// Takes the names of folder's entries (files and sub-folders whose names contain a dot, as
// ListFiles lists them) that contain match, trimmed of blanks, letters compared exactly; every
// name when match is empty. Unless append, the list is emptied first.
void TakeNames(const std::filesystem::path& folder, std::string_view match, bool append, RenameList& list);

// Puts entry at index; "List index out of bounds (%d)" when the list has no such entry.
void SetEntry(RenameList& list, int64_t index, RenameEntry entry);

enum class NameCase { Keep, Lower, Upper };

struct NameDefinition {
  bool replace = false;  // every from in the old name becomes to, left to right, ASCII letters compared without case
  std::string from{}, to{};
  bool usePattern = false;  // the pattern's "#" runs filled from the counter; wins over replace
  std::string pattern{};
  std::string start = "1";  // the counter's first value, as typed
  NameCase letterCase = NameCase::Keep;
};

// The pattern with "#####" as the counter in at least 5 digits, then "####", "###", "##" the
// same with 4, 3, 2, then each remaining "#" in plain decimal: longer runs are taken in pieces
// from the left, and every run gets the same value.
std::string FillPattern(std::string_view pattern, int64_t counter);
// ASCII letters folded as asked; other bytes unchanged.
std::string WithCase(std::string_view name, NameCase letterCase);

// Computes every entry's new name in list order. Neither replace nor pattern leaves the new
// names as they are but for the case. A start that is no integer raises "'%s' is not a valid
// integer value" before any entry changes.
void PreviewNames(RenameList& list, const NameDefinition& definition);

// Where the copies go: the typed folder when useNewPath and it is not blank, else the source
// folder.
std::filesystem::path RenameOutputFolder(const std::filesystem::path& sourceFolder, bool useNewPath,
                                         std::string_view typed);

struct RenameStep {
  size_t entry;  // its index in the list
  std::filesystem::path source, destination;
  bool itself;  // the destination is the source file: nothing to copy, nothing to delete
};

// The copies a rename makes, in list order: one per entry whose source is a file of
// sourceFolder (others are skipped). With deleteSource, a run in which a copy would replace a
// file that is still to be copied and deleted (two entries with the same new name, or a new
// name that is a later entry's source) would lose that file: it is refused with a message
// naming the new name.
std::vector<RenameStep> PlanRename(const RenameList& list, const std::filesystem::path& sourceFolder,
                                   const std::filesystem::path& outputFolder, bool deleteSource);

struct RenameOutcome {
  std::vector<RenameStep> copied;
  std::vector<std::string> failures;  // one message per copy that failed; its source stays
};

// Runs the plan: every source copied onto its destination through the safe writer (replacing a
// file of that name; a failed copy leaves nothing new under it), and with deleteSource the
// source deleted once its copy stands. Failures do not stop the run; they are counted in the
// status line. A list that is not empty ends with "更名完成,请重新刷新显示！".
RenameOutcome RenameFiles(const RenameList& list, const std::filesystem::path& sourceFolder,
                          const std::filesystem::path& outputFolder, bool deleteSource, Ui& ui);

}  // namespace telqor
