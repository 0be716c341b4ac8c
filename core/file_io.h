// Whole-file reading and buffered writing with the system's error texts.
//
// ReadWholeFile and FileContents read a file in one piece ("Cannot open file "%s". %s" when it cannot).
// FileWriter creates or truncates a file ("Cannot create file "%s". %s"), buffers its writes
// and reports a failed write or close ("Cannot write file "%s". %s"), so a full disk is never
// a silently truncated output. Neither is thread-safe; use one object per thread.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace telqor {

std::string ReadWholeFile(const std::filesystem::path& path);

// The bytes of a whole file, read-only, for as long as the object lives: the file is mapped
// into memory where the platform allows (no copy, no fresh pages), else read in one piece.
class FileContents {
 public:
  explicit FileContents(const std::filesystem::path& path);
  FileContents(const FileContents&) = delete;
  FileContents& operator=(const FileContents&) = delete;
  ~FileContents();
  std::string_view view() const { return {data_, size_}; }

 private:
  const char* data_ = nullptr;
  size_t size_ = 0;
  void* mapping_ = nullptr;
  std::string buffer_;
};

// The path as the user reads it in a message (UTF-8).
std::string DisplayPath(const std::filesystem::path& path);

// The platform's text for the last error number.
std::string SystemErrorText(int errorNumber);

class FileWriter {
 public:
  explicit FileWriter(const std::filesystem::path& path);
  // Writes to an already open stream (standard output); the stream is not closed.
  FileWriter(std::FILE* stream, std::string name);
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;
  ~FileWriter();

  void Write(std::string_view bytes);
  // Flushes and closes; throws when any write failed. Called by the destructor silently.
  void Close();

 private:
  void Flush();
  [[noreturn]] void Fail(int errorNumber);

  std::FILE* file_ = nullptr;
  bool owned_ = true;
  std::string name_;
  std::string buffer_;
};

}  // namespace telqor
