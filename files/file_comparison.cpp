#include "files/file_comparison.h"

namespace telqor {}  // namespace telqor
