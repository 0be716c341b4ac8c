// Hints to the platform about large memory blocks.
#pragma once

#include <cstddef>

namespace telqor {

// Asks for large pages on a block of many megabytes (fewer page faults when it is first
// filled); does nothing for small blocks or where the platform has no such hint.
void AdviseLargeBlock(void* block, size_t bytes);

}  // namespace telqor
