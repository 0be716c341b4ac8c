// A worker thread that gives way to the user interface.
#pragma once

namespace telqor {

// Lowers the calling thread's priority a step: it yields to the user interface, yet is not
// starved by every other program.
void LowerThreadPriority();

}  // namespace telqor
