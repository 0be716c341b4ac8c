// filter-out: the lines of files that stand in no reference file, order kept.
#include <iostream>

#include "cli/commands.h"
#include "core/list_hash.h"
#include "core/list_sort.h"

namespace telqor::cli {

int RunFilterOut(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli [--mode A|B] filter-out FILE... --exclude REF... [-o OUT]\n"
                 "Writes the items of FILE... that are not in any REF file, in their order.\n"
                 "  mode A: exact comparison; mode B: by hash (faster; equal hashes count as equal).\n";
    return 0;
  }
  auto out = a.Value("--output", "-o");
  auto refs = a.List("--exclude");
  auto files = a.Positional();
  if (refs.empty()) throw UsageError("filter-out needs --exclude REF...");
  Started(global);
  TSList items, reference, kept;
  LoadInputs(items, files);
  LoadInputs(reference, refs);
  if (UseModeB(global)) {
    SplitListsByHash(items, reference, &kept, nullptr);
  } else {
    SplitListsBySort(items, reference, &kept, nullptr);
  }
  WriteResult(kept, out);
  return 0;
}

}  // namespace telqor::cli
