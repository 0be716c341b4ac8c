// An OpenDocument package's text (.odt, .ods): content.xml and, for a text document, the headers
// and footers of styles.xml, as the package's manifest lists them.
#pragma once

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// The part that lists an OpenDocument package's parts, and the two it reads.
inline constexpr char kOdfManifest[] = "META-INF/manifest.xml";
inline constexpr char kOdfContent[] = "content.xml";
inline constexpr char kOdfStyles[] = "styles.xml";

// The parts the manifest lists: content.xml, which must be there, and for a text document the
// headers and footers of styles.xml. A text document gives paragraphs and headings as lines and
// table rows as lines of tab-separated cells. Each table of a spreadsheet is a part of out: a
// row a line, a number cell written from its value as the General format shows it (ShownNumber,
// whatever its own format shows), repeated rows and cells written as often as they repeat where
// content follows them. Runs of white space count once, as OpenDocument says; text:s, text:tab
// and text:line-break are the spaces, tabs and breaks. A package without a manifest, or encrypted
// with a password ("受密码保护"), is refused.
void ReadOdfText(const ZipArchive& archive, PackageText& out);

}  // namespace telqor
