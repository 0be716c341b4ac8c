// The verbs of telqor-cli. Each is its syntax table, a one-line summary for the verb list, and
// the function that runs it on the arguments read against the table; it answers the exit
// status, and errors are thrown and reported by main.
#pragma once

#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/global_options.h"

namespace telqor::cli {

struct Verb {
  VerbSyntax syntax;
  const char* summary;
  int (*run)(const ParsedArgs& args, GlobalOptions& global);
};

Verb SortVerb();
Verb ShuffleVerb();
Verb DedupeVerb();
Verb FilterOutVerb();
Verb KeepVerb();
Verb ReplaceVerb();
Verb AffixVerb();
Verb GenerateVerb();
Verb SaveVerb();
Verb SettingsVerb();
Verb LookupVerb();
Verb CarrierVerb();
Verb ValidateVerb();
Verb SegmentsVerb();
Verb RegionsVerb();
Verb ExportVerb();
Verb MergeVerb();
Verb SplitVerb();
Verb CompareVerb();
Verb FormatVerb();
Verb AnalyseVerb();
Verb RenameVerb();
Verb ConvertVerb();
Verb CleanBytesVerb();
Verb OfficeToTextVerb();
Verb ExtractVerb();
Verb NormalizeVerb();
Verb MakeDefaultDataVerb();
Verb ImportSegmentsVerb();
Verb TableVerb();
Verb StatsVerb();

const std::vector<Verb>& Commands();

// Reads the arguments after the verb against its table, then shows its help or runs it. A
// UsageError is told on standard error with the verb's usage line (status kUsageStatus).
int RunVerb(const Verb& verb, const std::vector<std::string>& args, GlobalOptions& global);

}  // namespace telqor::cli
