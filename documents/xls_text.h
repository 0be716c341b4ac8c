// A BIFF8 workbook's text (.xls, and WPS's .et, which is the same format): the Workbook stream
// (or Book, under which some writers put it) holds the workbook's globals (its sheets' places,
// the shared strings) and then each sheet's cells.
#pragma once

#include "documents/compound_file.h"
#include "documents/package_text.h"

namespace telqor {

// Each worksheet in the workbook's order as a part of out, a row a line of tab-separated cells,
// as the .xlsx reader gives them: strings as written (formatting and phonetic runs left out),
// a formula's last value, booleans as TRUE and FALSE, errors as shown ("#N/A"), numbers as
// ShownNumber writes them (13800138000, never 1.38E+10). Cells are placed by their row and
// column whatever order the file lists them in. PackageError "受密码保护" for an encrypted
// workbook, UnsupportedFormat for one of Excel 95 or earlier, PackageError when no worksheet
// can be read.
void ReadXlsText(const CompoundFile& file, PackageText& out);

// A stored number (IEEE double) as the workbook shows it in its General format.
std::string NumberText(double value);

}  // namespace telqor
