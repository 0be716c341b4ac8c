// Compound files made by the tests: named streams laid out in 512-byte sectors with their
// allocation table (listed beyond the header's 109 when it must be), directory, mini stream and
// its table, as office programs write them; and the places to damage them.
#pragma once

#include <bit>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace telqor::test {

struct CfbStream {
  std::u16string name;
  std::string bytes;
};

struct CompoundLayout {
  std::string bytes;
  std::map<std::u16string, uint32_t> firstSector;  // of each stream kept in sectors (4 KB or more)
  uint32_t directorySector = 0;

  static constexpr size_t kSector = 512;
  static constexpr uint32_t kEnd = 0xFFFFFFFE;

  size_t SectorOffset(uint32_t sector) const { return (size_t{sector} + 1) * kSector; }
  // The allocation table's entry for a sector (its first sectors come first in the file).
  void SetNext(uint32_t sector, uint32_t next) { Put32(SectorOffset(sector / 128) + 4 * (sector % 128), next); }
  void Put32(size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  }
};

inline CompoundLayout MakeCompound(const std::vector<CfbStream>& streams) {
  constexpr size_t kSector = CompoundLayout::kSector, kMini = 64, kCutoff = 4096;
  constexpr uint32_t kEnd = CompoundLayout::kEnd, kFree = 0xFFFFFFFF, kFatMark = 0xFFFFFFFD, kDifatMark = 0xFFFFFFFC;
  auto sectorsFor = [](size_t bytes, size_t unit) { return (bytes + unit - 1) / unit; };

  // The small streams, one after another in 64-byte sectors of the mini stream.
  std::string mini;
  std::vector<uint32_t> miniFat;
  std::vector<uint32_t> miniStart(streams.size(), kEnd);
  size_t bigSectors = 0;
  for (size_t i = 0; i < streams.size(); ++i) {
    const std::string& bytes = streams[i].bytes;
    if (bytes.size() >= kCutoff) {
      bigSectors += sectorsFor(bytes.size(), kSector);
      continue;
    }
    const size_t count = sectorsFor(bytes.size(), kMini);
    if (count == 0) continue;
    miniStart[i] = static_cast<uint32_t>(miniFat.size());
    for (size_t k = 0; k < count; ++k)
      miniFat.push_back(k + 1 == count ? kEnd : static_cast<uint32_t>(miniFat.size() + 1));
    mini += bytes;
    mini.resize(miniFat.size() * kMini, '\0');
  }
  const size_t directorySectors = sectorsFor((streams.size() + 1) * 128, kSector);
  const size_t miniFatSectors = sectorsFor(miniFat.size() * 4, kSector);
  const size_t miniStreamSectors = sectorsFor(mini.size(), kSector);
  const size_t others = directorySectors + miniFatSectors + miniStreamSectors + bigSectors;
  // The table covers itself and the sectors listing it past the header's 109.
  size_t fatSectors = 1, difatSectors = 0;
  for (;;) {
    difatSectors = fatSectors > 109 ? sectorsFor(fatSectors - 109, 127) : 0;
    if (fatSectors * 128 >= others + fatSectors + difatSectors) break;
    ++fatSectors;
  }

  CompoundLayout layout;
  const size_t total = fatSectors + difatSectors + others;
  std::vector<uint32_t> fat(fatSectors * 128, kFree);
  uint32_t next = 0;
  for (size_t i = 0; i < fatSectors; ++i) fat[next++] = kFatMark;
  for (size_t i = 0; i < difatSectors; ++i) fat[next++] = kDifatMark;
  auto chain = [&](size_t count) {
    const uint32_t first = count == 0 ? kEnd : next;
    for (size_t k = 0; k < count; ++k, ++next) fat[next] = k + 1 == count ? kEnd : next + 1;
    return first;
  };
  const uint32_t directory = chain(directorySectors);
  const uint32_t miniFatStart = chain(miniFatSectors);
  const uint32_t miniStreamStart = chain(miniStreamSectors);
  std::vector<uint32_t> bigStart(streams.size(), kEnd);
  for (size_t i = 0; i < streams.size(); ++i)
    if (streams[i].bytes.size() >= kCutoff) {
      bigStart[i] = chain(sectorsFor(streams[i].bytes.size(), kSector));
      layout.firstSector[streams[i].name] = bigStart[i];
    }
  layout.directorySector = directory;

  std::string& file = layout.bytes;
  file.assign((total + 1) * kSector, '\0');
  auto put16 = [&](size_t at, uint16_t v) { file[at] = static_cast<char>(v), file[at + 1] = static_cast<char>(v >> 8); };
  auto put32 = [&](size_t at, uint32_t v) { layout.Put32(at, v); };
  auto at = [&](uint32_t sector) { return layout.SectorOffset(sector); };
  file.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  put16(0x18, 0x3E), put16(0x1A, 3), put16(0x1C, 0xFFFE), put16(0x1E, 9), put16(0x20, 6);
  put32(0x2C, static_cast<uint32_t>(fatSectors)), put32(0x30, directory), put32(0x38, kCutoff);
  put32(0x3C, miniFatStart), put32(0x40, static_cast<uint32_t>(miniFatSectors));
  put32(0x44, difatSectors ? static_cast<uint32_t>(fatSectors) : kEnd), put32(0x48, static_cast<uint32_t>(difatSectors));
  for (size_t i = 0; i < 109; ++i) put32(0x4C + 4 * i, i < fatSectors ? static_cast<uint32_t>(i) : kFree);
  for (size_t d = 0; d < difatSectors; ++d) {
    const size_t base = at(static_cast<uint32_t>(fatSectors + d));
    for (size_t k = 0; k < 127; ++k) {
      const size_t listed = 109 + d * 127 + k;
      put32(base + 4 * k, listed < fatSectors ? static_cast<uint32_t>(listed) : kFree);
    }
    put32(base + 4 * 127, d + 1 < difatSectors ? static_cast<uint32_t>(fatSectors + d + 1) : kEnd);
  }
  for (size_t i = 0; i < fat.size(); ++i) put32(at(static_cast<uint32_t>(i / 128)) + 4 * (i % 128), fat[i]);
  for (size_t i = 0; i < miniFat.size(); ++i) put32(at(miniFatStart + static_cast<uint32_t>(i / 128)) + 4 * (i % 128), miniFat[i]);
  if (!mini.empty()) file.replace(at(miniStreamStart), mini.size(), mini);

  // The root, then each stream; the root's child is the first, each the right sibling of the one
  // before (a tree of one branch, which readers walk like any other).
  auto entry = [&](size_t index, const std::u16string& name, uint8_t type, uint32_t start, uint32_t size) {
    const size_t base = at(directory + static_cast<uint32_t>(index / 4)) + 128 * (index % 4);
    for (size_t i = 0; i < name.size(); ++i) put16(base + 2 * i, name[i]);
    put16(base + 64, static_cast<uint16_t>(2 * name.size() + 2));
    file[base + 66] = static_cast<char>(type);
    file[base + 67] = 1;
    put32(base + 68, kFree), put32(base + 72, index >= 1 && index < streams.size() ? index + 1 : kFree);
    put32(base + 76, index == 0 && !streams.empty() ? 1 : kFree);
    put32(base + 116, start), put32(base + 120, size);
  };
  entry(0, u"Root Entry", 5, mini.empty() ? kEnd : miniStreamStart, static_cast<uint32_t>(mini.size()));
  for (size_t i = 0; i < streams.size(); ++i) {
    const bool big = streams[i].bytes.size() >= kCutoff;
    entry(i + 1, streams[i].name, 2, big ? bigStart[i] : miniStart[i], static_cast<uint32_t>(streams[i].bytes.size()));
    if (big) file.replace(at(bigStart[i]), streams[i].bytes.size(), streams[i].bytes);
  }
  for (size_t index = streams.size() + 1; index < directorySectors * 4; ++index) {
    const size_t base = at(directory + static_cast<uint32_t>(index / 4)) + 128 * (index % 4);
    put32(base + 68, kFree), put32(base + 72, kFree), put32(base + 76, kFree);
  }
  return layout;
}

