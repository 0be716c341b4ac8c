// sort: the lines of files in byte order.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "workspace/list_operations.h"

namespace telqor::cli {

Verb SortVerb() {
  return {{"sort",
           "Loads the files into one list, sorts it (byte order) and writes it to OUT or standard output.\n",
           {kOutputOption},
           kInputFiles},
          "sort the lines of files",
          [](const ParsedArgs& args, GlobalOptions& global) { return TransformFiles(args, global, SortNumbers); }};
}

}  // namespace telqor::cli
