// segments: every number of a length that begins with one of the segments given.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "generate/segment_generation.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  std::vector<std::string> segments;
  for (const std::string& typed : args.Positional()) segments.push_back(Utf8Argument(typed));
  Started(global);
  NumberList source(ListRole::Source);
  ConsoleUi ui(global.yes);
  GenerateFromTypedSegments(segments, args.ValueOr("--length", "11"), source, ui);
  WriteResult(source.Items(), args.Value("--output"));
  return 0;
}

}  // namespace

Verb SegmentsVerb() {
  return {{"segments",
           "Widens each segment (blanks around it left out) to every number of length L that begins\n"
           "with it, ascending: filled with 0 up to 9, or cut to L characters. A seven-digit segment\n"
           "gives 10,000 numbers of eleven digits. The numbers of all segments, in the order given, go\n"
           "to OUT or standard output. A segment leaving more than nine digits to fill is refused and\n"
           "nothing is written.\n",
           {{"--length", nullptr, OptionKind::Value, "L", "the length of the numbers (default 11)"}, kOutputOption},
           {"SEG", true, true}},
          "every number that begins with a segment",
          Run};
}

}  // namespace telqor::cli
