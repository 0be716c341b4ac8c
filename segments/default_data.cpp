#include "segments/default_data.h"

#include <lzma.h>

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "core/text/text.h"
#include "segments/current_prefixes.h"
#include "segments/divisions.h"
#include "segments/field_split.h"
#include "segments/segment_database.h"

namespace telqor {

// Embedded by the build from data/ (cmake/embed_file.cmake).
extern const unsigned char kDefaultSegmentsXz[];
extern const size_t kDefaultSegmentsXzSize;
extern const unsigned char kDefaultSegmentsLicence[];
extern const size_t kDefaultSegmentsLicenceSize;
extern const unsigned char kDivisionsLicence[];
extern const size_t kDivisionsLicenceSize;

namespace fs = std::filesystem;

namespace {

std::string Decompress(const unsigned char* data, size_t size) {
  lzma_stream stream = LZMA_STREAM_INIT;
  if (lzma_stream_decoder(&stream, UINT64_MAX, 0) != LZMA_OK) throw Error("默认号段数据无法解压: 内存不足");
  std::string out(size * 40, '\0');  // the list compresses about 38 to 1
  stream.next_in = data;
  stream.avail_in = size;
  lzma_ret status = LZMA_OK;
  while (status == LZMA_OK) {
    if (stream.total_out == out.size()) out.resize(out.size() * 2);
    stream.next_out = reinterpret_cast<uint8_t*>(out.data()) + stream.total_out;
    stream.avail_out = out.size() - stream.total_out;
    status = lzma_code(&stream, LZMA_FINISH);
  }
  out.resize(stream.total_out);
  lzma_end(&stream);
  if (status != LZMA_STREAM_END) throw Error("默认号段数据已损坏 (lzma " + std::to_string(status) + ")");
  return out;
}

// Splits the text's lines into their six tab-separated fields.
std::vector<DefaultSegment> SplitSegments(std::string_view text) {
  std::vector<DefaultSegment> segments;
  segments.reserve(text.size() / 40);
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    std::string_view fields[6];
    size_t count = 0;
    for (; count < 6; ++count) {
      size_t tab = line.find('\t');
      fields[count] = line.substr(0, tab);
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    if (count != 5) throw Error("默认号段数据已损坏: " + std::string(fields[0]));
    segments.push_back({fields[0], fields[1], fields[2], fields[4], fields[5]});
  }
  return segments;
}

// Province and city names in GBK, each converted once.
class GbkNames {
 public:
  const std::string& operator()(std::string_view utf8) {
    auto [at, added] = names_.try_emplace(utf8);
    if (added) at->second = Utf8ToGbk(utf8);
    return at->second;
  }

