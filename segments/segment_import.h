// Refreshing the base data from a newer public segment list.
//
// Public lists give one segment a line: the seven-digit segment, the province and the city,
// then optionally the postcode, the area code and the carrier, separated by tabs, commas or
// "|", often after a header line; UTF-8 (with or without a byte-order mark) or GBK. Names come
// in full ("浙江省", "延边朝鲜族自治州") where the base data holds the short ones ("浙江",
// "延边"). An import reads such a list and writes 手机号段.txt, 地区.txt (its lines kept in their
// order, new regions added after them) and, when the list gives area codes, 固话区号对照表.txt as
// the shipped data is written (default_data.h), each only when its text changes. Nothing is
// lost: a file replaced is kept beside it under a name of its own, stamped with the import's
// time ("手机号段.txt.20261210-153000.bak"), and every segment added, removed or moved goes into a
// change list beside them ("号段变更.20261210-153000.txt"). The carrier field is read but not
// kept: the carrier of a number comes from the prefix settings.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "segments/default_data.h"
#include "segments/divisions.h"
#include "segments/place_names.h"

namespace telqor {

class Ui;

// A line of the list that was skipped, and why ("号段不是7位数字").
struct BadSegmentLine {
  int line = 0;  // counted from 1, the header included
  std::string reason;
};
// "第12行：号段不是7位数字"
std::string BadSegmentLineText(const BadSegmentLine& bad);

// A public list read: its good lines with the names shortened and each city put on its row of
// today's divisions (divisions.h), sorted by segment, each segment once (the first line that
// gives it), the lines skipped, and the cities renamed.
class SegmentList {
 public:
  // The bytes of a list file. A byte-order mark decides the encoding, else UTF-8 when the whole
  // is well-formed UTF-8 beyond ASCII, else GBK. "号段文件是UTF-16编码…" for a UTF-16 mark.
  explicit SegmentList(std::string_view bytes);
  SegmentList(const SegmentList&) = delete;
  SegmentList& operator=(const SegmentList&) = delete;

  // Views into the list's text (UTF-8) or literals.
  const std::vector<DefaultSegment>& Segments() const { return segments_; }
  const std::vector<BadSegmentLine>& BadLines() const { return badLines_; }
  const std::vector<CityRenaming>& Renamings() const { return renamings_; }
  bool HasAreaCodes() const { return hasAreaCodes_; }

 private:
  std::string text_;
  std::vector<DefaultSegment> segments_;
  std::vector<BadSegmentLine> badLines_;
  std::vector<CityRenaming> renamings_;
  bool hasAreaCodes_ = false;
};

// What an import did, compared with the segment file in place before it.
struct SegmentImportResult {
  bool written = false;    // false when the replacement was refused or nothing changed
  bool unchanged = false;  // every file already held what the list gives: nothing written
  int segments = 0;        // in the list, so in the segment file now
  int added = 0;           // segments the old file lacked
  int removed = 0;         // old segments the list lacks
  int moved = 0;           // segments now in another province or city
  std::vector<BadSegmentLine> badLines;
  std::vector<CityRenaming> renamings;         // cities the list names otherwise than today's map
  std::vector<std::filesystem::path> files;    // the data files written, in order
  std::vector<std::filesystem::path> backups;  // the files they replaced, kept under stamped names
  std::filesystem::path changeList;            // the segments added, removed and moved; empty when none
};

// Asked with the names of the base-data files an import would replace ("地区.txt", …); true to
// replace them (each kept under a stamped name).
using MayReplaceSegmentFiles = std::function<bool(const std::vector<std::string_view>& existing)>;

// The name a file of the base data is kept under when an import replaces it, and the name of
// the import's change list: "手机号段.txt.<stamp>.bak", "号段变更.<stamp>.txt", the stamp the
// import's time ("20261210-153000", the Env's clock), followed by "-2", "-3", ... when an import
// of the same second took those names already.
std::string SegmentBackupName(std::string_view name, std::string_view stamp);
std::string SegmentChangeListName(std::string_view stamp);

// Reads the list file and writes the base data from it into baseData (made when missing). A
// file whose text would not change is not written; when none would, nothing is written, nothing
// asked, and the result says unchanged. When files would be replaced, mayReplace decides
// first; refused, nothing is written. A list without a good line writes nothing and is an error
// ("号段文件中没有可用的号段…"). Each file is written whole or not at all; the backups are
// written before any file is replaced, the change list after the data. No file is ever written
// over but the data files themselves. The status line is cleared at the end, also on error.
SegmentImportResult ImportSegmentList(const std::filesystem::path& listFile, const std::filesystem::path& baseData,
                                      const MayReplaceSegmentFiles& mayReplace, Ui& ui);

// "号段库已更新：517258个号段，新增12个，删除3个，变更城市5个", then a line naming the change list
// ("变更明细：<path>") and one naming the backups ("原文件另存为：地区.txt.<stamp>.bak、…");
// "号段库没有变化：517258个号段与现有数据相同，未写入任何文件" for an import that changed nothing.
std::string SegmentImportSummary(const SegmentImportResult& result);

}  // namespace telqor
