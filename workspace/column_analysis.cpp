#include "workspace/column_analysis.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/io/safe_name.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"
#include "core/io/text_encoding.h"

namespace telqor {
namespace {

// Whether what stands at text[at], comparing ASCII letters without regard to case and the
// bytes of two-byte characters exactly.
bool MatchesAt(std::string_view text, size_t at, std::string_view what) {
  if (text.size() - at < what.size()) return false;
  for (size_t j = 0; j < what.size();) {
    if (GbkCharLength(what, j) == 2) {
      if (text[at + j] != what[j] || text[at + j + 1] != what[j + 1]) return false;
      j += 2;
    } else {
      if (AsciiLower(text[at + j]) != AsciiLower(what[j])) return false;
      ++j;
    }
  }
  return true;
}

// The first occurrence of what at a character start, from from on.
size_t FindAligned(std::string_view text, std::string_view what, size_t from = 0) {
  if (what.empty()) return std::string_view::npos;
  for (size_t i = from; i < text.size(); i += GbkCharLength(text, i))
    if (MatchesAt(text, i, what)) return i;
  return std::string_view::npos;
}

// text with what replaced, or nothing when it holds no occurrence (the common case, which
// then costs no copy).
std::optional<std::string> Replaced(std::string_view text, std::string_view what, std::string_view with) {
  size_t hit = FindAligned(text, what);
  if (hit == std::string_view::npos) return std::nullopt;
  std::string out;
  out.reserve(text.size());
  size_t done = 0;
  while (hit != std::string_view::npos) {
    out.append(text.substr(done, hit - done)).append(with);
    done = hit + what.size();
    hit = FindAligned(text, what, done);
  }
  out.append(text.substr(done));
  return out;
}

// The row rewritten, or nothing when no step changed it.
std::optional<std::string> Rewritten(std::string_view row, std::string_view what, std::string_view with) {
  static const std::string kNumber = Utf8ToGbk("号码："), kTalkTime = Utf8ToGbk("接听时长："),
                           kMinutes = Utf8ToGbk("分"), kSeconds = Utf8ToGbk("秒");
  std::optional<std::string> out;
  auto step = [&](std::string_view from, std::string_view to) {
    if (auto next = Replaced(out ? std::string_view(*out) : row, from, to)) out = std::move(next);
  };
  if (!what.empty()) step(what, with);
  if (FindAligned(out ? std::string_view(*out) : row, kTalkTime) != std::string_view::npos) {
    step(kNumber, "");
    step(kTalkTime, ",");
    step(kMinutes, "");
    step(kSeconds, "");
  }
  return out;
}

// The first delimiter in line from from on (a character start) that starts at a character:
// the second byte of a two-byte character (眧 is B1 7C) is never taken for a "|".
size_t FindDelimiter(std::string_view line, std::string_view delimiter, size_t from) {
  const char first = delimiter.front();
  for (size_t i = from; i + delimiter.size() <= line.size(); i += GbkCharLength(line, i))
    if (line[i] == first && line.compare(i, delimiter.size(), delimiter) == 0) return i;
  return std::string_view::npos;
}

// A field the numeric sort reads as a number: digits only.
bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The sort key of a field, or nothing when the row cannot be placed.
std::optional<std::string> SortKey(std::string_view field, SortKind kind) {
  if (kind == SortKind::Text || !AllDigits(field)) {
    if (kind == SortKind::Numeric && field.empty()) return std::nullopt;
    return std::string(field);
  }
  int32_t value = 0;
  auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size()) return std::nullopt;  // beyond 32 bits
  char key[16];
  std::snprintf(key, sizeof key, "%.9d", value);
  return std::string(key);
}

// A text that may hold an integer, so that rows of words cost no failed conversion.
bool MayBeInteger(std::string_view text) {
  return !text.empty() && (std::string_view("+-$").find(text.front()) != std::string_view::npos ||
                           (text.front() >= '0' && text.front() <= '9'));
}

}  // namespace

