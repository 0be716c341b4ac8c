#include "generate/segment_generation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"

namespace telqor {

namespace {

constexpr int kChosenLength = 11;

// Every segment is checked before the first number is made.
void RefuseOutOfRange(const std::vector<std::string>& segments, int length) {
  for (const std::string& segment : segments)
    if (std::string refusal = RefusalOf(segment, length); !refusal.empty()) throw Error(refusal);
}

}  // namespace

std::string RefusalOf(std::string_view segment, int length) {
  std::string_view text = TrimBlanks(segment);
  if (text.empty() || length - static_cast<int>(text.size()) <= kMaxFillDigits) return {};
  return "号段" + GbkToUtf8Lossless(text) + "到长度" + std::to_string(length) + "需要补" +
         std::to_string(length - static_cast<int>(text.size())) + "位数字,超过了" + std::to_string(kMaxFillDigits) +
         "位,没有生成号码。";
}

void ExpandSegment(std::string_view segment, int length, ItemList& out) {
  std::string_view text = TrimBlanks(segment);
  if (text.empty()) return;
  size_t size = length > 0 ? static_cast<size_t>(length) : 0;
  std::string low(text), high(text);
  if (low.size() < size) low.append(size - low.size(), '0');
  if (high.size() < size) high.append(size - high.size(), '9');
  low.resize(std::min(low.size(), size));
  high.resize(std::min(high.size(), size));
  int64_t first, last;
  try {
    first = StrToInt64(low), last = StrToInt64(high);
  } catch (const ConvertError&) {
    // Name the segment as typed: the filled text may end inside a two-byte character.
    StrToInt64(text);
    throw;
  }
  int32_t span = static_cast<int32_t>(static_cast<uint64_t>(last) - static_cast<uint64_t>(first));
  if (span < 0) return;
  int64_t needed = static_cast<int64_t>(out.Count()) + span + 1;
  if (needed > out.Capacity() && needed <= INT32_MAX)
    out.SetCapacity(
        static_cast<int>(std::min<int64_t>(std::max<int64_t>(needed, out.Capacity() * 3LL / 2), INT32_MAX)));
  char digits[24];
  for (int64_t n = first, end = first + span; n <= end; ++n) {
    auto [p, error] = std::to_chars(digits, digits + sizeof digits, n);
    out.Add(std::string_view(digits, static_cast<size_t>(p - digits)));
  }
}

void GenerateFromTypedSegments(const std::vector<std::string>& lines, std::string_view lengthText, NumberList& source,
                               Ui& ui) {
  int length = StrToInt(lengthText);
  RefuseOutOfRange(lines, length);
  ChangeList(source, ui, nullptr, "号段生成完成！", [&](ItemList& items) {
    for (const std::string& line : lines) ExpandSegment(line, length, items);
  });
}

void GenerateFromChosenSegments(const std::vector<std::string>& segments, NumberList& source, Ui& ui) {
  RefuseOutOfRange(segments, kChosenLength);
  std::string start = "开始导入号段,共" + std::to_string(segments.size()) + "个...";
  ChangeList(source, ui, start.c_str(), "号段生成完成！", [&](ItemList& items) {
    for (size_t i = 0; i < segments.size(); ++i) {
      if (i % 200 == 0) ui.Progress(static_cast<int64_t>(i), static_cast<int64_t>(segments.size()));
      ExpandSegment(segments[i], kChosenLength, items);
    }
  });
}

std::string CheckSegments(const std::vector<std::string>& lines, const SegmentDatabase& db) {
  std::string report;
  for (const std::string& line : lines) {
    std::string_view segment = TrimBlanks(line);
    if (segment.size() > 6) segment = segment.substr(0, 7);
    if (!db.HasSegment(segment)) report.append(line).append("\r\n");
  }
  return report;
}

}  // namespace telqor
