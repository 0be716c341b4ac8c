#include "tools/office_text.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "core/child_process.h"
#include "core/env.h"
#include "core/file_io.h"
#include "core/gbk.h"
#include "core/text.h"
#include "core/ts_list.h"
#include "tools/text_encoding.h"

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

std::string Quoted(const fs::path& file) { return "\"" + DisplayPath(file) + "\""; }

[[noreturn]] void Fail(const fs::path& file, const std::string& reason) {
  throw EOfficeError("无法转换文件" + Quoted(file) + "：" + reason);
}

[[noreturn]] void Stopped(const fs::path& file) { throw EOfficeError("已停止转换文件" + Quoted(file)); }

// ---- Is it an office file at all? ----------------------------------------------------------

bool StartsWith(std::string_view head, std::string_view signature) {
  return head.substr(0, signature.size()) == signature;
}

// Empty when the file begins as a file of its kind does, else why not. Compound files (the
// binary formats) and zip packages (the XML formats) are taken for either kind, since the
// converter tells them apart by content: a renamed .docx is still a document.
std::string SignatureProblem(const fs::path& file, OfficeKind kind) {
  char bytes[8] = {};
  ssize_t got = -1;
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    while ((got = ::read(fd, bytes, sizeof bytes)) < 0 && errno == EINTR) {
    }
    int error = errno;
    ::close(fd);
    errno = error;
  }
  if (got < 0) return SystemErrorText(errno);
  const std::string_view head(bytes, static_cast<size_t>(got));
  if (kind == OfficeKind::kPdf) return StartsWith(head, "%PDF-") ? "" : "不是 PDF 文件";
  if (StartsWith(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") || StartsWith(head, "PK\x03\x04")) return "";
  if (kind == OfficeKind::kDocument && StartsWith(head, "{\\rtf")) return "";
  return kind == OfficeKind::kDocument ? "不是文档文件" : "不是工作簿文件";
}

// ---- The converters --------------------------------------------------------------------

std::optional<fs::path> ProgramFrom(const char* variable, std::initializer_list<const char*> names) {
  if (std::optional<std::string> set = CurrentEnv().Variable(variable)) return FindProgram(*set);
  for (const char* name : names)
    if (std::optional<fs::path> found = FindProgram(name)) return found;
  return std::nullopt;
}

std::optional<fs::path> OfficeProgram() { return ProgramFrom("TELQOR_SOFFICE", {"soffice", "libreoffice"}); }
std::optional<fs::path> PdfProgram() { return ProgramFrom("TELQOR_PDFTOTEXT", {"pdftotext"}); }

// The file: URL of a local folder, every byte outside the unreserved ones escaped.
std::string FileUrl(const fs::path& folder) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : folder.native()) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (plain || (c != 0 && std::strchr("-._~/", c))) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

