// split: each file cut into parts of N lines.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/io/file_io.h"
#include "files/file_operations.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const int count = SplitCount(*args.Value("--lines"));
  const auto& names = args.Positional();
  std::vector<std::filesystem::path> files = PathsFromUtf8(names);
  CheckReadable(files);
  std::optional<std::filesystem::path> outDir = args.PathValue("--out-dir");
  ConsoleUi ui(global.yes);
  RunOutputs parts;
  for (const auto& file : files) SplitFile(file, outDir.value_or(file.parent_path()), count, ui, parts.files);
  parts.Keep();
  for (const auto& part : parts.files) std::cout << PathToUtf8(part) << "\n";
  return 0;
}

}  // namespace

Verb SplitVerb() {
  return {{"split",
           "Cuts each FILE into parts of N lines (the last part holds the rest), written beside it or in\n"
           "DIR as <name>-分割<lines>-<0001...>.txt, every line ending with CR LF. Prints the path of\n"
           "every part. When one cannot be written, none of the parts stays.\n",
           {{"--lines", nullptr, OptionKind::Value, "N", "lines per part, a whole number above 0", true},
            {"--out-dir", nullptr, OptionKind::Value, "DIR", "write the parts in DIR (it must exist)"}},
           kInputFiles},
          "cut files into parts of N lines",
          Run};
}

}  // namespace telqor::cli
