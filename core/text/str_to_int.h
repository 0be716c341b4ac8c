// Whole numbers from text: the one integer parser of the program, with the two overflow
// rules it needs.
//
// The form: optional leading spaces and tabs, a sign, then decimal digits, or hexadecimal
// digits after "$" or "0x"; nothing may follow. StrToInt and StrToInt64 take what fits in 32
// or 64 bits and raise ConvertError "'%s' is not a valid integer value" (with the text as
// given, GBK shown as the characters it holds) for anything else. IniInteger reads a setting as a 32-bit value: blanks
// may also follow, hexadecimal up to $FFFFFFFF wraps to 32 bits (so $FFFFFFFF is -1) and the sign applies after;
// decimal must lie within the 32-bit range; anything else is no number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text/text.h"

namespace telqor {

int32_t StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);

std::optional<int32_t> IniInteger(std::string_view text);

}  // namespace telqor
