// replace and affix: the two editors of the workspace list over the lines of files.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "workspace/replacement.h"

namespace telqor::cli {
namespace {

int RunReplace(const ParsedArgs& args, GlobalOptions& global) {
  std::string pattern = Utf8Argument(*args.Value("--pattern"));
  std::string with = Utf8Argument(*args.Value("--with"));
  return TransformFiles(args, global, [&](NumberList& list, Ui& ui) { ReplaceContent(list, pattern, with, ui); });
}

int RunAffix(const ParsedArgs& args, GlobalOptions& global) {
  std::string length = args.ValueOr("--length", "0");
  std::string prefix = Utf8Argument(args.ValueOr("--prefix", ""));
  std::string suffix = Utf8Argument(args.ValueOr("--suffix", ""));
  return TransformFiles(args, global, [&](NumberList& list, Ui& ui) { AddAffixes(list, length, prefix, suffix, ui); });
}

}  // namespace

Verb ReplaceVerb() {
  return {{"replace",
           "Replaces every match of the regular expression P in every line by R ($1, \\\\2, ${name},\n"
           "\\\\U1 ... expand groups; an empty R deletes the matches). P and R are used exactly as given.\n",
           {{"--pattern", nullptr, OptionKind::Value, "P", "the regular expression", true},
            {"--with", nullptr, OptionKind::Value, "R", "the replacement", true},
            kOutputOption},
           kInputFiles},
          "replace pattern matches in every line",
          RunReplace};
}

Verb AffixVerb() {
  return {{"affix",
           "Puts P before and S after every line of N bytes (N 0, the default: every line; negative:\n"
           "none). Blanks around P and S are removed.\n",
           {{"--length", nullptr, OptionKind::Value, "N", "the length of the lines to change (default 0: all)"},
            {"--prefix", nullptr, OptionKind::Value, "P", "the text put before"},
            {"--suffix", nullptr, OptionKind::Value, "S", "the text put after"},
            kOutputOption},
           kInputFiles},
          "add a prefix and suffix to lines of one length",
          RunAffix};
}

}  // namespace telqor::cli