inline std::string CompoundBytes(const std::vector<CfbStream>& streams) { return MakeCompound(streams).bytes; }

// An Excel 95 workbook (BIFF5, in the stream Book), which the engine leaves to the office suite:
// one sheet, "Tel" and 13800138000 in its first row.
inline std::string Excel95Workbook() {
  auto u16 = [](uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
  auto record = [&](uint16_t type, const std::string& data) { return u16(type) + u16(static_cast<uint16_t>(data.size())) + data; };
  auto bof = [&](uint16_t kind) { return record(0x0809, u16(0x0500) + u16(kind) + u16(0) + u16(0)); };
  const std::string end = record(0x000A, "");
  const double number = 13800138000.0;
  std::string bits(8, '\0');
  for (int i = 0; i < 8; ++i) bits[i] = static_cast<char>(std::bit_cast<uint64_t>(number) >> (8 * i));
  const std::string sheet = bof(0x0010) + record(0x0204, u16(0) + u16(0) + u16(15) + u16(3) + "Tel") +
                            record(0x0203, u16(0) + u16(1) + u16(15) + bits) + end;
  const std::string head = bof(0x0005);
  const std::string list = record(0x0085, u16(static_cast<uint16_t>(head.size() + 4 + 9 + end.size())) +
                                              std::string("\0\0\0\0\x02S1", 7));
  return CompoundBytes({{u"Book", head + list + end + sheet}});
}

}  // namespace telqor::test
