// extract: mobile numbers, landlines, e-mail addresses and pattern matches from text and files,
// as the extraction panel finds them.
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/program/dropped_files.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/text.h"
#include "extract/area_codes.h"
#include "extract/extraction_engine.h"
#include "extract/extraction_request.h"
#include "extract/extraction_results.h"
#include "extract/extraction_sink.h"

namespace telqor::cli {
namespace {

namespace fs = std::filesystem;

// Files as given, each folder expanded into every entry below it, sorted and each once.
// The files of the PATH arguments. A path is a path here, never text to scan: one that does not
// exist stops the verb before anything is extracted.
std::vector<fs::path> FilesToExtractFrom(const std::vector<std::string>& paths) {
  std::vector<fs::path> items;
  for (const std::string& text : paths) {
    const fs::path given = PathFromUtf8(text);
    std::error_code error;
    if (!fs::exists(given, error)) throw FileError("Cannot open file \"" + text + "\". " + SystemErrorText(ENOENT));
    if (!fs::is_directory(given, error)) {
      items.emplace_back(given);
      continue;
    }
    DroppedFileList found;
    found.AddDropped(given);
    for (const fs::path& path : found.Paths()) items.push_back(path);
  }
  return items;
}

// The run's progress on a terminal: the items done, the share of the bytes scanned and the
// status text, until it ends.
void ShowProgressUntilDone(const ExtractionEngine& extraction, const ExtractionReport& report) {
  bool terminal = isatty(STDERR_FILENO);
  for (int tick = 1; extraction.Active(); ++tick) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!terminal || tick % 10 != 0) continue;
    const std::string text = report.LatestStatus();
    const uint64_t total = extraction.BytesTotal();
    std::cerr << "\r\033[K[" << extraction.ItemsDone() << "/" << extraction.ProgressTotal() << " "
              << (total > 0 ? extraction.BytesDone() * 100 / total : 0) << "%] " << text << std::flush;
  }
  if (terminal) std::cerr << "\r\033[K" << std::flush;
}

// --zone-mode: 0 the last area code seen, 1 --zone, 2 none.
AreaCodeMode AreaCodeModeOf(const std::string& mode) {
  if (mode == "0") return AreaCodeMode::kLastSeen;
  if (mode == "1") return AreaCodeMode::kFixed;
  if (mode == "2") return AreaCodeMode::kNone;
  throw UsageError("--zone-mode takes 0, 1 or 2, not '" + mode + "'");
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ExtractionRequest request;
  request.mobile = args.Flag("--mobile");
  request.landline = args.Flag("--landline");
  request.email = args.Flag("--email");
  std::optional<std::string> pattern = args.Value("--regex");
  request.pattern = pattern.has_value();
  if (!request.mobile && !request.landline && !request.email && !request.pattern)
    request.mobile = request.landline = true;
  if (pattern) {
    request.patternText = Utf8Argument(*pattern);
    // The engine drops an item whose pattern fails; here a bad pattern is the caller's error.
    request.CheckPattern();
  }
  request.areaCodeMode = AreaCodeModeOf(args.ValueOr("--zone-mode", "0"));
  request.fixedAreaCode = std::string(TrimBlanks(Utf8Argument(args.ValueOr("--zone", ""))));
  request.text = std::string(TrimBlanks(Utf8Argument(args.ValueOr("--text", ""))));
  request.files = FilesToExtractFrom(args.Positional());
  request.output = args.Flag("--to-files") ? ExtractionOutput::kFilePerKind : ExtractionOutput::kAppendWanted;
  if (!request.HasSources()) throw UsageError("extract: nothing to search (give --text TEXT or a PATH)");

  ProgramState& state = Started(global);
  ItemList areaCodes;
  request.areaCodeTableMissing = !LoadAreaCodes(state.folders.baseData, areaCodes);
  request.areaCodes = &areaCodes;
  const std::string missingTable = request.MissingAreaCodeTableNote();
  request.mobileSecondDigits = state.settings.mobileSecondDigits;
  request.mobileSeparators = state.settings.mobileSeparators != 0;
  const WantedKinds wanted{request.pattern, request.landline, request.mobile, request.email};
  ExtractionReport report;
  ExtractionEngine extraction;
  extraction.Start(std::move(request), report);
  ShowProgressUntilDone(extraction, report);
  extraction.Wait();
  const ExtractionResults& results = report.Found();
  // The files that could not be read are told, and make the status 1; the others give their
  // results all the same.
  const std::vector<std::string> failures = report.Failures();
  const int exitStatus = failures.empty() ? 0 : 1;
  if (!missingTable.empty()) std::cerr << missingTable << "\n";

  if (args.Flag("--to-files")) {
    SavedFiles saved = SaveResultFiles(results, state.folders.datedOutput);
    for (const fs::path& file : saved.written) std::cout << PathToUtf8(file) << "\n";
    for (const std::string& failure : failures) std::cerr << failure << "\n";
    std::cerr << saved.closing << "\n";
    return exitStatus;
  }
  // Written straight from the results: millions of them are never copied into a list.
  FileWriter out = FileWriter::StandardOutput();
  WriteResults(results, wanted, out);
  out.Commit();
  for (const std::string& failure : failures) std::cerr << failure << "\n";
  return exitStatus;
}

}  // namespace

