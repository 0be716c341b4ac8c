// The segment database: which province and city the segment of a mobile number (its first
// seven digits) belongs to, and which segments the user has used already.
//
// Read once from "基础数据/地区.txt" (provinces with their cities), "基础数据/手机号段.txt"
// (segment|province|city lines) and "我的数据/hdsel.txt" (used segments), all GBK. Province
// and city names are GBK bytes as in the files. A segment listed twice keeps the region of its
// first line; the repeat is reported by the load. Lookups are a table index for seven-digit
// segments and a binary search otherwise. User-interface thread only, read-only after the load
// except for the used marks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"

namespace telqor {

class CarrierRule;

inline constexpr char kRegionFileName[] = "地区.txt";
inline constexpr char kSegmentFileName[] = "手机号段.txt";
inline constexpr char kUsedSegmentsFileName[] = "hdsel.txt";

class City {
 public:
  explicit City(std::string cityName) : name(std::move(cityName)) {}
  std::string name;  // as split, GBK

 private:
  friend class SegmentDatabase;
  // Sorted, each once; empty for a repeated province/city. Made on first request
  // (SegmentDatabase::SegmentsOf): a lookup needs none of them.
  mutable std::vector<std::string> segments_;
};

struct Province {
  std::string name;  // GBK
  std::vector<City> cities;
};

// What a load had to say: the number of lines of the segment file (for "号段总数:") and the
// status messages (UTF-8) for lines whose city is unknown and for repeated segments.
struct SegmentLoadReport {
  int segmentLines = 0;
  std::vector<std::string> messages;
};

class SegmentDatabase {
 public:
  SegmentDatabase();
  ~SegmentDatabase();
  SegmentDatabase(const SegmentDatabase&) = delete;
  SegmentDatabase& operator=(const SegmentDatabase&) = delete;

  // Loads the used segments from myData, then the regions and segments from baseData; a file
  // that does not exist leaves its part empty. Replaces whatever was loaded before.
  SegmentLoadReport Load(const std::filesystem::path& baseData, const std::filesystem::path& myData);
  // The same from the file contents (the used segments are left alone).
  SegmentLoadReport LoadText(std::string_view regionText, std::string_view segmentText);

  // ---- Regions ----------------------------------------------------------------------------
  const std::vector<Province>& Provinces() const { return provinces_; }
  // province + "." + city of the number's segment (its first seven characters when it has more
  // than six, else the whole text), GBK; nothing when the segment is unknown.
  std::optional<std::string_view> RegionOf(std::string_view number) const;
  // The region of the number's segment as RegionOf finds it, as an index into Regions(): what a
  // lookup of millions of numbers keys its own tables by. Nothing when the segment is unknown.
  std::optional<uint32_t> RegionIndexOf(std::string_view number) const;
  // Every region's province + "." + city (GBK), each once; indexes hold until the next load.
  const std::vector<std::string>& Regions() const { return regions_; }
  // Whether the segment is in the database.
  bool HasSegment(std::string_view segment) const;
  // The segments of a city of the tree, sorted (those whose lines name it first).
  const std::vector<std::string>& SegmentsOf(const City& city) const;
  int SegmentCount() const { return segmentCount_; }

  // ---- Used segments ----------------------------------------------------------------------
  bool IsUsed(std::string_view segment) const;
  void MarkUsed(std::string_view segment);
  void MarkUnused(std::string_view segment);
  // Writes the used segments to usedFile, one per line, in the set's order.
  void SaveUsed(const std::filesystem::path& usedFile) const;
  const ItemList& Used() const { return used_; }

 private:
  struct Entry {
    std::string segment;
    uint32_t region;  // index into regions_
  };
  struct FreeTable {
    void operator()(uint32_t* table) const;
  };
  class Loader;
  int Find(std::string_view segment) const;  // index into others_, or -1
  void Clear();

  std::vector<Province> provinces_;
  std::vector<std::string> regions_;  // province + "." + city, each once
  // region + 1 by the value of a seven-digit segment less codeLow_ (0: none), over the span
  // of the segments there are; allocated when the database has one. Every other segment is in
  // others_, sorted, each once.
  std::unique_ptr<uint32_t[], FreeTable> byCode_;
  uint32_t codeLow_ = 0;
  uint32_t codeCount_ = 0;
  uint32_t RegionIdOf(int64_t code) const;  // 0 when the segment is not in the table
  std::vector<Entry> others_;
  std::vector<City*> regionCity_;  // by region id: the city of the tree that owns it, or null
  int segmentCount_ = 0;
  mutable bool citiesFilled_ = false;
  ItemList used_;  // sorted, each segment once
};

// Whether a line is a mobile number as the lookups, the statistics and the exports count one:
// exactly eleven ASCII digits. Any other line (a blank one, "abc", a number with a blank after
// it) is nobody's number.
inline bool IsElevenDigits(std::string_view line) {
  if (line.size() != 11) return false;
  for (char c : line)
    if (c < '0' || c > '9') return false;
  return true;
}

// The segment of a number: its first seven characters when it has more than six, else itself.
inline std::string_view SegmentOf(std::string_view number) { return number.size() > 6 ? number.substr(0, 7) : number; }

// What a region lookup of typed text searches: a mobile number written as people write it
// ("138 0013 8000", "+86 138-0013-8000", "+8613800138000", full-width digits: the number
// clean-up of the workspace) as its eleven digits; any other text without the blanks around
// it. Nothing when that has six characters or fewer, which a lookup passes over without an
// answer.
std::optional<std::string> LookupNumber(std::string_view typed);

// The region lookup's log line (GBK): typed + ":" + province.city, or typed + ":没有找到";
// nothing when LookupNumber gives nothing. With carriers, a region found is followed by a blank
// and the number's carrier ("13800138000:北京.北京 移动"), when the rule knows one.
std::optional<std::string> LookupLine(std::string_view typed, const SegmentDatabase& db,
                                      const CarrierRule* carriers = nullptr);

// The region of one number read straight from the text of "手机号段.txt", without loading the
// database: what a loaded database answers (the first line of at least three fields that
// names the segment), found by searching the text for the segment. For a lookup of a few
// numbers, where building the database would cost more than reading the file.
std::optional<std::string> ScanRegionOf(std::string_view segmentText, std::string_view number);
// The log line as LookupLine makes it, with the region scanned from the segment file's text.
std::optional<std::string> ScanLookupLine(std::string_view typed, std::string_view segmentText);

}  // namespace telqor
