// Hints to the platform about large memory blocks.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "core/platform/parallel.h"

namespace telqor {

// Asks for large pages on a block of many megabytes (fewer page faults when it is first
// filled); does nothing for small blocks or where the platform has no such hint.
void AdviseLargeBlock(void* block, size_t bytes);

struct FreeBlock {
  void operator()(void* block) const { std::free(block); }
};
template <typename T>
using ZeroedArray = std::unique_ptr<T[], FreeBlock>;

// n zeroed elements of a trivial type, advised as a large block and zeroed in parts across the
// cores. Written before anything reads them: a fresh page first read maps the shared zero page,
// and the write after it then costs a fault and a flush of every core's address cache.
template <typename T>
ZeroedArray<T> NewZeroed(size_t n) {
  void* block = std::malloc(n == 0 ? 1 : n * sizeof(T));
  if (!block) throw std::bad_alloc();
  AdviseLargeBlock(block, n * sizeof(T));
  const size_t bytes = n * sizeof(T);
  const int parts = ParallelParts(bytes, size_t{1} << 22);
  ParallelFor(parts, [&](int p) {
    const size_t from = PartStart(bytes, p, parts);
    std::memset(static_cast<char*>(block) + from, 0, PartStart(bytes, p + 1, parts) - from);
  });
  return ZeroedArray<T>(static_cast<T*>(block));
}

}  // namespace telqor
