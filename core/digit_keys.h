// The fast path for lists of numbers: items that are all ASCII digits of one length compare
// as bytes exactly as their integer values compare, so they can be radix-sorted as 64-bit
// keys and written back as the same bytes.
#pragma once

#include <cstdint>

#include "core/byte_str.h"

namespace telqor {

// The common length (1..19) when all count items are inline runs of that many ASCII digits,
// otherwise 0.
int UniformDigitLength(const ByteStr* items, int count);

// Sorts items of UniformDigitLength length in byte order, in place: the keys and the radix
// buffer live in the items' own memory (16 bytes an item), so no memory is allocated.
void SortDigitItems(ByteStr* items, int count, int length);

// The item of `length` digits (leading zeros kept) whose value is value.
ByteStr DigitsItem(uint64_t value, int length);

// The value of `length` (1..19) ASCII digits at p.
uint64_t DigitValue(const char* p, int length);

// Sorts n keys below 2^bits (LSD radix, 11 bits a pass, across the cores); temp has room for n
// more. Answers where the sorted keys ended up: keys or temp.
uint64_t* RadixSort(uint64_t* keys, uint64_t* temp, size_t n, int bits);

}  // namespace telqor
