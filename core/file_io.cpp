#include "core/file_io.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "core/env.h"
#include "core/errors.h"
#include "core/file_access.h"

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
  // Each missing folder below the root from the top down, through the Env. The root is never
  // made: Windows does not even see "C:" alone as a folder.
  std::filesystem::path made = folder.root_path();
  for (const std::filesystem::path& part : folder.relative_path()) {
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
  std::unique_ptr<std::FILE, FileCloser> f(OpenStreamForReading(path));
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

}  // namespace telqor
