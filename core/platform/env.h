// Env: what the engine asks of the platform, behind one small interface: creating and
// renaming files, the clock, where the program folder is, and opening a folder in the file
// browser. Env::Default() is the platform's own (POSIX here; a Windows one goes beside it in
// env_windows.cpp). The Env in force is process-wide: the GUI installs one that opens folders
// through Qt, tests install one with a fixed clock or a writer that fails on demand. Install
// it before any worker thread starts; the Env itself must be safe to call from any thread.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace telqor {

// A file being written. Append and Close throw std::system_error with the platform's error
// number on failure (FileWriter turns it into the message the user sees); the destructor
// closes silently.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual void Append(std::string_view bytes) = 0;
  virtual void Close() = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // The platform's Env, living for the whole run.
  static Env& Default();

  // ---- Files ----------------------------------------------------------------------------
  // The file calls below throw std::system_error with the platform's error number.
  // Creates path for writing; it must not exist yet.
  virtual std::unique_ptr<WritableFile> NewFile(const std::filesystem::path& path) = 0;
  // Opens an existing file that cannot be replaced (a device, a pipe) to write into it.
  virtual std::unique_ptr<WritableFile> OpenExisting(const std::filesystem::path& path) = 0;
  // Moves from onto to in one step, replacing what to held.
  virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Moves from onto to unless to exists: false (and nothing moved) when it does.
  virtual bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Standard output, to write into (not closed by the object).
  virtual std::unique_ptr<WritableFile> StandardOutput() = 0;
  // Removes a file; a missing file is no error. Never throws: answers the platform's error
  // (empty on success), which a delete the user asked for must report.
  virtual std::error_code Remove(const std::filesystem::path& path) noexcept = 0;
  // Creates one folder (its parent exists); one that exists already is no error.
  virtual void CreateFolder(const std::filesystem::path& path) = 0;

  // ---- Clock ----------------------------------------------------------------------------
  virtual std::chrono::system_clock::time_point Now() = 0;

  // ---- Program folder -------------------------------------------------------------------
  // The folder of the running executable.
  virtual std::filesystem::path ExecutableFolder() = 0;
  // Whether the folder may be written into.
  virtual bool Writable(const std::filesystem::path& folder) = 0;
  // An environment variable; nullopt when unset or empty.
  virtual std::optional<std::string> Variable(const char* name) = 0;

  // ---- Folder browser -------------------------------------------------------------------
  // Shows folder in the platform's file browser without waiting for it. Answers an empty
  // text when the browser was started, else why it could not be (UTF-8).
  virtual std::string OpenFolder(const std::filesystem::path& folder) = 0;
};

// An Env that passes every call on to another; derive from it to change a few calls.
class EnvWrapper : public Env {
 public:
  explicit EnvWrapper(Env& target) : target_(target) {}
  Env& Target() const { return target_; }

  std::unique_ptr<WritableFile> NewFile(const std::filesystem::path& path) override { return target_.NewFile(path); }
  std::unique_ptr<WritableFile> OpenExisting(const std::filesystem::path& path) override {
    return target_.OpenExisting(path);
  }
  void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override { target_.Rename(from, to); }
  bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return target_.RenameNoReplace(from, to);
  }
  std::unique_ptr<WritableFile> StandardOutput() override { return target_.StandardOutput(); }
  std::error_code Remove(const std::filesystem::path& path) noexcept override { return target_.Remove(path); }
  void CreateFolder(const std::filesystem::path& path) override { target_.CreateFolder(path); }
  std::chrono::system_clock::time_point Now() override { return target_.Now(); }
  std::filesystem::path ExecutableFolder() override { return target_.ExecutableFolder(); }
  bool Writable(const std::filesystem::path& folder) override { return target_.Writable(folder); }
  std::optional<std::string> Variable(const char* name) override { return target_.Variable(name); }
  std::string OpenFolder(const std::filesystem::path& folder) override { return target_.OpenFolder(folder); }

 private:
  Env& target_;
};

// The Env in force (Env::Default() unless one was installed).
Env& CurrentEnv();

// Installs env for as long as the object lives, then puts back the one before it.
class ScopedEnv {
 public:
  explicit ScopedEnv(Env& env);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  Env* previous_;
};

}  // namespace telqor
