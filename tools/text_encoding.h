// Text files in the common Unicode encodings, read into and written from the ANSI code page
// (GBK) that the engine works in.
//
// A file that starts with a byte-order mark (FF FE: UTF-16 little-endian, EF BB BF: UTF-8,
// FE FF: UTF-16 big-endian) is converted; any other file is GBK text already and is taken byte
// for byte. Line breaks are never touched. GBK bytes that start no character become U+FFFD on
// the way out; characters GBK cannot hold, bytes that are no UTF-8 and unpaired surrogates
// become '?' on the way in. All functions are thread-safe and linear in the text's size.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace telqor {

inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Whether the bytes start with one of the marks: LoadTextAsAnsi converts them, any other
// bytes it takes as they are.
inline bool HasByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16BeMark);
}

// The whole file's text in GBK, without its mark. "Cannot open file "%s". %s" when it cannot
// be read.
std::string LoadTextAsAnsi(const std::filesystem::path& file);

// Replace the file (written beside it, moved on success) with the GBK text as UTF-8, or as
// UTF-16 little-endian, after the mark when withMark. An empty text writes nothing: the file
// is neither created nor changed.
void SaveAsUtf8(const std::filesystem::path& file, std::string_view ansi, bool withMark);
void SaveAsUtf16(const std::filesystem::path& file, std::string_view ansi, bool withMark);

// UTF-16 bytes (no mark) as GBK. An odd last byte is a character of its own, of that value.
std::string Utf16ToGbk(std::string_view bytes, bool bigEndian);
// GBK text as UTF-16 little-endian bytes, without a mark.
std::string GbkToUtf16(std::string_view gbk);

}  // namespace telqor
