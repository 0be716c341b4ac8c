// Whole-number conversion of text typed by the user, and the blank trimming of input fields.
//
// Accepts optional leading blanks, a sign, and decimal digits or hexadecimal after "$" or
// "0x"; anything else (a trailing blank too) raises EConvertError
// "'%s' is not a valid integer value" with the text as given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace telqor {

int32_t StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);

// The text without leading and trailing blanks and control characters (bytes up to 32).
std::string_view TrimBlanks(std::string_view text);

}  // namespace telqor
