#include "core/program/dropped_files.h"

#include <algorithm>
#include <system_error>

#include "core/program/data_folders.h"
#include "core/text/gbk.h"
#include "core/lists/item_list.h"
#include "core/io/list_files.h"
#include "core/text/path_text.h"

namespace telqor {

namespace fs = std::filesystem;

int DroppedFileList::Compare(const Entry& a, const Entry& b) {
  if (int c = CompareBytes(a.gbkKey, b.gbkKey, false)) return c;
  return CompareBytes(a.utf8Key, b.utf8Key, false);
}

void DroppedFileList::Add(const std::vector<fs::path>& paths) {
  if (paths.empty()) return;
  size_t held = entries_.size();
  entries_.reserve(held + paths.size());
  for (const fs::path& p : paths) {
    std::string utf8 = PathToUtf8(p);
    entries_.push_back(Entry{Utf8ToGbk(utf8), std::move(utf8), p});
  }
  // Items already held come first and the sort is stable, so among equal paths the one that
  // was there first survives.
  auto less = [](const Entry& a, const Entry& b) { return Compare(a, b) < 0; };
  std::stable_sort(entries_.begin() + static_cast<std::ptrdiff_t>(held), entries_.end(), less);
  std::inplace_merge(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(held), entries_.end(), less);
  auto last =
      std::unique(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return Compare(a, b) == 0; });
  entries_.erase(last, entries_.end());
}

void DroppedFileList::AddDropped(const fs::path& entry) {
  std::error_code ec;
  if (fs::is_directory(entry, ec)) {
    std::vector<fs::path> found;
    ListFiles(AsFolder(entry), "*.*", found, true, true);
    Add(found);
  } else {
    Add(entry);
  }
}

std::vector<fs::path> DroppedFileList::Paths() const {
  std::vector<fs::path> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(e.path);
  return out;
}

}  // namespace telqor
