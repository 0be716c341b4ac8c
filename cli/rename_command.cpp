// rename: to come.
#include "cli/commands.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs&, GlobalOptions&) { return 1; }

}  // namespace

Verb RenameVerb() { return {{"rename", "To come.\n", {}, {"FILE", false, true}}, "to come", Run}; }

}  // namespace telqor::cli
