// rename: the files of a folder copied to new names, as the batch rename dialog does it.
#include <algorithm>
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/text/errors.h"
#include "files/batch_rename.h"
#include "core/text/path_text.h"

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

// OLD → NEW per step, in list order.
void PrintPairs(const RenameList& list, std::vector<RenameStep> steps) {
  std::sort(steps.begin(), steps.end(), [](const RenameStep& a, const RenameStep& b) { return a.entry < b.entry; });
  for (const RenameStep& step : steps)
    std::cout << list[step.entry].oldName << " → " << list[step.entry].newName << "\n";
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::filesystem::path folder = args.PositionalPaths()[0];
  const NameDefinition definition = DefinitionOf(args);
  const std::optional<std::string> to = args.Value("--to");
  const std::filesystem::path output = RenameOutputFolder(folder, to.has_value(), to.value_or(""));
  const bool deleteSource = args.Flag("--delete-source"), overwrite = args.Flag("--overwrite");

  RenameList list;
  TakeNames(folder, args.ValueOr("--match", ""), false, list);
  PreviewNames(list, definition);
  const RenamePlan plan = PlanRename(list, folder, output);
  if (!plan.replaced.empty()) {
    std::string files;
    for (const auto& file : plan.replaced) files.append("\n").append(PathToUtf8(file));
    const std::string count = std::to_string(plan.replaced.size());
    if (args.Flag("--dry-run"))
      std::cerr << "将覆盖" << count << "个已有文件" << (overwrite ? "：" : "（改名要加 --overwrite）：") << files
                << "\n";
    else if (!overwrite)
      throw Error("将覆盖" + count + "个已有文件，没有改名；要覆盖它们请加 --overwrite：" + files);
    else
      std::cerr << "覆盖" << count << "个已有文件（--overwrite）：" << files << "\n";
  }
  if (args.Flag("--dry-run")) {
    PrintPairs(list, plan.steps);
    return 0;
  }
  ConsoleUi ui(global.yes);
  RenameOutcome outcome = RenameFiles(plan, deleteSource, ui);
  PrintPairs(list, outcome.copied);
  return outcome.failures.empty() && outcome.deleteFailures.empty() ? 0 : 1;
}

}  // namespace

Verb RenameVerb() {
  return {{"rename",
           "Takes the names of DIR's files (those containing T with --match) and gives each a new\n"
           "name: OLD with every X replaced by Y (letters compared without case), or the pattern P\n"
           "with its runs of # filled from a counter starting at N (##### as %.5d down to # as %d),\n"
           "then lower or upper case. Without --replace and --pattern every new name is 待定.\n"
           "Each file is then copied to its new name in DIR (or DIR2), and with --delete-source\n"
           "deleted once its copy stands. Nothing is lost: two files with one new name are refused,\n"
           "and so is a run into a missing DIR2, before anything is copied; a new name that is another\n"
           "file of the run (1.txt → 2.txt, 2.txt → 3.txt, or a → b, b → a) is copied away first. A new\n"
           "name that is an existing file outside the run is refused too, unless --overwrite.\n"
           "Prints OLD → NEW for every file copied (with --dry-run, to be copied, changing nothing,\n"
           "and the files that would be replaced on standard error). A copy that fails keeps its\n"
           "source; every failure is reported on standard error and makes the status 1.\n",
           {{"--match", nullptr, OptionKind::Value, "T", "take only the names that contain T"},
            {"--replace", nullptr, OptionKind::Value, "X", "replace X in the old name ..."},
            {"--with", nullptr, OptionKind::Value, "Y", "... by Y"},
            {"--pattern", nullptr, OptionKind::Value, "P", "new names from the pattern P (wins over --replace)"},
            {"--start", nullptr, OptionKind::Value, "N", "the pattern's first number (default 1)"},
            {"--case", nullptr, OptionKind::Value, "lower|upper", "the new names' letter case"},
            {"--to", nullptr, OptionKind::Value, "DIR2", "copy into DIR2 instead of DIR"},
            {"--delete-source", nullptr, OptionKind::Flag, nullptr, "delete each file once its copy stands"},
            {"--overwrite", nullptr, OptionKind::Flag, nullptr, "replace existing files under new names"},
            {"--dry-run", nullptr, OptionKind::Flag, nullptr, "print the pairs only"}},
           {"DIR", true, false, 1}},
          "copy a folder's files to new names",
          Run};
}

}  // namespace telqor::cli
