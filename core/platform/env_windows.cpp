// The Windows Env: file handles by wide names, MoveFileExW, the system clock, the module's own
// file name for the program folder, and the shell for folders.
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdlib>
#include <system_error>

#include "core/platform/env.h"
#include "core/text/windows_text.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void ThrowLastError() {
  throw std::system_error(ErrnoFromWindowsError(GetLastError()), std::generic_category());
}

class WindowsFile : public WritableFile {
 public:
  WindowsFile(HANDLE handle, bool owned) : handle_(handle), owned_(owned) {}
  ~WindowsFile() override {
    if (handle_ != INVALID_HANDLE_VALUE && owned_) CloseHandle(handle_);
  }

  void Append(std::string_view bytes) override {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(left, 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_, p, chunk, &written, nullptr)) ThrowLastError();
      p += written;
      left -= written;
    }
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (owned_ && !CloseHandle(handle)) ThrowLastError();
  }

 private:
  HANDLE handle_;
  bool owned_;
};

// Others may read, and rename or remove the name, while it is written, as on POSIX.
constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class WindowsEnv : public Env {
 public:
  std::unique_ptr<WritableFile> NewFile(const fs::path& path) override {
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, kShare, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) ThrowLastError();
    return std::make_unique<WindowsFile>(handle, true);
  }

  std::unique_ptr<WritableFile> OpenExisting(const fs::path& path) override {
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, kShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) ThrowLastError();
    return std::make_unique<WindowsFile>(handle, true);
  }

  void Rename(const fs::path& from, const fs::path& to) override {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) ThrowLastError();
  }

  bool RenameNoReplace(const fs::path& from, const fs::path& to) override {
    if (MoveFileExW(from.c_str(), to.c_str(), 0)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
    throw std::system_error(ErrnoFromWindowsError(error), std::generic_category());
  }

  std::unique_ptr<WritableFile> StandardOutput() override {
    return std::make_unique<WindowsFile>(GetStdHandle(STD_OUTPUT_HANDLE), false);
  }

  std::error_code Remove(const fs::path& path) noexcept override {
    if (DeleteFileW(path.c_str())) return {};
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return {ErrnoFromWindowsError(error), std::generic_category()};
  }

  void CreateFolder(const fs::path& path) override {
    if (CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return;
    ThrowLastError();
  }

  std::chrono::system_clock::time_point Now() override { return std::chrono::system_clock::now(); }

  fs::path ExecutableFolder() override {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
      const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
      if (n == 0) {
        std::error_code ec;
        return fs::current_path(ec);
      }
      if (n < name.size()) {
        name.resize(n);
        return fs::path(name).parent_path();
      }
      name.resize(name.size() * 2);
    }
  }

  // Read-only flags and access lists decide together, so the one sure answer is trying: a file
  // that vanishes as its handle closes.
  bool Writable(const fs::path& folder) override {
    const fs::path probe = folder / (L".telqor-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp");
    HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;
    CloseHandle(handle);
    return true;
  }

  std::optional<std::string> Variable(const char* name) override {
    const wchar_t* value = _wgetenv(WideFromUtf8(name).c_str());
    if (!value || !*value) return std::nullopt;
    return Utf8FromWide(value);
  }

  std::string OpenFolder(const fs::path& folder) override {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "文件夹不存在";
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return {};
    return std::system_category().message(static_cast<int>(GetLastError()));
  }
};

}  // namespace

Env& Env::Default() {
  static WindowsEnv env;
  return env;
}

}  // namespace telqor
