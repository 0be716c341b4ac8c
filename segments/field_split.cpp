#include "segments/field_split.h"

namespace telqor {

namespace {

bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

// The length of the character at i: two for a GBK lead byte with a byte after it.
size_t CharLength(std::string_view s, size_t i) {
  return IsGbkLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line) {
  if (size_t zero = line.find('\0'); zero != std::string_view::npos) line = line.substr(0, zero);
  std::vector<std::string> fields;
  size_t i = 0, n = line.size();
  auto skipBlanks = [&] {
    while (i < n && IsBlank(static_cast<unsigned char>(line[i]))) ++i;
  };
  skipBlanks();
  while (i < n) {
    std::string field;
    if (line[i] == '"') {
      ++i;
      while (i < n) {
        if (line[i] == '"') {
          if (i + 1 < n && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        size_t len = CharLength(line, i);
        field.append(line.substr(i, len));
        i += len;
      }
    } else {
      size_t start = i;
      while (i < n && !IsBlank(static_cast<unsigned char>(line[i])) && line[i] != '|') i += CharLength(line, i);
      field.assign(line.substr(start, i - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (i < n && line[i] == '|') {
      ++i;
      if (i == n) fields.emplace_back();
      skipBlanks();
    }
  }
  return fields;
}

std::string RegionSeparatorsToBars(std::string_view line) {
  std::string out(line);
  for (size_t i = 0; i < out.size();) {
    size_t len = CharLength(out, i);
    if (len == 1 && (out[i] == '*' || out[i] == '#' || out[i] == ',')) out[i] = '|';
    i += len;
  }
  return out;
}

}  // namespace telqor
