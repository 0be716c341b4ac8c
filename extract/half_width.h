// Full-width characters folded to ASCII, as extraction reads text: all of them, or only those
// that change what numbers and addresses are found.
#pragma once

#include <string>
#include <string_view>

namespace telqor {

// The position of the first character ToHalfWidth would fold, or npos.
size_t FirstHalfWidthFold(std::string_view text);
// Full-width forms folded to ASCII, in place: the ideographic space becomes a space and
// "！" .. "～" (U+FF01 .. U+FF5E) become "!" .. "~", so full-width digits become digits. Every
// other byte stays as it is.
void ToHalfWidth(std::string& text);
// ToHalfWidth from the first character to fold, at `from` (FirstHalfWidthFold's answer).
void FoldHalfWidthFrom(std::string& text, size_t from);

// Folds the full-width characters whose ASCII form is a digit or may be part of an address,
// copying text into out; false (out untouched) when there is none. Only these change what
// numbers and addresses are found.
bool FoldWhatMatters(std::string_view text, std::string& out);

}  // namespace telqor