Verb ExtractVerb() {
  return {{"extract",
           "Finds mobile numbers, landlines, e-mail addresses and matches of a pattern in the text of\n"
           "--text and of each PATH (a folder stands for every file below it; links to folders are\n"
           "not followed), as the extraction panel does. A PATH that does not exist, or a --regex\n"
           "that does not compile, is an error. .docx, .xlsx, .odt, .ods, .doc, .xls, .wps and .et\n"
           "are read by telqor-cli itself; RTF, Word 95 and Excel 95 files (LibreOffice) and .pdf\n"
           "(pdftotext) through their converters; any other\n"
           "file as text in its encoding (a byte-order mark, else UTF-8 when the whole file is UTF-8,\n"
           "else GBK). A file that cannot be read is named on standard error with the reason and\n"
           "makes the status 1; the other files are still searched.\n"
           "Without a kind, mobile numbers and landlines are wanted. Landline area codes come from\n"
           "the program folder's 固话区号对照表.txt; without that file a landline keeps the area code\n"
           "it is written with (010, 02X or 0XXX), and a line on standard error says how to write\n"
           "the table (make-default-data).\n"
           "Prints the results, each kind sorted with every result once, in the order pattern,\n"
           "landline, mobile, e-mail (GBK, CR LF); with --to-files it writes one file per kind found\n"
           "into the dated output folder instead (<yyyymmdd-hhnnss>-手机-<count>.txt, ...; a name\n"
           "already taken gets -2, -3, ... before .txt), prints their paths, and how many files and\n"
           "results, and where, on standard error.\n",
           {{"--mobile", nullptr, OptionKind::Flag, nullptr, "mobile numbers"},
            {"--landline", nullptr, OptionKind::Flag, nullptr, "landline numbers"},
            {"--email", nullptr, OptionKind::Flag, nullptr, "e-mail addresses"},
            {"--regex", nullptr, OptionKind::Value, "P", "matches of the pattern P"},
            {"--zone-mode", nullptr, OptionKind::Value, "0|1|2",
             "before a local number: 0 the last area code seen (default), 1 --zone, 2 nothing"},
            {"--zone", nullptr, OptionKind::Value, "CODE", "the area code of --zone-mode 1"},
            {"--text", nullptr, OptionKind::Value, "TEXT", "text to search, as pasted"},
            {"--to-files", nullptr, OptionKind::Flag, nullptr, "save one file per kind in the dated output folder"}},
           {"PATH", false, true}},
          "find numbers, landlines and e-mail addresses in text and files",
          Run};
}

}  // namespace telqor::cli
