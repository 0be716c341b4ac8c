// office-to-text: documents, workbooks and PDF files saved as text beside themselves, as the
// menu command "word/excel->txt" does it.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "documents/office_text.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ConsoleUi ui(global.yes);
  std::vector<std::string> failures, notices;
  for (const auto& file : OfficeFilesToText(args.PositionalPaths(), ui, &failures, &notices))
    std::cout << PathToUtf8(file) << "\n";
  for (const std::string& notice : notices) std::cerr << notice << "\n";
  for (const std::string& failure : failures) std::cerr << failure << "\n";
  return failures.empty() ? 0 : 1;
}

}  // namespace

Verb OfficeToTextVerb() {
  return {{"office-to-text",
           "Converts each FILE to text and saves the text beside it. .docx, .xlsx, .odt, .ods, .doc,\n"
           ".xls, .wps and .et are read by telqor-cli itself; RTF documents and Word 95 or Excel 95\n"
           "files need LibreOffice, .pdf needs pdftotext. It saves the text as GBK lines ending in\n"
           "CR LF: a document (.doc, .docx, .odt, .wps, .pdf) as NAME.txt, a workbook (.xls, .xlsx,\n"
           ".ods, .et) as NAME.1.txt, NAME.2.txt, ... one file per sheet in\n"
           "sheet order, its cells separated by tabs. Extensions are compared without case; files\n"
           "of other kinds are passed over. A .doc or .xls that is really text (a text file or web\n"
           "page under that name) is saved as NAME.txt or NAME.1.txt as it is, read as UTF-8 or GBK\n"
           "like any text file. Existing files of those names are replaced, but never a file written\n"
           "earlier in the same run: when two FILEs want one name (Book.xls and Book.xlsx, Report.doc\n"
           "and Report.pdf) the later one is saved under its full name (Book.xlsx.1.txt,\n"
           "Report.pdf.txt) and a line on standard error says so. A FILE given twice is converted once.\n"
           "Prints the files written. A file that cannot be converted is reported and makes the\n"
           "status 1; the other files are still converted. TELQOR_SOFFICE and TELQOR_PDFTOTEXT name\n"
           "the converters when they are not on PATH.\n",
           {},
           kInputFiles},
          "save office documents as text",
          Run};
}

}  // namespace telqor::cli
