#include "core/io/file_pieces.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/platform/parallel.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

// A part of a piece is worth a thread of its own from this size on.
constexpr size_t kLeastPerPart = size_t{1} << 20;
// What is read at a time once the size known at opening is read, or of a file of unknown size.
constexpr size_t kReadOn = size_t{1} << 20;

}  // namespace

FilePieces::FilePieces(const fs::path& path, size_t pieceBytes) : path_(path), piece_(pieceBytes) {
  auto openError = [&](int error) {
    return FileError("Cannot open file \"" + PathToUtf8(path) + "\". " + SystemErrorText(error));
  };
  std::error_code ec;
  const fs::file_type type = fs::status(path, ec).type();
  if (type == fs::file_type::regular) {
    file_ = std::make_unique<RandomAccessFile>(path);
    size_ = file_->Size();
  } else {
    stream_ = OpenStreamForReading(path);
    if (!stream_) throw openError(errno);
    if (type == fs::file_type::directory) {
      std::fclose(stream_);
      stream_ = nullptr;
      throw openError(EISDIR);
    }
  }
  if (piece_ == 0) piece_ = static_cast<size_t>(std::max<uint64_t>(size_, kReadOn));
}

FilePieces::~FilePieces() { CloseFile(); }

void FilePieces::CloseFile() {
  file_.reset();
  if (stream_) std::fclose(stream_);
  stream_ = nullptr;
}

void FilePieces::MakeRoom(size_t bytes) {
  const size_t held = end_ - begin_;
  if (capacity_ < bytes) {
    const size_t capacity = std::max(bytes, capacity_ + capacity_ / 2);
    std::unique_ptr<char[]> grown(new char[capacity]);
    if (held) std::memcpy(grown.get(), buffer_.get() + begin_, held);
    buffer_ = std::move(grown);
    capacity_ = capacity;
  } else if (begin_ > 0 && held) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, held);
  }
  begin_ = 0;
  end_ = held;
}

size_t FilePieces::ReadParts(char* to, size_t want) {
  const size_t known = size_ > offset_ ? static_cast<size_t>(std::min<uint64_t>(want, size_ - offset_)) : 0;
  const int parts = ParallelParts(known, kLeastPerPart);
  std::vector<size_t> got(static_cast<size_t>(parts));
  ParallelFor(parts, [&](int p) {
    const size_t from = PartStart(want, p, parts), to_ = PartStart(want, p + 1, parts);
    got[static_cast<size_t>(p)] = file_->ReadAt(offset_ + from, to + from, to_ - from);
  });
  // Within the size known at opening a short part has raised its error; past it the file ends
  // where a part came short (whatever a later part found of a file still growing).
  size_t total = 0;
  for (int p = 0; p < parts; ++p) {
    total += got[static_cast<size_t>(p)];
    if (got[static_cast<size_t>(p)] < PartStart(want, p + 1, parts) - PartStart(want, p, parts)) break;
  }
  return total;
}

bool FilePieces::ReadMore() {
  if (!file_ && !stream_) return false;
  const size_t want = offset_ < size_ ? piece_ : std::min(piece_, kReadOn);
  MakeRoom(end_ - begin_ + want);
  char* to = buffer_.get() + end_;
  size_t got;
  if (file_) {
    got = ReadParts(to, want);
  } else {
    got = std::fread(to, 1, want, stream_);
    if (std::ferror(stream_)) {
      const int error = errno;
      throw FileError("Cannot read file \"" + PathToUtf8(path_) + "\". " + SystemErrorText(error));
    }
  }
  end_ += got;
  offset_ += got;
  return got > 0;
}

}  // namespace telqor
