#include "documents/office_text.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <initializer_list>
#include <optional>
#include <set>
#include <stdexcept>
#include <string_view>

#include "core/platform/child_process.h"
#include "core/platform/env.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/lists/item_list.h"
#include "core/text/text.h"
#include "documents/binary_office.h"
#include "documents/compound_file.h"
#include "documents/converter_advice.h"
#include "documents/docx_text.h"
#include "documents/odf_text.h"
#include "documents/office_package.h"
#include "documents/package_relationships.h"
#include "core/io/text_encoding.h"
#include "documents/xlsx_text.h"
#include "documents/zip_archive.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

constexpr std::chrono::minutes kTimeLimit{10};
constexpr char kTimeLimitText[] = "转换超过 10 分钟，已中止";

// The converters' output formats: Writer's plain text in UTF-8, and Calc's CSV with tab
// separators, '"' around fields that need it, UTF-8, cell values rather than as shown (so
// 13800138000, never 1.38E+10) and one file per sheet.
constexpr char kTextFilter[] = "txt:Text (encoded):UTF8";
constexpr char kSheetFilter[] = "csv:Text - txt - csv (StarCalc):9,34,76,1,,0,false,true,false,false,false,-1";

// The extension with its dot, letters in lower case (".DOC" is a document).
std::string LowerExtension(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), AsciiLower);
  return extension;
}

std::string Quoted(const fs::path& file) { return "\"" + PathToUtf8(file) + "\""; }

[[noreturn]] void Fail(const fs::path& file, const std::string& reason) {
  throw OfficeError("无法转换文件" + Quoted(file) + "：" + reason);
}

[[noreturn]] void Stopped(const fs::path& file) { throw OfficeError("已停止转换文件" + Quoted(file)); }

// ---- Is it an office file at all? ----------------------------------------------------------

bool StartsWith(std::string_view head, std::string_view signature) {
  return head.substr(0, signature.size()) == signature;
}

