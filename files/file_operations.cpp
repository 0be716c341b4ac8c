#include "files/file_operations.h"

namespace telqor {}  // namespace telqor
