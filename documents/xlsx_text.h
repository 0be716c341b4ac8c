// A spreadsheet package's text (.xlsx): every worksheet in the workbook's order, a row a line, the
// cells of a row tab-separated in column order.
#pragma once

#include <string>
#include <string_view>

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// The main part of a spreadsheet package.
inline constexpr char kXlsxMainPart[] = "xl/workbook.xml";

// Each worksheet is a part of out. Shared and inline strings as written (rich text runs joined,
// phonetic runs left out), a formula's last value, booleans as TRUE and FALSE, numbers as the
// General format shows them but never in exponent form (ShownNumber). Rows and cells the sheet leaves out are empty lines and
// fields where content follows them.
void ReadXlsxText(const ZipArchive& archive, PackageText& out);

// The part a relationship's target names, from the folder of the part that holds it: "xl/" and
// "worksheets/sheet1.xml" give "xl/worksheets/sheet1.xml", "/xl/a.xml" is "xl/a.xml", "../x" climbs.
std::string ResolvePartName(std::string_view folder, std::string_view target);

// A cell reference's column from 0 ("C7": 2); UINT64_MAX when it names none.
uint64_t ColumnOf(std::string_view reference);

// Text as spreadsheets store it, with characters XML cannot hold escaped as _xHHHH_: unescaped
// (a NUL left out; "_x005F_" is the escape of '_').
std::string UnescapeXstring(std::string_view text);

}  // namespace telqor
