// The text of an office package (.docx, .xlsx, .odt, .ods), read natively: the reader is chosen
// by what the archive holds, so a package under another of these names is still read. An Office
// Open XML package is read through its relationships (_rels/.rels names the main part, whose
// root element tells a document from a workbook), an OpenDocument package through its
// manifest: no part's name is assumed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "documents/zip_archive.h"

namespace telqor {

struct PackageContents {
  std::string text;              // GBK, each line followed by the eol asked for
  std::vector<size_t> partEnds;  // where each sheet ends in text (a workbook's)
};

// manifest is the part that lists the parts of the package the file's name promises
// (_rels/.rels, META-INF/manifest.xml), named when the archive holds neither ("文件已损坏（缺少
// _rels/.rels）"). PackageError or PackageStopped as the archive and the XML readers raise them.
PackageContents ReadOfficePackage(const ZipArchive& archive, std::string_view eol, std::string_view manifest);

}  // namespace telqor
