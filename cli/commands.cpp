// The verb table of telqor-cli.
#include "cli/commands.h"

namespace telqor::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"sort", "sort the lines of files", RunSort},
      {"shuffle", "put the lines of files in random order", RunShuffle},
      {"dedupe", "keep each line once", RunDedupe},
      {"filter-out", "drop the lines that stand in other files", RunFilterOut},
      {"keep", "keep the lines of one kind (mobile, landline, custom patterns)", RunKeep},
      {"replace", "replace pattern matches in every line", RunReplace},
      {"affix", "add a prefix and suffix to lines of one length", RunAffix},
      {"generate", "numbers from a range and around a base number", RunGenerate},
      {"save", "write lines whole or in batches into the dated output folder", RunSave},
      {"settings", "show the settings in effect and the folders in use", RunSettings},
  };
  return commands;
}

}  // namespace telqor::cli
