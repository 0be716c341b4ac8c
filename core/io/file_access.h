// The few file calls whose form differs between platforms (core/io/file_access_posix.cpp,
// core/io/file_access_windows.cpp): files opened for reading by path, in binary and not inherited
// by child programs, narrow names for C libraries, and the process id that keeps temporary
// names apart.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace telqor {

// A descriptor of path opened for reading; -1 with errno set when it cannot be opened.
int OpenForReading(const std::filesystem::path& path);
// The same as a stream ("rb"); nullptr with errno set.
std::FILE* OpenStreamForReading(const std::filesystem::path& path);
// 0 when the existing file path may be written, else the error number that says why not.
int WriteDenied(const std::filesystem::path& path);
// Creates a new folder named prefix followed by a few characters that make it unique, in the
// folder prefix names; answers it. "Cannot create folder "%s". %s" when it cannot.
std::filesystem::path MakeUniqueFolder(const std::filesystem::path& prefix);
// The path as the C library's narrow file calls take it (fopen, open), for a library that opens
// files by name itself: its bytes on POSIX; on Windows its form in the ANSI code page, through
// the short (8.3) name of its folder when a character has no form there. Empty when it has no
// narrow form at all.
std::string NarrowPath(const std::filesystem::path& path);
// The id of this process.
unsigned long CurrentProcessId();

}  // namespace telqor
