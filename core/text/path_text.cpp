#include "core/text/path_text.h"

#include "core/text/gbk.h"

namespace telqor {

std::string PathToUtf8(const std::filesystem::path& path) {
  // Not string(): on Windows that is the C runtime's code page, which loses what it cannot hold.
  const std::u8string utf8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

std::filesystem::path PathFromGbk(std::string_view gbkName) { return PathFromUtf8(GbkToUtf8(gbkName)); }

std::string FolderToUtf8(const std::filesystem::path& folder) {
  std::string s = PathToUtf8(folder);
  if (s.empty() || s.back() != std::filesystem::path::preferred_separator) s += std::filesystem::path::preferred_separator;
  return s;
}

std::filesystem::path AsFolder(const std::filesystem::path& folder) { return PathFromUtf8(FolderToUtf8(folder)); }

}  // namespace telqor
