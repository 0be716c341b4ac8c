// The platform's words for an error number, as the end of a message ("Cannot open file "%s". %s").
#pragma once

#include <string>

namespace telqor {

std::string SystemErrorText(int errorNumber);

}  // namespace telqor
