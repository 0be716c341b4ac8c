// What a user reads when a document's converter is missing: which program, and what to do
// about it on this platform (a Debian package here, an installer or a file beside the program
// on Windows). UTF-8, without the file's name, which the caller puts before it.
#pragma once

#include <string>

namespace telqor {

// For what only the office suite reads: RTF documents, Word 95 and Excel 95 files.
std::string MissingOfficeSuite();
// For .pdf.
std::string MissingPdfConverter();

}  // namespace telqor
