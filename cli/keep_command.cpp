// keep: the lines of files that match (or do not match) a pattern of the settings.
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "workspace/kind_filter.h"

namespace telqor::cli {

int RunKeep(std::vector<std::string> args, GlobalOptions& global) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << "Usage: telqor-cli keep --kind KIND FILE... [-o OUT]\n"
                 "Keeps the lines in which a pattern of the settings matches somewhere, in order. KIND is\n"
                 "  mobile      RegExprMobile matches      non-mobile  RegExprMobile does not match\n"
                 "  landline    RegExprTel matches         custom1     RegExprEx1 matches\n"
                 "  custom2     RegExprEx2 matches\n";
    return 0;
  }
  static const std::map<std::string, NumberKind> kinds = {{"mobile", NumberKind::Mobile},
                                                    {"non-mobile", NumberKind::NonMobile},
                                                    {"landline", NumberKind::Landline},
                                                    {"custom1", NumberKind::Custom1},
                                                    {"custom2", NumberKind::Custom2}};
  auto kindName = a.Value("--kind");
  if (!kindName) throw UsageError("keep needs --kind mobile|non-mobile|landline|custom1|custom2");
  auto kind = kinds.find(*kindName);
  if (kind == kinds.end()) throw UsageError("Unknown kind '" + *kindName + "'");
  return TransformFiles(a, global,
                        [&](NumberList& list, Ui& ui) { KeepKind(list, kind->second, Started(global).settings, ui); });
}

}  // namespace telqor::cli
