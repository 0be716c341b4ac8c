// Office documents to text: word-processor documents, workbooks and PDF files turned into GBK
// text, for the extraction and for the menu command "word/excel->txt". The engine itself reads,
// on every platform, the package formats (.docx, .xlsx, .odt, .ods; documents/office_package.h)
// and the binary formats in compound files (.doc, .xls, and WPS's .wps and .et;
// documents/binary_office.h), each told by its content rather than its name. What it does not
// read (RTF, Word 95 and Excel 95 files) goes to the office suite installed beside the program
// (LibreOffice, run headless), PDF files to pdftotext.
//
// A document (.doc, .docx, .odt, .wps) gives its paragraphs, each followed by CR. A workbook
// (.xls, .xlsx, .ods, .et) gives the tab-separated lines of every sheet in sheet order, each
// followed by CR LF, numbers written in full. A PDF gives its text lines like a document's
// paragraphs.
// With saveTxt the text is also saved beside the source: document.txt, or book.1.txt,
// book.2.txt, ... one per sheet, named after the source as spelled; existing files are
// replaced. The paths written are appended to *written when given, and a name already in it
// (written earlier in the same run, by book.xls before book.xlsx) is never replaced: the
// source's text then goes under its full name (book.xlsx.1.txt, report.pdf.txt).
//
// A file that cannot be read or converted raises OfficeError naming the file and the reason
// ("无法转换文件\"a.xlsx\"：受密码保护"), a workbook as well as a document: no text would pass
// for a file without numbers. A file is read only when its first bytes are those of an office
// file, so a renamed text file never comes back as garbage; an office file under another office
// name (a .doc under .docx, a workbook under .doc) is read as what it is, its lines ending as
// the name's kind wants. Converters are found as OfficeProgram and PdfProgram say.
//
// Each call runs its own converter with its own profile and temporary folder, removed
// afterwards, so calls on several threads do not meet. A converter still running when *stop
// becomes true, or after ten minutes, is killed; the engine's own reading looks at *stop between
// chunks of 64 KB: a stop raises OfficeError whatever the kind, the time limit counts as a
// failed conversion.
#pragma once

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/text/errors.h"
#include "core/program/ui.h"

namespace telqor {

class OfficeError : public Error {
 public:
  using Error::Error;
};

enum class OfficeKind { kNone, kDocument, kWorkbook, kPdf };

// The converters: the program TELQOR_SOFFICE or TELQOR_PDFTOTEXT names when set; else the
// first of soffice, libreoffice (pdftotext) on PATH, else in the program's own folder, else
// (LibreOffice) in LibreOffice/program below %ProgramFiles%, %ProgramW6432% or
// %ProgramFiles(x86)%, where its Windows installer puts it. nullopt when there is none.
std::optional<std::filesystem::path> OfficeProgram();
std::optional<std::filesystem::path> PdfProgram();

// The file: URL of a local folder, as the office suite is given its profile: UTF-8, every byte
// but letters, digits and "-._~/:" escaped ("file:///tmp/a%20b", "file:///C:/Users/...").
std::string FileUrl(const std::filesystem::path& folder);

// By the extension, letters compared in lower case.
OfficeKind OfficeKindOf(const std::filesystem::path& file);

std::string WordToText(const std::filesystem::path& file, bool saveTxt, const std::atomic<bool>* stop = nullptr,
                       std::vector<std::filesystem::path>* written = nullptr);
std::string ExcelToText(const std::filesystem::path& file, bool saveTxt, const std::atomic<bool>* stop = nullptr,
                        std::vector<std::filesystem::path>* written = nullptr);
std::string PdfToText(const std::filesystem::path& file, bool saveTxt, const std::atomic<bool>* stop = nullptr,
                      std::vector<std::filesystem::path>* written = nullptr);

// The conversion for the file's kind; a file of kind kNone is a programming error
// (std::logic_error). A .doc or .xls file that is text (no office file's first bytes and, unless
// it has a byte-order mark, no zero byte in its first 4 KB: a text file or web page under such
// a name, which the office programs open) is read as text in its encoding
// (core/io/text_encoding.h) and, with saveTxt, saved as name.txt or name.1.txt like a converted
// file; any other file is read as its kind (WordToText, ExcelToText, PdfToText).
std::string OfficeFileToText(const std::filesystem::path& file, bool saveTxt, const std::atomic<bool>* stop = nullptr,
                             std::vector<std::filesystem::path>* written = nullptr);

// The menu command "word/excel->txt": each file in turn, shown as "转换文件:path", saved as
// text beside itself with OfficeFileToText; files of other kinds are passed over, a file given
// twice is converted once. An error is shown on the status line and the next file goes on. A
// file whose text went under its full name because another file of the run took the plain one
// says so on the status line (again after the last file, as the statuses of later files cover
// it) and in *notices. When
// files were given it ends with a message: "转换完成！请在文档目录查看" when none failed, else
// how many were converted and how many not ("已转换2个文件，请在文档目录查看；1个文件无法转换").
// Answers the paths written; a file that gave nothing adds a line to *failures (its error, or for
// a workbook without sheets a message of its own); without failures, the closing message names
// them instead.
std::vector<std::filesystem::path> OfficeFilesToText(const std::vector<std::filesystem::path>& files, Ui& ui,
                                                     std::vector<std::string>* failures = nullptr,
                                                     std::vector<std::string>* notices = nullptr);

}  // namespace telqor
