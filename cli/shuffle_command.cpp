// shuffle: the lines of files in random order.
#include <iostream>

#include "cli/commands.h"
#include "core/list_sort.h"

namespace telqor::cli {

int RunShuffle(std::vector<std::string> args, GlobalOptions& global) {
  return RunListVerb(
      std::move(args), global,
      "Usage: telqor-cli shuffle FILE... [-o OUT]\n"
      "Loads the files into one list, puts it in random order and writes it to OUT or standard output.\n",
      [](TSList& list, GlobalOptions&) { ShuffleList(list); });
}

}  // namespace telqor::cli
