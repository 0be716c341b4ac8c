// A word-processing package's text (.docx): the body with its tables and text boxes, then the
// headers, footers, footnotes, endnotes and comments, where a company's number often stands.
#pragma once

#include "documents/package_text.h"
#include "documents/zip_archive.h"

namespace telqor {

// The main part of a word-processing package.
inline constexpr char kDocxMainPart[] = "word/document.xml";

// Only the text a reader sees counts: w:t, tabs and breaks of runs, not deleted or moved-away
// text nor field codes; a text box is read once, though it stands twice (for newer and older
// readers) in mc:AlternateContent.
void ReadDocxText(const ZipArchive& archive, PackageText& out);

}  // namespace telqor
