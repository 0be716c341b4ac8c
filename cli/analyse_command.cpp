// analyse: rows of delimited fields filtered by a numeric condition on one field, the values
// of another field of the matching rows saved with a four-line report.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/io/file_io.h"
#include "core/text/text.h"
#include "files/file_operations.h"
#include "workspace/column_analysis.h"
#include "core/io/text_encoding.h"

namespace telqor::cli {
namespace {

ConditionKind KindOf(const std::string& kind) {
  if (kind == ">") return ConditionKind::kGreater;
  if (kind == "=") return ConditionKind::kEqual;
  if (kind == "<") return ConditionKind::kLess;
  if (kind == "[]") return ConditionKind::kBetween;
  throw UsageError("--kind takes '>', '=', '<' or '[]', not '" + kind + "'");
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::filesystem::path out = *args.PathValue("--output");
  std::optional<std::string> replace = args.Value("--replace"), with = args.Value("--with");
  if (with && !replace) throw UsageError("--with needs --replace");
  AnalysisInputs inputs;
  inputs.delimiter = Utf8Argument(*args.Value("--delimiter"));
  inputs.column = *args.Value("--column");
  inputs.outColumn = *args.Value("--out-column");
  inputs.kind = KindOf(*args.Value("--kind"));
  inputs.a = *args.Value("--a");
  inputs.b = args.ValueOr("--b", "0");
  const Condition condition = ReadCondition(inputs);

  const auto& names = args.Positional();
  std::vector<std::filesystem::path> files = PathsFromUtf8(names);
  ItemList rows, matches;
  size_t lost =
      ImportRows(rows, files, TrimBlanks(Utf8Argument(replace.value_or(""))), Utf8Argument(with.value_or("")));
  if (lost) std::cerr << UnconvertibleText(lost) << "\n";
  ConsoleUi ui(global.yes);
  Analyse(rows, inputs.delimiter, condition, matches, ui);

  RunOutputs outputs;
  SaveMatches(out, matches, condition, rows.Count(), outputs.files);
  outputs.Keep();
  if (matches.Count() == 0) std::cerr << "No row matches: nothing written.\n";
  for (const std::string& line : ReportLines(condition, rows.Count(), matches.Count())) std::cout << line << "\n";
  return 0;
}

}  // namespace

Verb AnalyseVerb() {
  return {{"analyse",
           "Loads the lines of the files as rows of fields separated by D (every row rewritten as the\n"
           "data analysis imports it: X replaced by Y ignoring case, then in call records carrying\n"
           "接听时长： the labels 号码：, 分 and 秒 removed and 接听时长： made a comma). Collects field O\n"
           "(from 0) of every row whose field C is an integer v with v > A, v = A, v < A, or A <= v <= B\n"
           "('[]'), and writes the values to OUT and the report to OUT.参考比例.txt:\n"
           "  过滤条件: <condition>, 原始数据: <rows>, 符合数据: <matches>, 比率    : <ratio>\n"
           "Rows without field C or O, or whose field C is no integer, are passed over. When no row\n"
           "matches, nothing is written. Prints the four report lines.\n",
           {{"--delimiter", nullptr, OptionKind::Value, "D", "the text between fields", true},
            {"--column", nullptr, OptionKind::Value, "C", "the field compared, from 0", true},
            {"--kind", nullptr, OptionKind::Value, "K", "the condition: '>', '=', '<' or '[]'", true},
            {"--a", nullptr, OptionKind::Value, "A", "the bound compared with (the lower one of '[]')", true},
            {"--b", nullptr, OptionKind::Value, "B", "the upper bound of '[]' (default 0)"},
            {"--out-column", nullptr, OptionKind::Value, "O", "the field collected, from 0", true},
            {"--replace", nullptr, OptionKind::Value, "X", "text replaced in every row on import (ignoring case)"},
            {"--with", nullptr, OptionKind::Value, "Y", "the replacement of X (default: nothing)"},
            {"--output", "-o", OptionKind::Value, "OUT", "the values collected; the report goes beside it", true}},
           kInputFiles},
          "filter rows of delimited fields by a numeric condition",
          Run};
}

}  // namespace telqor::cli
