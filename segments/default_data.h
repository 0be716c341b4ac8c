// The segment data shipped with the program, and the base-data files a new user gets from it.
//
// The program carries a public list of 517,258 mobile segments of 2025 (see data/README.md),
// compressed. When the base-data folder lacks the region file "地区.txt", the segment file
// "手机号段.txt" or the area-code table "固话区号对照表.txt", they can be written from it in the
// formats the program reads (GBK, CR LF): provinces in the order of the list, each with its
// cities; "segment|province|city" lines in segment order; one "city 0xxx" line per city. A
// file the user has is never replaced unless asked to (force).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

struct ProgramState;

// The version of the shipped list and where it comes from, for messages and the notice file.
inline constexpr char kDefaultDataVersion[] = "20250201";
inline constexpr char kDefaultDataNoticeFileName[] = "默认号段数据说明.txt";

// One line of the shipped list. The fields are UTF-8 views into DefaultSegments' text.
struct DefaultSegment {
  std::string_view segment;   // seven digits
  std::string_view province;  // without 省/市/自治区
  std::string_view city;      // without 市
  std::string_view areaCode;  // "0531"
  std::string_view carrier;   // 移动, 联通, 电信, 广电, 移动虚拟, 联通虚拟, 电信虚拟 or 未知
};

// The shipped list, decompressed once per object (about 21 MB of text).
class DefaultSegments {
 public:
  DefaultSegments();
  const std::vector<DefaultSegment>& Segments() const { return segments_; }

 private:
  std::string text_;
  std::vector<DefaultSegment> segments_;
};

// The texts of the three base-data files (GBK, CR LF) for a list of segments in the order they
// are to be written, names in UTF-8: the region file (provinces in order of first appearance,
// each with its cities), the segment file ("segment|province|city") and the area-code table
// (a "city 0xxx" line per city, the first area code its segments give; a city without one has
// no line). The carrier is not written: it comes from the prefix settings.
std::string RegionFileText(const std::vector<DefaultSegment>& segments);
// The region file for segments written over the one in place (existing, GBK): its lines kept
// byte for byte and in their order (cities the list no longer names too), a city it lacks added
// at the end of its province's first line, a province it lacks as a line of its own after them.
// Answers existing itself when it names every region of the list already.
std::string RegionFileText(const std::vector<DefaultSegment>& segments, std::string_view existing);
std::string SegmentFileText(const std::vector<DefaultSegment>& segments);
std::string AreaCodeFileText(const std::vector<DefaultSegment>& segments);

// The names of the three base-data files the shipped list fills, in the order they are written.
std::vector<std::string_view> DefaultDataFileNames();
// Those of them that the base-data folder lacks.
std::vector<std::string_view> MissingDefaultDataFiles(const std::filesystem::path& baseData);

struct DefaultDataResult {
  std::vector<std::filesystem::path> written;  // the files written, in order
  bool prefixesWritten = false;                // today's carrier prefixes went into the settings
};

// Whether WriteDefaultData would put today's carrier prefixes into these settings: with force,
// or when they still hold what a first start wrote (the user's own are kept).
bool WouldWriteCurrentPrefixes(const ProgramState& state, bool force);

// Writes the missing files of the three (all of them with force) into the base-data folder,
// with a notice naming the data's source and licence, and today's carrier prefixes into the
// settings (saved to Telqor.ini) when WouldWriteCurrentPrefixes. Each file is written whole or
// not at all; the first failure ends the run with its error.
DefaultDataResult WriteDefaultData(ProgramState& state, bool force);

}  // namespace telqor
