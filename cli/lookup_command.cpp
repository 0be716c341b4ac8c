// lookup: the province and city of numbers, as the region quick lookup logs them.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/segment_data.h"
#include "core/gbk.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  SegmentDatabase db;
  LoadDatabase(global, db);
  for (const std::string& typed : args.Positional())
    if (std::optional<std::string> line = LookupLine(Utf8Argument(typed), db)) std::cout << GbkToUtf8(*line) << "\n";
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
