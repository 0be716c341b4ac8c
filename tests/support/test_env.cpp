#include "tests/support/test_env.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <system_error>

namespace telqor::test {
namespace {

class FailingFile : public WritableFile {
 public:
  FailingFile(std::unique_ptr<WritableFile> file, int64_t room) : file_(std::move(file)), room_(room) {}
  void Append(std::string_view bytes) override {
    if (room_ >= 0 && static_cast<int64_t>(bytes.size()) > room_) {
      file_->Append(bytes.substr(0, static_cast<size_t>(room_)));
      room_ = 0;
      throw std::system_error(ENOSPC, std::generic_category());
    }
    if (room_ >= 0) room_ -= static_cast<int64_t>(bytes.size());
    file_->Append(bytes);
  }
  void Close() override { file_->Close(); }

 private:
  std::unique_ptr<WritableFile> file_;
  int64_t room_;
};

// A file whose writes and close are steps of a FaultEnv.
class StepFile : public WritableFile {
 public:
  StepFile(std::unique_ptr<WritableFile> file, FaultEnv& env) : file_(std::move(file)), env_(env) {}
  void Append(std::string_view bytes) override {
    if (env_.Step()) throw std::system_error(EIO, std::generic_category());
    file_->Append(bytes);
  }
  void Close() override {
    if (env_.Step()) throw std::system_error(EIO, std::generic_category());
    file_->Close();
  }

 private:
  std::unique_ptr<WritableFile> file_;
  FaultEnv& env_;
};

}  // namespace

FaultEnv::FaultEnv(int failAt) : EnvWrapper(CurrentEnv()), failAt_(failAt), installed_(*this) {}

FaultEnv::~FaultEnv() = default;

bool FaultEnv::Step() {
  if (++steps_ != failAt_) return false;
  failed_ = true;
  return true;
}

std::unique_ptr<WritableFile> FaultEnv::NewFile(const std::filesystem::path& path) {
  if (Step()) throw std::system_error(EIO, std::generic_category());
  return std::make_unique<StepFile>(Target().NewFile(path), *this);
}

std::unique_ptr<WritableFile> FaultEnv::OpenExisting(const std::filesystem::path& path) {
  if (Step()) throw std::system_error(EIO, std::generic_category());
  return std::make_unique<StepFile>(Target().OpenExisting(path), *this);
}

void FaultEnv::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (Step()) throw std::system_error(EIO, std::generic_category());
  Target().Rename(from, to);
}

bool FaultEnv::RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (Step()) throw std::system_error(EIO, std::generic_category());
  return Target().RenameNoReplace(from, to);
}

std::error_code FaultEnv::Remove(const std::filesystem::path& path) noexcept {
  if (Step()) return {EIO, std::generic_category()};
  return Target().Remove(path);
}

void FaultEnv::CreateFolder(const std::filesystem::path& path) {
  if (Step()) throw std::system_error(EIO, std::generic_category());
  Target().CreateFolder(path);
}

TestEnv::TestEnv() : EnvWrapper(Env::Default()), installed_(*this) {}

TestEnv::~TestEnv() = default;

void TestEnv::FixClock(int year, int month, int day, int hour, int minute, int second) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  now_ = std::chrono::system_clock::from_time_t(std::mktime(&local));
  fixed_ = true;
}

std::unique_ptr<WritableFile> TestEnv::NewFile(const std::filesystem::path& path) {
  auto file = Target().NewFile(path);
  if (failWritesAfter < 0) return file;
  return std::make_unique<FailingFile>(std::move(file), failWritesAfter);
}

void TestEnv::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (failRenames) throw std::system_error(EIO, std::generic_category());
  Target().Rename(from, to);
}

bool TestEnv::RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (failRenames) throw std::system_error(EIO, std::generic_category());
  return Target().RenameNoReplace(from, to);
}

std::chrono::system_clock::time_point TestEnv::Now() { return fixed_ ? now_ : Target().Now(); }

std::string TestEnv::OpenFolder(const std::filesystem::path& folder) {
  openedFolders.push_back(folder);
  return browserStarts ? std::string() : std::string("无法启动资源管理器");
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace telqor::test
