// Wide names throughout: a narrow name would pass through the ANSI code page and lose every
// character it lacks.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/text/windows_text.h"

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
      throw FileError("Cannot create folder \"" + PathToUtf8(name) + "\". " +
                      SystemErrorText(ErrnoFromWindowsError(error)));
  }
}

namespace {

// The wide text in the ANSI code page; empty when a character has no form there (a best-fit
// replacement would name another file).
std::string AnsiOf(const std::wstring& wide) {
  if (wide.empty()) return {};
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return {};
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), narrow.data(), size,
                      nullptr, &lost);
  return lost ? std::string() : narrow;
}

}  // namespace

std::string NarrowPath(const std::filesystem::path& path) {
  if (std::string narrow = AnsiOf(path.native()); !narrow.empty()) return narrow;
  // Short names are ASCII where the volume keeps them; the file itself may not exist yet.
  const std::filesystem::path folder = path.parent_path();
  const DWORD size = GetShortPathNameW(folder.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring shortFolder(size, L'\0');
  const DWORD length = GetShortPathNameW(folder.c_str(), shortFolder.data(), size);
  if (length == 0 || length >= size) return {};
  shortFolder.resize(length);
  return AnsiOf((std::filesystem::path(shortFolder) / path.filename()).native());
}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace telqor
