// generate: numbers from a range and an expansion, as one press of the generation buttons.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "generate/range_generation.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

ExpansionDirection DirectionOf(const std::string& direction) {
  if (direction == "both") return ExpansionDirection::kBoth;
  if (direction == "forward") return ExpansionDirection::kForward;
  if (direction == "backward") return ExpansionDirection::kBackward;
  throw UsageError("--direction takes both, forward or backward");
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  GenerationInput in;
  in.start = args.ValueOr("--start", in.start);
  in.end = args.ValueOr("--end", in.end);
  in.length = args.ValueOr("--length", in.length);
  in.step = args.ValueOr("--step", in.step);
  in.base = args.ValueOr("--base", in.base);
  in.count = args.ValueOr("--count", in.count);
  if (auto mode = args.Value("--mode")) {
    if (mode->size() != 1 || (*mode)[0] < '1' || (*mode)[0] > '5') throw UsageError("--mode takes 1 to 5");
    in.spacing = static_cast<ExpansionSpacing>((*mode)[0] - '0');  // mode k takes one number of every k
  }
  if (auto direction = args.Value("--direction")) in.direction = DirectionOf(*direction);
  bool save = args.Flag("--save");
  auto out = args.Value("--output");
  if (save && out) throw UsageError("--save and -o exclude each other");
  ProgramState& s = Started(global);
  ConsoleUi ui(global.yes);
  if (save) {
    auto file = GenerateToFile(in, s.folders.datedOutput, ui);
    if (!file.empty()) std::cout << PathToUtf8(file) << "\n";
    return 0;
  }
  ItemList result;
  GenerateNumbers(in, result, ui);
  WriteResult(result, out);
  return 0;
}

}  // namespace

Verb GenerateVerb() {
  return {{"generate",
           "Range: S and E are filled with 0 (or cut) to L digits (default 11); every number after S up\n"
           "to E (step 1), or one random number from each block of N. More than ten million numbers\n"
           "need --yes. Expansion: C numbers (default 1000) from V onwards (forward, the default), before\n"
           "V (backward) or around it (both); mode 1 takes all, mode 2..5 one random number of every\n"
           "2..5. The result is sorted, each number once. --save writes it as 扩展号码<time>-<count>.txt\n"
           "into the dated output folder and prints the file's path; else it goes to OUT or standard output.\n",
           {{"--start", nullptr, OptionKind::Value, "S", "the start of the range (not itself generated)"},
            {"--end", nullptr, OptionKind::Value, "E", "the end of the range"},
            {"--length", nullptr, OptionKind::Value, "L", "the digits of the range's numbers (default 11)"},
            {"--step", nullptr, OptionKind::Value, "N", "one random number from each block of N (default 1)"},
            {"--base", nullptr, OptionKind::Value, "V", "the base number of the expansion"},
            {"--mode", nullptr, OptionKind::Value, "1..5", "expansion mode: 1 all, 2..5 one number of every 2..5"},
            {"--direction", nullptr, OptionKind::Value, "both|forward|backward",
             "where the expansion goes from V (default forward)"},
            {"--count", nullptr, OptionKind::Value, "C", "the numbers of the expansion (default 1000)"},
            {"--save", nullptr, OptionKind::Flag, nullptr, "write into the dated output folder; prints the path"},
            kOutputOption},
           {}},
          "numbers from a range and around a base number",
          Run};
}

}  // namespace telqor::cli
