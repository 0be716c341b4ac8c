#include "segments/segment_import.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "core/program/data_folders.h"
#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/output_names.h"
#include "core/text/gbk.h"
#include "core/program/ui.h"
#include "segments/default_data.h"
#include "segments/field_split.h"
#include "segments/place_names.h"
#include "segments/segment_database.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

// What trimming leaves of a field: no blanks around it, nor the quotes of a CSV field.
std::string_view TrimField(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t' || field.back() == '\r'))
    field.remove_suffix(1);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
  return field;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsSegment(std::string_view s) { return s.size() == 7 && AllDigits(s); }
bool IsAreaCode(std::string_view s) { return (s.size() == 3 || s.size() == 4) && s[0] == '0' && AllDigits(s); }
bool IsPostcode(std::string_view s) { return s.size() == 6 && AllDigits(s); }

std::vector<std::string_view> SplitListLine(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    size_t end = line.find_first_of("\t,|");
    fields.push_back(TrimField(line.substr(0, end)));
    if (end == std::string_view::npos) return fields;
    line.remove_prefix(end + 1);
  }
}

// The list as UTF-8, whatever it came in.
std::string ListText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    throw Error("号段文件是UTF-16编码，请另存为UTF-8或GBK编码后再导入");
  if (IsUtf8BeyondAscii(bytes)) return std::string(bytes);
  return GbkToUtf8(bytes);
}

// A segment of the file in place and its region, as the database reads the file: the first line
// that names a segment gives its region.
struct OldSegment {
  std::string_view segment, province, city;
};

std::vector<OldSegment> OldSegments(std::string_view text, std::deque<std::string>& quoted) {
  std::vector<OldSegment> segments;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    std::string_view fields[3];
    int count = SplitFirstFields(line, fields, 3);
    if (count < 0) {  // a quoted field: its text differs from the line's bytes
      std::vector<std::string> split = SplitDataFields(line);
      count = static_cast<int>(std::min<size_t>(split.size(), 3));
      for (int i = 0; i < count; ++i) fields[i] = quoted.emplace_back(std::move(split[static_cast<size_t>(i)]));
    }
    if (count == 3) segments.push_back({fields[0], fields[1], fields[2]});
  }
  std::stable_sort(segments.begin(), segments.end(),
                   [](const OldSegment& a, const OldSegment& b) { return a.segment < b.segment; });
  segments.erase(std::unique(segments.begin(), segments.end(),
                             [](const OldSegment& a, const OldSegment& b) { return a.segment == b.segment; }),
                 segments.end());
  return segments;
}

// What changed from the old segments to the new ones, both sorted and each once: counted into
// result, and each segment a line of the change list (GBK), the added first, then the removed,
// then the moved: "新增 1390000 吉林.延边", "删除 …", "变更 1340000 广东.广州 -> 广东.深圳".
std::string CompareSegments(const std::vector<OldSegment>& old, const std::vector<DefaultSegment>& now,
                            SegmentImportResult& result) {
  std::unordered_map<std::string_view, std::string> gbk;
  auto Gbk = [&gbk](std::string_view utf8) -> const std::string& {
    auto [at, added] = gbk.try_emplace(utf8);
    if (added) at->second = Utf8ToGbk(utf8);
    return at->second;
  };
  const std::string addedWord = Utf8ToGbk("新增 "), removedWord = Utf8ToGbk("删除 "), movedWord = Utf8ToGbk("变更 ");
  std::string added, removed, moved;
  auto Region = [](std::string& line, std::string_view province, std::string_view city) {
    line.append(province).append(".").append(city);
  };
  size_t i = 0, j = 0;
  while (i < old.size() || j < now.size()) {
    if (j == now.size() || (i < old.size() && old[i].segment < now[j].segment)) {
      ++result.removed;
      Region(removed.append(removedWord).append(old[i].segment).append(" "), old[i].province, old[i].city);
      removed += "\r\n";
      ++i;
    } else if (i == old.size() || now[j].segment < old[i].segment) {
      ++result.added;
      Region(added.append(addedWord).append(now[j].segment).append(" "), Gbk(now[j].province), Gbk(now[j].city));
      added += "\r\n";
      ++j;
    } else {
      const std::string &province = Gbk(now[j].province), &city = Gbk(now[j].city);
      if (old[i].province != province || old[i].city != city) {
        ++result.moved;
        Region(moved.append(movedWord).append(old[i].segment).append(" "), old[i].province, old[i].city);
        Region(moved.append(" -> "), province, city);
        moved += "\r\n";
      }
      ++i, ++j;
    }
  }
  return added + removed + moved;
}

void WriteFile(const fs::path& file, std::string_view text) {
  FileWriter out(file);
  out.Write(text);
  out.Commit();
}

// Never over another file: under the name, or the first free name-2.ext, ... should one have
// appeared since the stamp was chosen.
fs::path WriteNewFile(const fs::path& file, std::string_view text) {
  FileWriter out(file);
  out.Write(text);
  return out.CommitUnique();
}

