#include "core/io/safe_name.h"

#include <array>
#include <cstdint>
#include <string>

#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace telqor {
namespace {

// Bytes of a name; room is left for the suffixes and counts the exports append, within the
// 255 bytes most file systems allow.
constexpr size_t kLongestName = 150;

bool Forbidden(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
         c == '>' || c == '|';
}

bool IsReservedDevice(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  for (char& c : base) c = AsciiUpper(c);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view r : kPlain)
    if (base == r) return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' && base[3] <= '9';
}

// The length of the longest prefix of text (well-formed UTF-8) within limit bytes that ends on
// a character: back over the continuation bytes of the character at limit.
size_t CutAtCharacter(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text.size();
  size_t end = limit;
  while (end > 0 && (static_cast<uint8_t>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

std::filesystem::path SafeFileName(std::string_view gbkName, std::string_view suffix) {
  std::string name = GbkToUtf8(gbkName);
  for (char& c : name)
    if (Forbidden(static_cast<unsigned char>(c))) c = '_';
  for (char& c : name) {
    if (c != '.') break;
    c = '_';
  }
  name.resize(CutAtCharacter(name, kLongestName));
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  if (name.empty()) name = "_";
  if (IsReservedDevice(name)) name.insert(0, "_");
  name += suffix;
  return PathFromUtf8(name);
}

}  // namespace telqor
