#include "documents/office_package.h"

#include "documents/docx_text.h"
#include "documents/odf_text.h"
#include "documents/package_text.h"
#include "documents/xlsx_text.h"

namespace telqor {

PackageContents ReadOfficePackage(const ZipArchive& archive, std::string_view eol, std::string_view mainPart) {
  PackageText out(std::string(eol), archive.Limits().text);
  if (archive.Has(kDocxMainPart))
    ReadDocxText(archive, out);
  else if (archive.Has(kXlsxMainPart))
    ReadXlsxText(archive, out);
  else if (archive.Has(kOdfMainPart))
    ReadOdfText(archive, out);
  else
    throw PackageError("文件已损坏（缺少 " + std::string(mainPart) + "）");
  PackageContents contents;
  contents.partEnds = out.PartEnds();
  contents.text = out.TakeText();
  return contents;
}

}  // namespace telqor
