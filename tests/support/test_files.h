// Temporary folders and byte-exact file helpers for tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/file_io.h"
#include "core/lists/item_list.h"

namespace telqor::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // name is UTF-8, as the tests write it.
  std::filesystem::path operator/(std::string_view name) const { return path_ / PathFromUtf8(name); }
  std::filesystem::path operator/(const char8_t* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes the file (creating its folders).
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);
// The same for a UTF-8 name, as the CLI tests hold them.
inline void WriteBytes(const std::string& file, std::string_view bytes) { WriteBytes(PathFromUtf8(file), bytes); }
inline void WriteBytes(const char* file, std::string_view bytes) { WriteBytes(PathFromUtf8(file), bytes); }
inline std::string ReadBytes(const std::string& file) { return ReadBytes(PathFromUtf8(file)); }
inline std::string ReadBytes(const char* file) { return ReadBytes(PathFromUtf8(file)); }

// A path as the program prints it: with the system's separators ("\" on Windows).
inline std::string Printed(std::filesystem::path path) { return path.make_preferred().string(); }

// A test of what POSIX alone has (device files, pipes, modes, links that need no privilege)
// skips on Windows, saying why.
#ifdef _WIN32
#define SKIP_ON_WINDOWS(reason) GTEST_SKIP() << (reason)
#else
#define SKIP_ON_WINDOWS(reason) (void)0
#endif

// Sets an environment variable of this process (UTF-8), or removes it for nullopt.
void SetVariable(const char* name, const std::optional<std::string>& value);
// The variable that names the system's temporary folder.
#ifdef _WIN32
inline constexpr char kTemporaryFolderVariable[] = "TMP";
#else
inline constexpr char kTemporaryFolderVariable[] = "TMPDIR";
#endif

// The items of a list, as strings.
std::vector<std::string> Items(const ItemList& list);
// A list holding the given items (added as they are, no line splitting).
void Fill(ItemList& list, const std::vector<std::string>& items);
// The first occurrence of each item, in order: what mode B's de-duplication keeps.
std::vector<std::string> FirstOccurrences(const std::vector<std::string>& items);

}  // namespace telqor::test