// A file that cannot be looked at counts as there: reading it then says why.
bool Exists(const fs::path& file) {
  std::error_code error;
  return fs::exists(file, error) || error;
}

// The import's stamp: the time, with "-2", "-3", ... after it while a name it gives is taken.
// A name that cannot be looked at counts as free here: the writes never replace a file anyway.
std::string FreeStamp(const fs::path& folder, const std::function<std::vector<std::string>(std::string_view)>& names) {
  const std::string time = TimeStamp();
  for (int n = 1;; ++n) {
    const std::string stamp = n == 1 ? time : time + "-" + std::to_string(n);
    const std::vector<std::string> taken = names(stamp);
    if (std::none_of(taken.begin(), taken.end(), [&](const std::string& name) {
          std::error_code error;
          return fs::exists(folder / PathFromUtf8(name), error);
        }))
      return stamp;
  }
}

// Clears the status line when the import ends, however it ends.
class StatusCleared {
 public:
  explicit StatusCleared(Ui& ui) : ui_(ui) {}
  ~StatusCleared() {
    try {
      ui_.ShowStatus("");
    } catch (...) {  // a status line that fails is no reason to lose the import's own outcome
    }
  }

 private:
  Ui& ui_;
};

}  // namespace

std::string BadSegmentLineText(const BadSegmentLine& bad) {
  return "第" + std::to_string(bad.line) + "行：" + bad.reason;
}

SegmentList::SegmentList(std::string_view bytes) : text_(ListText(bytes)) {
  std::vector<std::pair<DefaultSegment, int>> read;  // with its line
  std::string_view text = text_;
  bool first = true;
  for (int lineNo = 1; !text.empty(); ++lineNo) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (TrimField(line).empty()) continue;
    std::vector<std::string_view> fields = SplitListLine(line);
    if (std::exchange(first, false) && !IsSegment(fields[0])) continue;  // a header
    auto Bad = [&](const char* reason) { badLines_.push_back({lineNo, reason}); };
    if (!IsSegment(fields[0])) {
      Bad("号段不是7位数字");
    } else if (fields.size() < 2 || fields[1].empty()) {
      Bad("缺少省份");
    } else if (fields.size() < 3 || fields[2].empty()) {
      Bad("缺少城市");
    } else {
      DefaultSegment s{fields[0], ShortProvinceName(fields[1]), ShortCityName(fields[2]), {}, {}};
      for (size_t f = 3; f < fields.size(); ++f) {
        if (IsAreaCode(fields[f])) {
          if (s.areaCode.empty()) s.areaCode = fields[f];
        } else if (!IsPostcode(fields[f]) && !AllDigits(fields[f]) && s.carrier.empty()) {
          s.carrier = fields[f];
        }
      }
      hasAreaCodes_ = hasAreaCodes_ || !s.areaCode.empty();
      read.emplace_back(s, lineNo);
    }
  }
  std::stable_sort(read.begin(), read.end(),
                   [](const auto& a, const auto& b) { return a.first.segment < b.first.segment; });
  segments_.reserve(read.size());
  for (size_t i = 0; i < read.size(); ++i) {
    if (i > 0 && read[i].first.segment == read[i - 1].first.segment) {
      size_t firstOf = i;
      while (firstOf > 0 && read[firstOf - 1].first.segment == read[i].first.segment) --firstOf;
      badLines_.push_back({read[i].second, "号段与第" + std::to_string(read[firstOf].second) + "行重复"});
      continue;
    }
    segments_.push_back(read[i].first);
  }
  std::stable_sort(badLines_.begin(), badLines_.end(),
                   [](const BadSegmentLine& a, const BadSegmentLine& b) { return a.line < b.line; });
  renamings_ = ToTodaysDivisions(segments_, DivisionTable::Shipped());
}

std::string SegmentBackupName(std::string_view name, std::string_view stamp) {
  return std::string(name) + "." + std::string(stamp) + ".bak";
}

std::string SegmentChangeListName(std::string_view stamp) { return "号段变更." + std::string(stamp) + ".txt"; }

