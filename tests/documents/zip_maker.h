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

// ---- The parts that name a package's parts ----------------------------------------------------

inline const std::string kRelationshipType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

// A relationship of a type given by its last name ("worksheet"), or by its whole URI.
inline std::string RelationshipXml(const std::string& id, const std::string& type, const std::string& target) {
  const std::string uri = type.find(':') == std::string::npos ? kRelationshipType + type : type;
  return "<Relationship Id=\"" + id + "\" Type=\"" + uri + "\" Target=\"" + target + "\"/>";
}

inline std::string RelationshipsXml(const std::string& relationships) {
  return Xml("Relationships", "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"",
             relationships);
}

// _rels/.rels naming an Office Open XML package's main part.
inline ZipEntry PackageRelationships(const std::string& mainPart, const std::string& type = "officeDocument") {
  return {"_rels/.rels", RelationshipsXml(RelationshipXml("rId1", type, mainPart))};
}

// META-INF/manifest.xml listing an OpenDocument package's parts.
inline ZipEntry OdfManifest(const std::vector<std::string>& parts = {"content.xml", "styles.xml"}) {
  std::string entries;
  for (const std::string& part : parts)
    entries += "<manifest:file-entry manifest:full-path=\"" + part + "\" manifest:media-type=\"text/xml\"/>";
  return {"META-INF/manifest.xml",
          Xml("manifest:manifest", "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\"",
              "<manifest:file-entry manifest:full-path=\"/\" "
              "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>" +
                  entries)};
}

}  // namespace telqor::test
