// filter-out: the lines of files that stand in no reference file, order kept.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/io/file_io.h"
#include "workspace/kind_filter.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::vector<std::string>& refs = args.List("--exclude");
  ItemList filterList;
  return TransformFiles(args, global, [&](NumberList& list, Ui& ui) {
    FilterOut(list, filterList, PathsFromUtf8(refs), "加载文件:", UseCompareMode(global), ui);
  });
}

}  // namespace

Verb FilterOutVerb() {
  return {{"filter-out",
           "Writes the items of FILE... that are not in any REF file, in their order.\n"
           "  mode A: exact comparison; mode B: by hash (faster; equal hashes count as equal).\n",
           {{"--exclude", nullptr, OptionKind::List, "REF", "the files whose items are dropped", true}, kOutputOption},
           kInputFiles},
          "drop the lines that stand in other files",
          Run};
}

}  // namespace telqor::cli
