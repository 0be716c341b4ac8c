#include "extract/text_pieces.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "extract/email_scan.h"

namespace telqor {

namespace {

bool IsDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

bool IsWideDigit(unsigned char lead, unsigned char trail) { return lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9; }

// The digits of the run from `from` on, ASCII or full-width ("０" is A3 B0); npos when the run
// may go on past the bytes known. `from` starts a character.
size_t DigitsFrom(const KnownBytes& k, size_t from) {
  size_t count = 0;
  for (size_t at = from;; ++count) {
    if (at >= k.n) return k.endCut ? count : std::string_view::npos;
    if (IsDigit(k.d[at])) {
      ++at;
    } else if (k.d[at] == 0xA3 && at + 1 >= k.n && !k.endCut) {
      return std::string_view::npos;
    } else if (at + 1 < k.n && IsWideDigit(k.d[at], k.d[at + 1])) {
      at += 2;
    } else {
      return count;
    }
  }
}

// Where the run of ASCII digits that ends just before `to` starts; npos when a full-width digit
// or a byte not known may belong to it.
size_t AsciiRunStart(const KnownBytes& k, size_t to) {
  size_t s = to;
  while (s > 0 && IsDigit(k.d[s - 1])) --s;
  if (s == 0) return k.startCut ? 0 : std::string_view::npos;
  if (k.d[s - 1] >= 0xB0 && k.d[s - 1] <= 0xB9 && (s >= 2 ? k.d[s - 2] == 0xA3 : !k.startCut))
    return std::string_view::npos;
  return s;
}

bool IsFirstGroup(const unsigned char* run, size_t length) {
  return length == 3 || (length == 5 && run[0] == '8' && run[1] == '6') ||
         (length == 7 && std::memcmp(run, "0086", 4) == 0);
}

bool IsPrefix(const unsigned char* run, size_t length) {
  return (length == 2 && run[0] == '8' && run[1] == '6') || (length == 4 && std::memcmp(run, "0086", 4) == 0);
}

// Whether the blank at i may join two groups of a mobile number written in groups, as the scan
// takes them (the mobile rule left aside): "86" or "0086" and a first group, a first group and a
// second, a second group and a third. Only then does a blank between digits matter: one between
// other runs ("13800000000 13900000000", "1234 5678 9012") may end a piece.
bool MayJoinGroups(const KnownBytes& k, size_t i) {
  const size_t after = DigitsFrom(k, i + 1);
  if (after == std::string_view::npos) return true;
  if (after != 3 && after != 4) return false;
  const size_t a = AsciiRunStart(k, i);
  if (a == std::string_view::npos) return true;
  if (a == i) return false;  // no digit before
  if (after == 3) return IsPrefix(k.d + a, i - a);
  if (IsFirstGroup(k.d + a, i - a)) return true;
  if (i - a != 4) return false;
  // A second group: one separator before it, and a first group before that.
  size_t separator = 0;
  if (a >= 1 && (k.d[a - 1] == ' ' || k.d[a - 1] == '-')) {
    separator = 1;
  } else if (a >= 2 && k.d[a - 1] == 0xA1 && k.d[a - 2] == 0xA1) {
    separator = 2;
  } else if (a < 2 && !k.startCut) {
    return true;
  }
  if (separator == 0) return false;
  const size_t c = AsciiRunStart(k, a - separator);
  if (c == std::string_view::npos) return true;
  return IsFirstGroup(k.d + c, a - separator - c);
}

}  // namespace

bool MayEndAfter(const KnownBytes& k, size_t i) {
  const unsigned char c = k.d[i];
  if (c >= '0' || IsMailChar(c)) return false;
  return c != ' ' || !MayJoinGroups(k, i);
}

size_t PieceEnd(std::string_view text, size_t from, size_t least, size_t piece) {
  if (text.size() - from <= least) return text.size();
  size_t lineEnd = text.find('\n', from + least);
  if (lineEnd != std::string_view::npos && lineEnd < from + least + piece) return lineEnd + 1;
  const KnownBytes known{reinterpret_cast<const unsigned char*>(text.data()), text.size(), true, true};
  for (size_t i = from + least; i < text.size(); ++i)
    if (MayEndAfter(known, i)) return i + 1;
  return text.size();
}

// Each window is read with some bytes before it, which tell whether a blank may end a piece.
uint64_t CutAfter(const RandomAccessFile& file, uint64_t from, uint64_t end, size_t piece) {
  constexpr size_t kLead = 32;
  std::string window(piece + kLead, '\0');
  uint64_t fallback = end;
  for (uint64_t at = from; at < end;) {
    const uint64_t start = at >= kLead ? at - kLead : 0;
    const size_t before = static_cast<size_t>(at - start);
    size_t got = file.ReadAt(start, window.data(), static_cast<size_t>(std::min<uint64_t>(window.size(), end - start)));
    if (got <= before) break;
    std::string_view bytes(window.data(), got);
    if (size_t line = bytes.find('\n', before); line != std::string_view::npos)
      return std::min(fallback, start + line + 1);
    const KnownBytes known{reinterpret_cast<const unsigned char*>(window.data()), got, start == 0, start + got >= end};
    if (fallback == end)
      for (size_t i = before; i < got; ++i)
        if (MayEndAfter(known, i)) {
          fallback = start + i + 1;
          break;
        }
    at = start + got;
    if (fallback != end && at >= from + piece) return fallback;
  }
  return fallback;
}

}  // namespace telqor
