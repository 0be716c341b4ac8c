// Numbers from segments: each segment widened to every number of a length that begins with it
// (a seven-digit segment with length 11 gives its 10,000 numbers, ascending), appended to the
// source list without sorting or duplicate checks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "segments/segment_database.h"
#include "workspace/number_list.h"

namespace telqor {

// At most this many digits may be left to fill after a segment: 10^9 numbers, 16 GB of list.
inline constexpr int kMaxFillDigits = 9;

// Appends the numbers of one segment (trimmed; empty: none) brought to length.
void ExpandSegment(std::string_view segment, int length, ItemList& out);

// The message refusing a segment that leaves more than kMaxFillDigits digits to fill, or empty.
std::string RefusalOf(std::string_view segment, int length);

// "  输入号段   ": every line (trimmed, empty ones skipped) with lengthText as the length.
// "   导入号段   ": the chosen segments with length 11, announced with their count.
// Every segment is checked first: one that leaves too many digits stops the run before any
// number is made. A segment that is no number after filling stops the run there with the
// conversion error; the numbers made before it stay.
void GenerateFromTypedSegments(const std::vector<std::string>& lines, std::string_view lengthText, NumberList& source,
                               Ui& ui);
void GenerateFromChosenSegments(const std::vector<std::string>& segments, NumberList& source, Ui& ui);

// "7位号段有效检查": every line whose segment (trimmed, its first seven characters when longer
// than six) is not in the database, as typed, each followed by CR LF.
std::string CheckSegments(const std::vector<std::string>& lines, const SegmentDatabase& db);

}  // namespace telqor
