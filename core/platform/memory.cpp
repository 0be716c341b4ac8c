#include "core/platform/memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace telqor {

void AdviseLargeBlock(void* block, size_t bytes) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kHuge = uintptr_t{2} << 20;
  if (bytes < 16 * kHuge) return;
  auto begin = (reinterpret_cast<uintptr_t>(block) + kHuge - 1) & ~(kHuge - 1);
  auto end = (reinterpret_cast<uintptr_t>(block) + bytes) & ~(kHuge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)block;
  (void)bytes;
#endif
}

}  // namespace telqor
