// The dropped-file list and where a drop goes.
//
// DroppedFileList gathers the paths of one drop (or of one folder import): sorted without
// regard to letter case, each path once, folders expanded into every entry below them. The
// order is that of the paths' GBK text, so Chinese names sort as users of a Chinese system
// expect. DropDeliveryFor says what each drop target does with the list. No Qt here; the main
// window owns one list and uses it on the user-interface thread.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace telqor {

class DroppedFileList {
 public:
  void Clear() { entries_.clear(); }
  bool Empty() const { return entries_.empty(); }
  size_t Size() const { return entries_.size(); }

  // Adds the paths, keeping the list sorted; a path equal to one already held (ignoring
  // case) is skipped, so the first spelling stays.
  void Add(const std::vector<std::filesystem::path>& paths);
  void Add(const std::filesystem::path& path) { Add(std::vector<std::filesystem::path>{path}); }

  // One dropped entry: a folder adds every entry below it (ListFiles, "*.*", full paths,
  // recursive), anything else adds itself. Whole paths are kept, however long.
  void AddDropped(const std::filesystem::path& entry);

  std::vector<std::filesystem::path> Paths() const;

 private:
  struct Entry {
    std::string gbkKey;   // GBK text of the path: the sort order
    std::string utf8Key;  // tells apart paths whose GBK text is the same (characters GBK lacks)
    std::filesystem::path path;
  };
  static int Compare(const Entry& a, const Entry& b);
  std::vector<Entry> entries_;
};

// The widgets that accept file drops.
enum class DropTarget {
  kListBoxF,     // extraction file list
  kLB1,          // general file list of the file-management tab
  kEditA,        // new file of the comparison
  kEditB,        // reference file of the comparison
  kLv0,          // workspace list
  kLv1,          // source list
  kInvailLv0,    // list of the validity check dialog
  kFormatLv0,    // list of the format conversion dialog
  kAnalysisLv1,  // list of the data analysis dialog
};

// What a drop on a target does: append every path, take the first path as the field's text,
// or (after the user confirms) leave a pending action for the next timer tick.
struct DropDelivery {
  enum class Kind { kAppendAll, kFirstPath, kConfirmThenPending };
  Kind kind;
  int pendingAction;  // 1..5 for kConfirmThenPending, else 0
};

// Pending drop actions, performed by the main window's timer.
inline constexpr int kDropNone = 0;
inline constexpr int kDropToWorkspace = 1;
inline constexpr int kDropToSource = 2;
inline constexpr int kDropToValidityCheck = 3;
inline constexpr int kDropToFormatConversion = 4;
inline constexpr int kDropToDataAnalysis = 5;

DropDelivery DropDeliveryFor(DropTarget target);

// The question asked before a drop leaves a pending action (UTF-8).
inline constexpr char kDropImportQuestion[] = "确定文件数据导入吗?";

}  // namespace telqor
