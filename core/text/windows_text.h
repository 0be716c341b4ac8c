// Windows only: the UTF-16 of the system's calls to and from the UTF-8 of the engine's
// messages, and the system's error codes as the error numbers the engine's texts are made of.
#pragma once

#include <string>
#include <string_view>

namespace telqor {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The error number (errno) closest to a GetLastError() code; EIO for the unusual ones.
int ErrnoFromWindowsError(unsigned long error);

}  // namespace telqor
