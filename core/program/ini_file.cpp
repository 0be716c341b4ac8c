#include "core/program/ini_file.h"

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/lists/item_list.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"

namespace telqor {
IniFile IniFile::Load(const std::filesystem::path& path) {
  IniFile ini;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return ini;
  std::string text = ReadWholeFile(path);
  std::string section;
  ForEachLine(text, [&](std::string_view raw) {
    Line line{std::string(raw), section, {}};
    std::string_view t = TrimSpaces(raw);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      section = std::string(TrimSpaces(t.substr(1, t.size() - 2)));
      line.section = section;
    } else if (size_t eq = t.find('='); eq != std::string_view::npos && !section.empty()) {
      line.key = std::string(TrimSpaces(t.substr(0, eq)));
    }
    ini.lines_.push_back(std::move(line));
  });
  return ini;
}

void IniFile::Save(const std::filesystem::path& path) const {
  FileWriter out(path);
  for (const auto& line : lines_) {
    out.Write(line.text);
    out.Write("\r\n");
  }
  out.Commit();
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  for (const auto& line : lines_) {
    if (!line.key.empty() && EqualIgnoringAsciiCase(line.section, section) && EqualIgnoringAsciiCase(line.key, key)) {
      std::string_view t = line.text;
      return std::string(TrimSpaces(t.substr(t.find('=') + 1)));
    }
  }
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view missing) const {
  auto v = Value(section, key);
  return v ? *v : std::string(missing);
}

int64_t IniFile::ReadInteger(std::string_view section, std::string_view key, int64_t missing) const {
  auto v = Value(section, key);
  if (!v) return missing;
  auto n = IniInteger(*v);
  return n ? *n : missing;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = std::string(key).append("=").append(value);
  for (auto& line : lines_) {
    if (!line.key.empty() && EqualIgnoringAsciiCase(line.section, section) && EqualIgnoringAsciiCase(line.key, key)) {
      line.text = text;
      return;
    }
  }
  // After the section's last line, or in a new section at the end.
  size_t at = lines_.size();
  bool found = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (EqualIgnoringAsciiCase(lines_[i].section, section)) {
      found = true;
      at = i + 1;
    }
  }
  // Blank lines that end a section stay between it and the next one.
  while (found && at > 0 && TrimSpaces(lines_[at - 1].text).empty() && lines_[at - 1].key.empty()) --at;
  if (!found) lines_.push_back(Line{std::string("[").append(section).append("]"), std::string(section), {}});
  if (!found) at = lines_.size();
  lines_.insert(lines_.begin() + static_cast<long>(at), Line{text, std::string(section), std::string(key)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
  WriteString(section, key, std::to_string(static_cast<int32_t>(value)));
}

}  // namespace telqor
