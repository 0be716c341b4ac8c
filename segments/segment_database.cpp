#include "segments/segment_database.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "segments/carrier.h"
#include "segments/field_split.h"
#include "workspace/normalize.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

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

std::string CodeText(uint32_t code) {
  std::string text(7, '0');
  for (int i = 6; i >= 0; --i, code /= 10) text[static_cast<size_t>(i)] = static_cast<char>('0' + code % 10);
  return text;
}

bool IsRegion(const std::string& region, std::string_view province, std::string_view city) {
  return region.size() == province.size() + 1 + city.size() && region.compare(0, province.size(), province) == 0 &&
         region[province.size()] == '.' && region.compare(province.size() + 1, city.size(), city) == 0;
}

}  // namespace

// One load of the segment file. The file is read by the hundred thousand lines at start-up, so
// a line costs one pass over its bytes: fields are views, a run of lines of one region finds it
// without a lookup, and a seven-digit segment goes straight into the table.
class SegmentDatabase::Loader {
 public:
  Loader(SegmentDatabase& db, SegmentLoadReport& report) : db_(db), report_(report) {
    for (size_t p = 0; p < db.provinces_.size(); ++p)
      for (City& city : db.provinces_[p].cities)
        cityIndex_.try_emplace(db.provinces_[p].name + "." + city.name, &city);
  }

  void Line(std::string_view line) {
    ++report_.segmentLines;
    std::string_view f[3];
    std::vector<std::string> quoted;
    int count = FirstThreeFields(line, f, quoted);
    if (count < 3) return;
    uint32_t region = RegionOf(f[1], f[2], line);
    int64_t code = SevenDigitCode(f[0]);
    if (code < 0)
      others_.push_back(Entry{std::string(f[0]), region});
    else
      pairs_.push_back(Pair{static_cast<uint32_t>(code), region});
  }

  // Puts the seven-digit segments into the table and sorts the others; of a segment listed
  // more than once the first line holds.
  void Finish() {
    SortByCode();
    if (!pairs_.empty()) {
      // The table spans the segments there are (1300000 to 1999999 for today's numbers).
      db_.codeLow_ = pairs_.front().code;
      db_.codeCount_ = pairs_.back().code - db_.codeLow_ + 1;
      db_.byCode_.reset(static_cast<uint32_t*>(std::calloc(db_.codeCount_, sizeof(uint32_t))));
      if (!db_.byCode_) throw std::bad_alloc();
    }
    for (size_t i = 0; i < pairs_.size(); ++i) {
      const Pair& pair = pairs_[i];
      uint32_t& slot = db_.byCode_[pair.code - db_.codeLow_];
      if (i > 0 && pairs_[i - 1].code == pair.code) {
        uint32_t first = slot - 1;
        if (first != pair.region && !SameRepeat(i)) Repeated(CodeText(pair.code), first, pair.region);
        continue;
      }
      slot = pair.region + 1;
      ++db_.segmentCount_;
    }
    std::stable_sort(others_.begin(), others_.end(),
                     [](const Entry& a, const Entry& b) { return a.segment < b.segment; });
    for (Entry& entry : others_) {
      if (!db_.others_.empty() && db_.others_.back().segment == entry.segment) {
        if (db_.others_.back().region != entry.region) Repeated(entry.segment, db_.others_.back().region, entry.region);
        continue;
      }
      db_.others_.push_back(std::move(entry));
    }
    db_.segmentCount_ += static_cast<int>(db_.others_.size());
    db_.regionCity_ = std::move(cities_);
  }

 private:
  void Report(std::string_view line) { report_.messages.push_back("未能正确加载" + GbkToUtf8Lossless(line)); }

  // The region id of province.city, added when new; a city the region file does not know is
  // reported with its line and still answers lookups.
  uint32_t RegionOf(std::string_view province, std::string_view city, std::string_view line) {
    if (last_ != kNone && IsRegion(db_.regions_[last_], province, city)) {
      // Every line of an unknown city is reported, not only the first of a run of them.
      if (!cities_[last_]) Report(line);
      return last_;
    }
    key_.assign(province).append(".").append(city);
    auto [it, added] = byText_.try_emplace(key_, static_cast<uint32_t>(db_.regions_.size()));
    const uint32_t id = it->second;
    if (added) {
      db_.regions_.push_back(key_);
      auto c = cityIndex_.find(key_);
      cities_.push_back(c == cityIndex_.end() ? nullptr : c->second);
    }
    if (!cities_[id]) Report(line);
    last_ = id;
    return id;
  }

  void Repeated(std::string_view segment, uint32_t first, uint32_t later) {
    report_.messages.push_back("号段重复,按首次出现的地区查找:" + GbkToUtf8Lossless(segment) + " " +
                               GbkToUtf8Lossless(db_.regions_[first]) + " (另有 " +
                               GbkToUtf8Lossless(db_.regions_[later]) + ")");
  }

