// Reads at an offset through the file's handle: each read names its own offset, so threads
// reading one file side by side do not move a shared position.
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/text/windows_text.h"

namespace telqor {

RandomAccessFile::RandomAccessFile(const std::filesystem::path& path) : path_(path) {
  fd_ = OpenForReading(path);
  if (fd_ < 0) {
    int err = errno;
    throw FileError("Cannot open file \"" + PathToUtf8(path) + "\". " + SystemErrorText(err));
  }
  LARGE_INTEGER size;
  if (GetFileSizeEx(reinterpret_cast<HANDLE>(::_get_osfhandle(fd_)), &size))
    size_ = static_cast<uint64_t>(size.QuadPart);
}

RandomAccessFile::~RandomAccessFile() {
  if (fd_ >= 0) ::_close(fd_);
}

size_t RandomAccessFile::ReadAt(uint64_t offset, char* buffer, size_t n) const {
  const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd_));
  size_t done = 0;
  while (done < n) {
    OVERLAPPED at{};
    const uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD want = static_cast<DWORD>(std::min<size_t>(n - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle, buffer + done, want, &got, &at)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) break;
      throw FileError("Cannot read file \"" + PathToUtf8(path_) + "\". " +
                      SystemErrorText(ErrnoFromWindowsError(error)));
    }
    if (got == 0) break;
    done += got;
  }
  // Within the size the file had when opened, a short read means it was cut short meanwhile.
  if (done < n && offset + done < size_)
    throw FileError("Cannot read file \"" + PathToUtf8(path_) + "\". " + kShortenedWhileRead);
  return done;
}

}  // namespace telqor
