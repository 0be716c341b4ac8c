// save: a list written whole, or in batches, into the dated output folder.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "files/batch_save.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ProgramState& s = Started(global);
  NumberList list(ListRole::Workspace);
  ConsoleUi ui(global.yes);
  LoadFiles(list, args.Positional(), ui);
  if (auto batch = args.Value("--batch")) {
    for (const auto& file : BatchSave(list.Items(), *batch, s.folders.datedOutput, ui))
      std::cout << PathToUtf8(file) << "\n";
  } else if (auto file = SaveWholeList(list.Items(), s.folders.datedOutput, ui); !file.empty()) {
    std::cout << PathToUtf8(file) << "\n";
  }
  return 0;
}

}  // namespace

Verb SaveVerb() {
  return {{"save",
           "Loads the files into one list and writes it into the dated output folder: whole, as\n"
           "<yyyymmdd-hhnnss>-<count>.txt, or with --batch in files of N lines each, as\n"
           "<yyyymmdd-hhnnss>-<lines>-<0001...>.txt. A name already taken gets -2, -3, ... before\n"
           ".txt. Prints the path of every file written, and how many files and lines, and where, on\n"
           "standard error.\n",
           {{"--batch", nullptr, OptionKind::Value, "N", "files of N lines each"}},
           kInputFiles},
          "write lines whole or in batches into the dated output folder",
          Run};
}

}  // namespace telqor::cli