 private:
  std::unordered_map<std::string_view, std::string> names_;
};

// The provinces in order of first appearance, each with its cities in that order.
struct City {
  const DefaultSegment* first;               // the city's first segment
  std::vector<std::string_view> areaCodes;  // its division's, then those its segments give, each once
};
struct Region {
  std::string_view province;
  std::vector<City> cities;
};

std::vector<Region> Regions(const std::vector<DefaultSegment>& segments) {
  std::vector<Region> regions;
  std::unordered_map<std::string_view, size_t> provinceAt;
  std::unordered_map<std::string, std::pair<size_t, size_t>> cityAt;  // region, city
  for (const DefaultSegment& s : segments) {
    auto [at, added] = provinceAt.try_emplace(s.province, regions.size());
    if (added) regions.push_back({s.province, {}});
    std::vector<City>& cities = regions[at->second].cities;
    std::string key = std::string(s.province) + '\t' + std::string(s.city);
    auto [city, isNew] = cityAt.try_emplace(std::move(key), at->second, cities.size());
    if (isNew) {
      cities.push_back({&s, {}});
      // A city of today's map has its division's area code first, whatever its segments give.
      const Division* row = DivisionTable::Shipped().Find(s.province, s.city);
      if (row && !row->areaCode.empty()) cities.back().areaCodes.push_back(row->areaCode);
    }
    std::vector<std::string_view>& codes = regions[city->second.first].cities[city->second.second].areaCodes;
    if (!s.areaCode.empty() && std::find(codes.begin(), codes.end(), s.areaCode) == codes.end())
      codes.push_back(s.areaCode);
  }
  return regions;
}

std::string RegionText(const std::vector<Region>& regions, GbkNames& gbk) {
  std::string text;
  for (const Region& region : regions) {
    text += gbk(region.province);
    for (const City& city : region.cities) text.append("|").append(gbk(city.first->city));
    text += "\r\n";
  }
  return text;
}

// One line of a text and the break that ends it ("\r\n", "\n", "\r", or none for the last).
struct TextLine {
  std::string_view text, end;
};

std::vector<TextLine> LinesWithBreaks(std::string_view text) {
  std::vector<TextLine> lines;
  while (!text.empty()) {
    const size_t at = std::min(text.find_first_of("\r\n"), text.size());
    const size_t breakSize = at == text.size() ? 0 : text.substr(at, 2) == "\r\n" ? 2 : 1;
    lines.push_back({text.substr(0, at), text.substr(at, breakSize)});
    text.remove_prefix(at + breakSize);
  }
  return lines;
}

std::string MergedRegionText(const std::vector<Region>& regions, std::string_view existing, GbkNames& gbk) {
  // The loader reads the file up to a zero byte; a region added after one would never be read.
  existing = existing.substr(0, std::min(existing.find('\0'), existing.size()));
  const std::vector<TextLine> lines = LinesWithBreaks(existing);
  // What the file names, read as the database reads it: the first line of a province takes its
  // new cities.
  std::unordered_map<std::string, size_t> provinceLine;
  std::unordered_set<std::string> cities;  // province + '\0' + city
  auto CityKey = [](std::string_view province, std::string_view city) {
    return std::string(province).append(1, '\0').append(city);
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<std::string> fields = SplitDataFields(RegionSeparatorsToBars(lines[i].text));
    if (fields.empty()) continue;
    provinceLine.try_emplace(fields[0], i);
    for (size_t f = 1; f < fields.size(); ++f)
      if (!TrimBlanks(fields[f]).empty()) cities.insert(CityKey(fields[0], fields[f]));
  }

  std::vector<std::string> added(lines.size());  // "|city" for each city a line takes
  std::vector<std::string> newLines;             // provinces the file lacks, with their cities
  std::unordered_map<std::string_view, size_t> newLineOf;
  for (const Region& region : regions) {
    const std::string& province = gbk(region.province);
    for (const City& city : region.cities) {
      const std::string& name = gbk(city.first->city);
      if (!cities.insert(CityKey(province, name)).second) continue;
      if (auto at = provinceLine.find(province); at != provinceLine.end()) {
        added[at->second].append("|").append(name);
      } else {
        auto [line, isNew] = newLineOf.try_emplace(province, newLines.size());
        if (isNew) newLines.push_back(province);
        newLines[line->second].append("|").append(name);
      }
    }
  }

  std::string text;
  text.reserve(existing.size() + 64 * newLines.size());
  for (size_t i = 0; i < lines.size(); ++i) text.append(lines[i].text).append(added[i]).append(lines[i].end);
  if (!newLines.empty() && !lines.empty() && lines.back().end.empty()) text += "\r\n";
  for (const std::string& line : newLines) text.append(line).append("\r\n");
  return text;
}

std::string SegmentText(const std::vector<DefaultSegment>& segments, GbkNames& gbk) {
  std::string text;
  text.reserve(segments.size() * 20);
  for (const DefaultSegment& s : segments)
    text.append(s.segment).append("|").append(gbk(s.province)).append("|").append(gbk(s.city)).append("\r\n");
  return text;
}

std::string AreaCodeText(const std::vector<Region>& regions, GbkNames& gbk) {
  std::string text;
  for (const Region& region : regions)
    for (const City& city : region.cities)
      for (std::string_view code : city.areaCodes) text.append(gbk(city.first->city)).append(" ").append(code).append("\r\n");
  return text;
}

std::string NoticeText() {
  std::string text = Utf8ToGbk(
      "本文件夹中的 地区.txt、手机号段.txt 和 固话区号对照表.txt 由 Telqor 根据其附带的公开号段数据写入:\r\n"
      "手机号段数据 版本 " +
      std::string(kDefaultDataVersion) +
      " (517,258 个七位号段, 31 个省级地区), 来自开源项目 ALI1416/phone2region 的数据文件,\r\n"
      "按 Apache License 2.0 许可发布, 许可全文见下。这些文件可以换成您自己的数据。\r\n"
      "城市名称按今日的行政区划统一 (343 个城市, 每个地级区划一个名称; 莱芜 改为 济南, 吉首 改为 湘西 等),\r\n"
      "依据国家统计局2023年统计用区划代码, 取自开源项目 modood/Administrative-divisions-of-China,\r\n"
      "按其附带的许可发布, 许可全文见下。\r\n\r\n");
  auto AppendLicence = [&](const unsigned char* data, size_t size) {
    for (char c : std::string_view(reinterpret_cast<const char*>(data), size)) {
      if (c == '\n') text += '\r';
      text += c;
    }
  };
  AppendLicence(kDefaultSegmentsLicence, kDefaultSegmentsLicenceSize);
  text += Utf8ToGbk("\r\n\r\n行政区划数据的许可:\r\n\r\n");
  AppendLicence(kDivisionsLicence, kDivisionsLicenceSize);
  return text;
}

void WriteFile(const fs::path& file, std::string_view text) {
  FileWriter out(file);
  out.Write(text);
  out.Commit();
}

}  // namespace

std::string RegionFileText(const std::vector<DefaultSegment>& segments) {
  GbkNames gbk;
  return RegionText(Regions(segments), gbk);
}

std::string RegionFileText(const std::vector<DefaultSegment>& segments, std::string_view existing) {
  GbkNames gbk;
  return MergedRegionText(Regions(segments), existing, gbk);
}

std::string SegmentFileText(const std::vector<DefaultSegment>& segments) {
  GbkNames gbk;
  return SegmentText(segments, gbk);
}

std::string AreaCodeFileText(const std::vector<DefaultSegment>& segments) {
  GbkNames gbk;
  return AreaCodeText(Regions(segments), gbk);
}

DefaultSegments::DefaultSegments()
    : text_(Decompress(kDefaultSegmentsXz, kDefaultSegmentsXzSize)), segments_(SplitSegments(text_)) {
  ToTodaysDivisions(segments_, DivisionTable::Shipped());
}

std::vector<std::string_view> DefaultDataFileNames() { return {kRegionFileName, kSegmentFileName, kAreaCodeFileName}; }

std::vector<std::string_view> MissingDefaultDataFiles(const fs::path& baseData) {
  std::vector<std::string_view> missing;
  for (std::string_view name : DefaultDataFileNames()) {
    std::error_code error;
    if (!fs::exists(baseData / PathFromUtf8(name), error)) missing.push_back(name);
  }
  return missing;
}

bool WouldWriteCurrentPrefixes(const ProgramState& state, bool force) {
  return force || HasFirstRunPrefixes(state.settings);
}

DefaultDataResult WriteDefaultData(ProgramState& state, bool force) {
  const fs::path& folder = state.folders.baseData;
  DefaultDataResult result;
  std::vector<std::string_view> names = force ? DefaultDataFileNames() : MissingDefaultDataFiles(folder);
  if (!names.empty()) {
    CreateFolders(folder);
    const DefaultSegments data;
    const std::vector<Region> regions = Regions(data.Segments());
    GbkNames gbk;
    for (std::string_view name : names) {
      const fs::path file = folder / PathFromUtf8(name);
      if (name == kRegionFileName) WriteFile(file, RegionText(regions, gbk));
      if (name == kSegmentFileName) WriteFile(file, SegmentText(data.Segments(), gbk));
      if (name == kAreaCodeFileName) WriteFile(file, AreaCodeText(regions, gbk));
      result.written.push_back(file);
    }
    WriteFile(folder / PathFromUtf8(kDefaultDataNoticeFileName), NoticeText());
  }
  if (WouldWriteCurrentPrefixes(state, force)) {
    UseCurrentPrefixes(state.settings);
    SaveSettings(state.iniFile, state.settings);
    result.prefixesWritten = true;
  }
  return result;
}

}  // namespace telqor
