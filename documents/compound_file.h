// The compound file: the container of the binary office formats (.doc, .xls, .wps, .et) and of a
// package encrypted with a password (office suites save one as a compound file holding the
// encrypted package beside a stream "EncryptionInfo"). It is a small file system inside the
// file: fixed-size sectors chained through an allocation table, streams under 4 KB kept in
// 64-byte sectors of a stream of their own, and a directory of named entries.
//
// Read here within bounds, like the zip archives: every chain is checked for sectors outside the
// file and for loops (a chain never takes a sector twice), the directory's entries are counted,
// and a stream is read only up to its stated size, itself limited. A stream is read whole, so a
// hostile file costs at most its own size for each stream read.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/zip_archive.h"

namespace telqor {

class RandomAccessFile;

// A compound file of a kind or a version the engine does not read (a Word 6.0 document, an
// Excel 95 workbook, neither a document nor a workbook): the office suite may still read it.
class UnsupportedFormat : public PackageError {
 public:
  using PackageError::PackageError;
};

// Whether bytes (a file's first eight at least) start as a compound file does.
bool IsCompoundFile(std::string_view head);

class CompoundFile {
 public:
  // PackageError ("文件已损坏（不是有效的复合文档）") when the header, the allocation tables or the
  // directory cannot be read; FileError when the file itself cannot be. Of limits, entries bounds
  // the directory and partSize each stream; stop is looked at between chunks of 64 KB.
  explicit CompoundFile(const std::filesystem::path& file, const PackageLimits& limits = {},
                        const std::atomic<bool>* stop = nullptr);
  // A compound file held in memory (the bytes must outlive the object).
  explicit CompoundFile(std::string_view bytes, const PackageLimits& limits = {},
                        const std::atomic<bool>* stop = nullptr);
  ~CompoundFile();
  CompoundFile(const CompoundFile&) = delete;
  CompoundFile& operator=(const CompoundFile&) = delete;

  const PackageLimits& Limits() const { return limits_; }
  // PackageStopped when the stop flag is set.
  void CheckStop() const;

  // Whether the root storage holds a stream of that name, letters compared in any case (as the
  // format compares them). Streams inside storages (an embedded object's) are not seen.
  bool Has(std::u16string_view name) const;
  // The stream's bytes. PackageError when it is missing ("文件已损坏（缺少 WordDocument）"), its
  // chain is broken, or it states more than limits.partSize. A chain ending before the stated
  // size gives the bytes it has.
  std::string Read(std::u16string_view name) const;

 private:
  struct Entry {
    std::u16string name;
    uint8_t type = 0;  // 1 storage, 2 stream, 5 root
    uint32_t left = 0, right = 0, child = 0, start = 0;
    uint64_t size = 0;
  };

  void Open();
  void LoadAllocationTable();
  void LoadDirectory();
  void LoadMiniStream();
  std::optional<size_t> Find(std::u16string_view name) const;
  // The sectors of the chain from start in table, at most `most` of them; PackageError for a
  // sector beyond `count` or taken twice.
  std::vector<uint32_t> Chain(const std::vector<uint32_t>& table, uint32_t start, uint64_t most,
                              uint64_t count) const;
  // Reads size bytes from the sectors' contents, in their order, into out.
  void ReadSectors(const std::vector<uint32_t>& sectors, uint64_t size, std::string& out) const;
  void ReadSector(uint32_t sector, char* into) const;
  size_t ReadAt(uint64_t offset, char* buffer, size_t n) const;

  std::unique_ptr<RandomAccessFile> file_;
  std::string_view bytes_;
  uint64_t fileSize_ = 0;
  PackageLimits limits_;
  const std::atomic<bool>* stop_;
  std::string header_;
  unsigned version_ = 3;
  size_t sectorSize_ = 512, miniSectorSize_ = 64;
  uint32_t miniCutoff_ = 4096;
  uint64_t sectors_ = 0;  // sectors in the file after the header, a last partial one counted
  std::vector<uint32_t> fat_, miniFat_;
  std::vector<Entry> entries_;
  std::vector<uint32_t> miniStream_;  // the sectors holding the small streams' sectors
  uint64_t miniStreamSize_ = 0;
};

}  // namespace telqor
