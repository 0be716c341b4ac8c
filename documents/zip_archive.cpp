#include "documents/zip_archive.h"

#include <zip.h>

#include <cerrno>
#include <mutex>
#include <vector>

#include "core/io/file_io.h"

namespace telqor {
namespace {

constexpr size_t kChunk = 64 * 1024;

std::string ErrorText(zip_error_t* error) {
  switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      return "受密码保护";
    case ZIP_ER_COMPNOTSUPP:
      return "文件已损坏（不支持的压缩方式）";
    default:
      return std::string("文件已损坏（") + zip_error_strerror(error) + "）";
  }
}

}  // namespace

std::string SizeText(uint64_t bytes) {
  if (bytes != 0 && bytes % (1 << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  return std::to_string(bytes) + " 字节";
}

// The file as a libzip source, read through RandomAccessFile so that a path reaches the system
// the way every other file's does (wide names on Windows).
struct ZipArchive::FileSource {
  explicit FileSource(const std::filesystem::path& path) : file(path) { zip_error_init(&error); }
  ~FileSource() { zip_error_fini(&error); }

  static zip_int64_t Call(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* self = static_cast<FileSource*>(state);
    switch (command) {
      case ZIP_SOURCE_OPEN:
        self->offset = 0;
        return 0;
      case ZIP_SOURCE_READ:
        try {
          const size_t got = self->file.ReadAt(self->offset, static_cast<char*>(data), length);
          self->offset += got;
          return static_cast<zip_int64_t>(got);
        } catch (const std::exception& e) {
          self->readError = e.what();
          zip_error_set(&self->error, ZIP_ER_READ, EIO);
          return -1;
        }
      case ZIP_SOURCE_CLOSE:
      case ZIP_SOURCE_FREE:
        return 0;
      case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->size = self->file.Size();
        st->comp_size = st->size;
        st->comp_method = ZIP_CM_STORE;
        st->encryption_method = ZIP_EM_NONE;
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
        return sizeof(*st);
      }
      case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&self->error, data, length);
      case ZIP_SOURCE_SEEK: {
        const zip_int64_t to =
            zip_source_seek_compute_offset(self->offset, self->file.Size(), data, length, &self->error);
        if (to < 0) return -1;
        self->offset = static_cast<uint64_t>(to);
        return 0;
      }
      case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(self->offset);
      case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
      default:
        zip_error_set(&self->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
  }

  RandomAccessFile file;
  uint64_t offset = 0;
  std::string readError;  // the file's own error, said as for any other file
  zip_error_t error;
};

ZipArchive::ZipArchive(const std::filesystem::path& file, const PackageLimits& limits, const std::atomic<bool>* stop)
    : file_(std::make_unique<FileSource>(file)), limits_(limits), stop_(stop) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_function_create(&FileSource::Call, file_.get(), &error);
  zip_error_fini(&error);
  if (!source) throw std::bad_alloc();
  Open(source);
}

ZipArchive::ZipArchive(std::string_view bytes, const PackageLimits& limits, const std::atomic<bool>* stop)
    : limits_(limits), stop_(stop) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_error_fini(&error);
  if (!source) throw std::bad_alloc();
  Open(source);
}

void ZipArchive::Open(zip_source_t* source) {
  zip_error_t error;
  zip_error_init(&error);
  {
    // Opening turns every entry's DOS time into a time_t (mktime, so tzset). The C library
    // serialises that with a lock of its own which ThreadSanitizer cannot see; one open at a
    // time costs nothing beside the reading, and keeps the extraction workers' runs clean.
    static std::mutex opening;
    std::lock_guard lock(opening);
    zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
  }
  zip_error_fini(&error);
  if (!zip_) {
    zip_source_free(source);
    ThrowReadError();
    throw PackageError("文件已损坏（不是有效的压缩包）");
  }
  const zip_int64_t entries = zip_get_num_entries(zip_, 0);
  if (entries < 0 || static_cast<uint64_t>(entries) > limits_.entries) {
    zip_discard(zip_);
    zip_ = nullptr;
    throw PackageError("压缩包内的文件过多（" + std::to_string(entries) + " 个，最多 " +
                       std::to_string(limits_.entries) + " 个）");
  }
}

