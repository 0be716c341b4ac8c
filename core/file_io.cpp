#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "core/env.h"
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
  int error = 0;
  // Each missing folder from the top down, through the Env.
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    made /= part;
    if (part.empty() || std::filesystem::is_directory(made, ec)) continue;
    try {
      CurrentEnv().CreateFolder(made);
    } catch (const std::system_error& e) {
      error = e.code().value();
      break;
    }
  }
  if (error || !std::filesystem::is_directory(folder, ec))
    throw FileError("Cannot create folder \"" + DisplayPath(folder) + "\". " +
                    SystemErrorText(error ? error : ENOTDIR));
}

std::string SystemErrorText(int errorNumber) { return std::strerror(errorNumber); }

std::string ReadWholeFile(const std::filesystem::path& path) {
  auto openError = [&](int err) {
    return FileError("Cannot open file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
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
  const size_t expected = text.size();
  text.resize(std::fread(text.data(), 1, text.size(), f.get()));
  // Another program cut the file short while it was read: what was read is no whole file.
  if (text.size() < expected && !std::ferror(f.get()))
    throw FileError("Cannot read file \"" + DisplayPath(path) + "\". " + kShortenedWhileRead);
  // Read on to the real end: the file may have grown, or its size was unknown.
  char chunk[1 << 16];
  while (!std::ferror(f.get()) && !std::feof(f.get())) {
    size_t got = std::fread(chunk, 1, sizeof chunk, f.get());
    text.append(chunk, got);
  }
  if (std::ferror(f.get())) {
    int err = errno;
    throw FileError("Cannot read file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
  }
  return text;
}

FileContents::FileContents(const std::filesystem::path& path) : buffer_(ReadWholeFile(path)) {}

RandomAccessFile::RandomAccessFile(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    int err = errno;
    throw FileError("Cannot open file \"" + DisplayPath(path) + "\". " + SystemErrorText(err));
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
      throw FileError("Cannot read file \"" + DisplayPath(path_) + "\". " + SystemErrorText(err));
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  // Within the size the file had when opened, a short read means it was cut short meanwhile.
  if (done < n && offset + done < size_)
    throw FileError("Cannot read file \"" + DisplayPath(path_) + "\". " + kShortenedWhileRead);
  return done;
}

}  // namespace telqor
