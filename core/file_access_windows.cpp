// Wide names throughout: a narrow name would pass through the ANSI code page and lose every
// character it lacks.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "core/errors.h"
#include "core/file_access.h"
#include "core/file_io.h"
#include "core/windows_text.h"

namespace telqor {

int OpenForReading(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

std::FILE* OpenStreamForReading(const std::filesystem::path& path) { return ::_wfopen(path.c_str(), L"rbN"); }

int WriteDenied(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return ENOENT;
  return (attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}

std::filesystem::path MakeUniqueFolder(const std::filesystem::path& prefix) {
  static std::atomic<unsigned> counter{0};
  const std::wstring base = prefix.wstring() + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (;;) {
    const std::wstring name = base + std::to_wstring(counter++) + L"-" + std::to_wstring(GetTickCount() % 100000);
    if (CreateDirectoryW(name.c_str(), nullptr)) return name;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS)
      throw FileError("Cannot create folder \"" + DisplayPath(name) + "\". " +
                      SystemErrorText(ErrnoFromWindowsError(error)));
  }
}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace telqor
