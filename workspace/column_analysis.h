// Column data analysis: text files whose lines are records of delimited fields (call records
// and the like). Rows are imported with a clean-up, filtered by a numeric condition on one
// field (collecting another field of every matching row), sorted by a field, and exported
// whole, as the matches with a small report, or split into one file per value of a field.
// Rows, fields and the texts typed in the dialog are GBK bytes; messages are UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/settings.h"
#include "core/program/ui.h"
#include "files/saved_files.h"

namespace telqor {

// ---- Fields -------------------------------------------------------------------------------

// The pieces of line between occurrences of delimiter, left to right, each delimiter removed
// whole; an occurrence counts only where it starts at a character, never on the second byte
// of a two-byte GBK character. The last piece (possibly empty) is the last field. A line
// without the delimiter, or an empty delimiter, is one field. Joining the fields with the
// delimiter gives the line back.
std::vector<std::string_view> SplitAtDelimiter(std::string_view line, std::string_view delimiter);
// Field index of line (from 0), or nothing when the line has no such field.
std::optional<std::string_view> FieldOf(std::string_view line, std::string_view delimiter, int64_t index);

// ---- Import -------------------------------------------------------------------------------

// text with every occurrence of what replaced by with, ASCII letters compared without regard
// to case. Occurrences are looked for at character starts only, so a match never begins on
// the second byte of a two-byte character; an empty what changes nothing.
std::string ReplaceGbkIgnoringCase(std::string_view text, std::string_view what, std::string_view with);

// An imported row rewritten: what replaced by with (when what is not empty), then, in a call
// record carrying "接听时长：", "号码：", "分" and "秒" deleted and "接听时长：" made a
// comma, so "号码：13800000000接听时长：3分25秒" becomes "13800000000,325".
std::string CleanRow(std::string_view row, std::string_view what, std::string_view with);

// Appends the lines of each file to rows, in order, then rewrites every row, those imported
// before included, with CleanRow. Files are read in their encoding (core/io/text_encoding.h):
// UTF-8 and UTF-16 become GBK, characters GBK cannot hold '?'. A file that cannot be read
// stops the import ("Cannot open file ..."): the files before it stay appended, not yet
// rewritten. Answers the characters written as '?'.
size_t ImportRows(ItemList& rows, const std::vector<std::filesystem::path>& files, std::string_view what,
                  std::string_view with);

// ---- Analysis -----------------------------------------------------------------------------

// The kinds of condition; kNone (none chosen) matches nothing.
enum class ConditionKind { kNone, kGreater, kEqual, kLess, kBetween };

// The kind as the settings store it (DAFixIndex): the index of its item in the dialog's list
// (>, =, <, []), -1 for none. A stored value outside the list reads as none.
int64_t ConditionSetting(ConditionKind kind);
ConditionKind ConditionKindOfSetting(int64_t stored);

struct Condition {
  int32_t column = 0;  // C: the field compared
  ConditionKind kind = ConditionKind::kGreater;
  int64_t a = 0;
  int64_t b = 0;          // upper bound of kBetween
  int32_t outColumn = 0;  // O: the field collected
};

// The dialog's input texts as typed (GBK), and the kind chosen.
struct AnalysisInputs {
  std::string delimiter, replace1, replace2;
  std::string column, outColumn;
  ConditionKind kind = ConditionKind::kGreater;
  std::string a, b;
};

// C and O as 32-bit integers, the kind, A and B as 64-bit integers, read in this order; a
// text that is no integer raises "'%s' is not a valid integer value".
Condition ReadCondition(const AnalysisInputs& inputs);
// Stores the inputs into the settings in the order delimiter, both replacement texts, C, O,
// kind, A, B; a number that does not convert ends the storing silently, the values taken so
// far stored, the others left as they were.
void StoreInputs(const AnalysisInputs& inputs, Settings& settings);

bool Matches(const Condition& condition, int64_t value);

// Empties matches, then adds field O of every row whose trimmed field C is an integer
// meeting the condition, in row order. Rows lacking field C or O, or whose field C is no
// integer, are passed over. Lets the interface repaint every 500 rows (ui.Progress).
void Analyse(const ItemList& rows, std::string_view delimiter, const Condition& condition, ItemList& matches, Ui& ui);

// matches * 100 / rows as a single-precision number with one decimal and "%" ("33.3%"),
// halves rounded away from zero; "待定" when there are no rows.
std::string RatioText(int matches, int rows);
// ">10", "=10", "<10" or "[10,20]"; empty for no kind.
std::string ConditionText(const Condition& condition);
// The report of a save: "过滤条件: ", "原始数据: ", "符合数据: ", "比率    : " lines (UTF-8).
std::vector<std::string> ReportLines(const Condition& condition, int rows, int matches);

// The report file of the matches saved to file: file + ".参考比例.txt".
std::filesystem::path ReportPath(const std::filesystem::path& file);
// When matches is not empty, saves them to file and the report (GBK) to ReportPath(file),
// adding each to written once it stands complete under its name. Nothing when it is empty.
void SaveMatches(const std::filesystem::path& file, const ItemList& matches, const Condition& condition, int rows,
                 std::vector<std::filesystem::path>& written);

// ---- Sorting and exports ------------------------------------------------------------------

enum class SortKind { Numeric, Text };

// Sorts the rows by field column as text, or numerically: a field of digits only within 32
// bits is compared as its value written with at least 9 digits ("%.9d"), anything else as
// its text. Keys compare as bytes, equal keys by the whole row. Rows the sort cannot place (no
// such field; in a numeric sort an empty key or digits beyond 32 bits) follow the sorted ones
// in the order they had.
void SortRows(ItemList& rows, std::string_view delimiter, int column, SortKind kind, bool descending);

struct ClassifiedExport : SavedFiles {
  int skipped = 0;  // rows without the field, not exported
};

// Every run of consecutive rows sharing field column goes into folder / SafeFileName(value,
// ".txt"), so a value never names a file outside folder ("../x", "/abs", "a/b" stay one name
// inside it), and the empty value is "_.txt". No file is replaced, neither one of an earlier
// export nor one this export wrote (a value that comes back, two values with one safe name):
// the later file gets "-2.txt", "-3.txt", ... after the value. Rows lacking the field are left
// out (they neither join nor break a run); the others are all written. Ends with
// "分类导出完成：共<k>个文件，<n>行，保存在 <folder>" in the status line and, when rows were left
// out, a message saying how many.
ClassifiedExport ExportClassified(const ItemList& rows, std::string_view delimiter, int column,
                                  const std::filesystem::path& folder, Ui& ui);

}  // namespace telqor
