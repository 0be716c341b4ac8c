// dedupe: each line once, exactly (mode A) or by hash (mode B).
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "files/file_operations.h"
#include "workspace/list_operations.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  if (args.Flag("--in-place-name")) {
    const CompareMode mode = UseCompareMode(global);
    return WriteBesideEach(args, kDedupedEnding,
                           [&](const auto& file, const auto& target) { DedupeFile(file, target, mode); });
  }
  return TransformFiles(args, global,
                        [&](NumberList& list, Ui& ui) { DedupeNumbers(list, UseCompareMode(global), ui); });
}

}  // namespace

Verb DedupeVerb() {
  return {{"dedupe",
           "Loads the files into one list and keeps each item once.\n"
           "  mode A: exact; the result is sorted and holds no empty line.\n"
           "  mode B: by hash, faster; the first of each item is kept, in order. Two different items\n"
           "          with equal hashes count as one.\n"
           "With --in-place-name each file is de-duplicated on its own into <name>.去重复.txt beside it,\n"
           "and the paths written are printed.\n",
           {kOutputOption, kInPlaceNameOption},
           kInputFiles},
          "keep each line once",
          Run};
}

}  // namespace telqor::cli
