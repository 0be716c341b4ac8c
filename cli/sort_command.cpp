// sort: the lines of files in byte order.
#include <iostream>

#include "cli/commands.h"

namespace telqor::cli {

int RunSort(std::vector<std::string> args, GlobalOptions& global) {
  return RunListVerb(std::move(args), global,
                     "Usage: telqor-cli sort FILE... [-o OUT]\n"
                     "Loads the files into one list, sorts it (byte order) and writes it to OUT or standard output.\n",
                     [](TSList& list, GlobalOptions&) { list.Sort(); });
}

}  // namespace telqor::cli
