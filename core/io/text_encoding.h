// Text files in the common Unicode encodings, read into and written from the ANSI code page
// (GBK) that the engine works in.
//
// A file that starts with a byte-order mark (FF FE: UTF-16 little-endian, EF BB BF: UTF-8,
// FE FF: UTF-16 big-endian) is read in that encoding. A file without one is UTF-8 when the
// whole of it is well-formed UTF-8 holding at least one character beyond ASCII (the way most
// programs save text today), and GBK text otherwise, taken byte for byte; ASCII is the same
// either way. Line breaks are never touched. GBK bytes that start no character become U+FFFD
// on the way out; characters GBK cannot hold, bytes that are no UTF-8 and unpaired surrogates
// become '?' on the way in, and are counted where the caller asks. All functions are
// thread-safe and linear in the text's size.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace telqor {

inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Whether the bytes start with one of the marks.
inline bool HasByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16BeMark);
}

enum class TextEncoding { kGbk, kUtf8, kUtf8Marked, kUtf16Le, kUtf16Be };

// The encoding a file of these bytes is read in: by its mark, else kUtf8 for the whole being
// UTF-8 beyond ASCII, else kGbk (ASCII and empty files included).
TextEncoding DetectTextEncoding(std::string_view bytes);

// DetectTextEncoding of a whole file, read a piece at a time (never held whole).
TextEncoding DetectFileEncoding(const std::filesystem::path& file);

// The text of bytes in encoding, as GBK without the mark. For kGbk the bytes themselves.
// Adds to *unconvertible (when given) the characters written as '?'.
std::string DecodeToAnsi(std::string_view bytes, TextEncoding encoding, size_t* unconvertible = nullptr);

// The whole file's text in GBK, without its mark. "Cannot open file "%s". %s" when it cannot
// be read. Adds to *unconvertible (when given) the characters written as '?'.
std::string LoadTextAsAnsi(const std::filesystem::path& file, size_t* unconvertible = nullptr);

// "N个字符无法转换为GBK": what the user is told of characters lost to '?'.
std::string UnconvertibleText(size_t count);

// Replace the file (written beside it, moved on success) with the GBK text as UTF-8, or as
// UTF-16 little-endian, after the mark when withMark. An empty text writes nothing: the file
// is neither created nor changed.
void SaveAsUtf8(const std::filesystem::path& file, std::string_view ansi, bool withMark);
void SaveAsUtf16(const std::filesystem::path& file, std::string_view ansi, bool withMark);

// UTF-16 bytes (no mark) as GBK. An odd last byte is a character of its own, of that value.
// Adds to *unconvertible (when given) the characters written as '?'.
std::string Utf16ToGbk(std::string_view bytes, bool bigEndian, size_t* unconvertible = nullptr);
// GBK text as UTF-16 little-endian bytes, without a mark.
std::string GbkToUtf16(std::string_view gbk);

// Between the Unicode encodings directly, so that no character is lost on the way through
// GBK. A byte that is no UTF-8 and an unpaired surrogate become U+FFFD; an odd last byte of
// UTF-16 is a character of its own, of that value. No marks.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16Le(std::string_view utf8);
// UTF-16 big-endian bytes as little-endian ones.
std::string Utf16BeToLe(std::string_view bytes);

}  // namespace telqor
