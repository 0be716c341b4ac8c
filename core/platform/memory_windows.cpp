// Windows gives large pages only to a process holding a privilege users lack: no hint.
#include "core/platform/memory.h"

namespace telqor {

void AdviseLargeBlock(void*, size_t) {}

}  // namespace telqor
