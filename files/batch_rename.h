// Batch rename: many files of one folder get new names in one go. The names of the folder are
// taken into a rename list of old and new names, the preview computes the new names (a text
// replaced in the old name, or a numbered pattern, then the letter case), and the rename
// copies every file to its new name, in the same folder or another, optionally deleting the
// source once its copy stands complete. A rename never loses a file: shared new names are
// refused, chains and circles of names are carried out in an order that reads every source
// before its name is written, and replacing a file outside the rename is asked first.
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

#include "core/program/ui.h"

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

struct RenamePlan {
  std::vector<RenameStep> steps;                // in list order, one per entry whose source is a file
  std::vector<std::string> missing;             // old names that are no file of the source folder: skipped
  std::vector<std::filesystem::path> replaced;  // existing files, none a source of the plan, that copies replace
  size_t entries = 0;                           // the entries of the list
};

// The copies a rename makes: one per entry whose source is a file of sourceFolder. Refused
// before anything is copied, with a message naming the folder or the name: an output folder
// that does not exist or is no folder, and two entries with one new name (which would replace
// each other). A new name that is the source of another entry is no refusal: RenameFiles
// copies that source away first. Files under new names that are no source of the plan are
// listed in replaced; the front end asks before replacing them (OverwriteQuestion).
RenamePlan PlanRename(const RenameList& list, const std::filesystem::path& sourceFolder,
                      const std::filesystem::path& outputFolder);

// "将覆盖N个已有文件，是否继续？", then the files (the first ten), one a line.
std::string OverwriteQuestion(const RenamePlan& plan);

struct RenameOutcome {
  std::vector<RenameStep> copied;           // in the order carried out
  std::vector<std::string> failures;        // one message per copy failed or not made; its source stays
  std::vector<std::string> deleteFailures;  // one message per source that could not be deleted
};

// Carries the plan out: every source copied onto its destination through the safe writer, and
// with deleteSource every source deleted once all its copies stand, unless its name is itself
// the new name of an entry. A source that is a later entry's new name is copied before that
// name is written; where new names go round in a circle (a -> b, b -> a) one of them is first
// moved aside to "NAME.telqor-rename.tmp" and copied from there. So nothing is lost, in any
// list order. A copy that fails keeps its source, and the copy onto that source's name is
// then not made either (it fails too, and so on). Failures do not stop the run. The status
// line gets the count renamed, or the copies that failed; a list that is not empty ends with a
// message (RenameReport).
RenameOutcome RenameFiles(const RenamePlan& plan, bool deleteSource, Ui& ui);

// The message at the end: "更名完成,请重新刷新显示！" when every entry was copied (or is its own
// new name); else the copies that failed ("N个文件复制失败，原文件保留："), the sources not
// deleted ("N个原文件删除失败："), the old names skipped ("N个原文件不存在，已跳过："), each with
// its first ten messages, and how many files were renamed.
std::string RenameReport(const RenamePlan& plan, const RenameOutcome& outcome);

}  // namespace telqor
