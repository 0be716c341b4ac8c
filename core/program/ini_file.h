// IniFile: an INI file as the program keeps its settings: "[SECTION]" headers and "key=value" lines,
// GBK bytes, no escaping or quoting. Reading trims blanks around keys and values and compares
// section and key names without regard to ASCII case; lines it does not understand are kept
// and written back as they were. Saving rewrites the whole file with CR LF line ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

class IniFile {
 public:
  IniFile() = default;
  // Reads path; a missing file gives an empty IniFile. An unreadable one raises FileError.
  static IniFile Load(const std::filesystem::path& path);
  void Save(const std::filesystem::path& path) const;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view missing) const;
  // The value as a decimal (or $/0x hexadecimal) 32-bit integer; `missing` when absent or not a number.
  int64_t ReadInteger(std::string_view section, std::string_view key, int64_t missing) const;
  // Replaces the key's value, or adds the key at the end of its section (adding the section).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int64_t value);

 private:
  struct Line {
    std::string text;     // the whole line as read or written
    std::string section;  // the section it stands in
    std::string key;      // trimmed key, empty when the line is no key=value line
  };
  std::vector<Line> lines_;
};

}  // namespace telqor
