#include "core/ini_file.h"

#include <cstdlib>

#include "core/file_io.h"
#include "core/ts_list.h"

namespace telqor {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text[0] == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > (base == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000})) return std::nullopt;
  }
  if (base == 16) return static_cast<int32_t>(static_cast<uint32_t>(value)) * (negative ? -1 : 1);
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

IniFile IniFile::Load(const std::filesystem::path& path) {
  IniFile ini;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return ini;
  std::string text = ReadWholeFile(path);
  std::string section;
  ForEachLine(text, [&](std::string_view raw) {
    Line line{std::string(raw), section, {}};
    std::string_view t = Trim(raw);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      section = std::string(Trim(t.substr(1, t.size() - 2)));
      line.section = section;
    } else if (size_t eq = t.find('='); eq != std::string_view::npos && !section.empty()) {
      line.key = std::string(Trim(t.substr(0, eq)));
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
  out.Close();
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  for (const auto& line : lines_) {
    if (!line.key.empty() && SameName(line.section, section) && SameName(line.key, key)) {
      std::string_view t = line.text;
      return std::string(Trim(t.substr(t.find('=') + 1)));
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
  auto n = ParseInteger(*v);
  return n ? *n : missing;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = std::string(key).append("=").append(value);
  for (auto& line : lines_) {
    if (!line.key.empty() && SameName(line.section, section) && SameName(line.key, key)) {
      line.text = text;
      return;
    }
  }
  // After the section's last line, or in a new section at the end.
  size_t at = lines_.size();
  bool found = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (SameName(lines_[i].section, section)) {
      found = true;
      at = i + 1;
    }
  }
  // Blank lines that end a section stay between it and the next one.
  while (found && at > 0 && Trim(lines_[at - 1].text).empty() && lines_[at - 1].key.empty()) --at;
  if (!found) lines_.push_back(Line{std::string("[").append(section).append("]"), std::string(section), {}});
  if (!found) at = lines_.size();
  lines_.insert(lines_.begin() + static_cast<long>(at), Line{text, std::string(section), std::string(key)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
  WriteString(section, key, std::to_string(static_cast<int32_t>(value)));
}

}  // namespace telqor