std::vector<std::string_view> SplitAtDelimiter(std::string_view line, std::string_view delimiter) {
  std::vector<std::string_view> fields;
  if (delimiter.empty()) return {line};
  size_t start = 0;
  for (size_t at = FindDelimiter(line, delimiter, 0); at != std::string_view::npos;
       at = FindDelimiter(line, delimiter, start)) {
    fields.push_back(line.substr(start, at - start));
    start = at + delimiter.size();
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::optional<std::string_view> FieldOf(std::string_view line, std::string_view delimiter, int64_t index) {
  if (index < 0) return std::nullopt;
  if (delimiter.empty()) return index == 0 ? std::optional(line) : std::nullopt;
  size_t start = 0;
  for (int64_t i = 0; i < index; ++i) {
    size_t at = FindDelimiter(line, delimiter, start);
    if (at == std::string_view::npos) return std::nullopt;
    start = at + delimiter.size();
  }
  size_t end = FindDelimiter(line, delimiter, start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string ReplaceGbkIgnoringCase(std::string_view text, std::string_view what, std::string_view with) {
  auto out = Replaced(text, what, with);
  return out ? std::move(*out) : std::string(text);
}

std::string CleanRow(std::string_view row, std::string_view what, std::string_view with) {
  auto out = Rewritten(row, what, with);
  return out ? std::move(*out) : std::string(row);
}

size_t ImportRows(ItemList& rows, const std::vector<std::filesystem::path>& files, std::string_view what,
                  std::string_view with) {
  size_t unconvertible = 0;
  for (const auto& file : files) {
    FileContents contents(file);
    const TextEncoding encoding = DetectTextEncoding(contents.view());
    if (encoding == TextEncoding::kGbk)
      rows.AddText(contents.view());
    else
      rows.AddText(DecodeToAnsi(contents.view(), encoding, &unconvertible));
  }
  for (int i = 0; i < rows.Count(); ++i)
    if (auto row = Rewritten(rows.View(i), what, with)) rows.Put(i, std::string_view(*row));
  return unconvertible;
}

int64_t ConditionSetting(ConditionKind kind) {
  switch (kind) {
    case ConditionKind::kGreater:
      return 0;
    case ConditionKind::kEqual:
      return 1;
    case ConditionKind::kLess:
      return 2;
    case ConditionKind::kBetween:
      return 3;
    case ConditionKind::kNone:
      break;
  }
  return -1;
}

ConditionKind ConditionKindOfSetting(int64_t stored) {
  switch (stored) {
    case 0:
      return ConditionKind::kGreater;
    case 1:
      return ConditionKind::kEqual;
    case 2:
      return ConditionKind::kLess;
    case 3:
      return ConditionKind::kBetween;
    default:
      return ConditionKind::kNone;
  }
}

Condition ReadCondition(const AnalysisInputs& inputs) {
  Condition c;
  c.column = StrToInt(inputs.column);
  c.outColumn = StrToInt(inputs.outColumn);
  c.kind = inputs.kind;
  c.a = StrToInt64(inputs.a);
  c.b = StrToInt64(inputs.b);
  return c;
}

void StoreInputs(const AnalysisInputs& inputs, Settings& settings) {
  settings.analysisDelimiter = inputs.delimiter;
  settings.analysisReplace1 = inputs.replace1;
  settings.analysisReplace2 = inputs.replace2;
  try {
    settings.analysisColumn = StrToInt(inputs.column);
    settings.analysisOutputColumn = StrToInt(inputs.outColumn);
    // The settings keep the kind as the dialog's index, as they always have.
    settings.analysisCondition = ConditionSetting(inputs.kind);
    settings.analysisBoundA = StrToInt64(inputs.a);
    settings.analysisBoundB = StrToInt64(inputs.b);
  } catch (const ConvertError&) {
  }
}

bool Matches(const Condition& condition, int64_t value) {
  switch (condition.kind) {
    case ConditionKind::kGreater:
      return value > condition.a;
    case ConditionKind::kEqual:
      return value == condition.a;
    case ConditionKind::kLess:
      return value < condition.a;
    case ConditionKind::kBetween:
      return condition.a <= value && value <= condition.b;
    case ConditionKind::kNone:
      break;
  }
  return false;
}

void Analyse(const ItemList& rows, std::string_view delimiter, const Condition& condition, ItemList& matches, Ui& ui) {
  matches.Clear();
  const int n = rows.Count();
  for (int i = 0; i < n; ++i) {
    if (i % 500 == 0) ui.Progress(i, n);
    std::string_view row = rows.View(i);
    auto field = FieldOf(row, delimiter, condition.column);
    auto out = FieldOf(row, delimiter, condition.outColumn);
    if (!field || !out) continue;
    std::string_view text = TrimBlanks(*field);
    if (!MayBeInteger(text)) continue;
    int64_t value;
    try {
      value = StrToInt64(text);
    } catch (const ConvertError&) {
      continue;
    }
    if (Matches(condition, value)) matches.Add(*out);
  }
  ui.Progress(n, n);
}

std::string RatioText(int matches, int rows) {
  if (rows == 0) return "待定";
  const float ratio = static_cast<float>(static_cast<double>(matches) * 100.0 / rows);
  // Tenths of the single-precision value, which a double holds exactly; a half goes away from zero.
  const auto tenths = static_cast<int64_t>(std::round(static_cast<double>(ratio) * 10.0));
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string ConditionText(const Condition& condition) {
  const std::string a = std::to_string(condition.a);
  switch (condition.kind) {
    case ConditionKind::kGreater:
      return ">" + a;
    case ConditionKind::kEqual:
      return "=" + a;
    case ConditionKind::kLess:
      return "<" + a;
    case ConditionKind::kBetween:
      return "[" + a + "," + std::to_string(condition.b) + "]";
    case ConditionKind::kNone:
      break;
  }
  return "";
}

std::vector<std::string> ReportLines(const Condition& condition, int rows, int matches) {
  return {"过滤条件: " + ConditionText(condition), "原始数据: " + std::to_string(rows),
          "符合数据: " + std::to_string(matches), "比率    : " + RatioText(matches, rows)};
}

std::filesystem::path ReportPath(const std::filesystem::path& file) {
  std::filesystem::path report = file;
  report += PathFromUtf8(".参考比例.txt").native();
  return report;
}

void SaveMatches(const std::filesystem::path& file, const ItemList& matches, const Condition& condition, int rows,
                 std::vector<std::filesystem::path>& written) {
  if (matches.Count() == 0) return;
  matches.SaveToFile(file);
  written.push_back(file);
  FileWriter report(ReportPath(file));
  for (const std::string& line : ReportLines(condition, rows, matches.Count())) report.Write(Utf8ToGbk(line) + "\r\n");
  report.Commit();
  written.push_back(ReportPath(file));
}

void SortRows(ItemList& rows, std::string_view delimiter, int column, SortKind kind, bool descending) {
  struct Entry {
    std::string text;  // key + delimiter + row: the order of the sort
    int row;
  };
  std::vector<Entry> placed;
  std::vector<int> unplaced;
  placed.reserve(static_cast<size_t>(rows.Count()));
  for (int i = 0; i < rows.Count(); ++i) {
    std::string_view row = rows.View(i);
    auto field = FieldOf(row, delimiter, column);
    auto key = field ? SortKey(*field, kind) : std::nullopt;
    if (!key) {
      unplaced.push_back(i);
      continue;
    }
    key->append(delimiter).append(row);
    placed.push_back({std::move(*key), i});
  }
  std::stable_sort(placed.begin(), placed.end(),
                   [](const Entry& a, const Entry& b) { return CompareBytes(a.text, b.text, true) < 0; });
  std::vector<ByteStr> order;
  order.reserve(static_cast<size_t>(rows.Count()));
  if (descending) {
    for (auto e = placed.rbegin(); e != placed.rend(); ++e) order.push_back(rows[e->row]);
  } else {
    for (const Entry& e : placed) order.push_back(rows[e.row]);
  }
  for (int i : unplaced) order.push_back(rows[i]);
  placed.clear();
  placed.shrink_to_fit();
  rows.Clear();
  rows.SetCapacity(static_cast<int>(order.size()));
  for (const ByteStr& row : order) rows.Add(row);
}

ClassifiedExport ExportClassified(const ItemList& rows, std::string_view delimiter, int column,
                                  const std::filesystem::path& folder, Ui& ui) {
  ClassifiedExport done;
  done.folder = folder;
  std::string current;
  std::vector<int> group;  // the rows of the run of current, rows without the field left out
  auto save = [&] {
    if (group.empty()) return;
    // A value that comes back, two values with one safe name (a/b, a_b) or a file of an
    // earlier export keep their files: the later gets "-2", "-3", ...
    FileWriter out(folder / SafeFileName(current, ".txt"));
    for (int row : group) rows.SaveTo(out, row, 1);
    done.written.push_back(out.CommitUnique());
    done.items += static_cast<int64_t>(group.size());
    group.clear();
  };
  for (int i = 0; i < rows.Count(); ++i) {
    auto field = FieldOf(rows.View(i), delimiter, column);
    if (!field) {
      ++done.skipped;
      continue;
    }
    if (*field != current) {
      save();
      current = *field;
    }
    group.push_back(i);
  }
  save();
  done.closing = "分类导出完成：" + SavedCounts(done, "行");
  ui.ShowStatus(done.closing);
  if (done.skipped > 0)
    ui.Inform(std::to_string(done.skipped) + "行没有第" + std::to_string(column) + "列，没有导出；其余的行已导出到" +
              std::to_string(done.written.size()) + "个文件。");
  return done;
}

}  // namespace telqor
