// Hints to the platform about large memory blocks.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace telqor {

// Asks for large pages on a block of many megabytes (fewer page faults when it is first
// filled); does nothing for small blocks or where the platform has no such hint.
void AdviseLargeBlock(void* block, size_t bytes);

struct FreeBlock {
  void operator()(void* block) const { std::free(block); }
};
template <typename T>
using ZeroedArray = std::unique_ptr<T[], FreeBlock>;

// n zeroed elements of a trivial type, advised as a large block. A large block comes as the
// system's fresh pages, zero already, so nothing is written before it is used.
template <typename T>
ZeroedArray<T> NewZeroed(size_t n) {
  void* block = std::calloc(n == 0 ? 1 : n, sizeof(T));
  if (!block) throw std::bad_alloc();
  AdviseLargeBlock(block, n * sizeof(T));
  return ZeroedArray<T>(static_cast<T*>(block));
}

}  // namespace telqor
