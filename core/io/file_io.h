// Whole-file reading with the program's error texts: ReadWholeFile and FileContents read a
// file in one piece ("Cannot open file "%s". %s" when it cannot; "Cannot read file "%s". %s"
// when a read fails or the file is cut short meanwhile); core/io/file_pieces.h reads one a piece
// at a time. Files are written with FileWriter (core/io/file_writer.h). Use one object per thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/file_pieces.h"
#include "core/platform/system_error.h"
#include "core/text/path_text.h"

namespace telqor {

std::string ReadWholeFile(const std::filesystem::path& path);

// The bytes of a whole file, read-only, for as long as the object lives. They are read, not
// mapped: a file another program cuts short while it is used then gives its error ("Cannot
// read file ..."), where a mapping would kill the program with a bus error. A large file is
// read in parts side by side, and closed once read.
class FileContents {
 public:
  explicit FileContents(const std::filesystem::path& path);
  FileContents(const FileContents&) = delete;
  FileContents& operator=(const FileContents&) = delete;
  std::string_view view() const { return pieces_.Held(); }

 private:
  FilePieces pieces_;
};

// What a read says of a file that became shorter while it was read.
inline constexpr char kShortenedWhileRead[] = "The file became shorter while it was read";

// A file read a piece at a time from any place, for files too large to hold whole. "Cannot open
// file "%s". %s" when it cannot be opened, "Cannot read file "%s". %s" when a read fails.
class RandomAccessFile {
 public:
  explicit RandomAccessFile(const std::filesystem::path& path);
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;
  ~RandomAccessFile();
  // The size when opened.
  uint64_t Size() const { return size_; }
  // Reads up to n bytes at offset into buffer; answers how many were read (fewer only at the
  // end of the file). Safe to call from several threads at once.
  size_t ReadAt(uint64_t offset, char* buffer, size_t n) const;

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  uint64_t size_ = 0;
};

// Creates the folder with its missing parents; "Cannot create folder "%s". %s" when it cannot.
void CreateFolders(const std::filesystem::path& folder);


}  // namespace telqor
