#include "documents/compound_file.h"

#include <algorithm>
#include <cstring>

#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "documents/little_endian.h"

namespace telqor {
namespace {

constexpr std::string_view kSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr size_t kHeaderSize = 512;
constexpr size_t kHeaderFatSectors = 109;  // listed in the header; more in sectors of their own
constexpr size_t kEntrySize = 128;
constexpr uint32_t kLastRegular = 0xFFFFFFFA;  // above it, the chains' marks
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;
constexpr uint64_t kChunk = 64 * 1024;  // the stop flag is looked at this often

constexpr char kNotCompound[] = "文件已损坏（不是有效的复合文档）";
constexpr char kBrokenChain[] = "文件已损坏（复合文档的扇区链指向文件之外）";
constexpr char kLoopedChain[] = "文件已损坏（复合文档的扇区链首尾相接）";

uint64_t CeilDiv(uint64_t a, uint64_t b) { return a / b + (a % b != 0); }

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Entry names compare as the format does, without case (only ASCII letters fold here; the
// streams looked for have ASCII names).
bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
}

std::string Utf8Name(std::u16string_view name) {
  std::string utf8;
  for (char16_t c : name) AppendUtf8(utf8, c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
  return utf8;
}

}  // namespace

bool IsCompoundFile(std::string_view head) { return head.starts_with(kSignature); }

CompoundFile::CompoundFile(const std::filesystem::path& file, const PackageLimits& limits,
                           const std::atomic<bool>* stop)
    : file_(std::make_unique<RandomAccessFile>(file)), limits_(limits), stop_(stop) {
  fileSize_ = file_->Size();
  Open();
}

CompoundFile::CompoundFile(std::string_view bytes, const PackageLimits& limits, const std::atomic<bool>* stop)
    : bytes_(bytes), fileSize_(bytes.size()), limits_(limits), stop_(stop) {
  Open();
}

CompoundFile::~CompoundFile() = default;

void CompoundFile::CheckStop() const {
  if (stop_ && *stop_) throw PackageStopped();
}

size_t CompoundFile::ReadAt(uint64_t offset, char* buffer, size_t n) const {
  if (file_) return file_->ReadAt(offset, buffer, n);
  if (offset >= bytes_.size()) return 0;
  const size_t got = static_cast<size_t>(std::min<uint64_t>(n, bytes_.size() - offset));
  std::memcpy(buffer, bytes_.data() + offset, got);
  return got;
}

void CompoundFile::Open() {
  header_.assign(kHeaderSize, '\0');
  if (ReadAt(0, header_.data(), kHeaderSize) != kHeaderSize || !IsCompoundFile(header_))
    throw PackageError(kNotCompound);
  version_ = Le16(&header_[0x1A]);
  const unsigned shift = Le16(&header_[0x1E]), miniShift = Le16(&header_[0x20]);
  if ((shift != 9 && shift != 12) || miniShift != 6) throw PackageError(kNotCompound);
  sectorSize_ = size_t{1} << shift;
  miniSectorSize_ = size_t{1} << miniShift;
  miniCutoff_ = Le32(&header_[0x38]);
  // Sector n starts at (n + 1) sector sizes: the header takes the first. A last sector the
  // file holds only in part is read as far as it goes.
  sectors_ = fileSize_ > sectorSize_ ? CeilDiv(fileSize_ - sectorSize_, sectorSize_) : 0;
  LoadAllocationTable();
  LoadDirectory();
  LoadMiniStream();
}

void CompoundFile::ReadSector(uint32_t sector, char* into) const {
  const size_t got = ReadAt((uint64_t{sector} + 1) * sectorSize_, into, sectorSize_);
  std::memset(into + got, 0, sectorSize_ - got);
}

// The allocation table is in sectors listed by the header (the first 109) and then by a chain
// of sectors of their own, each ending with the next one's number.
void CompoundFile::LoadAllocationTable() {
  const uint64_t count = Le32(&header_[0x2C]);
  if (count > sectors_) throw PackageError(kNotCompound);
  std::vector<uint32_t> tableSectors;
  for (size_t i = 0; i < kHeaderFatSectors && tableSectors.size() < count; ++i)
    tableSectors.push_back(Le32(&header_[0x4C + 4 * i]));
  const size_t perSector = sectorSize_ / 4;
  std::string sector(sectorSize_, '\0');
  std::vector<bool> seen(sectors_);
  for (uint32_t list = Le32(&header_[0x44]); tableSectors.size() < count && list < kLastRegular;
       list = Le32(&sector[4 * (perSector - 1)])) {
    if (list >= sectors_) throw PackageError(kBrokenChain);
    if (seen[list]) throw PackageError(kLoopedChain);
    seen[list] = true;
    ReadSector(list, sector.data());
    for (size_t i = 0; i + 1 < perSector && tableSectors.size() < count; ++i)
      tableSectors.push_back(Le32(&sector[4 * i]));
  }
  fat_.reserve(tableSectors.size() * perSector);
  for (uint32_t at : tableSectors) {
    if (at >= sectors_) throw PackageError(kBrokenChain);
    ReadSector(at, sector.data());
    for (size_t i = 0; i < perSector; ++i) fat_.push_back(Le32(&sector[4 * i]));
  }
}

std::vector<uint32_t> CompoundFile::Chain(const std::vector<uint32_t>& table, uint32_t start, uint64_t most,
                                          uint64_t count) const {
  std::vector<uint32_t> chain;
  std::vector<bool> taken(static_cast<size_t>(count));
  for (uint32_t at = start; chain.size() < most && at != kEndOfChain;) {
    if (at >= count) throw PackageError(kBrokenChain);
    if (taken[at]) throw PackageError(kLoopedChain);
    taken[at] = true;
    chain.push_back(at);
    if (chain.size() == most) break;
    if (at >= table.size()) throw PackageError(kBrokenChain);
    at = table[at];
  }
  return chain;
}

void CompoundFile::LoadDirectory() {
  const size_t perSector = sectorSize_ / kEntrySize;
  // One sector past the limit tells a directory that is too large from one just large enough.
  const uint64_t most = CeilDiv(limits_.entries, perSector);
  const std::vector<uint32_t> chain = Chain(fat_, Le32(&header_[0x30]), most + 1, sectors_);
  if (chain.size() > most)
    throw PackageError("复合文档的目录项过多（超过 " + std::to_string(limits_.entries) + " 个）");
  std::string sector(sectorSize_, '\0');
  for (uint32_t at : chain) {
    ReadSector(at, sector.data());
    for (size_t offset = 0; offset < sectorSize_; offset += kEntrySize) {
      const char* e = &sector[offset];
      Entry entry;
      const size_t units = std::min<size_t>(Le16(e + 64) / 2, 32);
      for (size_t i = 0; i < units; ++i) {
        const char16_t c = Le16(e + 2 * i);
        if (c == 0) break;
        entry.name += c;
      }
      entry.type = static_cast<uint8_t>(e[66]);
      entry.left = Le32(e + 68);
      entry.right = Le32(e + 72);
      entry.child = Le32(e + 76);
      entry.start = Le32(e + 116);
      // Version 3 files hold 32-bit sizes; writers leave anything in the high half.
      entry.size = version_ >= 4 ? Le64(e + 120) : Le32(e + 120);
      entries_.push_back(std::move(entry));
    }
  }
  if (entries_.empty() || entries_[0].type != 5) throw PackageError(kNotCompound);
}

// The small streams live in 64-byte sectors of the root's stream, chained by their own table.
void CompoundFile::LoadMiniStream() {
  const Entry& root = entries_[0];
  miniStream_ = Chain(fat_, root.start, CeilDiv(root.size, sectorSize_), sectors_);
  miniStreamSize_ = std::min<uint64_t>(root.size, miniStream_.size() * uint64_t{sectorSize_});
  const std::vector<uint32_t> tableSectors =
      Chain(fat_, Le32(&header_[0x3C]), std::min<uint64_t>(Le32(&header_[0x40]), sectors_), sectors_);
  std::string sector(sectorSize_, '\0');
  for (uint32_t at : tableSectors) {
    ReadSector(at, sector.data());
    for (size_t i = 0; i < sectorSize_ / 4; ++i) miniFat_.push_back(Le32(&sector[4 * i]));
  }
}

// The root's streams hang in a tree of left and right siblings below its child. A tree that
// points back into itself is damaged: the entries are then looked at one by one.
std::optional<size_t> CompoundFile::Find(std::u16string_view name) const {
  std::vector<bool> seen(entries_.size());
  std::vector<uint32_t> pending = {entries_[0].child};
  seen[0] = true;
  bool damaged = false;
  while (!pending.empty()) {
    const uint32_t at = pending.back();
    pending.pop_back();
    if (at == kNoEntry) continue;
    if (at >= entries_.size() || seen[at]) {
      damaged = true;
      continue;
    }
    seen[at] = true;
    const Entry& entry = entries_[at];
    if (SameName(entry.name, name)) return at;
    pending.push_back(entry.left);
    pending.push_back(entry.right);
  }
  if (damaged)
    for (size_t i = 1; i < entries_.size(); ++i)
      if (entries_[i].type == 2 && SameName(entries_[i].name, name)) return i;
  return std::nullopt;
}

bool CompoundFile::Has(std::u16string_view name) const {
  const std::optional<size_t> at = Find(name);
  return at && entries_[*at].type == 2;
}

void CompoundFile::ReadSectors(const std::vector<uint32_t>& sectors, uint64_t size, std::string& out) const {
  // Runs of neighbouring sectors are read at once: writers lay most streams out in order.
  uint64_t done = 0, sinceCheck = 0;
  for (size_t i = 0; i < sectors.size() && done < size;) {
    size_t run = 1;
    while (i + run < sectors.size() && sectors[i + run] == sectors[i] + run && run * sectorSize_ < kChunk) ++run;
    const size_t bytes = static_cast<size_t>(std::min<uint64_t>(run * uint64_t{sectorSize_}, size - done));
    ReadAt((uint64_t{sectors[i]} + 1) * sectorSize_, out.data() + done, bytes);  // the rest stays zero
    done += bytes;
    i += run;
    if ((sinceCheck += bytes) >= kChunk) {
      sinceCheck = 0;
      CheckStop();
    }
  }
}

std::string CompoundFile::Read(std::u16string_view name) const {
  const std::optional<size_t> at = Find(name);
  if (!at || entries_[*at].type != 2) throw PackageError("文件已损坏（缺少 " + Utf8Name(name) + "）");
  const Entry& entry = entries_[*at];
  if (entry.size > limits_.partSize)
    throw PackageError(Utf8Name(name) + " 超过 " + SizeText(limits_.partSize) + "，不予读取");
  CheckStop();
  std::string out;
  if (entry.size >= miniCutoff_) {
    const std::vector<uint32_t> chain = Chain(fat_, entry.start, CeilDiv(entry.size, sectorSize_), sectors_);
    out.assign(static_cast<size_t>(std::min<uint64_t>(entry.size, chain.size() * uint64_t{sectorSize_})), '\0');
    ReadSectors(chain, out.size(), out);
    return out;
  }
  const std::vector<uint32_t> chain =
      Chain(miniFat_, entry.start, CeilDiv(entry.size, miniSectorSize_), CeilDiv(miniStreamSize_, miniSectorSize_));
  out.assign(static_cast<size_t>(std::min<uint64_t>(entry.size, chain.size() * uint64_t{miniSectorSize_})), '\0');
  for (size_t i = 0; i < chain.size(); ++i) {
    const uint64_t offset = uint64_t{chain[i]} * miniSectorSize_;  // in the mini stream
    const uint64_t sector = offset / sectorSize_;
    const size_t bytes = std::min<size_t>(miniSectorSize_, out.size() - i * miniSectorSize_);
    ReadAt((uint64_t{miniStream_[sector]} + 1) * sectorSize_ + offset % sectorSize_, out.data() + i * miniSectorSize_,
           bytes);
  }
  return out;
}

}  // namespace telqor
