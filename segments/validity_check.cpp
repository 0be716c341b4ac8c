#include "segments/validity_check.h"

#include <string>

#include "core/io/file_io.h"

namespace telqor {

namespace fs = std::filesystem;

bool IsValidNumber(std::string_view number, const SegmentDatabase& db) {
  return number.size() == 11 && db.HasSegment(number.substr(0, 7));
}

void AnalyseValidity(const ItemList& raw, const SegmentDatabase& db, ItemList& valid, ItemList& invalid) {
  valid.Clear();
  invalid.Clear();
  for (int i = 0; i < raw.Count(); ++i) (IsValidNumber(raw.View(i), db) ? valid : invalid).Add(raw[i]);
}

std::pair<fs::path, fs::path> SaveValidity(const fs::path& base, const ItemList& valid, const ItemList& invalid) {
  auto name = [&](const char* kind, const ItemList& list) {
    return fs::path(base).concat(PathFromUtf8(kind + std::to_string(list.Count()) + ".txt").native());
  };
  std::pair<fs::path, fs::path> paths{name(".有效.", valid), name(".无效.", invalid)};
  valid.SaveToFile(paths.first);
  invalid.SaveToFile(paths.second);
  return paths;
}

}  // namespace telqor
