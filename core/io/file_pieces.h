// A file read front to back a piece at a time, for loads that need not hold it whole.
//
// A piece of a regular file is read in parts side by side, one pread a part (ParallelFor); a
// pipe or a device is read in order. The bytes the reader has not taken yet stay at the front
// of the buffer and the next piece follows them, so a line cut by a piece's end is whole after
// the next read. Errors are those of FileContents: "Cannot open file "%s". %s", "Cannot read
// file "%s". %s", and kShortenedWhileRead for a file cut short while it is read (never a bus
// error: nothing is mapped); a file that grows meanwhile is read to its new end.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace telqor {

class RandomAccessFile;

class FilePieces {
 public:
  FilePieces(const std::filesystem::path& path, size_t pieceBytes);
  FilePieces(const FilePieces&) = delete;
  FilePieces& operator=(const FilePieces&) = delete;
  ~FilePieces();

  // The size when opened (0 for a pipe or a device).
  uint64_t Size() const { return size_; }
  // Bytes read so far.
  uint64_t Offset() const { return offset_; }
  // Reads up to one piece more after the bytes held; false when the file had no more.
  bool ReadMore();
  // The bytes held: those kept from before, then those just read.
  std::string_view Held() const { return {buffer_.get() + begin_, end_ - begin_}; }
  // Drops the first n bytes held; the rest stays for the next piece.
  void Take(size_t n) { begin_ += n; }
  // Closes the file; the bytes held stay.
  void CloseFile();

 private:
  void MakeRoom(size_t bytes);
  size_t ReadParts(char* to, size_t want);

  std::filesystem::path path_;
  std::unique_ptr<RandomAccessFile> file_;  // a regular file
  std::FILE* stream_ = nullptr;             // anything else
  uint64_t size_ = 0;
  uint64_t offset_ = 0;
  size_t piece_;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0, begin_ = 0, end_ = 0;
};

}  // namespace telqor
