// FileWriter: the one way the program writes a file.
//
// The bytes go into a new file beside the final name; Commit moves it onto the final name only
// after every write and the close succeeded. Until then the final name keeps what it held, or
// stays absent, so a full disk or a failed write never leaves a half file or destroys the old
// one. A writer dropped without Commit (an error on the way) removes its new file.
// A final name that is an existing device or pipe (/dev/full, a FIFO) is written directly,
// since it cannot be replaced; standard output likewise.
//
// Failures are FileError with the final name: "Cannot create file "%s". %s" when the new
// file cannot be made, "Cannot write file "%s". %s" when a write, the close or the move fails.
// Writes are buffered. One object per thread; files go through the Env in force.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace telqor {

class Env;
class WritableFile;

class FileWriter {
 public:
  explicit FileWriter(const std::filesystem::path& path);
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;
  ~FileWriter();

  // A writer on standard output (Commit flushes it).
  static FileWriter StandardOutput();

  void Write(std::string_view bytes);

  // For a library that writes a file by name itself (libxlsxwriter): closes the new file, still
  // empty, and answers its name beside the final one (the final name itself when that is
  // written directly) for the library to write over. Commit then moves what the library wrote
  // onto the final name; a writer dropped without Commit removes it, whatever the library
  // left there. Nothing more may be written through the writer.
  std::filesystem::path HandToLibrary();

  // Flushes, closes and moves the file onto its final name, replacing what was there.
  void Commit();
  // The same, but never replaces a file: when the final name is taken, the first free one of
  // name-2.ext, name-3.ext, ... is used. Answers the path written.
  std::filesystem::path CommitUnique();

  FileWriter(FileWriter&& other) noexcept;

 private:
  FileWriter(std::unique_ptr<WritableFile> file, std::string name);
  void Flush();
  void CloseFile();
  [[noreturn]] void Fail(const char* what, int errorNumber);
  void KeepOwnerAndMode(const std::filesystem::path& final, const std::filesystem::file_status& st);

  Env* env_ = nullptr;
  std::unique_ptr<WritableFile> file_;
  std::filesystem::path final_;   // the name the file ends up under
  std::filesystem::path beside_;  // the new file while it is written; empty when direct
  std::string name_;              // final name as shown in messages
  std::string buffer_;
  bool committed_ = false;
  bool handedOver_ = false;  // the file is the library's (HandToLibrary)
};

}  // namespace telqor
