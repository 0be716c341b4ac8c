// Temporary folders and byte-exact file helpers for tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_list.h"

namespace telqor::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

 private:
  std::filesystem::path path_;
};

// Writes the file (creating its folders).
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);

// The items of a list, as strings.
std::vector<std::string> Items(const ItemList& list);
// A list holding the given items (added as they are, no line splitting).
void Fill(ItemList& list, const std::vector<std::string>& items);

}  // namespace telqor::test
