// Small text helpers shared by the engine: trimming, ASCII letter case and percent-escaping.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace telqor {

// The text without leading and trailing blanks and control characters (bytes up to 32), as
// input fields are cleaned.
std::string_view TrimBlanks(std::string_view text);
// The text without leading and trailing spaces and tabs, as INI lines are cleaned.
std::string_view TrimSpaces(std::string_view text);

// ASCII letters folded to lower case; every other byte (GBK too) unchanged.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal when ASCII letters are compared without regard to case.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// A count as people read it, grouped by thousands: "17,241,963", "-1,000", "12".
std::string GroupedCount(int64_t count);

// bytes with every byte but ASCII letters, digits and those in plain as %XX (upper-case hex), as
// URLs and desktop files write paths.
std::string PercentEscaped(std::string_view bytes, std::string_view plain);

}  // namespace telqor
