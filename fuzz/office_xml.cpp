// Office packages read natively, from any bytes: a whole archive as given, or XML parts packed
// into a package of a kind the first byte chooses (so mutations reach the XML readers rather
// than the archive's checksums). Reading never crashes or hangs; it ends in text or a refusal,
// and the sheets' ends lie in order within the text.
#include <zip.h>

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "documents/office_package.h"

namespace {

using namespace telqor;

// Small limits, so that every input ends in a moment whatever it holds.
PackageLimits Limits() {
  PackageLimits limits;
  limits.partSize = 64 << 20;
  limits.ratioFrom = 1 << 20;
  limits.text = 16 << 20;
  limits.sharedStrings = 4 << 20;
  limits.xmlToken = 1 << 20;
  return limits;
}

void Read(std::string_view archiveBytes) {
  try {
    ZipArchive archive(archiveBytes, Limits());
    const PackageContents contents = ReadOfficePackage(archive, "\r\n", "_rels/.rels");
    size_t previous = 0;
    for (size_t end : contents.partEnds) {
      FUZZ_CHECK(previous <= end);
      previous = end;
    }
    FUZZ_CHECK(previous <= contents.text.size());
  } catch (const PackageError&) {
  }
}

// The parts stored (not deflated) in an archive made in memory.
std::string Package(const std::vector<std::pair<const char*, std::string_view>>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(buffer);
  zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  FUZZ_CHECK(zip);
  for (const auto& [name, bytes] : parts) {
    zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
    const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
    FUZZ_CHECK(index >= 0);
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  FUZZ_CHECK(zip_close(zip) == 0);
  std::string archive;
  FUZZ_CHECK(zip_source_open(buffer) == 0);
  char chunk[4096];
  zip_int64_t got;
  while ((got = zip_source_read(buffer, chunk, sizeof chunk)) > 0) archive.append(chunk, static_cast<size_t>(got));
  zip_source_close(buffer);
  zip_source_free(buffer);
  zip_error_fini(&error);
  return archive;
}

constexpr char kRelationships[] = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
constexpr char kType[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string Relationship(const char* id, const char* type, const char* target) {
  return std::string("<Relationship Id=\"") + id + "\" Type=\"" + kType + type + "\" Target=\"" + target + "\"/>";
}

// The parts that name the others: the package's main part, and the parts a document or a
// workbook uses, so that every part fuzzed is read.
const std::string kDocumentPackage = kRelationships + Relationship("rId1", "officeDocument", "word/document.xml") +
                                     "</Relationships>";
const std::string kDocumentRelationships = kRelationships + Relationship("rId1", "header", "header1.xml") +
                                           Relationship("rId2", "comments", "/word/comments.xml") + "</Relationships>";
const std::string kWorkbookPackage =
    kRelationships + Relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>";
constexpr char kWorkbook[] =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
    "<sheet r:id=\"rId1\"/><sheet r:id=\"rId2\"/></sheets></workbook>";
const std::string kWorkbookRelationships = kRelationships + Relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                                           Relationship("rId2", "worksheet", "/xl/worksheets/sheet2.xml") +
                                           Relationship("rId3", "sharedStrings", "sharedStrings.xml") +
                                           "</Relationships>";
// A manifest whose entries after content.xml and styles.xml are fuzzed.
constexpr char kManifestHead[] =
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
    "<manifest:file-entry manifest:full-path=\"content.xml\"/><manifest:file-entry manifest:full-path=\"styles.xml\"/>";
constexpr char kManifestTail[] = "</manifest:manifest>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input = fuzz::AsText(data, size);
  if (input.starts_with("PK")) {
    Read(input);
    return 0;
  }
  const unsigned kind = fuzz::TakeByte(input) % 3;
  const std::vector<std::string_view> parts = fuzz::Parts(input, 3);
  if (kind == 0) {
    Read(Package({{"_rels/.rels", kDocumentPackage},
                  {"word/_rels/document.xml.rels", kDocumentRelationships},
                  {"word/document.xml", parts[0]},
                  {"word/header1.xml", parts[1]},
                  {"word/comments.xml", parts[2]}}));
  } else if (kind == 1) {
    Read(Package({{"_rels/.rels", kWorkbookPackage},
                  {"xl/workbook.xml", kWorkbook},
                  {"xl/_rels/workbook.xml.rels", kWorkbookRelationships},
                  {"xl/worksheets/sheet1.xml", parts[0]},
                  {"xl/worksheets/sheet2.xml", parts[1]},
                  {"xl/sharedStrings.xml", parts[2]}}));
  } else {
    const std::string manifest = kManifestHead + std::string(parts[2]) + kManifestTail;
    Read(Package({{"content.xml", parts[0]}, {"styles.xml", parts[1]}, {"META-INF/manifest.xml", manifest}}));
  }
  return 0;
}
