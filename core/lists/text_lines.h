// The lines of a text as a list loads them (ForEachLine, core/lists/item_list.h), counted and built
// sixteen bytes at a time: a line ends at CR, LF or CR LF, empty lines count, and the rest after
// the last break is a line when it is not empty. The text holds no zero byte (a list's text
// ends at one, cut before).
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text/byte_str.h"

namespace telqor {

int64_t CountTextLines(std::string_view text);

// Constructs an item for each line of text in the raw memory from slot on (room for
// CountTextLines(text) of them); answers the slot after the last.
ByteStr* BuildTextLines(std::string_view text, ByteStr* slot);

}  // namespace telqor
