// The dropped-file list.
//
// DroppedFileList gathers the paths of one drop (or of one folder import): sorted without
// regard to letter case, each path once, folders expanded into every entry below them. The
// order is that of the paths' GBK text, so Chinese names sort as users of a Chinese system
// expect. No Qt here; the main window owns one list and uses it on the user-interface
// thread, and the command line's extraction reads its folders through it.
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

}  // namespace telqor
