// The options every telqor-cli command line may carry, before the verb or after it, and the
// program folder they lead to.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/syntax.h"
#include "core/lists/compare_mode.h"
#include "core/program/data_folders.h"

namespace telqor::cli {

struct GlobalOptions {
  std::optional<std::filesystem::path> home;
  std::optional<char> mode;  // 'A' or 'B' when given
  bool yes = false;
  std::optional<ProgramState> startup;  // once the program folder was prepared
};

// --home, --mode A|B, --yes and --help, for the help texts.
const std::vector<Option>& GlobalOptionTable();

// A, a, B or b: a value of --mode that sets the processing mode (generate has a --mode 1..5
// of its own).
bool IsProcessingMode(std::string_view value);

// Takes one occurrence of --home DIR, --mode A|B or --yes (value empty) into global; --help is
// the parser's. A wrong value, or an option given a second time, is a UsageError.
void TakeGlobalOption(std::string_view longName, const std::string& value, GlobalOptions& global);

// Prepares the program folder as the program does at start (data tree, first-run settings,
// dated output folder), once; what could not be done is reported on standard error.
ProgramState& Started(GlobalOptions& global);

// The processing mode: --mode (A sorting, B by hash), else the settings of the program folder.
CompareMode UseCompareMode(GlobalOptions& global);

}  // namespace telqor::cli
