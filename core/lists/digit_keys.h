// The fast path for lists of numbers: items that are all ASCII digits of one length compare
// as bytes exactly as their integer values compare, so they can be radix-sorted as 64-bit
// keys and written back as the same bytes.
#pragma once

#include <cstdint>

#include "core/text/byte_str.h"

namespace telqor {

// When all count items are inline runs of ASCII digits of one length (a list of numbers nearly
// always is), sorts them in byte order as 64-bit keys across the cores, each once when
// distinct, and answers how many items are left at the front: the memory of the rest is raw
// (inline items own nothing). Otherwise answers -1, the items untouched. Costs 8 bytes an item
// besides the items, whose own memory holds the radix sort's second buffer.
int SortDigitItems(ByteStr* items, int count, bool distinct);

// The item of `length` digits (leading zeros kept) whose value is value.
ByteStr DigitsItem(uint64_t value, int length);

// The value of `length` (1..19) ASCII digits at p.
uint64_t DigitValue(const char* p, int length);

// Sorts n keys below 2^bits (LSD radix, up to 11 bits a pass, across the cores); temp has room
// for n more. Answers where the sorted keys ended up (keys).
uint64_t* RadixSort(uint64_t* keys, uint64_t* temp, size_t n, int bits);

}  // namespace telqor
