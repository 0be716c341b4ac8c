// An Env for tests, installed for as long as it lives: a fixed clock when asked, new files
// that fail after a number of bytes, renames that fail, and a file browser that only records
// the folders it was asked to show.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/env.h"

namespace telqor::test {

class TestEnv : public EnvWrapper {
 public:
  TestEnv();
  ~TestEnv() override;

  // The clock stands at this local time from now on.
  void FixClock(int year, int month, int day, int hour, int minute, int second);

  // Every new file fails with "No space left on device" once this many bytes went into it
  // (-1: never).
  int64_t failWritesAfter = -1;
  // Moving a finished file onto its name fails with "Input/output error".
  bool failRenames = false;
  // Whether the browser "starts"; the folders asked for are recorded either way.
  bool browserStarts = true;
  std::vector<std::filesystem::path> openedFolders;

  std::unique_ptr<WritableFile> NewFile(const std::filesystem::path& path) override;
  void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  std::chrono::system_clock::time_point Now() override;
  std::string OpenFolder(const std::filesystem::path& folder) override;

 private:
  bool fixed_ = false;
  std::chrono::system_clock::time_point now_;
  ScopedEnv installed_;
};

// An Env that fails the N-th file operation that changes the disk (creating, opening for
// writing, writing or closing a file, renaming, removing, creating a folder), counting from 1,
// with "Input/output error"; installed for as long as it lives. A test runs an operation under
// it for N = 1, 2, ... until the operation gets through without meeting the failure.
class FaultEnv : public EnvWrapper {
 public:
  explicit FaultEnv(int failAt);
  ~FaultEnv() override;
  // Whether the failure happened (the operation reached the N-th step).
  bool Failed() const { return failed_; }
  // Counts a step; throws (or, for Remove, answers the error) at the N-th.
  bool Step();

  std::unique_ptr<WritableFile> NewFile(const std::filesystem::path& path) override;
  std::unique_ptr<WritableFile> OpenExisting(const std::filesystem::path& path) override;
  void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  std::error_code Remove(const std::filesystem::path& path) noexcept override;
  void CreateFolder(const std::filesystem::path& path) override;

 private:
  int failAt_;
  int steps_ = 0;
  bool failed_ = false;
  ScopedEnv installed_;
};

// The files in a folder by name (hidden ones too), without the folder.
std::vector<std::string> FileNames(const std::filesystem::path& folder);

}  // namespace telqor::test
