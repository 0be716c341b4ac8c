#include "segments/field_split.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/text/gbk.h"

namespace telqor {

namespace {

bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

}  // namespace

std::vector<std::string> SplitDataFields(std::string_view line) {
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
        size_t len = GbkCharLength(line, i);
        field.append(line.substr(i, len));
        i += len;
      }
    } else {
      size_t start = i;
      while (i < n && !IsBlank(static_cast<unsigned char>(line[i])) && line[i] != '|') i += GbkCharLength(line, i);
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

namespace {

// What a byte is to the splitter: part of a field, a blank or control character, "|", or the
// lead byte of a two-byte character.
enum ByteClass : uint8_t { kPlain, kBlank, kBar, kLead };

constexpr std::array<uint8_t, 256> kByteClasses = [] {
  std::array<uint8_t, 256> classes{};
  for (int c = 1; c <= 32; ++c) classes[c] = kBlank;
  classes['|'] = kBar;
  for (int c = 0x81; c <= 0xFE; ++c) classes[c] = kLead;
  return classes;
}();

}  // namespace

int SplitFirstFields(std::string_view line, std::string_view* out, int max) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const unsigned char* end = p + line.size();
  auto cls = [](unsigned char c) { return kByteClasses[c]; };
  auto skipBlanks = [&] {
    while (p < end && cls(*p) == kBlank) ++p;
  };
  int count = 0;
  skipBlanks();
  while (p < end && count < max) {
    if (*p == '"') return -1;
    if (*p == 0) break;
    const unsigned char* start = p;
    for (;;) {
      if (p == end) break;
      uint8_t c = cls(*p);
      if (c == kPlain) {
        if (*p == 0) break;
        ++p;
      } else if (c == kLead) {
        p += end - p >= 2 ? 2 : 1;
      } else {
        break;
      }
    }
    out[count++] = std::string_view(reinterpret_cast<const char*>(start), static_cast<size_t>(p - start));
    skipBlanks();
    if (p < end && *p == '|') {
      ++p;
      if (p == end && count < max) out[count++] = std::string_view();
      skipBlanks();
    }
  }
  return count;
}

int FirstThreeFields(std::string_view line, std::string_view (&fields)[3], std::vector<std::string>& storage) {
  int count = SplitFirstFields(line, fields, 3);
  if (count >= 0) return count;
  storage = SplitDataFields(line);
  count = static_cast<int>(std::min<size_t>(storage.size(), 3));
  for (int i = 0; i < count; ++i) fields[i] = storage[static_cast<size_t>(i)];
  return count;
}

std::string RegionSeparatorsToBars(std::string_view line) {
  std::string out(line);
  for (size_t i = 0; i < out.size();) {
    size_t len = GbkCharLength(out, i);
    if (len == 1 && (out[i] == '*' || out[i] == '#' || out[i] == ',')) out[i] = '|';
    i += len;
  }
  return out;
}

}  // namespace telqor
