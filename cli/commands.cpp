#include "cli/commands.h"

#include <iostream>

#include "cli/help_text.h"

namespace telqor::cli {

const std::vector<Verb>& Commands() {
  static const std::vector<Verb> commands = {
      SortVerb(),    ShuffleVerb(),         DedupeVerb(),   FilterOutVerb(),  KeepVerb(),
      ReplaceVerb(), AffixVerb(),           GenerateVerb(), SaveVerb(),       SettingsVerb(),
      LookupVerb(),  CarrierVerb(),         ValidateVerb(), SegmentsVerb(),   RegionsVerb(),
      ExportVerb(),  MergeVerb(),           SplitVerb(),    CompareVerb(),    FormatVerb(),
      AnalyseVerb(), RenameVerb(),          ConvertVerb(),  CleanBytesVerb(), OfficeToTextVerb(),
      ExtractVerb(), MakeDefaultDataVerb(), NormalizeVerb(), ImportSegmentsVerb(), TableVerb(),
      StatsVerb()};
  return commands;
}

int RunVerb(const Verb& verb, const std::vector<std::string>& args, GlobalOptions& global) {
  try {
    ParsedArgs parsed = ParseArgs(verb.syntax, args, global);
    if (parsed.Help()) {
      std::cout << HelpText(verb.syntax);
      return 0;
    }
    return verb.run(parsed, global);
  } catch (const UsageError& e) {  // also a verb's own checks of its values (--kind fax)
    std::cerr << e.what() << "\n" << UsageLine(verb.syntax);
    return kUsageStatus;
  }
}

}  // namespace telqor::cli
