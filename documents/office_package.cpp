#include "documents/office_package.h"

#include "documents/docx_text.h"
#include "documents/odf_text.h"
#include "documents/package_relationships.h"
#include "documents/package_text.h"
#include "documents/xlsx_text.h"

namespace telqor {
namespace {

// The main parts' root elements, transitional and strict.
bool IsWordDocument(const RootElement& root) {
  return root.local == "document" && (root.ns == "http://schemas.openxmlformats.org/wordprocessingml/2006/main" ||
                                      root.ns == "http://purl.oclc.org/ooxml/wordprocessingml/main");
}

bool IsWorkbook(const RootElement& root) {
  return root.local == "workbook" && (root.ns == "http://schemas.openxmlformats.org/spreadsheetml/2006/main" ||
                                      root.ns == "http://purl.oclc.org/ooxml/spreadsheetml/main");
}

// An Office Open XML package: its main part and what that part's root says it is.
void ReadOpenXml(const ZipArchive& archive, PackageText& out) {
  const std::vector<std::string> main = RelationshipsOf(archive, "").PartsOf("officeDocument");
  if (main.empty()) throw PackageError(std::string("文件已损坏（") + kPackageRelationships + " 未指明主部件）");
  const std::string& part = main.front();
  if (!archive.Has(part)) throw PackageError("文件已损坏（缺少 " + part + "）");
  const RootElement root = RootElementOf(archive, part);
  if (IsWordDocument(root))
    ReadDocxText(archive, part, out);
  else if (IsWorkbook(root))
    ReadXlsxText(archive, part, out);
  else
    throw PackageError("格式不受支持（" + part + " 既不是 Word 文档也不是 Excel 工作簿）");
}

}  // namespace

PackageContents ReadOfficePackage(const ZipArchive& archive, std::string_view eol, std::string_view manifest) {
  PackageText out(std::string(eol), archive.Limits().text);
  if (archive.Has(kPackageRelationships))
    ReadOpenXml(archive, out);
  else if (archive.Has(kOdfManifest))
    ReadOdfText(archive, out);
  else
    throw PackageError("文件已损坏（缺少 " + std::string(manifest) + "）");
  PackageContents contents;
  contents.partEnds = out.PartEnds();
  contents.text = out.TakeText();
  return contents;
}

}  // namespace telqor
