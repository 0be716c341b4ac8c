// compare: the lines of a new file that a reference file holds, and those it does not.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "files/file_comparison.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::filesystem::path newFile = args.PositionalPaths()[0], reference = args.PositionalPaths()[1];
  const CompareMode mode = UseCompareMode(global);
  std::optional<std::filesystem::path> outDir = args.PathValue("--out-dir");
  ConsoleUi ui(global.yes);
  ComparisonFiles files = CompareFiles(newFile, reference, outDir.value_or(newFile.parent_path()), mode, ui);
  std::cout << PathToUtf8(files.present) << "\n" << PathToUtf8(files.absent) << "\n";
  return 0;
}

}  // namespace

Verb CompareVerb() {
  return {{"compare",
           "Sorts the lines of NEW into those REFERENCE holds and those it does not, each group in NEW's\n"
           "order with its repeats, and writes them beside NEW (or in DIR) as\n"
           "  [<new>]对比[<reference>]已有数据(<count>).txt and [<new>]对比[<reference>]没有的数据(<count>).txt,\n"
           "both even when empty. Prints the two paths.\n"
           "Lines are compared by their bytes in either mode.\n",
           {{"--out-dir", nullptr, OptionKind::Value, "DIR", "write the two files in DIR (it must exist)"}},
           {"NEW REFERENCE", true, false, 2}},
          "split a file's lines by whether another file holds them",
          Run};
}

}  // namespace telqor::cli
