// Number clean-up: mobile numbers written the ways people write them ("+86 138 0013 8000",
// "0086-138-0013-8000", "(+86)13800138000", "138.0013.8000", full-width digits) become their
// eleven digits; every other line stays byte for byte as it was.
//
// A line qualifies when, walked character by character in GBK, it holds only digits (ASCII or
// full-width) and separators (space, tab, "-", ".", "(", ")", "+" and their full-width forms,
// the ideographic space among them), and its digits are eleven starting with "1", alone or
// after "86" or "0086". Items are GBK bytes; the second byte of a two-byte character is never
// taken for a digit or a separator.
#pragma once

#include <string_view>

#include "core/lists/item_list.h"

namespace telqor {

inline constexpr size_t kMobileDigits = 11;

// The eleven digits the line stands for, written to digits; false when the line does not
// qualify (digits is then undefined).
bool NormalizedMobile(std::string_view line, char (&digits)[kMobileDigits]);

// Replaces every qualifying line of items by its eleven digits, in place; answers how many
// lines changed (a line already in its eleven digits does not count). A plain list is worked
// on across the cores; a sorted list refuses the first change ("Cannot change item of sorted
// SList") before anything changed.
int NormalizeLines(ItemList& items);

}  // namespace telqor
