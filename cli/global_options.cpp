#include "cli/global_options.h"

#include <iostream>

#include "core/io/file_io.h"
#include "core/text/text.h"

namespace telqor::cli {

const std::vector<Option>& GlobalOptionTable() {
  static const std::vector<Option> options = {
      {"--home", nullptr, OptionKind::Value, "DIR", "the program folder (settings and data); also TELQOR_HOME"},
      {"--mode", nullptr, OptionKind::Value, "A|B", "processing mode: A sorts, B keeps first occurrences in order"},
      {"--yes", "-y", OptionKind::Flag, nullptr, "answer Yes to the program's questions"},
      {"--help", "-h", OptionKind::Flag, nullptr, "show this help"},
  };
  return options;
}

bool IsProcessingMode(std::string_view value) { return value == "A" || value == "a" || value == "B" || value == "b"; }

void TakeGlobalOption(std::string_view longName, const std::string& value, GlobalOptions& global) {
  if (longName == "--yes") {
    if (global.yes) throw UsageError("--yes given twice");
    global.yes = true;
  } else if (longName == "--home") {
    if (global.home) throw UsageError("--home given twice");
    global.home = PathFromUtf8(value);
  } else if (longName == "--mode") {
    if (!IsProcessingMode(value)) throw UsageError("--mode takes A or B, not '" + value + "'");
    if (global.mode) throw UsageError("--mode given twice");
    global.mode = AsciiUpper(value[0]);
  }
}

ProgramState& Started(GlobalOptions& global) {
  if (!global.startup) {
    global.startup = StartUp(ProgramFolder(global.home));
    for (const auto& problem : global.startup->problems) std::cerr << problem << "\n";
  }
  return *global.startup;
}

CompareMode UseCompareMode(GlobalOptions& global) {
  if (global.mode) return *global.mode == 'B' ? CompareMode::kByHash : CompareMode::kExact;
  return Started(global).settings.Comparison();
}

}  // namespace telqor::cli
