// export: a list written into many files, split by region, carrier or both, into the dated
// output folder.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/segment_data.h"
#include "segments/region_export.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

ExportKind KindOf(const std::string& by) {
  if (by == "region") return ExportKind::Region;
  if (by == "carrier") return ExportKind::Carrier;
  if (by == "region-carrier") return ExportKind::RegionCarrier;
  if (by == "region-carrier-segment") return ExportKind::RegionCarrierSegment;
  throw UsageError("--by takes region, carrier, region-carrier or region-carrier-segment, not '" + by + "'");
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ExportKind kind = KindOf(*args.Value("--by"));
  SegmentDatabase db;
  LoadDatabase(global, db);
  ProgramState& s = Started(global);
  NumberList list(ListRole::Workspace);
  ConsoleUi ui(global.yes);
  LoadFiles(list, args.Positional(), ui);
  std::filesystem::path folder = BuildDatedOutputFolder(s.folders.otherData);
  SavedFiles saved = ExportNumbers(kind, list.Items(), db, CarrierRule(s.settings), folder, ui);
  for (const auto& file : saved.written) std::cout << PathToUtf8(file) << "\n";
  std::cerr << saved.closing << "\n";
  return 0;
}

}  // namespace

Verb ExportVerb() {
  return {{"export",
           "Loads the files into one list and writes it into the dated output folder, split:\n"
           "  region:                 <region>.<count>.txt per region (province.city, else 未知地区)\n"
           "  carrier:                移动|联通|电信|其它.<count>.txt\n"
           "  region-carrier:         <region>.<carrier>.<count>.txt\n"
           "  region-carrier-segment: <region>/<carrier>/<segment>-<count>.txt, each number once and\n"
           "                          sorted, with 汇总.txt per carrier folder, and <region>/其它-<count>.txt\n"
           "A line that is not 11 digits (a blank line, \"abc\", \"123\") has no region and no carrier:\n"
           "it goes to 未知地区 and 其它. Numbers keep their order and repeats unless said otherwise;\n"
           "by segment, the closing line counts the repeats left out (（去掉重复N个）). No file is\n"
           "replaced: a name already taken, by an earlier export or this one, gets -2, -3, ... before\n"
           ".txt. Prints the path of every file written, and how many files and numbers, and where, on\n"
           "standard error.\n",
           {{"--by", nullptr, OptionKind::Value, "KIND", "region, carrier, region-carrier or region-carrier-segment",
             true}},
           kInputFiles},
          "write lines into files by region, carrier and segment",
          Run};
}

}  // namespace telqor::cli
