#include "core/io/text_encoding.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"

namespace telqor {
namespace {

// Texts of hundreds of megabytes are converted in pieces of about this many bytes, so the
// intermediate UTF-8 stays small and a save never holds a second copy of the whole text.
constexpr size_t kPiece = 1 << 18;

// The end of the piece of gbk that starts at from: just after the first byte below 0x40 from
// from + kPiece on. Such a byte is neither a lead nor a second byte, so no character is cut.
size_t GbkPieceEnd(std::string_view gbk, size_t from) {
  if (gbk.size() - from <= kPiece) return gbk.size();
  for (size_t i = from + kPiece; i < gbk.size(); ++i)
    if (static_cast<unsigned char>(gbk[i - 1]) < 0x40) return i;
  return gbk.size();
}

template <class Sink>
void ForEachGbkPiece(std::string_view gbk, Sink sink) {
  for (size_t from = 0; from < gbk.size();) {
    size_t end = GbkPieceEnd(gbk, from);
    sink(gbk.substr(from, end - from));
    from = end;
  }
}

void AppendUnit(char*& q, uint32_t unit) {
  *q++ = static_cast<char>(unit & 0xFF);
  *q++ = static_cast<char>(unit >> 8);
}

// UTF-8 as UTF-16 little-endian; a byte that is no UTF-8 becomes U+FFFD.
void AppendUtf8AsUtf16(std::string_view utf8, std::string& out) {
  size_t at = out.size();
  out.resize(at + utf8.size() * 2);  // k bytes of UTF-8 never make more than 2k bytes of UTF-16
  char* q = out.data() + at;
  for (size_t i = 0; i < utf8.size();) {
    uint32_t cp = NextUtf8CodePoint(utf8, i);
    if (cp == kNotUtf8) cp = 0xFFFD;
    UChar units[U16_MAX_LENGTH];
    int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, cp);
    for (int32_t k = 0; k < length; ++k) AppendUnit(q, units[k]);
  }
  out.resize(static_cast<size_t>(q - out.data()));
}

void AppendGbkAsUtf16(std::string_view gbk, std::string& out) {
  if (!IsAscii(gbk)) return AppendUtf8AsUtf16(GbkToUtf8(gbk), out);
  size_t at = out.size();
  out.resize(at + gbk.size() * 2);
  char* q = out.data() + at;
  for (char c : gbk) AppendUnit(q, static_cast<unsigned char>(c));
}

// Utf8ToGbk gives U+10FF00..U+10FFFF back as the single bytes they stand for in the engine's
// own round trip. In a file they are characters GBK cannot hold, and must not become a line
// break or any other byte: they turn into '?' like the rest.
constexpr uint32_t kByteEscapes = 0x10FF00;

std::string FileUtf8ToGbk(std::string_view utf8, size_t& unconvertible) {
  std::string masked;
  for (size_t i = utf8.find("\xF4\x8F"); i != std::string_view::npos; i = utf8.find("\xF4\x8F", i + 2)) {
    unsigned char third = i + 2 < utf8.size() ? static_cast<unsigned char>(utf8[i + 2]) : 0;
    if (third < 0xBC || third > 0xBF) continue;
    if (masked.empty()) masked = utf8;
    masked[i + 2] = '\xBB';  // U+10FExx: unmapped as well
  }
  return Utf8ToGbk(masked.empty() ? utf8 : std::string_view(masked), unconvertible);
}

// What ForEachUtf16CodePoint gives for a surrogate without its other half.
constexpr uint32_t kLoneSurrogate = UINT32_MAX;

// Each character of UTF-16 bytes in order, as its code point (kLoneSurrogate for a surrogate
// without its other half). A lone last byte is a unit of its own value.
template <class Put>
void ForEachUtf16CodePoint(std::string_view bytes, bool bigEndian, Put put) {
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t n = bytes.size();
  auto unit = [&](size_t i) -> uint32_t {
    if (i + 1 >= n) return p[i];
    return bigEndian ? (uint32_t{p[i]} << 8 | p[i + 1]) : (p[i] | uint32_t{p[i + 1]} << 8);
  };
  for (size_t i = 0; i < n;) {
    uint32_t cp = unit(i);
    i += 2;
    if (U16_IS_SURROGATE(cp)) {
      uint32_t low = i < n ? unit(i) : 0;
      if (U16_IS_SURROGATE_LEAD(cp) && U16_IS_TRAIL(low)) {
        cp = U16_GET_SUPPLEMENTARY(cp, low);
        i += 2;
      } else {
        cp = kLoneSurrogate;
      }
    }
    put(cp);
  }
}

}  // namespace

std::string Utf16ToGbk(std::string_view bytes, bool bigEndian, size_t* unconvertible) {
  std::string out;
  out.reserve(bytes.size() / 2);  // exact for ASCII, the usual content of number lists
  std::string utf8;
  utf8.reserve(kPiece + 4);
  uint32_t all = 0;  // the code points OR-ed: below 0x80 for a piece of ASCII
  size_t lost = 0;
  auto flush = [&] {
    if (all < 0x80)
      out += utf8;
    else
      out += Utf8ToGbk(utf8, lost);
    utf8.clear();
    all = 0;
  };
  ForEachUtf16CodePoint(bytes, bigEndian, [&](uint32_t cp) {
    if (cp == kLoneSurrogate || cp >= kByteEscapes) {
      cp = '?';
      ++lost;
    }
    all |= cp;
    AppendUtf8(utf8, cp);
    if (utf8.size() >= kPiece) flush();
  });
  flush();
  if (unconvertible) *unconvertible += lost;
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() / 2 * 3);
  ForEachUtf16CodePoint(bytes, bigEndian, [&](uint32_t cp) { AppendUtf8(out, cp == kLoneSurrogate ? 0xFFFD : cp); });
  return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  AppendUtf8AsUtf16(utf8, out);
  return out;
}

