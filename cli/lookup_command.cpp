// lookup: the province and city of numbers, as the region quick lookup logs them.
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/segment_data.h"
#include "core/file_io.h"
#include "core/gbk.h"

namespace telqor::cli {
namespace {

namespace fs = std::filesystem;

// Up to this many numbers are looked up by searching the segment file's text, which costs
// about one read of it each; more load the database once.
constexpr size_t kScannedNumbers = 8;

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::vector<std::string>& numbers = args.Positional();
  std::function<std::optional<std::string>(std::string_view)> lookup;
  SegmentDatabase db;
  std::optional<FileContents> segments;
  if (numbers.size() <= kScannedNumbers) {
    fs::path file = Started(global).folders.baseData / kSegmentFileName;
    if (fs::exists(file)) segments.emplace(file);
    std::string_view text = segments ? segments->view() : std::string_view();
    lookup = [text](std::string_view typed) { return ScanLookupLine(typed, text); };
  } else {
    LoadDatabase(global, db);
    lookup = [&db](std::string_view typed) { return LookupLine(typed, db); };
  }
  for (const std::string& typed : numbers)
    if (std::optional<std::string> line = lookup(Utf8Argument(typed))) std::cout << GbkToUtf8(*line) << "\n";
  return 0;
}

}  // namespace

Verb LookupVerb() {
  return {{"lookup",
           "Prints, for each number, NUMBER:province.city from the segment database of the program\n"
           "folder (its first seven characters, blanks around it left out), or NUMBER:没有找到 when the\n"
           "segment is unknown. A number of six characters or fewer prints nothing.\n",
           {},
           {"NUMBER", true, true}},
          "the region of numbers from the segment database",
          Run};
}

}  // namespace telqor::cli
