// Where the text of an item may be cut into pieces and parts: never inside a number, a decimal
// (the digits after "." are no number of their own), an address, a two-byte character or
// between the groups of a mobile number written in groups, so that scanning the pieces one after
// another finds what one scan of the whole finds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/io/file_io.h"

namespace telqor {

// Bytes read from a text, d[0, n): whether the byte before d[0] and the one after d[n - 1] are
// known to hold no digit (the text's ends, or places where a piece may end), or are not known.
struct KnownBytes {
  const unsigned char* d;
  size_t n;
  bool startCut, endCut;
};

// Whether a piece may end just after d[i]: no number or address runs across it, it is never
// the second byte of a two-byte character, nor "." (a decimal point or an address's), so a
// piece never starts with the fraction of a decimal. A blank that may join the groups of a mobile number
// ("138 0013 8000", "86 138 0013 8000") is no such place.
bool MayEndAfter(const KnownBytes& k, size_t i);

// The end of the piece that starts at `from` of text: just after the first line break from
// `least` bytes on (within `piece` more); failing that, after the first byte a piece may end
// at; failing that, the end of the text.
size_t PieceEnd(std::string_view text, size_t from, size_t least, size_t piece);

// The offset just after the first byte a piece may end at from `from` on (a line break
// preferred within `piece` bytes), or `end`, the file's size.
uint64_t CutAfter(const RandomAccessFile& file, uint64_t from, uint64_t end, size_t piece);

}  // namespace telqor
