#include "documents/package_text.h"

#include <algorithm>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "documents/zip_archive.h"

namespace telqor {
namespace {

// Whole lines are turned into GBK once this much UTF-8 waits.
constexpr size_t kFlushAt = 1 << 20;

uint64_t SaturatingAdd(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

// bytes * times, or UINT64_MAX when that does not fit.
uint64_t SaturatingTimes(uint64_t bytes, uint64_t times) {
  return times != 0 && bytes > UINT64_MAX / times ? UINT64_MAX : bytes * times;
}

}  // namespace

void PackageText::Refuse() const { throw PackageError("文本超过 " + SizeText(limit_) + "，文件过大，不予读取"); }

void PackageText::EndLine(uint64_t times) {
  Reserve(SaturatingTimes(line_.size() + eol_.size(), times));
  for (uint64_t i = 0; i < times; ++i) {
    done_.append(line_).append(eol_);
    if (done_.size() >= kFlushAt) Flush();
  }
  line_.clear();
}

void PackageText::EmptyLines(uint64_t count) {
  Reserve(SaturatingTimes(eol_.size(), count));
  for (uint64_t i = 0; i < count; ++i) {
    done_.append(eol_);
    if (done_.size() >= kFlushAt) Flush();
  }
}

void PackageText::EndPart() {
  if (!line_.empty()) EndLine();
  Flush();
  partEnds_.push_back(gbk_.size());
}

void PackageText::Flush() {
  gbk_ += Utf8ToGbk(done_);
  done_.clear();
}

std::string PackageText::TakeText() {
  if (!line_.empty()) EndLine();
  Flush();
  return std::move(gbk_);
}

// ---- Documents -----------------------------------------------------------------------------

void DocumentLines::BeforeText() {
  if (!now_.space) return;
  now_.space = false;
  out_.Append(" ");
}

bool DocumentLines::CellHasText() const {
  return !now_.cellStarts.empty() && out_.Line().size() > now_.cellStarts.back();
}

void DocumentLines::Text(std::string_view utf8) {
  if (utf8.empty()) return;
  BeforeText();
  const size_t from = out_.Line().size();
  out_.Append(utf8);
  std::string& line = out_.Line();
  std::replace_if(
      line.begin() + static_cast<ptrdiff_t>(from), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

void DocumentLines::Spaces(uint64_t count) {
  if (count == 0) return;
  BeforeText();
  out_.Reserve(count);
  out_.Line().append(count, ' ');
}

void DocumentLines::EndParagraph() {
  if (!now_.cellStarts.empty())
    now_.space = now_.space || CellHasText();
  else
    out_.EndLine();
}

void DocumentLines::StartRow() {
  if (now_.rowCells.empty()) {
    if (!out_.Line().empty()) out_.EndLine();
  } else {
    now_.space = now_.space || CellHasText();
  }
  now_.rowCells.push_back(0);
}

void DocumentLines::EndRow(uint64_t repeat) {
  if (now_.rowCells.empty()) return;
  now_.rowCells.pop_back();
  if (now_.rowCells.empty()) {
    now_.cellStarts.clear();
    now_.space = false;
    out_.EndLine(repeat);
  } else {
    now_.space = now_.space || CellHasText();
  }
}

void DocumentLines::StartCell() {
  if (!now_.rowCells.empty() && now_.rowCells.back()++ > 0) {
    out_.Append("\t");
    now_.space = false;
  }
  now_.cellStarts.push_back(out_.Line().size());
}

void DocumentLines::EndCell(uint64_t repeat) {
  if (now_.cellStarts.empty()) return;
  const size_t start = now_.cellStarts.back();
  now_.cellStarts.pop_back();
  now_.space = false;
  if (repeat <= 1) return;
  const std::string cell = out_.Line().substr(start);
  out_.Reserve(SaturatingTimes(cell.size() + 1, repeat - 1));
  for (uint64_t i = 1; i < repeat; ++i) out_.Line().append("\t").append(cell);
  if (!now_.rowCells.empty()) now_.rowCells.back() = SaturatingAdd(now_.rowCells.back(), repeat - 1);
}

void DocumentLines::StartStory() {
  now_.line = std::move(out_.Line());
  out_.Line().clear();
  outer_.push_back(std::move(now_));
  now_ = Story{};
}

void DocumentLines::EndStory() {
  if (outer_.empty()) return;
  if (!out_.Line().empty()) out_.EndLine();
  now_ = std::move(outer_.back());
  outer_.pop_back();
  out_.Line() = std::move(now_.line);
  now_.line.clear();
}

void DocumentLines::Finish() {
  while (!outer_.empty()) EndStory();
  if (!out_.Line().empty()) out_.EndLine();
  now_ = Story{};
}

// ---- Sheets --------------------------------------------------------------------------------

void SheetLines::SkipCells(uint64_t count) {
  column_ = SaturatingAdd(column_, count);
  emptyCells_ = SaturatingAdd(emptyCells_, count);
}

void SheetLines::Cell(std::string_view utf8, uint64_t repeat) {
  if (utf8.empty() || repeat == 0) return SkipCells(repeat);
  field_.clear();
  if (utf8.find_first_of("\t\"\r\n") == std::string_view::npos) {
    field_ = utf8;
  } else {
    field_ += '"';
    for (size_t i = 0; i < utf8.size(); ++i) {
      const char c = utf8[i];
      if (c == '"') {
        field_ += "\"\"";
      } else if (c == '\r' || c == '\n') {
        // A line break inside the cell ends a line of the text like any other.
        field_ += out_.Eol();
        if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      } else {
        field_ += c;
      }
    }
    field_ += '"';
  }
  const uint64_t tabs = SaturatingAdd(content_ ? 1 : 0, emptyCells_);
  out_.Reserve(SaturatingAdd(tabs, SaturatingTimes(field_.size() + 1, repeat)));
  std::string& line = out_.Line();
  line.append(tabs, '\t').append(field_);
  for (uint64_t i = 1; i < repeat; ++i) line.append("\t").append(field_);
  column_ = SaturatingAdd(column_, repeat);
  emptyCells_ = 0;
  content_ = true;
}

void SheetLines::SkipRows(uint64_t count) {
  row_ = SaturatingAdd(row_, count);
  emptyRows_ = SaturatingAdd(emptyRows_, count);
}

void SheetLines::EndRow(uint64_t repeat) {
  if (content_) {
    out_.EmptyLines(emptyRows_);
    emptyRows_ = 0;
    out_.EndLine(repeat);
  } else {
    emptyRows_ = SaturatingAdd(emptyRows_, repeat);
  }
  row_ = SaturatingAdd(row_, repeat);
  column_ = emptyCells_ = 0;
  content_ = false;
}

void SheetLines::EndSheet() {
  if (content_) EndRow();
  out_.Line().clear();
  row_ = column_ = emptyCells_ = emptyRows_ = 0;
  out_.EndPart();
}

// ---- Numbers -------------------------------------------------------------------------------

std::string ShownNumber(std::string_view stored) {
  const std::string_view number = TrimBlanks(stored);
  // [sign] digits [. digits] [e [sign] digits], else it is kept as stored.
  const size_t e = number.find_first_of("eE");
  std::string_view mantissa = number.substr(0, e);
  std::string_view exponentText = e == std::string_view::npos ? std::string_view() : number.substr(e + 1);
  const bool negative = !mantissa.empty() && mantissa[0] == '-';
  if (!mantissa.empty() && (mantissa[0] == '-' || mantissa[0] == '+')) mantissa.remove_prefix(1);
  std::string digits;
  int64_t point = -1;  // digits before the decimal point
  for (char c : mantissa) {
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (c == '.' && point < 0) {
      point = static_cast<int64_t>(digits.size());
    } else {
      return std::string(number);
    }
  }
  if (digits.empty()) return std::string(number);
  if (point < 0) point = static_cast<int64_t>(digits.size());
  bool smaller = false;
  if (!exponentText.empty() && (exponentText[0] == '-' || exponentText[0] == '+')) {
    smaller = exponentText[0] == '-';
    exponentText.remove_prefix(1);
  }
  // Far beyond any number a cell holds: kept as stored rather than written in hundreds of digits.
  constexpr int64_t kLargest = 400;
  int64_t exponent = 0;
  for (char c : exponentText) {
    if (c < '0' || c > '9' || exponent > kLargest) return std::string(number);
    exponent = exponent * 10 + (c - '0');
  }
  if (e != std::string_view::npos && exponentText.empty()) return std::string(number);
  if (exponent > kLargest) return std::string(number);
  point += smaller ? -exponent : exponent;

  // The significant digits alone, point counted from the first of them.
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  digits.erase(0, first);
  point -= static_cast<int64_t>(first);
  // Rounded half away from zero to the digits a spreadsheet shows.
  if (digits.size() > kShownDigits) {
    const bool up = digits[kShownDigits] >= '5';
    digits.resize(kShownDigits);
    for (size_t i = kShownDigits; up && i-- > 0;) {
      if (digits[i] != '9') {
        ++digits[i];
        break;
      }
      digits[i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++point;
      }
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string shown = negative ? "-" : "";
  if (point <= 0) {
    shown.append("0.").append(static_cast<size_t>(-point), '0').append(digits);
  } else if (point >= static_cast<int64_t>(digits.size())) {
    shown.append(digits).append(static_cast<size_t>(point) - digits.size(), '0');
  } else {
    shown.append(digits, 0, static_cast<size_t>(point)).append(".").append(digits, static_cast<size_t>(point));
  }
  return shown;
}

}  // namespace telqor
