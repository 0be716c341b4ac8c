// save: a list written whole, or in batches, into the dated output folder.
#include <iostream>

#include "cli/commands.h"
#include "files/batch_save.h"

namespace telqor::cli {

int RunSave(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli save [--batch N] FILE...\n"
                 "Loads the files into one list and writes it into the dated output folder: whole, as\n"
                 "<yyyymmdd-hhnnss>-<count>.txt, or with --batch in files of N lines each, as\n"
                 "<yyyymmdd-hhnnss>-<lines>-<0001...>.txt. Prints the path of every file written.\n";
    return 0;
  }
  auto batch = a.Value("--batch");
  auto files = a.Positional();
  ProgramState& s = Started(global);
  TSList list;
  LoadInputs(list, files);
  ConsoleUi ui(global.yes);
  if (batch) {
    for (const auto& file : BatchSave(list, *batch, s.folders.datedOutput, ui)) std::cout << file.string() << "\n";
  } else if (auto file = SaveWholeList(list, s.folders.datedOutput, ui); !file.empty()) {
    std::cout << file.string() << "\n";
  }
  return 0;
}

}  // namespace telqor::cli
