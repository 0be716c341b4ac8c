#include "extract/email_scan.h"

#include <cstdint>
#include <cstring>

#include "core/gbk.h"

namespace telqor {
namespace {

constexpr size_t kCheckEvery = size_t{1} << 20;

bool IsWord(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The matches of the address pattern in one stretch [begin, end) of single-byte mail
// characters, left to right. For each "@": the local part is the longest chain of word runs
// joined by single "-", "+" or "." that ends just before it and starts at or after where the
// last match ended; the domain the longest chain of word runs joined by single "-" or "."
// after it, which must hold a ".". A failed "@" fails for every start, so the search goes on
// from the same place to the next "@". Each byte is looked at a bounded number of times.
// Answers false when stopped (looked at every megabyte).
bool MatchStretch(const char* d, size_t begin, size_t end, const std::function<void(std::string_view)>& found,
                  const std::atomic<bool>* stopFlag) {
  auto w = [d](size_t i) { return IsWord(static_cast<unsigned char>(d[i])); };
  size_t from = begin;  // no match starts before this
  size_t nextCheck = begin + kCheckEvery;
  for (size_t at = begin; at < end; ++at) {
    if (at >= nextCheck) {
      if (stopFlag && stopFlag->load(std::memory_order_relaxed)) return false;
      nextCheck = at + kCheckEvery;
    }
    if (d[at] != '@') continue;
    // The local part, leftwards.
    if (at == from || !w(at - 1)) continue;
    size_t start = at - 1;
    while (start > from) {
      char c = d[start - 1];
      if (IsWord(static_cast<unsigned char>(c))) {
        --start;
      } else if ((c == '-' || c == '+' || c == '.') && start - 1 > from && w(start - 2)) {
        --start;
      } else {
        break;
      }
    }
    // The domain, rightwards.
    size_t stop = at + 1;
    if (stop >= end || !w(stop)) continue;
    bool dot = false;
    while (true) {
      while (stop < end && w(stop)) ++stop;
      if (stop + 1 < end && (d[stop] == '.' || d[stop] == '-') && w(stop + 1)) {
        dot = dot || d[stop] == '.';
        ++stop;
        continue;
      }
      break;
    }
    if (!dot) continue;
    found(std::string_view(d + start, stop - start));
    from = stop;
    at = stop - 1;  // the loop steps to stop
  }
  return true;
}

}  // namespace

bool ScanEmails(std::string_view text, const std::function<void(std::string_view)>& found,
                const std::atomic<bool>* stop) {
  const char* d = text.data();
  const size_t n = text.size();
  size_t walked = 0;  // a character starts here, and no stretch runs across it
  size_t nextCheck = kCheckEvery;
  while (walked < n) {
    const void* hit = std::memchr(d + walked, '@', n - walked);
    if (!hit) break;
    const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - d);
    if (at >= nextCheck) {
      if (stop && stop->load(std::memory_order_relaxed)) return false;
      nextCheck = at + kCheckEvery;
    }
    // A place before the "@" where a character starts and a stretch cannot go on through: after a
    // byte below 0x40 that no address holds (it is never the second byte of a character).
    size_t sync = at;
    while (sync > walked) {
      auto b = static_cast<unsigned char>(d[sync - 1]);
      if (b < 0x40 && !IsMailChar(b)) break;
      --sync;
    }
    // Characters from there to the "@", noting where the stretch around it begins.
    size_t i = sync, begin = sync;
    while (i < at) {
      auto b = static_cast<unsigned char>(d[i]);
      if (b < 0x80) {
        ++i;
        if (!IsMailChar(b)) begin = i;
        continue;
      }
      size_t length;
      GbkCodePointAt(text, i, length);
      i += length;
      begin = i;
    }
    if (i != at) {  // the "@" is the second byte of a character
      walked = i;
      continue;
    }
    size_t end = at + 1;
    while (end < n && static_cast<unsigned char>(d[end]) < 0x80 && IsMailChar(static_cast<unsigned char>(d[end])))
      ++end;
    if (!MatchStretch(d, begin, end, found, stop)) return false;
    walked = end;
  }
  return true;
}

}  // namespace telqor
