// GBK (code page 936, exactly as Chinese Windows maps it) to and from UTF-8.
//
// Item data stay GBK bytes inside the engine; these functions are the edges: display text,
// text typed by the user, file names built from item data, and the UTF-8 form in which
// patterns are matched. The tables come from the platform's code page 936 (core/text/cp936.h), built
// once on first use; all functions are thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace telqor {

// For display: a byte that starts no valid GBK character becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// Lossless: a byte that starts no valid GBK character becomes the code point U+10FF00 + byte,
// which Utf8ToGbk turns back into that byte. Utf8ToGbk(GbkToUtf8Lossless(s)) == s for any s.
std::string GbkToUtf8Lossless(std::string_view gbk);

// A character GBK cannot hold becomes '?', as does a byte that is not valid UTF-8.
std::string Utf8ToGbk(std::string_view utf8);
// Utf8ToGbk, adding to unconvertible the number of '?' it put in place of a character or a
// byte (a '?' of the text itself is not counted).
std::string Utf8ToGbk(std::string_view utf8, size_t& unconvertible);

// What NextUtf8CodePoint answers for a byte that starts no well-formed sequence.
inline constexpr uint32_t kNotUtf8 = UINT32_MAX;
// The code point of the UTF-8 sequence at utf8[i], i moved past it; kNotUtf8 for a byte that
// starts no well-formed sequence (an overlong form, a surrogate, beyond U+10FFFF, cut short),
// i then moved past that byte alone.
uint32_t NextUtf8CodePoint(std::string_view utf8, size_t& i);
// Appends the code point (at most U+10FFFF, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, uint32_t codePoint);

// Whether s is well-formed UTF-8 holding at least one character beyond ASCII: what tells a
// UTF-8 file without a mark from a GBK one. Linear, ASCII taken eight bytes at a time; GBK
// text nearly always fails at its first characters beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view s);

bool IsAscii(std::string_view s);

// Text quoted in a message, shown as the characters it holds: the program passes typed and item
// text as GBK, but a command-line value may arrive as UTF-8. Well-formed UTF-8 (ASCII included)
// is taken as it is, anything else as GBK; GBK text of more than a character or two is almost
// never well-formed UTF-8.
std::string QuotedText(std::string_view text);

// A GBK lead byte: a two-byte character starts here when a byte follows.
inline bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
// The length of the character at text[i] as a byte walk counts it: two for a lead byte with a
// byte after it, else one. A second byte never ends or starts a field or a match.
inline size_t GbkCharLength(std::string_view text, size_t i) {
  return IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// The code point of the character at text[i] as GbkToUtf8Lossless reads it, and its length in
// bytes (1 or 2): a lead byte followed by a trail byte forms one character when the pair is
// mapped. 0 for a byte that starts no valid character (its length is then 1).
uint32_t GbkCodePointAt(std::string_view text, size_t i, size_t& length);

}  // namespace telqor
