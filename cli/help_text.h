// The help texts of telqor-cli, made from the verbs' tables, so that they say what the parser
// accepts.
#pragma once

#include <string>
#include <vector>

#include "cli/syntax.h"

namespace telqor::cli {

// "--exclude REF...", "-o OUT", "--save": option written out under name.
std::string Spelled(const Option& option, const char* name);

// "FILE...", "[PATH...]", "NEW REFERENCE".
std::string PositionalForm(const Positionals& positionals);

// "Usage: telqor-cli [global options] VERB ..." with every option, in lines of at most 100.
std::string UsageLine(const VerbSyntax& verb);

// The usage line, the description, the verb's options and the global ones.
std::string HelpText(const VerbSyntax& verb);

// "  -o, --output OUT   help" lines for a table of options, the help texts in one column.
std::string OptionLines(const std::vector<Option>& options);

}  // namespace telqor::cli
