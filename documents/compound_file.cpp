#include "documents/compound_file.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/io/file_io.h"

namespace telqor {
namespace {

constexpr std::string_view kSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr uint32_t kLastSector = 0xFFFFFFFA;  // from here on, the chain's marks
constexpr size_t kHeaderFatEntries = 109;
constexpr size_t kEntrySize = 128;

uint32_t U32(const char* p) {
  return static_cast<uint32_t>(static_cast<unsigned char>(p[0])) |
         static_cast<uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(p[2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(p[3])) << 24;
}

class CompoundFile {
 public:
  explicit CompoundFile(const std::filesystem::path& path) : file_(path) {
    header_.resize(512);
    if (file_.ReadAt(0, header_.data(), header_.size()) != header_.size() || !header_.starts_with(kSignature)) return;
    const unsigned shift = static_cast<unsigned char>(header_[0x1E]) | static_cast<unsigned char>(header_[0x1F]) << 8;
    if (shift != 9 && shift != 12) return;
    sectorSize_ = size_t{1} << shift;
    // Every chain is walked at most once over the file's sectors: a loop in a damaged file ends.
    steps_ = file_.Size() / sectorSize_ + 1;
    valid_ = true;
  }

  bool HasStream(std::u16string_view name) {
    if (!valid_) return false;
    std::string sector(sectorSize_, '\0');
    uint32_t at = U32(&header_[0x30]);
    for (uint64_t step = 0; at < kLastSector && step < steps_; ++step) {
      if (!Read(at, sector)) return false;
      for (size_t entry = 0; entry + kEntrySize <= sectorSize_; entry += kEntrySize) {
        const char* e = &sector[entry];
        const size_t bytes = static_cast<unsigned char>(e[64]) | static_cast<unsigned char>(e[65]) << 8;
        if (e[66] != 2 || bytes != (name.size() + 1) * 2) continue;  // a stream, its name ending with a zero
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
          same = (static_cast<unsigned char>(e[2 * i]) | static_cast<unsigned char>(e[2 * i + 1]) << 8) == name[i];
        if (same) return true;
      }
      at = Next(at);
    }
    return false;
  }

 private:
  bool Read(uint32_t sector, std::string& into) {
    const uint64_t offset = (uint64_t{sector} + 1) * sectorSize_;
    return offset + sectorSize_ <= file_.Size() && file_.ReadAt(offset, into.data(), sectorSize_) == sectorSize_;
  }

  // The sector after this one in its chain: the allocation table holds it, its sectors listed
  // in the header and then in a chain of sectors of their own.
  uint32_t Next(uint32_t sector) {
    const size_t perSector = sectorSize_ / 4;
    const uint64_t index = sector / perSector;
    uint32_t fatSector = kLastSector;
    std::string block(sectorSize_, '\0');
    if (index < kHeaderFatEntries) {
      fatSector = U32(&header_[0x4C + 4 * index]);
    } else {
      uint64_t rest = index - kHeaderFatEntries;
      uint32_t list = U32(&header_[0x44]);
      for (uint64_t step = 0; list < kLastSector && step < steps_; ++step) {
        if (!Read(list, block)) return kLastSector;
        if (rest < perSector - 1) {
          fatSector = U32(&block[4 * rest]);
          break;
        }
        rest -= perSector - 1;
        list = U32(&block[4 * (perSector - 1)]);
      }
    }
    if (fatSector >= kLastSector || !Read(fatSector, block)) return kLastSector;
    return U32(&block[4 * (sector % perSector)]);
  }

  RandomAccessFile file_;
  std::string header_;
  size_t sectorSize_ = 512;
  uint64_t steps_ = 0;
  bool valid_ = false;
};

}  // namespace

bool IsEncryptedPackage(const std::filesystem::path& file) {
  try {
    return CompoundFile(file).HasStream(u"EncryptionInfo");
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace telqor
