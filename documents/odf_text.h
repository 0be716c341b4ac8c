// An OpenDocument package's text (.odt, .ods): content.xml and, for a text document, the headers
// and footers of styles.xml.
#pragma once

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// The main part of an OpenDocument package.
inline constexpr char kOdfMainPart[] = "content.xml";

// A text document gives paragraphs and headings as lines and table rows as lines of
// tab-separated cells. Each table of a spreadsheet is a part of out: a row a line, a number cell
// written from its value as the General format shows it (ShownNumber, not as its own format
// shows it), repeated rows and cells written as often as
// they repeat where content follows them. Runs of white space count once, as OpenDocument says;
// text:s, text:tab and text:line-break are the spaces, tabs and breaks. A package encrypted with
// a password is refused ("受密码保护").
void ReadOdfText(const ZipArchive& archive, PackageText& out);

}  // namespace telqor
