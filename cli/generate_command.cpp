// generate: numbers from a range and an expansion, as one press of the generation buttons.
#include <iostream>

#include "cli/commands.h"
#include "generate/range_generation.h"

namespace telqor::cli {

int RunGenerate(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli generate [--start S --end E] [--length L] [--step N]\n"
                 "                           [--base V] [--mode 1..5] [--direction both|forward|backward]\n"
                 "                           [--count C] [--save | -o OUT]\n"
                 "Range: S and E are filled with 0 (or cut) to L digits (default 11); every number after S up\n"
                 "to E (step 1), or one random number from each block of N. More than ten million numbers\n"
                 "need --yes. Expansion: C numbers (default 1000) from V onwards (forward, the default), before\n"
                 "V (backward) or around it (both); mode 1 takes all, mode 2..5 one random number of every\n"
                 "2..5. The result is sorted, each number once. --save writes it as 扩展号码<time>-<count>.txt\n"
                 "into the dated output folder and prints the file's path; else it goes to OUT or standard output.\n";
    return 0;
  }
  GenerationInput in;
  in.start = a.Value("--start").value_or("");
  in.end = a.Value("--end").value_or("");
  in.length = a.Value("--length").value_or("11");
  in.step = a.Value("--step").value_or("1");
  in.base = a.Value("--base").value_or("");
  in.count = a.Value("--count").value_or("1000");
  if (auto mode = a.Value("--mode")) {
    if (mode->size() != 1 || (*mode)[0] < '1' || (*mode)[0] > '5') throw UsageError("--mode takes 1 to 5");
    in.modeIndex = (*mode)[0] - '1';
  }
  if (auto direction = a.Value("--direction")) {
    if (*direction == "both") {
      in.directionIndex = 0;
    } else if (*direction == "forward") {
      in.directionIndex = 1;
    } else if (*direction == "backward") {
      in.directionIndex = 2;
    } else {
      throw UsageError("--direction takes both, forward or backward");
    }
  }
  bool save = a.Flag("--save");
  auto out = a.Value("--output", "-o");
  if (!a.Positional().empty()) throw UsageError("generate takes no files");
  if (save && out) throw UsageError("--save and -o exclude each other");
  ProgramState& s = Started(global);
  ConsoleUi ui(global.yes);
  if (save) {
    auto file = GenerateToFile(in, s.folders.datedOutput, ui);
    if (!file.empty()) std::cout << file.string() << "\n";
    return 0;
  }
  TSList result;
  GenerateNumbers(in, result, ui);
  WriteResult(result, out);
  return 0;
}

}  // namespace telqor::cli