std::string Utf16BeToLe(std::string_view bytes) {
  std::string out(bytes.size() + bytes.size() % 2, '\0');
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out[i] = bytes[i + 1];
    out[i + 1] = bytes[i];
  }
  if (bytes.size() % 2) out[bytes.size() - 1] = bytes.back();  // a lone last byte: a unit of its value
  return out;
}

std::string GbkToUtf16(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 2);
  ForEachGbkPiece(gbk, [&](std::string_view piece) { AppendGbkAsUtf16(piece, out); });
  return out;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) return TextEncoding::kUtf16Le;
  if (bytes.starts_with(kUtf8Mark)) return TextEncoding::kUtf8Marked;
  if (bytes.starts_with(kUtf16BeMark)) return TextEncoding::kUtf16Be;
  return IsUtf8BeyondAscii(bytes) ? TextEncoding::kUtf8 : TextEncoding::kGbk;
}

TextEncoding DetectFileEncoding(const std::filesystem::path& file) {
  RandomAccessFile in(file);
  std::string buffer(kPiece * 4, '\0');
  const auto* bytes = reinterpret_cast<const uint8_t*>(buffer.data());
  size_t got = in.ReadAt(0, buffer.data(), 3);
  TextEncoding marked = DetectTextEncoding(std::string_view(buffer.data(), got));
  if (marked != TextEncoding::kGbk && marked != TextEncoding::kUtf8) return marked;
  // Piece by piece, no character cut between two: a piece ends before a sequence it holds only
  // the start of (one that cannot become well-formed stays, and fails the piece).
  bool beyondAscii = false;
  size_t carried = 0;
  for (uint64_t at = 0;;) {
    got = in.ReadAt(at, buffer.data() + carried, buffer.size() - carried);
    at += got;
    size_t size = carried + got;
    int32_t end = static_cast<int32_t>(size);  // signed: the macro looks back by subtracting
    if (got > 0) U8_TRUNCATE_IF_INCOMPLETE(bytes, 0, end);
    const size_t cut = static_cast<size_t>(end);
    std::string_view piece(buffer.data(), cut);
    if (!IsAscii(piece)) {
      if (!IsUtf8BeyondAscii(piece)) return TextEncoding::kGbk;
      beyondAscii = true;
    }
    if (got == 0) break;
    carried = size - cut;
    std::memmove(buffer.data(), buffer.data() + cut, carried);
  }
  return beyondAscii ? TextEncoding::kUtf8 : TextEncoding::kGbk;
}

std::string DecodeToAnsi(std::string_view bytes, TextEncoding encoding, size_t* unconvertible) {
  size_t lost = 0;
  std::string text;
  switch (encoding) {
    case TextEncoding::kGbk:
      return std::string(bytes);
    case TextEncoding::kUtf8:
      text = FileUtf8ToGbk(bytes, lost);
      break;
    case TextEncoding::kUtf8Marked:
      text = FileUtf8ToGbk(bytes.substr(kUtf8Mark.size()), lost);
      break;
    case TextEncoding::kUtf16Le:
    case TextEncoding::kUtf16Be: {
      std::string_view body = bytes.substr(2);
      // A mark followed by less than one whole character holds no text.
      if (body.size() >= 2) text = Utf16ToGbk(body, encoding == TextEncoding::kUtf16Be, &lost);
      break;
    }
  }
  if (unconvertible) *unconvertible += lost;
  return text;
}

std::string LoadTextAsAnsi(const std::filesystem::path& file, size_t* unconvertible) {
  std::string bytes = ReadWholeFile(file);
  const TextEncoding encoding = DetectTextEncoding(bytes);
  if (encoding == TextEncoding::kGbk) return bytes;
  return DecodeToAnsi(bytes, encoding, unconvertible);
}

std::string UnconvertibleText(size_t count) { return std::to_string(count) + "个字符无法转换为GBK"; }

void SaveAsUtf8(const std::filesystem::path& file, std::string_view ansi, bool withMark) {
  if (ansi.empty()) return;
  FileWriter out(file);
  if (withMark) out.Write(kUtf8Mark);
  ForEachGbkPiece(ansi, [&](std::string_view piece) {
    if (IsAscii(piece))
      out.Write(piece);
    else
      out.Write(GbkToUtf8(piece));
  });
  out.Commit();
}

void SaveAsUtf16(const std::filesystem::path& file, std::string_view ansi, bool withMark) {
  if (ansi.empty()) return;
  FileWriter out(file);
  if (withMark) out.Write(kUtf16LeMark);
  std::string units;
  ForEachGbkPiece(ansi, [&](std::string_view piece) {
    units.clear();
    AppendGbkAsUtf16(piece, units);
    out.Write(units);
  });
  out.Commit();
}

}  // namespace telqor
