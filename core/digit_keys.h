// The fast path for lists of numbers: items that are all ASCII digits of one length compare
// as bytes exactly as their integer values compare, so they can be packed into 64-bit keys,
// radix-sorted and written back as the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "core/byte_str.h"

namespace telqor {

// When all count items are inline runs of the same number (1..19) of ASCII digits, fills keys
// with their values and answers that length; otherwise answers 0 (keys then undefined).
int PackDigitKeys(const ByteStr* items, int count, std::vector<uint64_t>& keys);

// Ascending LSD radix sort.
void RadixSort(std::vector<uint64_t>& keys);

// The item of `length` digits (leading zeros kept) whose value is value.
ByteStr DigitsItem(uint64_t value, int length);

}  // namespace telqor
