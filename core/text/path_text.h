// Paths as text and back: the one way each the engine turns a path into the text a user reads
// (UTF-8: messages, the command line) or keeps (GBK: settings, item data), and such a text
// into a path. A path made straight from a narrow string would take it in the system's code
// page on Windows; these keep the characters whatever the platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

// The path as the user reads it in a message (UTF-8).
std::string PathToUtf8(const std::filesystem::path& path);
// The path of a UTF-8 name (a command-line argument, a message's text): the reverse of
// PathToUtf8. On POSIX the bytes are kept as they are.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}
inline std::vector<std::filesystem::path> PathsFromUtf8(const std::vector<std::string>& utf8) {
  std::vector<std::filesystem::path> paths;
  paths.reserve(utf8.size());
  for (const std::string& name : utf8) paths.push_back(PathFromUtf8(name));
  return paths;
}

// The path of a name held as GBK (a setting, a region name in an export file name).
std::filesystem::path PathFromGbk(std::string_view gbkName);
// A folder as UTF-8 text, ending with the separator.
std::string FolderToUtf8(const std::filesystem::path& folder);
// The same as a path (the separator at the end added when missing).
std::filesystem::path AsFolder(const std::filesystem::path& folder);

}  // namespace telqor
