// dedupe: each line once, exactly (mode A) or by hash (mode B).
#include <iostream>

#include "cli/commands.h"
#include "core/list_hash.h"
#include "core/list_sort.h"

namespace telqor::cli {

int RunDedupe(std::vector<std::string> args, GlobalOptions& global) {
  return RunListVerb(std::move(args), global,
                     "Usage: telqor-cli [--mode A|B] dedupe FILE... [-o OUT]\n"
                     "Loads the files into one list and keeps each item once.\n"
                     "  mode A: exact; the result is sorted and holds no empty line.\n"
                     "  mode B: by hash, faster; the first of each item is kept, in order. Two different items\n"
                     "          with equal hashes count as one.\n",
                     [](TSList& list, GlobalOptions& g) {
                       if (UseModeB(g)) {
                         DedupeByHash(list);
                       } else {
                         DedupeBySort(list);
                       }
                     });
}

}  // namespace telqor::cli
