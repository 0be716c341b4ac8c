#include "cli/line_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"

namespace telqor::cli {
namespace {

constexpr size_t kReadSize = size_t{1} << 20;

class Input {
 public:
  explicit Input(const std::string& file) : name_(file == "-" ? "standard input" : file) {
    if (file == "-") {
      fd_ = STDIN_FILENO;
      return;
    }
    fd_ = OpenForReading(PathFromUtf8(file));
    if (fd_ < 0) Fail("Cannot open file", errno);
  }
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;
  ~Input() {
    if (fd_ > STDIN_FILENO) ::close(fd_);
  }

  // Up to size bytes into to; 0 at the end.
  size_t Read(char* to, size_t size) {
    for (;;) {
      ssize_t got = ::read(fd_, to, size);
      if (got >= 0) return static_cast<size_t>(got);
      if (errno != EINTR) Fail("Cannot read file", errno);
    }
  }

 private:
  [[noreturn]] void Fail(const char* what, int errorNumber) {
    throw FileError(std::string(what) + " \"" + name_ + "\". " + SystemErrorText(errorNumber));
  }

  std::string name_;
  int fd_ = -1;
};

}  // namespace

void ForEachLineOf(const std::string& file, const std::function<void(std::string_view)>& onLine) {
  Input input(file);
  std::vector<char> buffer(kReadSize);
  size_t begin = 0, filled = 0;  // the bytes not yet handed out are [begin, filled)
  bool atEnd = false;
  while (!atEnd) {
    // The unfinished line moves to the front; a line longer than the buffer makes it grow.
    if (begin > 0) {
      std::memmove(buffer.data(), buffer.data() + begin, filled - begin);
      filled -= begin;
      begin = 0;
    }
    if (buffer.size() - filled < kReadSize / 2) buffer.resize(buffer.size() * 2);
    size_t got = input.Read(buffer.data() + filled, buffer.size() - filled);
    if (got == 0) atEnd = true;
    if (const void* zero = std::memchr(buffer.data() + filled, 0, got)) {
      got = static_cast<size_t>(static_cast<const char*>(zero) - (buffer.data() + filled));
      atEnd = true;  // a zero byte ends the text
    }
    filled += got;
    const char* data = buffer.data();
    size_t p = begin;
    while (p < filled) {
      while (p < filled && data[p] != '\n' && data[p] != '\r') ++p;
      if (p == filled) break;
      // A CR last in the buffer may be the first half of CR LF: wait for the next byte.
      if (data[p] == '\r' && p + 1 == filled && !atEnd) break;
      onLine(std::string_view(data + begin, p - begin));
      p += data[p] == '\r' && p + 1 < filled && data[p + 1] == '\n' ? 2 : 1;
      begin = p;
    }
  }
  if (begin < filled) onLine(std::string_view(buffer.data() + begin, filled - begin));
}

}  // namespace telqor::cli
