#include "segments/segment_database.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "core/bkdr_hash.h"
#include "core/file_io.h"
#include "core/gbk.h"
#include "core/text.h"
#include "segments/field_split.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

constexpr int kUsedSetSize = 500000;
constexpr uint32_t kCodeCount = 10000000;  // seven decimal digits

// The value of a segment of seven ASCII digits, or -1.
int64_t SevenDigitCode(std::string_view segment) {
  if (segment.size() != 7) return -1;
  int64_t code = 0;
  for (char c : segment) {
    if (c < '0' || c > '9') return -1;
    code = code * 10 + (c - '0');
  }
  return code;
}

template <typename F>
void ForEachFileLine(const fs::path& file, F&& onLine) {
  FileContents text(file);
  ForEachLine(text.view(), onLine);
}

}  // namespace

void SegmentDatabase::FreeTable::operator()(uint32_t* table) const { std::free(table); }

SegmentDatabase::SegmentDatabase() : used_(kUsedSetSize) { used_.SetSorted(true); }

SegmentDatabase::~SegmentDatabase() = default;

void SegmentDatabase::Clear() {
  provinces_.clear();
  regions_.clear();
  sorted_.clear();
  byCode_.reset();
}

SegmentLoadReport SegmentDatabase::Load(const fs::path& baseData, const fs::path& myData) {
  used_.Clear();
  if (fs::path used = myData / kUsedSegmentsFileName; fs::exists(used)) used_.LoadFromFile(used);
  fs::path regionFile = baseData / kRegionFileName, segmentFile = baseData / kSegmentFileName;
  std::string regionText, segmentText;
  if (fs::exists(regionFile)) regionText = ReadWholeFile(regionFile);
  if (fs::exists(segmentFile)) segmentText = ReadWholeFile(segmentFile);
  return LoadText(regionText, segmentText);
}

SegmentLoadReport SegmentDatabase::LoadText(std::string_view regionText, std::string_view segmentText) {
  Clear();
  SegmentLoadReport report;

  // The region tree; a blank line names no province and is passed over.
  ForEachLine(regionText, [&](std::string_view line) {
    std::vector<std::string> fields = SplitFields(RegionSeparatorsToBars(line));
    if (fields.empty()) return;
    Province province{std::move(fields[0]), {}};
    for (size_t i = 1; i < fields.size(); ++i)
      if (!TrimBlanks(fields[i]).empty()) province.cities.push_back(City{std::move(fields[i]), {}});
    provinces_.push_back(std::move(province));
  });

  // The city index by the hash of province + "." + city; the first city of a key owns it.
  std::unordered_map<uint32_t, City*> cityIndex;
  for (Province& province : provinces_)
    for (City& city : province.cities) cityIndex.try_emplace(BKDRHash(province.name + "." + city.name), &city);

  // The segments, in file order first; sorted below with the first line of a segment kept.
  std::vector<Entry> entries;
  std::unordered_map<std::string, uint32_t> regionIds;
  ForEachLine(segmentText, [&](std::string_view line) {
    ++report.segmentLines;
    std::vector<std::string> fields = SplitFields(line);
    if (fields.size() < 3) return;
    std::string region = fields[1] + "." + fields[2];
    if (auto city = cityIndex.find(BKDRHash(region)); city != cityIndex.end())
      city->second->segments.push_back(fields[0]);
    else
      report.messages.push_back("未能正确加载" + GbkToUtf8Lossless(line));
    auto [id, added] = regionIds.try_emplace(region, static_cast<uint32_t>(regions_.size()));
    if (added) regions_.push_back(std::move(region));
    entries.push_back(Entry{std::move(fields[0]), id->second});
  });

  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.segment < b.segment; });
  sorted_.reserve(entries.size());
  for (Entry& entry : entries) {
    if (!sorted_.empty() && sorted_.back().segment == entry.segment) {
      const Entry& first = sorted_.back();
      if (first.region != entry.region)
        report.messages.push_back("号段重复,按首次出现的地区查找:" + GbkToUtf8Lossless(entry.segment) + " " +
                                  GbkToUtf8Lossless(regions_[first.region]) + " (另有 " +
                                  GbkToUtf8Lossless(regions_[entry.region]) + ")");
      continue;
    }
    sorted_.push_back(std::move(entry));
  }
  sorted_.shrink_to_fit();

  for (Province& province : provinces_)
    for (City& city : province.cities) {
      std::sort(city.segments.begin(), city.segments.end());
      city.segments.erase(std::unique(city.segments.begin(), city.segments.end()), city.segments.end());
    }

  for (const Entry& entry : sorted_) {
    int64_t code = SevenDigitCode(entry.segment);
    if (code < 0) continue;
    if (!byCode_) byCode_.reset(static_cast<uint32_t*>(std::calloc(kCodeCount, sizeof(uint32_t))));
    if (!byCode_) break;  // no memory for the table: binary searches answer instead
    byCode_[code] = entry.region + 1;
  }
  return report;
}

int SegmentDatabase::Find(std::string_view segment) const {
  auto it = std::lower_bound(sorted_.begin(), sorted_.end(), segment,
                             [](const Entry& e, std::string_view s) { return std::string_view(e.segment) < s; });
  if (it == sorted_.end() || it->segment != segment) return -1;
  return static_cast<int>(it - sorted_.begin());
}

std::optional<std::string_view> SegmentDatabase::RegionOf(std::string_view number) const {
  std::string_view segment = SegmentOf(number);
  if (byCode_) {
    if (int64_t code = SevenDigitCode(segment); code >= 0) {
      uint32_t region = byCode_[code];
      if (region == 0) return std::nullopt;
      return regions_[region - 1];
    }
  }
  int i = Find(segment);
  if (i < 0) return std::nullopt;
  return regions_[sorted_[i].region];
}

bool SegmentDatabase::HasSegment(std::string_view segment) const {
  if (byCode_)
    if (int64_t code = SevenDigitCode(segment); code >= 0) return byCode_[code] != 0;
  return Find(segment) >= 0;
}

bool SegmentDatabase::IsUsed(std::string_view segment) const {
  return used_.Map().Contains(TUniqueSList::HashOf(segment));
}

void SegmentDatabase::MarkUsed(std::string_view segment) { used_.Add(segment); }

void SegmentDatabase::MarkUnused(std::string_view segment) {
  int index;
  if (used_.Find(segment, index)) used_.Delete(index);
}

void SegmentDatabase::SaveUsed(const fs::path& usedFile) const { used_.SaveToFile(usedFile); }

std::optional<std::string> LookupLine(std::string_view typed, const SegmentDatabase& db) {
  std::string_view number = TrimBlanks(typed);
  if (number.size() <= 6) return std::nullopt;
  std::string line(typed);
  if (std::optional<std::string_view> region = db.RegionOf(number.substr(0, 7)))
    line.append(":").append(*region);
  else
    line += Utf8ToGbk(":没有找到");
  return line;
}

}  // namespace telqor