// The first bytes of file, at most max; nothing, with errno set, when it cannot be read.
std::optional<std::string> Head(const fs::path& file, size_t max) {
  int fd = OpenForReading(file);
  if (fd < 0) return std::nullopt;
  std::string bytes(max, '\0');
  size_t got = 0;
  ssize_t n = 0;
  while (got < max && ((n = ::read(fd, bytes.data() + got, max - got)) > 0 || (n < 0 && errno == EINTR)))
    if (n > 0) got += static_cast<size_t>(n);
  int error = errno;
  ::close(fd);
  errno = error;
  if (n < 0) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

bool IsCompoundOrPackage(std::string_view head) { return IsCompoundFile(head) || StartsWith(head, "PK\x03\x04"); }

// Empty when the file begins as a file of its kind does, else why not: what the converter is
// given. Compound files (the binary formats) and zip packages (the XML formats) are taken for
// either kind, since the converter tells them apart by content: a renamed .docx is still a
// document.
std::string SignatureProblem(const fs::path& file, OfficeKind kind) {
  const std::optional<std::string> head = Head(file, 8);
  if (!head) return SystemErrorText(errno);
  if (kind == OfficeKind::kPdf) return StartsWith(*head, "%PDF-") ? "" : "不是 PDF 文件";
  if (IsCompoundOrPackage(*head)) return "";
  if (kind == OfficeKind::kDocument && StartsWith(*head, "{\\rtf")) return "";
  return kind == OfficeKind::kDocument ? "不是文档文件" : "不是工作簿文件";
}

// How much of a file's start tells text from a binary file of another kind: text holds no zero
// byte (UTF-16 text has its mark).
constexpr size_t kTextProbe = 4096;

// A .doc or .xls file that is text: a text file or a web page saved under such a name, which the
// office programs open as text. It has no office file's first bytes, and either starts with a
// byte-order mark or holds no zero byte in its first bytes. Any other file under an office name
// is read as its kind, which says what is wrong with it.
bool IsTextUnderOfficeName(const fs::path& file) {
  const std::string extension = LowerExtension(file);
  if (extension != ".doc" && extension != ".xls") return false;
  const std::optional<std::string> head = Head(file, kTextProbe);
  if (!head || IsCompoundOrPackage(*head)) return false;
  if (extension == ".doc" && StartsWith(*head, "{\\rtf")) return false;
  return HasByteOrderMark(*head) || head->find('\0') == std::string::npos;
}

// ---- The converters --------------------------------------------------------------------

// The converter the variable names, else one of names on PATH, else one beside the program
// (copied there), else one in a folder below Program Files (where Windows' installers put
// LibreOffice, which they leave off PATH; those variables are unset elsewhere).
std::optional<fs::path> ProgramFrom(const char* variable, std::initializer_list<const char*> names,
                                    std::initializer_list<const char*> installed = {}) {
  Env& env = CurrentEnv();
  if (std::optional<std::string> set = env.Variable(variable)) return FindProgram(*set);
  for (const char* name : names)
    if (std::optional<fs::path> found = FindProgram(name)) return found;
  std::vector<fs::path> folders;
  if (fs::path beside = env.ExecutableFolder(); !beside.empty()) folders.push_back(beside);
  for (const char* programFiles : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"})
    if (std::optional<std::string> root = env.Variable(programFiles); root && !root->empty())
      for (const char* folder : installed) folders.push_back(PathFromUtf8(*root) / PathFromUtf8(folder));
  for (const fs::path& folder : folders)
    for (const char* name : names)
      if (std::optional<fs::path> found = FindProgram(PathToUtf8(folder / name))) return found;
  return std::nullopt;
}

}  // namespace

std::string FileUrl(const fs::path& folder) {
  // UTF-8 with '/' between the names; a drive ("C:/...") gets the slash before it.
  const std::string path = folder.generic_string();
  return (path.starts_with('/') ? "file://" : "file:///") + PercentEscaped(path, "-._~/:");
}

namespace {

// One conversion's own folder under the system's temporary folder, removed with everything in
// it when the conversion ends, however it ends: the converter's profile, the source under a
// plain name, the converted files and the converter's messages.
class WorkFolder {
 public:
  WorkFolder() {
    path_ = MakeUniqueFolder(fs::absolute(fs::temp_directory_path()) / "telqor-office-");
    std::error_code error;
    if (!fs::create_directory(Output(), error)) {
      const std::string reason = error.message();
      fs::remove_all(path_, error);
      throw FileError("Cannot create folder \"" + PathToUtf8(Output()) + "\". " + reason);
    }
  }
  ~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  fs::path Profile() const { return path_ / "profile"; }
  fs::path Output() const { return path_ / "out"; }
  fs::path Messages() const { return path_ / "stdout"; }
  fs::path Errors() const { return path_ / "stderr"; }

  // The source under the name "source" with its extension in lower case, linked (copied where
  // links cannot be made): the converted files get names known beforehand, and an odd name
  // (one starting with '-') never reads as an option.
  fs::path Link(const fs::path& file) const {
    fs::path source = path_ / ("source" + LowerExtension(file));
    std::error_code error;
    fs::create_symlink(fs::absolute(file), source, error);
    if (error) fs::copy_file(file, source);
    return source;
  }

  ChildResult Run(const fs::path& program, std::vector<std::string> arguments, const std::atomic<bool>* stop) const {
    ChildOptions options;
    options.program = program;
    options.arguments = std::move(arguments);
    options.workingFolder = path_;
    options.outputFile = Messages();
    options.errorFile = Errors();
    options.stop = stop;
    options.timeout = kTimeLimit;
    return RunChild(options);
  }

  ChildResult RunOffice(const fs::path& program, const char* filter, const fs::path& source,
                        const std::atomic<bool>* stop) const {
    return Run(program,
               {"-env:UserInstallation=" + FileUrl(Profile()), "--headless", "--nologo", "--norestore", "--convert-to",
                filter, "--outdir", Output().string(), source.string()},
               stop);
  }

 private:
  fs::path path_;
};

std::string ReadIfAny(const fs::path& file) {
  try {
    return ReadWholeFile(file);
  } catch (const std::exception&) {
    return "";
  }
}

// What the converter said went wrong: its first line that reports an error.
std::string ConverterReason(const WorkFolder& work, const ChildResult& result) {
  std::string reason;
  for (const fs::path& log : {work.Errors(), work.Messages()}) {
    ForEachLine(ReadIfAny(log), [&](std::string_view line) {
      if (reason.empty() && line.find("Error") != std::string_view::npos) reason = TrimBlanks(line);
    });
  }
  if (!reason.empty()) return reason;
  if (result.end == ChildEnd::kSignalled) return "被信号 " + std::to_string(result.status) + " 终止";
  if (result.status != 0) return "退出码 " + std::to_string(result.status);
  return "";
}

// ---- Converted text to the program's text -------------------------------------------------

std::string WithoutBom(std::string text) {
  if (text.starts_with(kUtf8Mark)) text.erase(0, kUtf8Mark.size());
  return text;
}

// The lines of a converted document (UTF-8) as GBK paragraphs, each followed by CR. Page
// breaks (form feeds) of a PDF's text end a line like a line break.
std::string Paragraphs(const std::string& utf8) {
  std::string gbk = Utf8ToGbk(WithoutBom(utf8));
  std::erase(gbk, '\f');
  std::string text;
  text.reserve(gbk.size() + 1);
  ForEachLine(gbk, [&](std::string_view line) { text.append(line).push_back('\r'); });
  return text;
}

// A path as a run compares it: two spellings of one file ("a/./b.txt", "/x/a/b.txt") alike.
fs::path Normal(const fs::path& file) {
  std::error_code error;
  const fs::path absolute = fs::absolute(file, error);
  return (error ? file : absolute).lexically_normal();
}

bool WrittenBefore(const fs::path& target, const std::vector<fs::path>* written) {
  if (!written) return false;
  const fs::path normal = Normal(target);
  return std::any_of(written->begin(), written->end(), [&](const fs::path& p) { return Normal(p) == normal; });
}

// The names the text of file is saved under, one per ending: beside it, after its name without
// the extension (Report.txt; Book.1.txt, Book.2.txt). When one of these was written earlier in
// the same run (it is in *written: Book.xls before Book.xlsx, Report.doc before Report.pdf),
// all of them take the full name instead (Book.xlsx.1.txt, Report.pdf.txt), so that a run never
// replaces its own output.
std::vector<fs::path> OutputNames(const fs::path& file, const std::vector<std::string>& endings,
                                  const std::vector<fs::path>* written) {
  std::vector<fs::path> names;
  bool clash = false;
  for (const std::string& ending : endings) {
    names.push_back(file.parent_path() / PathFromUtf8(file.stem().string() + ending));
    clash = clash || WrittenBefore(names.back(), written);
  }
  if (clash)
    for (size_t i = 0; i < endings.size(); ++i)
      names[i] = file.parent_path() / PathFromUtf8(file.filename().string() + endings[i]);
  return names;
}

// Whether output is named after the full name of file, as OutputNames names it on a clash.
bool UnderFullName(const fs::path& file, const fs::path& output) {
  return output.filename().string().starts_with(file.filename().string() + ".");
}

void SaveLines(const ItemList& lines, const fs::path& target, std::vector<fs::path>* written) {
  lines.SaveToFile(target);
  if (written) written->push_back(target);
}

// The text saved as one file, with the ending of its kind (".txt"; ".1.txt" for a workbook).
std::string SavedText(const fs::path& file, const std::string& ending, std::string text, bool saveTxt,
                      std::vector<fs::path>* written) {
  if (saveTxt) {
    ItemList lines;
    lines.SetText(text);
    SaveLines(lines, OutputNames(file, {ending}, written).front(), written);
  }
  return text;
}

// ---- Read without a converter ----------------------------------------------------------------

// The part that lists a package's parts, named when the archive holds neither: an OpenDocument
// name promises its manifest, any other name Office Open XML's relationships.
const char* ManifestFor(const fs::path& file) {
  const std::string extension = LowerExtension(file);
  return extension == ".odt" || extension == ".ods" ? kOdfManifest : kPackageRelationships;
}

// A compound file's text, read by its streams; nullopt for one the engine does not read (Word
// 95, Excel 95, neither a document nor a workbook) while the office suite is there to read it.
// A package encrypted with a password is a compound file too, and said to be one.
std::optional<PackageContents> ReadCompound(const fs::path& file, std::string_view eol,
                                            const std::atomic<bool>* stop) {
  try {
    const CompoundFile compound(file, PackageLimits{}, stop);
    if (compound.Has(u"EncryptionInfo")) throw PackageError("受密码保护");
    return ReadBinaryOffice(compound, eol);
  } catch (const UnsupportedFormat& unsupported) {
    if (OfficeProgram()) return std::nullopt;
    Fail(file, std::string(unsupported.what()) + "，" + MissingOfficeSuite());
  } catch (const PackageStopped&) {
    Stopped(file);
  } catch (const std::exception& error) {
    Fail(file, error.what());
  }
}

// The text of a document or workbook that the engine reads itself, chosen by content whatever
// the name says: a zip package (.docx, .xlsx, .odt, .ods) or a compound file (.doc, .xls, .wps,
// .et). nullopt for what goes to the office suite: an RTF document, a compound file of a kind
// not read here. Any other file is refused as not of its kind, and every failure raises, a
// workbook's too.
std::optional<PackageContents> ReadNatively(const fs::path& file, OfficeKind kind, const std::atomic<bool>* stop) {
  const std::string_view eol = kind == OfficeKind::kDocument ? "\r" : "\r\n";
  const std::optional<std::string> head = Head(file, 8);
  if (!head) Fail(file, SystemErrorText(errno));
  if (IsCompoundFile(*head)) return ReadCompound(file, eol, stop);
  if (kind == OfficeKind::kDocument && StartsWith(*head, "{\\rtf")) return std::nullopt;
  if (!StartsWith(*head, "PK")) Fail(file, kind == OfficeKind::kDocument ? "不是文档文件" : "不是工作簿文件");
  try {
    ZipArchive archive(file, PackageLimits{}, stop);
    return ReadOfficePackage(archive, eol, ManifestFor(file));
  } catch (const PackageStopped&) {
    Stopped(file);
  } catch (const std::exception& error) {
    Fail(file, error.what());
  }
}

// Each sheet's text (GBK lines, each followed by CR LF) saved as name.1.txt, name.2.txt, ...
void SaveSheets(const fs::path& file, const std::vector<std::string_view>& sheets, std::vector<fs::path>* written) {
  std::vector<std::string> endings;
  for (size_t n = 1; n <= sheets.size(); ++n) endings.push_back("." + std::to_string(n) + ".txt");
  const std::vector<fs::path> names = OutputNames(file, endings, written);
  ItemList lines;
  for (size_t i = 0; i < sheets.size(); ++i) {
    lines.SetText(sheets[i]);
    SaveLines(lines, names[i], written);
  }
}

// A document or PDF converted to UTF-8 text by its converter.
std::string ConvertedDocument(const fs::path& file, OfficeKind kind, const std::atomic<bool>* stop) {
  const bool pdf = kind == OfficeKind::kPdf;
  if (std::string problem = SignatureProblem(file, kind); !problem.empty()) Fail(file, problem);
  const std::optional<fs::path> program = pdf ? PdfProgram() : OfficeProgram();
  if (!program) Fail(file, pdf ? MissingPdfConverter() : MissingOfficeSuite());
  try {
    WorkFolder work;
    const fs::path source = work.Link(file);
    const fs::path converted = work.Output() / "source.txt";
    const ChildResult result = pdf ? work.Run(*program, {"-enc", "UTF-8", source.string(), converted.string()}, stop)
                                   : work.RunOffice(*program, kTextFilter, source, stop);
    if (result.end == ChildEnd::kStopped) Stopped(file);
    if (result.end == ChildEnd::kTimedOut) Fail(file, kTimeLimitText);
    // Judged by the file made: the office suite answers 0 also when it could not load the source.
    if (!fs::is_regular_file(converted)) {
      const std::string reason = ConverterReason(work, result);
      Fail(file,
           std::string(pdf ? "pdftotext" : "LibreOffice") + " 转换失败" + (reason.empty() ? "" : "（" + reason + "）"));
    }
    return ReadWholeFile(converted);
  } catch (const OfficeError&) {
    throw;
  } catch (const std::exception& error) {
    Fail(file, error.what());
  }
}

// The converted sheets in sheet order. The office suite names each file after its sheet and
// reports "Writing sheet NAME -> PATH" for each in order; sheet names hold no '/', so the path
// starts at the first " -> /". A file it did not report (which a later version might do) still
// counts, after the reported ones, in name order.
std::vector<fs::path> SheetFiles(const WorkFolder& work) {
  std::vector<fs::path> files;
  ForEachLine(ReadIfAny(work.Messages()), [&](std::string_view line) {
    const size_t arrow = line.find(" -> /");
    if (!line.starts_with("Writing sheet ") || arrow == std::string_view::npos) return;
    const fs::path file = work.Output() / PathFromUtf8(line.substr(arrow + 4)).filename();
    if (fs::is_regular_file(file) && std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
  });
  std::vector<fs::path> unreported;
  for (const fs::directory_entry& entry : fs::directory_iterator(work.Output()))
    if (entry.is_regular_file() && std::find(files.begin(), files.end(), entry.path()) == files.end())
      unreported.push_back(entry.path());
  std::sort(unreported.begin(), unreported.end());
  files.insert(files.end(), unreported.begin(), unreported.end());
  return files;
}

// Each sheet's text (UTF-8) in sheet order. A workbook that cannot be converted raises like a
// document: an empty text would pass for a workbook without numbers.
std::vector<std::string> ConvertedSheets(const fs::path& file, const std::atomic<bool>* stop) {
  if (std::string problem = SignatureProblem(file, OfficeKind::kWorkbook); !problem.empty()) Fail(file, problem);
  const std::optional<fs::path> program = OfficeProgram();
  if (!program) Fail(file, MissingOfficeSuite());
  std::vector<std::string> sheets;
  ChildResult result{};
  try {
    WorkFolder work;
    result = work.RunOffice(*program, kSheetFilter, work.Link(file), stop);
    if (result.end == ChildEnd::kStopped) Stopped(file);
    if (result.end == ChildEnd::kTimedOut) Fail(file, kTimeLimitText);
    for (const fs::path& sheet : SheetFiles(work)) sheets.push_back(ReadWholeFile(sheet));
    if (sheets.empty()) {
      const std::string reason = ConverterReason(work, result);
      Fail(file, "LibreOffice 转换失败" + (reason.empty() ? "" : "（" + reason + "）"));
    }
  } catch (const OfficeError&) {
    throw;
  } catch (const std::exception& error) {
    Fail(file, error.what());
  }
  return sheets;
}

// What a user reads when a file's text went under its full name: which file, why, and where.
std::string RenameNotice(const fs::path& file, const std::vector<fs::path>& outputs) {
  std::string names;
  for (const fs::path& output : outputs) names += (names.empty() ? "" : "、") + PathToUtf8(output.filename());
  return Quoted(file) + " 的文本与本次转换的另一文件同名，为免覆盖已改存为 " + names;
}

}  // namespace

std::optional<fs::path> OfficeProgram() {
  return ProgramFrom("TELQOR_SOFFICE", {"soffice", "libreoffice"}, {"LibreOffice/program"});
}
std::optional<fs::path> PdfProgram() { return ProgramFrom("TELQOR_PDFTOTEXT", {"pdftotext"}); }

OfficeKind OfficeKindOf(const fs::path& file) {
  const std::string extension = LowerExtension(file);
  if (extension == ".doc" || extension == ".docx" || extension == ".odt" || extension == ".wps")
    return OfficeKind::kDocument;
  if (extension == ".xls" || extension == ".xlsx" || extension == ".ods" || extension == ".et")
    return OfficeKind::kWorkbook;
  if (extension == ".pdf") return OfficeKind::kPdf;
  return OfficeKind::kNone;
}

std::string WordToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                       std::vector<fs::path>* written) {
  if (std::optional<PackageContents> native = ReadNatively(file, OfficeKind::kDocument, stop))
    return SavedText(file, ".txt", std::move(native->text), saveTxt, written);
  return SavedText(file, ".txt", Paragraphs(ConvertedDocument(file, OfficeKind::kDocument, stop)), saveTxt, written);
}

std::string PdfToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                      std::vector<fs::path>* written) {
  return SavedText(file, ".txt", Paragraphs(ConvertedDocument(file, OfficeKind::kPdf, stop)), saveTxt, written);
}

