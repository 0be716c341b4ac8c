#include "extract/email_scan.h"

#include <cstdint>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/text/gbk.h"

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

// The ASCII byte a full-width character folds to when an address may hold it (a letter, a
// digit, "＠", "－", "＋", "．" or "＿"), else 0.
unsigned char FoldedMailChar(uint32_t codePoint) {
  if (codePoint < 0xFF01 || codePoint > 0xFF5E) return 0;
  const auto c = static_cast<unsigned char>(codePoint - 0xFEE0);
  return IsMailChar(c) ? c : 0;
}

// The first "@" at or after from, or n; with wide also the first byte A3 followed by C0 (the
// bytes of "＠"). glibc's memchr is vectorised; the pair is looked for sixteen bytes at a time.
size_t NextAt(const char* d, size_t from, size_t n, bool wide) {
  if (!wide) {
    const void* hit = std::memchr(d + from, '@', n - from);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - d) : n;
  }
  size_t i = from;
#if defined(__SSE2__)
  const __m128i at = _mm_set1_epi8('@'), lead = _mm_set1_epi8(static_cast<char>(0xA3)),
                trail = _mm_set1_epi8(static_cast<char>(0xC0));
  for (; i + 17 <= n; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i + 1));
    const __m128i hit =
        _mm_or_si128(_mm_cmpeq_epi8(x, at), _mm_and_si128(_mm_cmpeq_epi8(x, lead), _mm_cmpeq_epi8(next, trail)));
    if (const int mask = _mm_movemask_epi8(hit)) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
  }
#endif
  for (; i < n; ++i)
    if (d[i] == '@' || (static_cast<unsigned char>(d[i]) == 0xA3 && i + 1 < n && static_cast<unsigned char>(d[i + 1]) == 0xC0))
      return i;
  return n;
}

// The character at d[i] folded to the ASCII byte an address may hold, when folding and it is
// such a full-width character; 0 otherwise. length is the character's.
unsigned char FoldedAt(std::string_view text, size_t i, bool fold, size_t& length) {
  const uint32_t codePoint = GbkCodePointAt(text, i, length);
  return fold && length == 2 && static_cast<unsigned char>(text[i]) == 0xA3 ? FoldedMailChar(codePoint) : 0;
}

bool Scan(std::string_view text, const std::function<void(std::string_view)>& found, const std::atomic<bool>* stop,
          bool fold) {
  const char* d = text.data();
  const size_t n = text.size();
  size_t walked = 0;  // a character starts here, and no stretch runs across it
  size_t nextCheck = kCheckEvery;
  std::string folded;
  while (walked < n) {
    const size_t at = NextAt(d, walked, n, fold);
    if (at == n) break;
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
    // Characters from there to the "@", noting where the stretch around it begins and whether
    // it holds a full-width character to fold.
    size_t i = sync, begin = sync, length;
    bool wide = false;
    while (i < at) {
      auto b = static_cast<unsigned char>(d[i]);
      bool mail;
      if (b < 0x80) {
        mail = IsMailChar(b);
        ++i;
      } else {
        mail = FoldedAt(text, i, fold, length) != 0;
        wide = wide || mail;
        i += length;
      }
      if (!mail) {
        begin = i;
        wide = false;
      }
    }
    if (i != at) {  // the "@" is the second byte of a character
      walked = i;
      continue;
    }
    size_t end = at;
    while (end < n) {
      auto b = static_cast<unsigned char>(d[end]);
      if (b < 0x80) {
        if (!IsMailChar(b)) break;
        ++end;
      } else if (FoldedAt(text, end, fold, length)) {
        wide = true;
        end += length;
      } else {
        break;
      }
    }
    if (!wide) {
      if (!MatchStretch(d, begin, end, found, stop)) return false;
    } else {
      folded.clear();
      for (size_t k = begin; k < end; k += length) {
        const unsigned char c = FoldedAt(text, k, fold, length);
        folded.push_back(c ? static_cast<char>(c) : d[k]);
      }
      if (!MatchStretch(folded.data(), 0, folded.size(), found, stop)) return false;
    }
    walked = end;
  }
  return true;
}

}  // namespace

bool ScanEmails(std::string_view text, const std::function<void(std::string_view)>& found,
                const std::atomic<bool>* stop) {
  return Scan(text, found, stop, false);
}

bool ScanFoldedEmails(std::string_view text, const std::function<void(std::string_view)>& found,
                      const std::atomic<bool>* stop) {
  return Scan(text, found, stop, true);
}

}  // namespace telqor
