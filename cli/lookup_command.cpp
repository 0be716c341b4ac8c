// lookup: the province and city of numbers, as the region quick lookup logs them.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/line_stream.h"
#include "cli/segment_data.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"

namespace telqor::cli {
namespace {

namespace fs = std::filesystem;

// Up to this many numbers are looked up by searching the segment file's text, which costs
// about one read of it each; more, or a file of them, load the database once.
constexpr size_t kScannedNumbers = 8;

// Writes the answer lines (UTF-8) of numbers looked up in a loaded database. A file holds
// millions of numbers, so the common line, a number of ASCII characters, is put together from
// parts: the number as read and its region, converted once per region.
class DatabaseAnswers {
 public:
  DatabaseAnswers(const SegmentDatabase& db, FileWriter& out) : db_(db), out_(out) {}

  void Answer(std::string_view typed) {
    std::optional<std::string> number = LookupNumber(typed);
    if (!number) return;
    if (!IsAscii(typed)) {
      // Converted as one line, as a lone lead byte at the end of the number reads there.
      out_.Write(GbkToUtf8(*LookupLine(typed, db_)));
      out_.Write("\n");
      return;
    }
    line_.assign(typed);
    if (std::optional<std::string_view> region = db_.RegionOf(std::string_view(*number).substr(0, 7)))
      line_.append(":").append(Utf8Region(*region));
    else
      line_.append(":没有找到");
    line_.push_back('\n');
    out_.Write(line_);
  }

 private:
  // A region's text is owned by the database, so its address names it.
  const std::string& Utf8Region(std::string_view region) {
    auto [it, added] = utf8Regions_.try_emplace(region.data());
    if (added) it->second = GbkToUtf8(region);
    return it->second;
  }

  const SegmentDatabase& db_;
  FileWriter& out_;
  std::string line_;
  std::unordered_map<const char*, std::string> utf8Regions_;
};

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::vector<std::string>& numbers = args.Positional();
  std::optional<std::string> from = args.Value("--from");
  if (numbers.empty() && !from) throw UsageError("lookup needs NUMBER... or --from FILE");
  FileWriter out = FileWriter::StandardOutput();
  if (!from && numbers.size() <= kScannedNumbers) {
    TellWhenNoSegmentData(global);
    fs::path file = Started(global).folders.baseData / PathFromUtf8(kSegmentFileName);
    std::optional<FileContents> segments;
    if (fs::exists(file)) segments.emplace(file);
    std::string_view text = segments ? segments->view() : std::string_view();
    for (const std::string& typed : numbers) {
      if (std::optional<std::string> line = ScanLookupLine(Utf8Argument(typed), text))
        out.Write(GbkToUtf8(*line) + "\n");
    }
  } else {
    SegmentDatabase db;
    LoadDatabase(global, db);
    DatabaseAnswers answers(db, out);
    for (const std::string& typed : numbers) answers.Answer(Utf8Argument(typed));
    if (from) ForEachLineOf(*from, [&](std::string_view line) { answers.Answer(line); });
  }
  out.Commit();
  return 0;
}

}  // namespace

Verb LookupVerb() {
  return {{"lookup",
           "Prints, for each number, NUMBER:province.city from the segment database of the program\n"
           "folder (its first seven characters, blanks around it left out), or NUMBER:没有找到 when the\n"
           "segment is unknown. A mobile number written with blanks, \"-\" or a prefix (\"138 0013 8000\",\n"
           "\"+86 138-0013-8000\", \"+8613800138000\") is looked up by its eleven digits; NUMBER stays as\n"
           "given. A number of six characters or fewer prints nothing. With --from, every\n"
           "line of FILE (GBK, \"-\" for standard input) is looked up too, after the NUMBERs, one answer\n"
           "line each, read and answered as it streams.\n",
           {{"--from", nullptr, OptionKind::Value, "FILE", "look up every line of FILE (- for standard input)"}},
           {"NUMBER", false, true}},
          "the region of numbers from the segment database",
          Run};
}

}  // namespace telqor::cli
