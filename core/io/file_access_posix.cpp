#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"

namespace telqor {

int OpenForReading(const std::filesystem::path& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }

std::FILE* OpenStreamForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

int WriteDenied(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0 ? 0 : errno; }

std::filesystem::path MakeUniqueFolder(const std::filesystem::path& prefix) {
  std::string pattern = prefix.string() + "XXXXXX";
  if (!::mkdtemp(pattern.data()))
    throw FileError("Cannot create folder \"" + pattern + "\". " + SystemErrorText(errno));
  return pattern;
}

std::string NarrowPath(const std::filesystem::path& path) { return path.native(); }

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

}  // namespace telqor
