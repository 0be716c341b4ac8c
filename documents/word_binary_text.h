// A Word binary document's text (.doc, and WPS's .wps, which is the same format): the
// WordDocument stream's text, found through the piece table in the table stream (0Table or
// 1Table, as the file information block says). The text is one run of characters in stories:
// the main text, then footnotes, headers and footers, comments, endnotes, text boxes and the
// headers' text boxes; all of them are read, in that order.
#pragma once

#include "documents/compound_file.h"
#include "documents/package_text.h"

namespace telqor {

// Paragraphs as lines, a table row a line of its cells separated by tabs (the paragraphs inside a
// cell joined by spaces); a line break, page break or column break ends a line. A field gives its
// result, never its instructions ("PAGE", "HYPERLINK ..."); characters that anchor pictures,
// notes and the like are left out. PackageError "受密码保护" for an encrypted document,
// UnsupportedFormat for one of Word 95 or earlier, PackageError for a damaged one.
void ReadWordBinaryText(const CompoundFile& file, PackageText& out);

}  // namespace telqor
