// The text of a binary office file (.doc, .xls, and WPS's .wps and .et), read natively from its
// compound file. The reader is chosen by the streams the file holds, not by its name: a
// WordDocument stream is a Word document, a Workbook (or Book) stream a workbook.
#pragma once

#include <string_view>

#include "documents/compound_file.h"
#include "documents/office_package.h"

namespace telqor {

// The text as an office package's, each line followed by eol: a document as one part, a
// workbook's sheets a part each. UnsupportedFormat for a compound file holding neither stream,
// or a version not read here (the office suite may read it); PackageError or PackageStopped as
// the readers raise them.
PackageContents ReadBinaryOffice(const CompoundFile& file, std::string_view eol);

}  // namespace telqor
