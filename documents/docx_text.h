// A word-processing package's text (.docx): the body with its tables and text boxes, then the
// headers, footers, footnotes, endnotes and comments, where a company's number often stands.
#pragma once

#include <string_view>

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// The document part (the package's main part, "word/document.xml" as a rule; Word Online writes
// "word/document2.xml"), then the headers, footers, notes and comments its relationships name.
// Only the text a reader sees counts: w:t, tabs and breaks of runs, not deleted or moved-away
// text nor field codes; a text box is read once, though it stands twice (for newer and older
// readers) in mc:AlternateContent.
void ReadDocxText(const ZipArchive& archive, std::string_view documentPart, PackageText& out);

}  // namespace telqor