std::string ExcelToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                        std::vector<fs::path>* written) {
  if (std::optional<PackageContents> native = ReadNatively(file, OfficeKind::kWorkbook, stop)) {
    if (saveTxt) {
      std::vector<std::string_view> sheets;
      size_t begin = 0;
      for (size_t end : native->partEnds) {
        sheets.push_back(std::string_view(native->text).substr(begin, end - begin));
        begin = end;
      }
      SaveSheets(file, sheets, written);
    }
    return std::move(native->text);
  }
  std::vector<std::string> sheets = ConvertedSheets(file, stop);
  ItemList lines;
  for (std::string& sheet : sheets) {
    lines.SetText(Utf8ToGbk(WithoutBom(sheet)));
    sheet = lines.GetText();
  }
  if (saveTxt) SaveSheets(file, {sheets.begin(), sheets.end()}, written);
  std::string text;
  for (const std::string& sheet : sheets) text += sheet;
  return text;
}

std::string OfficeFileToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                             std::vector<fs::path>* written) {
  const OfficeKind kind = OfficeKindOf(file);
  if (kind != OfficeKind::kNone && IsTextUnderOfficeName(file))
    return SavedText(file, kind == OfficeKind::kWorkbook ? ".1.txt" : ".txt", LoadTextAsAnsi(file), saveTxt, written);
  switch (kind) {
    case OfficeKind::kDocument:
      return WordToText(file, saveTxt, stop, written);
    case OfficeKind::kWorkbook:
      return ExcelToText(file, saveTxt, stop, written);
    case OfficeKind::kPdf:
      return PdfToText(file, saveTxt, stop, written);
    case OfficeKind::kNone:
      break;
  }
  throw std::logic_error("OfficeFileToText: not an office file: " + PathToUtf8(file));
}

