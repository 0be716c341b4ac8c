// Zip archives made by the tests with libzip: office packages with chosen parts, and hostile ones.
#pragma once

#include <zip.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_files.h"

namespace telqor::test {

struct ZipEntry {
  std::string name, bytes;
  bool stored = false;  // else deflated
};

inline void WriteZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries) {
  int error = 0;
  zip_t* zip = zip_open(file.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!zip) throw std::runtime_error("zip_open " + std::to_string(error));
  for (const ZipEntry& entry : entries) {
    zip_source_t* source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
    const zip_int64_t index = zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) throw std::runtime_error(std::string("zip_file_add ") + zip_strerror(zip));
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), entry.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
  }
  if (zip_close(zip) != 0) throw std::runtime_error(std::string("zip_close ") + zip_strerror(zip));
}

// The archive's bytes, for reading from memory.
inline std::string ZipBytes(const std::vector<ZipEntry>& entries) {
  TempDir dir;
  WriteZip(dir / "a.zip", entries);
  return ReadBytes(dir / "a.zip");
}

// The XML declaration and a root element around body.
inline std::string Xml(const std::string& root, const std::string& namespaces, const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<" + root + " " + namespaces + ">" + body +
         "</" + root + ">";
}

}  // namespace telqor::test
