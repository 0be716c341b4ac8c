// replace and affix: the two editors of the workspace list over the lines of files.
#include <iostream>

#include "cli/commands.h"
#include "workspace/replacement.h"

namespace telqor::cli {

int RunReplace(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli replace --pattern P --with R FILE... [-o OUT]\n"
                 "Replaces every match of the regular expression P in every line by R ($1, \\\\2, ${name},\n"
                 "\\\\U1 ... expand groups; an empty R deletes the matches). P and R are used exactly as given.\n";
    return 0;
  }
  auto pattern = a.Value("--pattern");
  auto with = a.Value("--with");
  if (!pattern || !with) throw UsageError("replace needs --pattern P and --with R");
  return TransformFiles(a, global, [&](NumberList& list, Ui& ui) {
    ReplaceContent(list, Utf8Argument(*pattern), Utf8Argument(*with), ui);
  });
}

int RunAffix(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli affix [--length N] [--prefix P] [--suffix S] FILE... [-o OUT]\n"
                 "Puts P before and S after every line of N bytes (N 0, the default: every line; negative:\n"
                 "none). Blanks around P and S are removed.\n";
    return 0;
  }
  auto length = a.Value("--length");
  auto prefix = a.Value("--prefix");
  auto suffix = a.Value("--suffix");
  return TransformFiles(a, global, [&](NumberList& list, Ui& ui) {
    AddAffixes(list, length.value_or("0"), Utf8Argument(prefix.value_or("")), Utf8Argument(suffix.value_or("")), ui);
  });
}

}  // namespace telqor::cli
