#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "core/platform/thread_priority.h"

namespace telqor {

void LowerThreadPriority() {
#ifdef SYS_gettid
  // Linux gives each thread its own nice value (19 would leave it a few percent of a busy core).
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
}

}  // namespace telqor
