// The zip archive under a .docx, .xlsx, .odt or .ods file, read with libzip: its entries looked up
// by name and read a chunk at a time, never whole, within limits that keep a hostile archive
// (an entry inflating to gigabytes, a hundred thousand entries) cheap to refuse.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/errors.h"

struct zip;
struct zip_source;

namespace telqor {

// Why a package cannot be read, in the words a user reads after the file's name ("文件已损坏
// （不是有效的压缩包）"); the caller names the file.
class PackageError : public Error {
 public:
  using Error::Error;
};

// The stop flag was seen between two chunks.
class PackageStopped : public Error {
 public:
  PackageStopped() : Error("stopped") {}
};

// How far a package is read before it is refused: far beyond real documents, near enough that a
// hostile one costs bounded memory and time. The inflated size and the ratio hold for each
// entry and for all entries read together.
struct PackageLimits {
  uint64_t entries = 20000;
  uint64_t partSize = uint64_t{2} << 30;  // inflated bytes
  // Inflated bytes per compressed byte, counted once an entry inflated past ratioFrom: XML
  // deflates 10 to 50 times; a bomb near deflate's limit of about 1000.
  uint64_t ratio = 300;
  uint64_t ratioFrom = uint64_t{16} << 20;
  // Text made from the package (UTF-8 bytes), and a workbook's shared strings held for its
  // sheets: a million rows of a few columns make some 50 MB. Strings grow by doubling, so memory
  // may reach twice these.
  size_t text = size_t{128} << 20;
  size_t sharedStrings = size_t{64} << 20;
  size_t xmlDepth = 2000;              // elements open at once
  size_t xmlToken = size_t{16} << 20;  // bytes of one tag, comment or declaration
};

// A limit as a message names it: "2048 MB", or "1000 字节" below a megabyte's multiple.
std::string SizeText(uint64_t bytes);

class ZipArchive {
 public:
  // Throws PackageError when the archive cannot be opened (FileError when the file cannot be
  // read at all) or holds more entries than the limits allow.
  ZipArchive(const std::filesystem::path& file, const PackageLimits& limits = {},
             const std::atomic<bool>* stop = nullptr);
  // An archive held in memory (the bytes must outlive the archive).
  ZipArchive(std::string_view bytes, const PackageLimits& limits = {}, const std::atomic<bool>* stop = nullptr);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  const PackageLimits& Limits() const { return limits_; }
  // The entries' names as stored (UTF-8 as far as the archive says).
  std::vector<std::string> Names() const;
  // The entry of that name, letters compared in any case (part names are case-blind).
  std::optional<uint64_t> Find(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name).has_value(); }

  // Calls onChunk with the named entry's inflated bytes, up to 64 KB at a time; looks at the stop
  // flag before each chunk (PackageStopped). PackageError when the entry is missing, cannot be
  // inflated, is encrypted, or inflates beyond the limits.
  void Read(std::string_view name, const std::function<void(std::string_view)>& onChunk) const;

 private:
  void Open(::zip_source* source);
  // A FileError when the file itself could not be read (not the archive's fault).
  void ThrowReadError() const;

  struct FileSource;
  std::unique_ptr<FileSource> file_;
  ::zip* zip_ = nullptr;
  PackageLimits limits_;
  const std::atomic<bool>* stop_;
  // Read so far, of all entries: inflated, and compressed as the archive states.
  mutable uint64_t inflated_ = 0, compressed_ = 0;
};

}  // namespace telqor
