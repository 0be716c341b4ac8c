#include "core/io/file_writer.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cerrno>
#include <system_error>

#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

constexpr size_t kWriteBuffer = 1 << 20;
constexpr int kMostNumberedNames = 100000;

int ErrorNumber(const std::system_error& e) { return e.code().value(); }

// A hidden name in the folder of target that no other writer of this or another process uses.
fs::path BesideName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::string name = ".telqor-" + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
  return target.parent_path() / name;
}

// target itself for n = 1, else its name with "-n" before the extension (北京.北京.2.txt ->
// 北京.北京.2-2.txt). Built from path parts: a narrow copy of a Chinese name is not UTF-8 on
// Windows.
fs::path Numbered(const fs::path& target, int n) {
  if (n == 1) return target;
  fs::path name = target.stem();
  name += "-";
  name += std::to_string(n);
  name += target.extension();
  return target.parent_path() / name;
}

}  // namespace

// The file that replaces final gets its permissions (lists of personal data are often kept
// private) and, where the platform allows, its owner, before a byte is written into it. A new
// file has the usual mode under the user's umask.
void FileWriter::KeepOwnerAndMode(const fs::path& final, const fs::file_status& st) {
  std::error_code ec;
  fs::permissions(beside_, st.permissions(), ec);
  if (ec) throw std::system_error(ec);
#ifndef _WIN32
  struct stat info;
  if (::stat(final.c_str(), &info) == 0) {
    // Only root or the owner may do this; anyone else keeps their own file as before.
    if (::chown(beside_.c_str(), info.st_uid, info.st_gid) != 0) {
    }
  }
#else
  (void) final;
#endif
}

FileWriter::FileWriter(const fs::path& path) : env_(&CurrentEnv()), final_(path), name_(PathToUtf8(path)) {
  std::error_code ec;
  if (final_.empty() || !final_.has_filename())
    throw FileError("Cannot create file \"" + name_ + "\". " + SystemErrorText(final_.empty() ? ENOENT : EISDIR));
  // Writing through a link means writing where it points.
  if (fs::is_symlink(final_, ec)) final_ = fs::weakly_canonical(final_, ec);
  fs::file_status st = fs::status(final_, ec);
  try {
    if (fs::is_directory(st)) throw std::system_error(EISDIR, std::generic_category());
    if (fs::exists(st) && !fs::is_regular_file(st)) {
      file_ = env_->OpenExisting(final_);
    } else {
      // A file the user made read-only is not replaced behind their back.
      if (fs::exists(st))
        if (int denied = WriteDenied(final_)) throw std::system_error(denied, std::generic_category());
      beside_ = BesideName(final_);
      file_ = env_->NewFile(beside_);
      if (fs::exists(st)) KeepOwnerAndMode(final_, st);
    }
  } catch (const std::system_error& e) {
    beside_.clear();
    throw FileError("Cannot create file \"" + name_ + "\". " + SystemErrorText(ErrorNumber(e)));
  }
  buffer_.reserve(kWriteBuffer);
}

FileWriter::FileWriter(std::unique_ptr<WritableFile> file, std::string name)
    : env_(&CurrentEnv()), file_(std::move(file)), name_(std::move(name)) {
  buffer_.reserve(kWriteBuffer);
}

FileWriter::FileWriter(FileWriter&& other) noexcept
    : env_(other.env_),
      file_(std::move(other.file_)),
      final_(std::move(other.final_)),
      beside_(std::move(other.beside_)),
      name_(std::move(other.name_)),
      buffer_(std::move(other.buffer_)),
      committed_(other.committed_),
      handedOver_(other.handedOver_) {
  other.beside_.clear();
}

FileWriter FileWriter::StandardOutput() { return FileWriter(CurrentEnv().StandardOutput(), "standard output"); }

FileWriter::~FileWriter() {
  if (committed_) return;
  file_.reset();
  if (!beside_.empty()) env_->Remove(beside_);
}

void FileWriter::Fail(const char* what, int errorNumber) {
  file_.reset();
  if (!beside_.empty()) env_->Remove(beside_);
  beside_.clear();
  buffer_.clear();
  throw FileError(std::string(what) + " \"" + name_ + "\". " + SystemErrorText(errorNumber));
}

void FileWriter::Write(std::string_view bytes) {
  if (!file_) Fail("Cannot write file", EBADF);
  if (buffer_.size() + bytes.size() > kWriteBuffer) {
    Flush();
    if (bytes.size() >= kWriteBuffer) {
      try {
        file_->Append(bytes);
      } catch (const std::system_error& e) {
        Fail("Cannot write file", ErrorNumber(e));
      }
      return;
    }
  }
  buffer_.append(bytes);
}

void FileWriter::Flush() {
  if (buffer_.empty()) return;
  try {
    file_->Append(buffer_);
  } catch (const std::system_error& e) {
    Fail("Cannot write file", ErrorNumber(e));
  }
  buffer_.clear();
}

void FileWriter::CloseFile() {
  if (!file_) Fail("Cannot write file", EBADF);
  Flush();
  try {
    file_->Close();
  } catch (const std::system_error& e) {
    Fail("Cannot write file", ErrorNumber(e));
  }
  file_.reset();
}

fs::path FileWriter::HandToLibrary() {
  CloseFile();
  handedOver_ = true;
  return beside_.empty() ? final_ : beside_;
}

void FileWriter::Commit() {
  if (committed_) return;
  if (!handedOver_) CloseFile();
  if (!beside_.empty()) {
    try {
      env_->Rename(beside_, final_);
    } catch (const std::system_error& e) {
      Fail("Cannot write file", ErrorNumber(e));
    }
  }
  committed_ = true;
}

fs::path FileWriter::CommitUnique() {
  if (committed_) return final_;
  if (!handedOver_) CloseFile();
  if (beside_.empty()) {
    committed_ = true;
    return final_;
  }
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    fs::path candidate = Numbered(final_, n);
    try {
      if (env_->RenameNoReplace(beside_, candidate)) {
        committed_ = true;
        return candidate;
      }
    } catch (const std::system_error& e) {
      Fail("Cannot write file", ErrorNumber(e));
    }
  }
  Fail("Cannot write file", EEXIST);
}

}  // namespace telqor