std::vector<fs::path> OfficeFilesToText(const std::vector<fs::path>& files, Ui& ui, std::vector<std::string>* failures,
                                        std::vector<std::string>* notices) {
  std::vector<fs::path> written;
  std::vector<std::string> renamed, unread;
  std::set<fs::path> converted;  // a file chosen twice is converted once
  size_t succeeded = 0;
  for (const fs::path& file : files) {
    const auto done = static_cast<int64_t>(&file - files.data());  // files converted before this one
    ui.ShowStatus("转换文件:" + PathToUtf8(file));
    const OfficeKind kind = OfficeKindOf(file);
    if (kind == OfficeKind::kNone) continue;
    std::error_code unresolved;
    const fs::path same = fs::weakly_canonical(file, unresolved);
    if (!converted.insert(unresolved ? Normal(file) : same).second) continue;
    const size_t before = written.size();
    try {
      // The conversion takes seconds: it runs beside, and the progress keeps the window painting.
      auto conversion = std::async(std::launch::async, [&] { OfficeFileToText(file, true, nullptr, &written); });
      while (conversion.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
        ui.Progress(done, static_cast<int64_t>(files.size()));
      conversion.get();
      // A workbook that gave no sheet is no success.
      if (kind == OfficeKind::kWorkbook && written.size() == before)
        unread.push_back("无法转换工作簿" + Quoted(file));
      else
        ++succeeded;
    } catch (const std::exception& error) {
      ui.ShowStatus(error.what());
      unread.push_back(error.what());
    }
    if (written.size() > before && UnderFullName(file, written[before])) {
      renamed.push_back(RenameNotice(file, {written.begin() + static_cast<ptrdiff_t>(before), written.end()}));
      ui.ShowStatus(renamed.back());
    }
  }
  ui.Progress(0, 0);
  // The last status stays in view: the renames, which the statuses of later files covered.
  if (renamed.size() == 1) ui.ShowStatus(renamed.front());
  if (renamed.size() > 1)
    ui.ShowStatus(std::to_string(renamed.size()) + "个文件的文本与本次转换的其他文件同名，已改用完整文件名保存");
  if (notices) notices->insert(notices->end(), renamed.begin(), renamed.end());
  if (failures) failures->insert(failures->end(), unread.begin(), unread.end());
  if (files.empty()) return written;
  // "转换完成！" only when nothing failed; else how many files were converted and how many not. A
  // caller that takes the failures tells them; otherwise the closing message names them.
  std::string closing = "转换完成！请在文档目录查看";
  if (!unread.empty()) {
    closing = std::to_string(unread.size()) + "个文件无法转换";
    if (succeeded > 0) closing = "已转换" + std::to_string(succeeded) + "个文件，请在文档目录查看；" + closing;
    if (!failures) {
      closing += "：";
      for (const std::string& why : unread) closing += "\r\n" + why;
    }
  }
  ui.Inform(closing);
  return written;
}

}  // namespace telqor
