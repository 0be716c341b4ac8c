// A spreadsheet package's text (.xlsx): every worksheet in the workbook's order, a row a line, the
// cells of a row tab-separated in column order.
#pragma once

#include <string>
#include <string_view>

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// Each worksheet the workbook part (the package's main part, "xl/workbook.xml" as a rule) lists is
// a part of out, found through the workbook's relationships, as are its shared strings. Shared
// and inline strings as written (rich text runs joined, phonetic runs left out), a formula's last
// value, booleans as TRUE and FALSE, numbers as the General format shows them but never in
// exponent form (ShownNumber). Rows and cells the sheet leaves out are empty lines and fields
// where content follows them. A workbook that lists no sheet, has no relationships or no
// worksheet to read is refused (PackageError).
void ReadXlsxText(const ZipArchive& archive, std::string_view workbookPart, PackageText& out);

// A cell reference's column from 0 ("C7": 2); UINT64_MAX when it names none.
uint64_t ColumnOf(std::string_view reference);

// Text as spreadsheets store it, with characters XML cannot hold escaped as _xHHHH_: unescaped
// (a NUL left out; "_x005F_" is the escape of '_').
std::string UnescapeXstring(std::string_view text);

}  // namespace telqor
