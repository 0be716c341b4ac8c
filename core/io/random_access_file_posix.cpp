#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"

namespace telqor {

RandomAccessFile::RandomAccessFile(const std::filesystem::path& path) : path_(path) {
  fd_ = OpenForReading(path);
  if (fd_ < 0) {
    int err = errno;
    throw FileError("Cannot open file \"" + PathToUtf8(path) + "\". " + SystemErrorText(err));
  }
  struct stat st;
  if (::fstat(fd_, &st) == 0) size_ = static_cast<uint64_t>(st.st_size);
}

RandomAccessFile::~RandomAccessFile() {
  if (fd_ >= 0) ::close(fd_);
}

size_t RandomAccessFile::ReadAt(uint64_t offset, char* buffer, size_t n) const {
  size_t done = 0;
  while (done < n) {
    ssize_t got = ::pread(fd_, buffer + done, n - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      int err = errno;
      throw FileError("Cannot read file \"" + PathToUtf8(path_) + "\". " + SystemErrorText(err));
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  // Within the size the file had when opened, a short read means it was cut short meanwhile.
  if (done < n && offset + done < size_)
    throw FileError("Cannot read file \"" + PathToUtf8(path_) + "\". " + kShortenedWhileRead);
  return done;
}

}  // namespace telqor
