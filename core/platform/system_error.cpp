#include "core/platform/system_error.h"

#include <cstring>

namespace telqor {

std::string SystemErrorText(int errorNumber) { return std::strerror(errorNumber); }

}  // namespace telqor