  // A stable radix sort of the pairs by code (24 bits: three passes of 8), so that the table
  // is written in order and the first line of a segment comes first.
  void SortByCode() {
    std::vector<Pair> buffer(pairs_.size());
    for (int shift = 0; shift < 24; shift += 8) {
      size_t counts[257] = {};
      for (const Pair& p : pairs_) ++counts[((p.code >> shift) & 0xFF) + 1];
      for (int b = 0; b < 256; ++b) counts[b + 1] += counts[b];
      for (const Pair& p : pairs_) buffer[counts[(p.code >> shift) & 0xFF]++] = p;
      pairs_.swap(buffer);
    }
  }

  // Whether the repeat at i names a region an earlier repeat of the segment already reported.
  bool SameRepeat(size_t i) const {
    for (size_t j = i - 1; j > 0 && pairs_[j - 1].code == pairs_[i].code; --j)
      if (pairs_[j].region == pairs_[i].region) return true;
    return false;
  }

  struct Pair {
    uint32_t code;
    uint32_t region;
  };
  static constexpr uint32_t kNone = UINT32_MAX;
  SegmentDatabase& db_;
  SegmentLoadReport& report_;
  // Keyed by "province.city"; of a city the region file names twice the first owns it.
  std::unordered_map<std::string, City*> cityIndex_;
  std::unordered_map<std::string, uint32_t> byText_;  // region id by "province.city"
  std::string key_;
  std::vector<City*> cities_;  // by region id; null for a city the region file lacks
  uint32_t last_ = kNone;
  std::vector<Pair> pairs_;  // the seven-digit segments in file order
  std::vector<Entry> others_;
};

void SegmentDatabase::FreeTable::operator()(uint32_t* table) const { std::free(table); }

SegmentDatabase::SegmentDatabase() { used_.SetSorted(true); }

SegmentDatabase::~SegmentDatabase() = default;

void SegmentDatabase::Clear() {
  provinces_.clear();
  regions_.clear();
  others_.clear();
  regionCity_.clear();
  citiesFilled_ = false;
  byCode_.reset();
  codeLow_ = codeCount_ = 0;
  segmentCount_ = 0;
}

SegmentLoadReport SegmentDatabase::Load(const fs::path& baseData, const fs::path& myData) {
  used_.Clear();
  if (fs::path used = myData / kUsedSegmentsFileName; fs::exists(used)) used_.LoadFromFile(used);
  fs::path regionFile = baseData / PathFromUtf8(kRegionFileName),
           segmentFile = baseData / PathFromUtf8(kSegmentFileName);
  std::optional<FileContents> regions, segments;
  if (fs::exists(regionFile)) regions.emplace(regionFile);
  if (fs::exists(segmentFile)) segments.emplace(segmentFile);
  return LoadText(regions ? regions->view() : std::string_view(), segments ? segments->view() : std::string_view());
}

SegmentLoadReport SegmentDatabase::LoadText(std::string_view regionText, std::string_view segmentText) {
  Clear();
  SegmentLoadReport report;

  // The region tree; a blank line names no province and is passed over.
  ForEachLine(regionText, [&](std::string_view line) {
    std::vector<std::string> fields = SplitDataFields(RegionSeparatorsToBars(line));
    if (fields.empty()) return;
    Province province{std::move(fields[0]), {}};
    for (size_t i = 1; i < fields.size(); ++i)
      if (!TrimBlanks(fields[i]).empty()) province.cities.emplace_back(std::move(fields[i]));
    provinces_.push_back(std::move(province));
  });

  Loader loader(*this, report);
  ForEachLine(segmentText, [&](std::string_view line) { loader.Line(line); });
  loader.Finish();
  return report;
}

uint32_t SegmentDatabase::RegionIdOf(int64_t code) const {
  uint64_t i = static_cast<uint64_t>(code) - codeLow_;  // below the table wraps to far above it
  return i < codeCount_ ? byCode_[i] : 0;
}

int SegmentDatabase::Find(std::string_view segment) const {
  auto it = std::lower_bound(others_.begin(), others_.end(), segment,
                             [](const Entry& e, std::string_view s) { return std::string_view(e.segment) < s; });
  if (it == others_.end() || it->segment != segment) return -1;
  return static_cast<int>(it - others_.begin());
}

std::optional<uint32_t> SegmentDatabase::RegionIndexOf(std::string_view number) const {
  std::string_view segment = SegmentOf(number);
  if (int64_t code = SevenDigitCode(segment); code >= 0) {
    uint32_t region = RegionIdOf(code);
    if (region == 0) return std::nullopt;
    return region - 1;
  }
  int i = Find(segment);
  if (i < 0) return std::nullopt;
  return others_[static_cast<size_t>(i)].region;
}

