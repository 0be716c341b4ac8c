#include "core/lists/text_lines.h"

#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace telqor {
namespace {

bool IsBreak(char c) { return c == '\n' || c == '\r'; }

}  // namespace

int64_t CountTextLines(std::string_view text) {
  const char* p = text.data();
  const size_t n = text.size();
  if (n == 0) return 0;
  // A line ends at each CR and at each LF that follows no CR.
  int64_t ends = 0;
  size_t i = 0;
  bool afterCr = false;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), zero = _mm_setzero_si128();
  __m128i lastCr = zero;  // the CRs of the chunk before
  __m128i counts = zero;  // bytes counting up the ends found, per lane
  int unfolded = 0;
  for (; i + 16 <= n; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i isCr = _mm_cmpeq_epi8(x, cr);
    const __m128i afterCrs = _mm_or_si128(_mm_slli_si128(isCr, 1), _mm_srli_si128(lastCr, 15));
    const __m128i loneLf = _mm_andnot_si128(afterCrs, _mm_cmpeq_epi8(x, lf));
    counts = _mm_sub_epi8(_mm_sub_epi8(counts, isCr), loneLf);  // each mark is -1
    lastCr = isCr;
    if (++unfolded == 255) {  // an end a lane a chunk at most: folded before a byte wraps
      const __m128i sums = _mm_sad_epu8(counts, zero);
      ends += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
      counts = zero;
      unfolded = 0;
    }
  }
  const __m128i sums = _mm_sad_epu8(counts, zero);
  ends += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
  afterCr = i > 0 && p[i - 1] == '\r';
#endif
  for (; i < n; ++i) {
    ends += p[i] == '\r' || (p[i] == '\n' && !afterCr);
    afterCr = p[i] == '\r';
  }
  return ends + (IsBreak(p[n - 1]) ? 0 : 1);
}

ByteStr* BuildTextLines(std::string_view text, ByteStr* slot) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    size_t length;
#if defined(__SSE2__)
    if (end - p >= 16) {
      // A line of up to 15 bytes is its sixteen bytes with those after it cleared and the size
      // last: the inline form of an item.
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const int breaks = _mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\r'))));
      if (breaks != 0) {
        length = static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(breaks)));
        const __m128i lanes = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
        const __m128i kept = _mm_and_si128(x, _mm_cmplt_epi8(lanes, _mm_set1_epi8(static_cast<char>(length))));
        uint64_t words[2];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(words), kept);
        new (slot++) ByteStr(ByteStr::FromInlineWords(words[0], words[1] | static_cast<uint64_t>(length) << 56));
        p += length;
        p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
        continue;
      }
    }
#endif
    const char* at = p;
    while (at < end && !IsBreak(*at)) ++at;
    length = static_cast<size_t>(at - p);
    new (slot++) ByteStr(std::string_view(p, length));
    if (at == end) break;
    p = at + ((*at == '\r' && at + 1 < end && at[1] == '\n') ? 2 : 1);
  }
  return slot;
}

}  // namespace telqor
