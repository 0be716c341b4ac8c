// Operations on whole number files: merge, de-duplicate, shuffle and split by line count, as
// the tab "文件管理" runs them on the checked files of a managed folder and on the general file
// list, and telqor-cli on the files it is given. Every output goes through the safe writer.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/lists/compare_mode.h"
#include "core/program/ui.h"

namespace telqor {

inline constexpr char kMergedEnding[] = ".合并.txt";
inline constexpr char kDedupedEnding[] = ".去重复.txt";
inline constexpr char kShuffledEnding[] = ".乱序.txt";

// folder + the file's name with its extension replaced by ending (".合并.txt", ...).
std::filesystem::path OutputPath(const std::filesystem::path& file, const std::filesystem::path& folder,
                                 std::string_view ending);
// Where the general file list's outputs go: the dated output folder when "固定文件目录" is
// chosen (fixedFolder), else the folder of the file itself.
std::filesystem::path OutputFolderFor(const std::filesystem::path& file, bool fixedFolder,
                                      const std::filesystem::path& datedOutput);

// The bytes of the sources in order, nothing between them, into target. Target may be one of
// the sources: every source is read before target is replaced.
void MergeFiles(const std::vector<std::filesystem::path>& sources, const std::filesystem::path& target);
// kExact: sorted, each distinct line once, no empty line; kByHash: first occurrences by hash in
// input order.
void DedupeFile(const std::filesystem::path& source, const std::filesystem::path& target, CompareMode mode);
void ShuffleFile(const std::filesystem::path& source, const std::filesystem::path& target);

// The count of a split as typed ("1000"): a whole number above 0, else an error.
int SplitCount(std::string_view text);
// Parts of count lines (the last one the rest) named folder + the source's name without its
// extension + "-分割" + lines in the part + "-" + part number as "%.4d" + ".txt"; "保存文件:"
// + name in the status line for each. Answers the parts written.
std::vector<std::filesystem::path> SplitFile(const std::filesystem::path& source, const std::filesystem::path& folder,
                                             int count, Ui& ui);
// The same, adding each part to written once it stands complete under its name, so that a
// caller knows the parts that stay when a later one fails.
void SplitFile(const std::filesystem::path& source, const std::filesystem::path& folder, int count, Ui& ui,
               std::vector<std::filesystem::path>& written);

// Opens each file for reading and closes it again: a missing or unreadable one raises "Cannot
// open file ..." before an operation over all of them writes anything.
void CheckReadable(const std::vector<std::filesystem::path>& files);

// Outputs that stand or fall together: the two files of a comparison, and everything a
// command-line verb writes (the tab's operations on a selection keep the files written before
// a failure). Unless Keep() was called, the files are removed when the object goes, so an
// error half-way leaves none of them.
class RunOutputs {
 public:
  RunOutputs() = default;
  RunOutputs(const RunOutputs&) = delete;
  RunOutputs& operator=(const RunOutputs&) = delete;
  ~RunOutputs();
  std::vector<std::filesystem::path> files;  // in the order written
  void Keep() { keep_ = true; }

 private:
  bool keep_ = false;
};

}  // namespace telqor