SegmentImportResult ImportSegmentList(const fs::path& listFile, const fs::path& baseData,
                                      const MayReplaceSegmentFiles& mayReplace, Ui& ui) {
  StatusCleared cleared(ui);
  ui.ShowStatus("正在读取号段文件...");
  const SegmentList list(ReadWholeFile(listFile));
  SegmentImportResult result;
  result.badLines = list.BadLines();
  result.renamings = list.Renamings();
  if (list.Segments().empty()) {
    std::string message = "号段文件中没有可用的号段：" + PathToUtf8(listFile);
    if (!list.BadLines().empty()) message += "（" + BadSegmentLineText(list.BadLines().front()) + "）";
    throw Error(message + "，未写入任何文件");
  }
  result.segments = static_cast<int>(list.Segments().size());

  // Each file the list gives, with what it holds now; only those whose text changes are written.
  struct DataFile {
    std::string_view name;
    fs::path path;
    std::optional<std::string> old;  // nothing when missing
    std::string text;
  };
  std::vector<DataFile> files;
  std::vector<std::string_view> names = {kRegionFileName, kSegmentFileName};
  if (list.HasAreaCodes()) names.push_back(kAreaCodeFileName);
  for (std::string_view name : names) {
    DataFile& file = files.emplace_back(DataFile{name, baseData / PathFromUtf8(name), {}, {}});
    if (Exists(file.path)) file.old = ReadWholeFile(file.path);
    if (name == kRegionFileName)
      file.text = file.old ? RegionFileText(list.Segments(), *file.old) : RegionFileText(list.Segments());
    if (name == kSegmentFileName) file.text = SegmentFileText(list.Segments());
    if (name == kAreaCodeFileName) file.text = AreaCodeFileText(list.Segments());
  }
  // The segments before and after, compared while the old text is at hand.
  const std::optional<std::string>& oldSegmentText = files[1].old;  // kSegmentFileName's
  std::deque<std::string> quoted;
  const std::string changes = CompareSegments(
      OldSegments(oldSegmentText ? *oldSegmentText : std::string_view(), quoted), list.Segments(), result);
  std::erase_if(files, [](const DataFile& file) { return file.old == file.text; });
  if (files.empty()) {
    result.unchanged = true;
    return result;
  }
  std::vector<std::string_view> replaced;
  for (const DataFile& file : files)
    if (file.old) replaced.push_back(file.name);
  if (!replaced.empty() && !mayReplace(replaced)) return result;

  ui.ShowStatus("正在写入号段库...");

  // The notice of the shipped data no longer describes what is there: it goes aside with the
  // data it described, so the data show as the user's.
  const fs::path notice = baseData / PathFromUtf8(kDefaultDataNoticeFileName);
  std::error_code error;
  const bool hasNotice = fs::is_regular_file(notice, error);
  const std::string stamp = FreeStamp(baseData, [&](std::string_view stamp) {
    std::vector<std::string> taken = {SegmentChangeListName(stamp)};
    for (std::string_view name : replaced) taken.push_back(SegmentBackupName(name, stamp));
    if (hasNotice) taken.push_back(SegmentBackupName(kDefaultDataNoticeFileName, stamp));
    return taken;
  });

  CreateFolders(baseData);
  // Every backup first: a failure on the way then leaves each file as it was.
  for (const DataFile& file : files)
    if (file.old)
      result.backups.push_back(WriteNewFile(baseData / PathFromUtf8(SegmentBackupName(file.name, stamp)), *file.old));
  if (hasNotice)
    result.backups.push_back(WriteNewFile(baseData / PathFromUtf8(SegmentBackupName(kDefaultDataNoticeFileName, stamp)),
                                          ReadWholeFile(notice)));
  for (const DataFile& file : files) {
    WriteFile(file.path, file.text);
    result.files.push_back(file.path);
  }
  result.written = true;
  if (!changes.empty()) {
    std::error_code unknown;
    const fs::path source = fs::absolute(listFile, unknown);
    const std::string header = Utf8ToGbk("号段文件：" + PathToUtf8(unknown ? listFile : source) + "\r\n新增" +
                                         std::to_string(result.added) + "个，删除" + std::to_string(result.removed) +
                                         "个，变更城市" + std::to_string(result.moved) + "个\r\n");
    result.changeList = WriteNewFile(baseData / PathFromUtf8(SegmentChangeListName(stamp)), header + changes);
  }
  if (hasNotice) {
    if (std::error_code removed = CurrentEnv().Remove(notice))
      throw FileError("Cannot delete file \"" + PathToUtf8(notice) + "\". " + removed.message());
  }
  return result;
}

std::string SegmentImportSummary(const SegmentImportResult& result) {
  std::string renamed;
  for (size_t i = 0; i < result.renamings.size(); ++i)
    renamed += (i == 0 ? "\n城市名称改为今日区划：" : "、") + CityRenamingText(result.renamings[i]);
  if (result.unchanged)
    return "号段库没有变化：" + std::to_string(result.segments) + "个号段与现有数据相同，未写入任何文件" + renamed;
  std::string text = "号段库已更新：" + std::to_string(result.segments) + "个号段，新增" +
                     std::to_string(result.added) + "个，删除" + std::to_string(result.removed) + "个，变更城市" +
                     std::to_string(result.moved) + "个";
  if (!result.changeList.empty()) text += "\n变更明细：" + PathToUtf8(result.changeList);
  for (size_t i = 0; i < result.backups.size(); ++i)
    text += (i == 0 ? "\n原文件另存为：" : "、") + PathToUtf8(result.backups[i].filename());
  return text + renamed;
}

}  // namespace telqor
