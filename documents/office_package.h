// The text of an office package (.docx, .xlsx, .odt, .ods), read natively: the reader is chosen
// by what the archive holds, so a package under another of these names is still read.
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

// mainPart is what the file's name says it should hold, named when the archive holds no main
// part of any kind ("文件已损坏（缺少 word/document.xml）"). PackageError or PackageStopped as the
// archive and the XML readers raise them.
PackageContents ReadOfficePackage(const ZipArchive& archive, std::string_view eol, std::string_view mainPart);

}  // namespace telqor
