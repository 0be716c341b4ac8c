// The POSIX Env: file descriptors, rename(2) and renameat2(2), the system clock, /proc for the
// executable, and xdg-open for folders.
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "core/platform/child_process.h"
#include "core/platform/env.h"

extern char** environ;

namespace telqor {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void ThrowErrno(int error) { throw std::system_error(error, std::generic_category()); }

class PosixFile : public WritableFile {
 public:
  explicit PosixFile(int fd, bool owned) : fd_(fd), owned_(owned) {}
  ~PosixFile() override {
    if (fd_ >= 0 && owned_) ::close(fd_);
  }

  void Append(std::string_view bytes) override {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
      ssize_t n = ::write(fd_, p, left);
      if (n < 0) {
        if (errno == EINTR) continue;
        ThrowErrno(errno);
      }
      p += n;
      left -= static_cast<size_t>(n);
    }
  }

  void Close() override {
    if (fd_ < 0) return;
    int fd = fd_;
    fd_ = -1;
    if (owned_ && ::close(fd) != 0 && errno != EINTR) ThrowErrno(errno);
  }

 private:
  int fd_;
  bool owned_;
};

class PosixEnv : public Env {
 public:
  std::unique_ptr<WritableFile> NewFile(const fs::path& path) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) ThrowErrno(errno);
    return std::make_unique<PosixFile>(fd, true);
  }

  std::unique_ptr<WritableFile> OpenExisting(const fs::path& path) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) ThrowErrno(errno);
    return std::make_unique<PosixFile>(fd, true);
  }

  void Rename(const fs::path& from, const fs::path& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) ThrowErrno(errno);
  }

  bool RenameNoReplace(const fs::path& from, const fs::path& to) override {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return false;
    if (errno != EINVAL && errno != ENOSYS) ThrowErrno(errno);
    // A file system without the flag: a hard link fails when the name is taken.
    if (::link(from.c_str(), to.c_str()) == 0) {
      ::unlink(from.c_str());
      return true;
    }
    if (errno == EEXIST) return false;
    if (errno != EPERM && errno != ENOTSUP) ThrowErrno(errno);
    // Nor links (FAT, some network shares): check, then move.
    std::error_code ec;
    if (fs::exists(to, ec)) return false;
    Rename(from, to);
    return true;
  }

  std::unique_ptr<WritableFile> StandardOutput() override { return std::make_unique<PosixFile>(STDOUT_FILENO, false); }

  std::error_code Remove(const fs::path& path) noexcept override {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
    return {errno, std::generic_category()};
  }

  void CreateFolder(const fs::path& path) override {
    if (::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST) return;
    ThrowErrno(errno);
  }

  std::chrono::system_clock::time_point Now() override { return std::chrono::system_clock::now(); }

  fs::path ExecutableFolder() override {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
  }

  bool Writable(const fs::path& folder) override { return ::access(folder.c_str(), W_OK) == 0; }

  std::optional<std::string> Variable(const char* name) override {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
  }

  std::string OpenFolder(const fs::path& folder) override {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "文件夹不存在";
    if (!FindProgram("xdg-open")) return "没有安装xdg-open(软件包xdg-utils)";
    // A shell puts xdg-open in the background and ends at once, so nothing is left to wait for.
    const char* argv[] = {"sh", "-c", "xdg-open \"$1\" >/dev/null 2>&1 &", "sh", folder.c_str(), nullptr};
    pid_t pid;
    int rc = ::posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char* const*>(argv), environ);
    if (rc != 0) return std::system_category().message(rc);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return {};
  }
};

}  // namespace

Env& Env::Default() {
  static PosixEnv env;
  return env;
}

}  // namespace telqor
