#include "cli/checked_output.h"

#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <system_error>

#include "cli/process_start.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"

namespace telqor::cli {
namespace {

class CheckedBuffer : public std::streambuf {
 public:
  CheckedBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }

  // The error number of the first failed write, or 0.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override {
    const char* p = pbase();
    size_t left = static_cast<size_t>(pptr() - pbase());
    try {
      if (left > 0 && ShowOnOutputConsole(std::string_view(p, left))) left = 0;
    } catch (const std::system_error&) {
      error_ = EIO;
    }
    while (left > 0 && error_ == 0) {
      ssize_t n = ::write(STDOUT_FILENO, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = n < 0 ? errno : EIO;
        break;
      }
      p += n;
      left -= static_cast<size_t>(n);
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0 ? 0 : -1;
  }

 private:
  char buffer_[1 << 16];
  int error_ = 0;
};

// Never destroyed: std::cout flushes into it while the program ends, after every static object
// of this file would have gone.
CheckedBuffer& Buffer() {
  static CheckedBuffer* buffer = new CheckedBuffer;
  return *buffer;
}

}  // namespace

void CheckStandardOutputFromNowOn() { std::cout.rdbuf(&Buffer()); }

namespace {

class PipeAwareFile : public WritableFile {
 public:
  explicit PipeAwareFile(std::unique_ptr<WritableFile> target) : target_(std::move(target)) {}
  void Append(std::string_view bytes) override {
    Checked([&] {
      if (!ShowOnOutputConsole(bytes)) target_->Append(bytes);
    });
  }
  void Close() override {
    Checked([&] { target_->Close(); });
  }

 private:
  template <typename F>
  static void Checked(F&& write) {
    try {
      write();
    } catch (const std::system_error& e) {
      if (e.code() == std::errc::broken_pipe) throw StandardOutputClosed();
      throw;
    }
  }
  std::unique_ptr<WritableFile> target_;
};

class PipeAware : public EnvWrapper {
 public:
  using EnvWrapper::EnvWrapper;
  std::unique_ptr<WritableFile> StandardOutput() override {
    return std::make_unique<PipeAwareFile>(Target().StandardOutput());
  }
};

}  // namespace

std::unique_ptr<Env> PipeAwareEnv(Env& target) { return std::make_unique<PipeAware>(target); }

void CheckStandardOutput() {
  std::cout.flush();
  if (Buffer().Error() == EPIPE) throw StandardOutputClosed();
  if (int error = Buffer().Error()) throw FileError("Cannot write file \"standard output\". " + SystemErrorText(error));
}

}  // namespace telqor::cli
