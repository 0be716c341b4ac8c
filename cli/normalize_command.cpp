// normalize: mobile numbers written with a country code, separators or full-width digits
// become their eleven digits.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "workspace/list_operations.h"

namespace telqor::cli {

Verb NormalizeVerb() {
  return {{"normalize",
           "Loads the files into one list and writes it to OUT or standard output with every line that\n"
           "is a mobile number in another spelling replaced by its eleven digits: \"+86 138 0013 8000\",\n"
           "\"0086-138-0013-8000\", \"(+86)13800138000\", \"138.0013.8000\" and full-width digits all\n"
           "become 13800138000. Blanks, tabs, - . ( ) + (and their full-width forms) are left out; the\n"
           "digits must then be eleven starting with 1, alone or after 86 or 0086. Every other line is\n"
           "kept exactly as it was.\n",
           {kOutputOption},
           kInputFiles},
          "mobile numbers in any spelling to their eleven digits",
          [](const ParsedArgs& args, GlobalOptions& global) { return TransformFiles(args, global, NormalizeNumbers); }};
}

}  // namespace telqor::cli
