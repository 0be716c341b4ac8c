// shuffle: the lines of files in random order.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "workspace/list_operations.h"

namespace telqor::cli {

Verb ShuffleVerb() {
  return {{"shuffle",
           "Loads the files into one list, puts it in random order and writes it to OUT or standard output.\n",
           {kOutputOption},
           kInputFiles},
          "put the lines of files in random order",
          [](const ParsedArgs& args, GlobalOptions& global) { return TransformFiles(args, global, ShuffleNumbers); }};
}

}  // namespace telqor::cli
