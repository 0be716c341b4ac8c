#include <windows.h>

#include "core/platform/thread_priority.h"

namespace telqor {

void LowerThreadPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }

}  // namespace telqor
