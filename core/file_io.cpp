#include "core/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "core/errors.h"

namespace telqor {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string DisplayPath(const std::filesystem::path& path) { return path.string(); }

void CreateFolders(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder))
    throw EFileError("Cannot create folder \"" + DisplayPath(folder) + "\". " + ec.message());
}

std::string SystemErrorText(int errorNumber) { return std::strerror(errorNumber); }

std::string ReadWholeFile(const std::filesystem::path& path) {
  auto openError = [&](int err) {
    return EFileError("Cannot open file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
  };
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
  if (!f) throw openError(errno);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw openError(EISDIR);
  std::string text;
  if (std::fseek(f.get(), 0, SEEK_END) == 0) {
    long size = std::ftell(f.get());
    if (size > 0) text.resize(static_cast<size_t>(size));
    std::rewind(f.get());
  }
  text.resize(std::fread(text.data(), 1, text.size(), f.get()));
  // Read on to the real end: the file may have grown, or its size was unknown.
  char chunk[1 << 16];
  while (!std::ferror(f.get()) && !std::feof(f.get())) {
    size_t got = std::fread(chunk, 1, sizeof chunk, f.get());
    text.append(chunk, got);
  }
  if (std::ferror(f.get())) {
    int err = errno;
    throw EFileError("Cannot read file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
  }
  return text;
}

FileContents::FileContents(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    throw EFileError("Cannot open file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    void* m = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (m != MAP_FAILED) {
      ::madvise(m, static_cast<size_t>(st.st_size), MADV_SEQUENTIAL);
      mapping_ = m;
      data_ = static_cast<const char*>(m);
      size_ = static_cast<size_t>(st.st_size);
      ::close(fd);
      return;
    }
  }
  ::close(fd);
  // Pipes, empty or special files, or no mapping: read it the plain way.
  buffer_ = ReadWholeFile(path);
  data_ = buffer_.data();
  size_ = buffer_.size();
}

RandomAccessFile::RandomAccessFile(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    int err = errno;
    throw EFileError("Cannot open file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
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
      throw EFileError("Cannot read file \"" + DisplayPath(path_) + "\". " + SystemErrorText(err));
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

FileContents::~FileContents() {
  if (mapping_) ::munmap(mapping_, size_);
}

}  // namespace telqor