void ZipArchive::ThrowReadError() const {
  if (file_ && !file_->readError.empty()) throw FileError(file_->readError);
}

ZipArchive::~ZipArchive() {
  if (zip_) zip_discard(zip_);
}

std::vector<std::string> ZipArchive::Names() const {
  std::vector<std::string> names;
  const zip_int64_t entries = zip_get_num_entries(zip_, 0);
  for (zip_int64_t i = 0; i < entries; ++i)
    if (const char* name = zip_get_name(zip_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS)) names.emplace_back(name);
  return names;
}

std::optional<uint64_t> ZipArchive::Find(std::string_view name) const {
  const zip_int64_t index = zip_name_locate(zip_, std::string(name).c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
  if (index < 0) return std::nullopt;
  return static_cast<uint64_t>(index);
}

void ZipArchive::Read(std::string_view name, const std::function<void(std::string_view)>& onChunk) const {
  const std::optional<uint64_t> index = Find(name);
  if (!index) throw PackageError("文件已损坏（缺少 " + std::string(name) + "）");
  zip_stat_t stat;
  if (zip_stat_index(zip_, *index, 0, &stat) != 0) throw PackageError(ErrorText(zip_get_error(zip_)));
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
    throw PackageError("受密码保护");
  const std::string tooLarge = std::string(name) + " 解压后超过 " + SizeText(limits_.partSize) + "，不予读取";
  // The sizes the archive states are checked first; the bytes inflated are counted too, since
  // a hostile archive may state anything.
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > limits_.partSize) throw PackageError(tooLarge);
  const uint64_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
  const std::string ratio =
      "的压缩率异常（超过 " + std::to_string(limits_.ratio) + " 倍），可能是恶意构造的文件，不予读取";
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > limits_.ratioFrom && stat.size / limits_.ratio > compressed)
    throw PackageError(std::string(name) + " " + ratio);

  zip_file_t* entry = zip_fopen_index(zip_, *index, 0);
  if (!entry) throw PackageError(ErrorText(zip_get_error(zip_)));
  struct Closer {
    zip_file_t* entry;
    ~Closer() { zip_fclose(entry); }
  } closer{entry};
  // The entry and the whole package alike: many entries each within the limits may not
  // together make what one may not.
  compressed_ += compressed;
  std::vector<char> buffer(kChunk);
  uint64_t total = 0;
  for (;;) {
    if (stop_ && *stop_) throw PackageStopped();
    const zip_int64_t got = zip_fread(entry, buffer.data(), buffer.size());
    if (got < 0) {
      ThrowReadError();
      throw PackageError(ErrorText(zip_file_get_error(entry)));
    }
    if (got == 0) break;
    total += static_cast<uint64_t>(got);
    inflated_ += static_cast<uint64_t>(got);
    // libzip does not hold an entry to its stated size: more than it states is a lie, stopped
    // here rather than after up to a thousand times the compressed bytes.
    if ((stat.valid & ZIP_STAT_SIZE) && total > stat.size)
      throw PackageError("文件已损坏（" + std::string(name) + " 解压后的大小与记录不符）");
    if (total > limits_.partSize) throw PackageError(tooLarge);
    if (inflated_ > limits_.partSize)
      throw PackageError("压缩包解压后共超过 " + SizeText(limits_.partSize) + "，不予读取");
    if (total > limits_.ratioFrom && total / limits_.ratio > compressed)
      throw PackageError(std::string(name) + " " + ratio);
    if (inflated_ > limits_.ratioFrom && inflated_ / limits_.ratio > compressed_) throw PackageError("压缩包" + ratio);
    onChunk(std::string_view(buffer.data(), static_cast<size_t>(got)));
  }
}

}  // namespace telqor