// One conversion's own folder under the system's temporary folder, removed with everything in
// it when the conversion ends, however it ends: the converter's profile, the source under a
// plain name, the converted files and the converter's messages.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (fs::absolute(fs::temp_directory_path()) / "telqor-office-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
      throw EFileError("Cannot create folder \"" + pattern + "\". " + SystemErrorText(errno));
    path_ = pattern;
    std::error_code error;
    if (!fs::create_directory(Output(), error)) {
      const std::string reason = error.message();
      fs::remove_all(path_, error);
      throw EFileError("Cannot create folder \"" + DisplayPath(Output()) + "\". " + reason);
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

fs::path Beside(const fs::path& file, const std::string& ending) {
  return file.parent_path() / (file.stem().string() + ending);
}

void SaveLines(const TSList& lines, const fs::path& target, std::vector<fs::path>* written) {
  lines.SaveToFile(target);
  if (written) written->push_back(target);
}

std::string SavedDocument(const fs::path& file, std::string text, bool saveTxt, std::vector<fs::path>* written) {
  if (saveTxt) {
    TSList lines;
    lines.SetText(text);
    SaveLines(lines, Beside(file, ".txt"), written);
  }
  return text;
}

// A document or PDF converted to UTF-8 text by its converter.
std::string ConvertedDocument(const fs::path& file, OfficeKind kind, const std::atomic<bool>* stop) {
  const bool pdf = kind == OfficeKind::kPdf;
  if (std::string problem = SignatureProblem(file, kind); !problem.empty()) Fail(file, problem);
  const std::optional<fs::path> program = pdf ? PdfProgram() : OfficeProgram();
  if (!program) Fail(file, pdf ? "没有找到 pdftotext（poppler-utils）" : "没有找到 LibreOffice（soffice）");
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
  } catch (const EOfficeError&) {
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
    const fs::path file = work.Output() / fs::path(std::string(line.substr(arrow + 4))).filename();
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

// Each sheet's text (UTF-8) in sheet order; none when the workbook could not be converted.
std::vector<std::string> ConvertedSheets(const fs::path& file, const std::atomic<bool>* stop) {
  const std::optional<fs::path> program = OfficeProgram();
  if (!program || !SignatureProblem(file, OfficeKind::kWorkbook).empty()) return {};
  std::vector<std::string> sheets;
  ChildEnd end = ChildEnd::kExited;
  try {
    WorkFolder work;
    end = work.RunOffice(*program, kSheetFilter, work.Link(file), stop).end;
    if (end == ChildEnd::kExited || end == ChildEnd::kSignalled)
      for (const fs::path& sheet : SheetFiles(work)) sheets.push_back(ReadWholeFile(sheet));
  } catch (const std::exception&) {
    return {};
  }
  if (end == ChildEnd::kStopped) Stopped(file);
  return sheets;
}

}  // namespace

OfficeKind OfficeKindOf(const fs::path& file) {
  const std::string extension = LowerExtension(file);
  if (extension == ".doc" || extension == ".docx" || extension == ".odt") return OfficeKind::kDocument;
  if (extension == ".xls" || extension == ".xlsx" || extension == ".ods") return OfficeKind::kWorkbook;
  if (extension == ".pdf") return OfficeKind::kPdf;
  return OfficeKind::kNone;
}

std::string WordToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                       std::vector<fs::path>* written) {
  return SavedDocument(file, Paragraphs(ConvertedDocument(file, OfficeKind::kDocument, stop)), saveTxt, written);
}

std::string PdfToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                      std::vector<fs::path>* written) {
  return SavedDocument(file, Paragraphs(ConvertedDocument(file, OfficeKind::kPdf, stop)), saveTxt, written);
}

std::string ExcelToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                        std::vector<fs::path>* written) {
  std::string text;
  TSList lines;
  int n = 0;
  for (const std::string& sheet : ConvertedSheets(file, stop)) {
    lines.SetText(Utf8ToGbk(WithoutBom(sheet)));
    if (saveTxt) SaveLines(lines, Beside(file, "." + std::to_string(++n) + ".txt"), written);
    text += lines.GetText();
  }
  return text;
}

std::string OfficeFileToText(const fs::path& file, bool saveTxt, const std::atomic<bool>* stop,
                             std::vector<fs::path>* written) {
  switch (OfficeKindOf(file)) {
    case OfficeKind::kDocument:
      return WordToText(file, saveTxt, stop, written);
    case OfficeKind::kWorkbook:
      return ExcelToText(file, saveTxt, stop, written);
    case OfficeKind::kPdf:
      return PdfToText(file, saveTxt, stop, written);
    case OfficeKind::kNone:
      break;
  }
  throw std::logic_error("OfficeFileToText: not an office file: " + DisplayPath(file));
}

std::vector<fs::path> OfficeFilesToText(const std::vector<fs::path>& files, Ui& ui,
                                        std::vector<std::string>* failures) {
  std::vector<fs::path> written;
  for (const fs::path& file : files) {
    const auto done = static_cast<int64_t>(&file - files.data());  // files converted before this one
    ui.ShowStatus("转换文件:" + DisplayPath(file));
    const OfficeKind kind = OfficeKindOf(file);
    if (kind == OfficeKind::kNone) continue;
    const size_t before = written.size();
    try {
      // The conversion takes seconds: it runs beside, and the progress keeps the window painting.
      auto conversion = std::async(std::launch::async, [&] { OfficeFileToText(file, true, nullptr, &written); });
      while (conversion.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
        ui.Progress(done, static_cast<int64_t>(files.size()));
      conversion.get();
      // A workbook fails silently, as in the program; only the caller's list hears of it.
      if (kind == OfficeKind::kWorkbook && written.size() == before && failures)
        failures->push_back("无法转换工作簿" + Quoted(file));
    } catch (const std::exception& error) {
      ui.ShowStatus(error.what());
      if (failures) failures->push_back(error.what());
    }
  }
  ui.Progress(0, 0);
  if (!files.empty()) ui.Inform("转换完成！请在文档目录查看");
  return written;
}

}  // namespace telqor
