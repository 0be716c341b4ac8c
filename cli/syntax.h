// How telqor-cli declares its command lines: each verb describes its options and positional
// files in one table (VerbSyntax), which both the parser and the help text read, so what a
// verb accepts and what its help says cannot differ.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/text/errors.h"

namespace telqor::cli {

// A command line that cannot be run as given; the message says why.
class UsageError : public Error {
 public:
  using Error::Error;
};

// The exit status of a UsageError, told with the usage line; a run that fails exits with 1.
inline constexpr int kUsageStatus = 2;

enum class OptionKind {
  Flag,   // --save
  Value,  // -o OUT
  List,   // --exclude REF...: the arguments up to the next option; every list here names files
};

struct Option {
  const char* longName;   // "--output"
  const char* shortName;  // "-o", or nullptr
  OptionKind kind;
  const char* valueName;  // "OUT" in the help text; nullptr for a flag
  const char* help;       // one line
  bool required = false;
};

// The positional arguments of a verb: files (FILE), or numbers and segments typed out.
struct Positionals {
  const char* name = nullptr;  // "FILE"; nullptr when the verb takes none
  bool required = false;
  bool repeatable = false;
  size_t count = 1;  // how many a verb that is not repeatable takes ("NEW REFERENCE": 2)
};

struct VerbSyntax {
  const char* name;
  const char* description;  // the paragraphs of VERB --help, each line ending with '\n'
  std::vector<Option> options;
  Positionals positionals;
};

// An argument that starts an option rather than naming a file ("-" alone names a file).
inline bool IsOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace telqor::cli
