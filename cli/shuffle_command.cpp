// shuffle: the lines of files in random order.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "files/file_operations.h"
#include "workspace/list_operations.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  if (args.Flag("--in-place-name")) return WriteBesideEach(args, kShuffledEnding, ShuffleFile);
  return TransformFiles(args, global, ShuffleNumbers);
}

}  // namespace

Verb ShuffleVerb() {
  return {{"shuffle",
           "Loads the files into one list, puts it in random order and writes it to OUT or standard output.\n"
           "With --in-place-name each file is shuffled on its own into <name>.乱序.txt beside it, and the\n"
           "paths written are printed.\n",
           {kOutputOption, kInPlaceNameOption},
           kInputFiles},
          "put the lines of files in random order",
          Run};
}

}  // namespace telqor::cli
