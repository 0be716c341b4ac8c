// Reading command lines with CLI11, against the verbs' tables and the global options.
//
// The global options are accepted among the verb's arguments too. Every option may be given
// once, as --opt VALUE or --opt=VALUE (short ones as -o VALUE or -oVALUE, flags bundled: -yo).
// A value option takes the next argument whatever it looks like (--with -x); a list option
// takes the arguments up to the next option; after "--" every argument is a file. --mode with
// A or B is always the processing mode, so a verb with a --mode of its own (generate) gets
// every other value. Problems are UsageError; --help anywhere before "--" wins over them, so a
// half-typed command line still shows its help.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/global_options.h"
#include "cli/syntax.h"

namespace telqor::cli {

// A verb's arguments once read. Asking for an option that is not in the verb's table is a
// programming error (std::logic_error), so that verb code and table cannot drift apart.
class ParsedArgs {
 public:
  bool Help() const { return help_; }
  bool Flag(std::string_view longName) const;
  std::optional<std::string> Value(std::string_view longName) const;
  std::string ValueOr(std::string_view longName, const std::string& fallback) const;
  const std::vector<std::string>& List(std::string_view longName) const;
  const std::vector<std::string>& Positional() const { return positional_; }
  // The same values as paths: arguments are UTF-8 (core/io/file_io.h, PathFromUtf8).
  std::optional<std::filesystem::path> PathValue(std::string_view longName) const;
  std::vector<std::filesystem::path> PathList(std::string_view longName) const;
  std::vector<std::filesystem::path> PositionalPaths() const;

 private:
  friend ParsedArgs ParseArgs(const VerbSyntax& verb, const std::vector<std::string>& args, GlobalOptions& global);
  explicit ParsedArgs(const VerbSyntax& verb);
  size_t IndexOf(std::string_view longName) const;

  const VerbSyntax* verb_;
  std::vector<bool> given_;                       // per option of the table
  std::vector<std::vector<std::string>> values_;  // per option: its value, or the list's values
  std::vector<std::string> positional_;
  bool help_ = false;
};

// The arguments after the verb.
ParsedArgs ParseArgs(const VerbSyntax& verb, const std::vector<std::string>& args, GlobalOptions& global);

// The command line up to the verb: global options only.
struct LeadingArgs {
  bool help = false;
  std::vector<std::string> verbAndArgs;  // empty when no verb was given
};
LeadingArgs ParseLeadingArgs(const std::vector<std::string>& args, GlobalOptions& global);

}  // namespace telqor::cli
