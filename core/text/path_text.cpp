#include "core/text/path_text.h"

#include "core/text/gbk.h"

namespace telqor {

std::string PathToUtf8(const std::filesystem::path& path) { return path.string(); }

std::filesystem::path PathFromGbk(std::string_view gbkName) { return PathFromUtf8(GbkToUtf8(gbkName)); }

std::string FolderToUtf8(const std::filesystem::path& folder) {
  std::string s = folder.string();
  if (s.empty() || s.back() != std::filesystem::path::preferred_separator) s += std::filesystem::path::preferred_separator;
  return s;
}

std::filesystem::path AsFolder(const std::filesystem::path& folder) { return PathFromUtf8(FolderToUtf8(folder)); }

}  // namespace telqor
