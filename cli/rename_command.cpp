// rename: the files of a folder copied to new names, as the batch rename dialog does it.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "tools/batch_rename.h"

namespace telqor::cli {
namespace {

NameCase CaseOf(const std::optional<std::string>& name) {
  if (!name) return NameCase::Keep;
  if (*name == "lower") return NameCase::Lower;
  if (*name == "upper") return NameCase::Upper;
  throw UsageError("--case takes lower or upper, not '" + *name + "'");
}

NameDefinition DefinitionOf(const ParsedArgs& args) {
  NameDefinition definition;
  std::optional<std::string> from = args.Value("--replace"), to = args.Value("--with");
  if (from.has_value() != to.has_value()) throw UsageError("--replace and --with go together");
  if (from) {
    definition.replace = true;
    definition.from = *from;
    definition.to = *to;
  }
  std::optional<std::string> pattern = args.Value("--pattern"), start = args.Value("--start");
  if (start && !pattern) throw UsageError("--start needs --pattern");
  if (pattern) {
    definition.usePattern = true;
    definition.pattern = *pattern;
    definition.start = start.value_or("1");
  }
  definition.letterCase = CaseOf(args.Value("--case"));
  return definition;
}

void PrintPairs(const RenameList& list, const std::vector<RenameStep>& steps) {
  for (const RenameStep& step : steps)
    std::cout << list[step.entry].oldName << " → " << list[step.entry].newName << "\n";
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::filesystem::path folder = args.Positional()[0];
  const NameDefinition definition = DefinitionOf(args);
  const std::optional<std::string> to = args.Value("--to");
  const std::filesystem::path output = RenameOutputFolder(folder, to.has_value(), to.value_or(""));
  const bool deleteSource = args.Flag("--delete-source");

  RenameList list;
  TakeNames(folder, args.ValueOr("--match", ""), false, list);
  PreviewNames(list, definition);
  if (args.Flag("--dry-run")) {
    PrintPairs(list, PlanRename(list, folder, output, deleteSource));
    return 0;
  }
  ConsoleUi ui(global.yes);
  RenameOutcome outcome = RenameFiles(list, folder, output, deleteSource, ui);
  PrintPairs(list, outcome.copied);
  for (const std::string& failure : outcome.failures) std::cerr << failure << "\n";
  return outcome.failures.empty() ? 0 : 1;
}

}  // namespace

Verb RenameVerb() {
  return {{"rename",
           "Takes the names of DIR's files (those containing T with --match) and gives each a new\n"
           "name: OLD with every X replaced by Y (letters compared without case), or the pattern P\n"
           "with its runs of # filled from a counter starting at N (##### as %.5d down to # as %d),\n"
           "then lower or upper case. Without --replace and --pattern every new name is 待定.\n"
           "Each file is then copied to its new name in DIR (or DIR2), replacing a file of that name;\n"
           "the last of several copies to one name wins. With --delete-source each source is deleted\n"
           "once its copy stands; a run that would lose a file that way (two files with one new name,\n"
           "or a new name that is a file still to be renamed) is refused before anything is copied.\n"
           "Prints OLD → NEW for every file copied (with --dry-run, to be copied, changing nothing).\n"
           "A copy that fails keeps its source, is reported, and makes the status 1.\n",
           {{"--match", nullptr, OptionKind::Value, "T", "take only the names that contain T"},
            {"--replace", nullptr, OptionKind::Value, "X", "replace X in the old name ..."},
            {"--with", nullptr, OptionKind::Value, "Y", "... by Y"},
            {"--pattern", nullptr, OptionKind::Value, "P", "new names from the pattern P (wins over --replace)"},
            {"--start", nullptr, OptionKind::Value, "N", "the pattern's first number (default 1)"},
            {"--case", nullptr, OptionKind::Value, "lower|upper", "the new names' letter case"},
            {"--to", nullptr, OptionKind::Value, "DIR2", "copy into DIR2 instead of DIR"},
            {"--delete-source", nullptr, OptionKind::Flag, nullptr, "delete each file once its copy stands"},
            {"--dry-run", nullptr, OptionKind::Flag, nullptr, "print the pairs only"}},
           {"DIR", true, false, 1}},
          "copy a folder's files to new names",
          Run};
}

}  // namespace telqor::cli