std::optional<std::string_view> SegmentDatabase::RegionOf(std::string_view number) const {
  std::optional<uint32_t> region = RegionIndexOf(number);
  if (!region) return std::nullopt;
  return regions_[*region];
}

bool SegmentDatabase::HasSegment(std::string_view segment) const {
  if (int64_t code = SevenDigitCode(segment); code >= 0) return RegionIdOf(code) != 0;
  return Find(segment) >= 0;
}

const std::vector<std::string>& SegmentDatabase::SegmentsOf(const City& city) const {
  if (!citiesFilled_) {
    citiesFilled_ = true;
    for (uint32_t i = 0; i < codeCount_; ++i)
      if (uint32_t region = byCode_[i])
        if (City* owner = regionCity_[region - 1]) owner->segments_.push_back(CodeText(codeLow_ + i));
    std::vector<City*> touched;
    for (const Entry& entry : others_)
      if (City* owner = regionCity_[entry.region]) {
        owner->segments_.push_back(entry.segment);
        touched.push_back(owner);
      }
    for (City* owner : touched) std::sort(owner->segments_.begin(), owner->segments_.end());
  }
  return city.segments_;
}

bool SegmentDatabase::IsUsed(std::string_view segment) const {
  int index;
  return used_.Find(segment, index);
}

void SegmentDatabase::MarkUsed(std::string_view segment) { used_.Add(segment); }

void SegmentDatabase::MarkUnused(std::string_view segment) {
  int index;
  if (used_.Find(segment, index)) used_.Delete(index);
}

void SegmentDatabase::SaveUsed(const fs::path& usedFile) const { used_.SaveToFile(usedFile); }

namespace {

template <typename RegionOfSegment>
std::optional<std::string> MakeLookupLine(std::string_view typed, RegionOfSegment&& regionOf,
                                          const CarrierRule* carriers = nullptr) {
  std::optional<std::string> number = LookupNumber(typed);
  if (!number) return std::nullopt;
  std::string line(typed);
  if (std::optional<std::string> region = regionOf(std::string_view(*number).substr(0, 7))) {
    line.append(":").append(*region);
    if (Carrier carrier = carriers ? carriers->Of(*number) : Carrier::None; carrier != Carrier::None)
      line.append(" ").append(Utf8ToGbk(CarrierName(carrier)));
  } else {
    line += Utf8ToGbk(":没有找到");
  }
  return line;
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::string> LookupNumber(std::string_view typed) {
  std::string_view number = TrimBlanks(typed);
  char digits[kMobileDigits];
  if (NormalizedMobile(number, digits)) return std::string(digits, kMobileDigits);
  if (number.size() <= 6) return std::nullopt;
  return std::string(number);
}

std::optional<std::string> LookupLine(std::string_view typed, const SegmentDatabase& db, const CarrierRule* carriers) {
  return MakeLookupLine(
      typed,
      [&](std::string_view segment) -> std::optional<std::string> {
        if (auto region = db.RegionOf(segment)) return std::string(*region);
        return std::nullopt;
      },
      carriers);
}

std::optional<std::string> ScanRegionOf(std::string_view text, std::string_view number) {
  std::string_view segment = SegmentOf(number);
  if (text.empty()) return std::nullopt;
  if (const void* zero = std::memchr(text.data(), 0, text.size()))
    text = text.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - text.data()));
  if (segment.find('"') != std::string_view::npos) {
    // A quote in the segment is doubled where its field is quoted, so its bytes need not occur
    // as they are: every line's first field is read instead.
    std::optional<std::string> region;
    ForEachLine(text, [&](std::string_view line) {
      std::string_view f[3];
      std::vector<std::string> quoted;
      if (!region && FirstThreeFields(line, f, quoted) >= 3 && f[0] == segment)
        region = std::string(f[1]) + "." + std::string(f[2]);
    });
    return region;
  }
  // Every place the segment's bytes occur; the line around it decides whether it is the
  // segment field of that line.
  for (size_t at = text.find(segment); at != std::string_view::npos; at = text.find(segment, at + 1)) {
    size_t begin = at;
    while (begin > 0 && !IsLineBreak(text[begin - 1])) --begin;
    size_t end = at;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    std::string_view line = text.substr(begin, end - begin);
    std::string_view f[3];
    std::vector<std::string> quoted;
    int count = FirstThreeFields(line, f, quoted);
    if (count >= 3 && f[0] == segment) return std::string(f[1]) + "." + std::string(f[2]);
    at = end > at ? end - 1 : at;  // the rest of this line cannot start a segment field
  }
  return std::nullopt;
}

std::optional<std::string> ScanLookupLine(std::string_view typed, std::string_view segmentText) {
  return MakeLookupLine(typed, [&](std::string_view segment) { return ScanRegionOf(segmentText, segment); });
}

}  // namespace telqor
