// keep: the lines of files that match (or do not match) a pattern of the settings.
#include <map>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "workspace/kind_filter.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  static const std::map<std::string, NumberKind> kinds = {{"mobile", NumberKind::Mobile},
                                                          {"non-mobile", NumberKind::NonMobile},
                                                          {"landline", NumberKind::Landline},
                                                          {"custom1", NumberKind::Custom1},
                                                          {"custom2", NumberKind::Custom2}};
  std::string kindName = *args.Value("--kind");
  auto kind = kinds.find(kindName);
  if (kind == kinds.end()) throw UsageError("Unknown kind '" + kindName + "'");
  return TransformFiles(args, global,
                        [&](NumberList& list, Ui& ui) { KeepKind(list, kind->second, Started(global).settings, ui); });
}

}  // namespace

Verb KeepVerb() {
  return {{"keep",
           "Keeps the lines in which a pattern of the settings matches somewhere, in order. The kinds:\n"
           "  mobile      RegExprMobile matches      non-mobile  RegExprMobile does not match\n"
           "  landline    RegExprTel matches         custom1     RegExprEx1 matches\n"
           "  custom2     RegExprEx2 matches\n",
           {{"--kind", nullptr, OptionKind::Value, "mobile|non-mobile|landline|custom1|custom2",
             "the kind of line to keep", true},
            kOutputOption},
           kInputFiles},
          "keep the lines of one kind (mobile, landline, custom patterns)",
          Run};
}

}  // namespace telqor::cli
