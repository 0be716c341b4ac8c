#include "cli/arg_parser.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "cli/help_text.h"
#include "core/io/file_io.h"

namespace telqor::cli {
namespace {

// The largest number of values CLI11 lets a list option take without allow_extra_args, which
// would also split a file named "[a,b]" in two.
constexpr int kMostListValues = CLI::detail::expected_max_vector_size / 16 - 1;

// What one command line came to: --help, or the first problem, which is told only without it.
struct Reading {
  bool help = false;
  std::optional<std::string> problem;

  void Fail(std::string message) {
    if (!problem) problem = std::move(message);
  }
};

using Values = std::vector<std::string>;

// A list takes the arguments up to the next option; CLI11 gives it the first one whatever it
// looks like, and numbers (-1).
void CheckListValues(const Option& list, const Values& values) {
  auto option = std::find_if(values.begin(), values.end(), [](const std::string& v) { return IsOption(v); });
  if (option == values.begin()) throw UsageError(std::string(list.longName) + " needs at least one file");
  if (option != values.end()) throw UsageError("Unknown option '" + *option + "'");
}

// Declares option in app. Each occurrence goes to take as CLI11 meets it (a flag's with no
// values), so that "given twice" and the first problem follow the command line's order.
void Declare(CLI::App& app, const Option& option, Reading& reading, std::function<void(const Values&)> take) {
  CLI::callback_t occurrence = [&reading, &option, take = std::move(take)](const CLI::results_t& values) {
    try {
      // CLI11 itself would read --save=false as not given.
      if (option.kind == OptionKind::Flag && values != Values{"true"})
        throw UsageError(std::string(option.longName) + " takes no value");
      if (option.kind == OptionKind::List) CheckListValues(option, values);
      take(option.kind == OptionKind::Flag ? Values{} : values);
    } catch (const UsageError& e) {
      reading.Fail(e.what());
    }
    return true;
  };
  std::string names = option.shortName ? std::string(option.shortName) + "," + option.longName : option.longName;
  CLI::Option* declared = app.add_option(names, occurrence)->trigger_on_parse();
  if (option.kind == OptionKind::Flag) declared->expected(0);
  if (option.kind == OptionKind::List) declared->expected(1, kMostListValues);
}

// The global options and --help, but for one the app has already (generate's --mode).
void DeclareGlobalOptions(CLI::App& app, GlobalOptions& global, Reading& reading) {
  app.set_help_flag();  // --help is read like the others, so that it can win over problems
  for (const Option& option : GlobalOptionTable()) {
    if (app.get_option_no_throw(option.longName)) continue;
    Declare(app, option, reading, [&](const Values& values) {
      if (option.longName == std::string_view("--help")) {
        reading.help = true;
      } else {
        TakeGlobalOption(option.longName, values.empty() ? std::string() : values.front(), global);
      }
    });
  }
}

// Reads args with app and answers the arguments no option took, in order: files, unknown
// options and the "--" that ends the options.
std::vector<std::string> Leftovers(CLI::App& app, const std::vector<std::string>& args, Reading& reading) {
  app.allow_extras();  // unknown options and files come back, each to be told apart
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them from the back
  try {
    app.parse(reversed);
  } catch (const CLI::ArgumentMismatch&) {
    // Only the last argument can miss its value.
    const CLI::Option* option = app.get_option_no_throw(args.back());
    bool list = option && option->get_expected_max() > 1;
    reading.Fail(args.back() + (list ? " needs at least one file" : " needs a value"));
  }
  return app.remaining();
}

// Where the options end: at the first "--" that is not the value of the option before it. CLI11
// would take a "--" right after a list's files as the end of that list alone and read what
// follows as options, so the arguments after it never reach CLI11.
size_t OptionsEnd(const std::vector<Option>& options, const std::vector<std::string>& args) {
  auto takesValue = [&](const std::string& a) {
    auto named = [&](const Option& o) {
      return o.kind == OptionKind::Value && (a == o.longName || (o.shortName && a == o.shortName));
    };
    return std::any_of(options.begin(), options.end(), named) ||
           std::any_of(GlobalOptionTable().begin(), GlobalOptionTable().end(), named);
  };
  for (size_t i = 0; i < args.size(); ++i)
    if (args[i] == "--" && (i == 0 || !takesValue(args[i - 1]))) return i;
  return args.size();
}

}  // namespace

ParsedArgs::ParsedArgs(const VerbSyntax& verb)
    : verb_(&verb), given_(verb.options.size(), false), values_(verb.options.size()) {}

size_t ParsedArgs::IndexOf(std::string_view longName) const {
  for (size_t k = 0; k < verb_->options.size(); ++k)
    if (longName == verb_->options[k].longName) return k;
  throw std::logic_error(std::string(verb_->name) + " has no option " + std::string(longName));
}

bool ParsedArgs::Flag(std::string_view longName) const { return given_[IndexOf(longName)]; }

std::optional<std::filesystem::path> ParsedArgs::PathValue(std::string_view longName) const {
  const std::optional<std::string> value = Value(longName);
  return value ? std::optional<std::filesystem::path>(PathFromUtf8(*value)) : std::nullopt;
}

std::vector<std::filesystem::path> ParsedArgs::PathList(std::string_view longName) const {
  std::vector<std::filesystem::path> paths;
  for (const std::string& value : List(longName)) paths.push_back(PathFromUtf8(value));
  return paths;
}

std::vector<std::filesystem::path> ParsedArgs::PositionalPaths() const {
  std::vector<std::filesystem::path> paths;
  for (const std::string& value : positional_) paths.push_back(PathFromUtf8(value));
  return paths;
}

std::optional<std::string> ParsedArgs::Value(std::string_view longName) const {
  size_t k = IndexOf(longName);
  if (values_[k].empty()) return std::nullopt;
  return values_[k].front();
}

std::string ParsedArgs::ValueOr(std::string_view longName, const std::string& fallback) const {
  return Value(longName).value_or(fallback);
}

const std::vector<std::string>& ParsedArgs::List(std::string_view longName) const { return values_[IndexOf(longName)]; }

ParsedArgs ParseArgs(const VerbSyntax& verb, const std::vector<std::string>& args, GlobalOptions& global) {
  ParsedArgs parsed(verb);
  Reading reading;
  CLI::App app;
  const std::vector<Option>& options = verb.options;
  for (size_t k = 0; k < options.size(); ++k) {
    Declare(app, options[k], reading, [&, k](const Values& values) {
      // generate's own --mode: A or B is still the processing mode.
      if (options[k].longName == std::string_view("--mode") && IsProcessingMode(values.front()))
        return TakeGlobalOption("--mode", values.front(), global);
      if (parsed.given_[k]) throw UsageError(std::string(options[k].longName) + " given twice");
      parsed.given_[k] = true;
      parsed.values_[k] = values;
    });
  }
  DeclareGlobalOptions(app, global, reading);
  const size_t end = OptionsEnd(options, args);
  for (const std::string& a :
       Leftovers(app, {args.begin(), args.begin() + static_cast<std::ptrdiff_t>(end)}, reading)) {
    if (IsOption(a)) {
      reading.Fail("Unknown option '" + a + "'");
    } else {
      parsed.positional_.push_back(a);
    }
  }
  if (end < args.size())
    parsed.positional_.insert(parsed.positional_.end(), args.begin() + static_cast<std::ptrdiff_t>(end) + 1,
                              args.end());
  parsed.help_ = reading.help;
  if (parsed.help_) return parsed;
  if (reading.problem) throw UsageError(*reading.problem);

  std::string missing;
  for (size_t k = 0; k < options.size(); ++k) {
    if (!options[k].required || parsed.given_[k]) continue;
    if (!missing.empty()) missing += " and ";
    missing += Spelled(options[k], options[k].longName);
  }
  if (!missing.empty()) throw UsageError(std::string(verb.name) + " needs " + missing);
  const Positionals& p = verb.positionals;
  if (!p.name && !parsed.positional_.empty()) throw UsageError(std::string(verb.name) + " takes no files");
  if (p.required && parsed.positional_.empty())
    throw UsageError(p.name == std::string_view("FILE") ? "No input files"
                                                        : std::string(verb.name) + " needs " + PositionalForm(p));
  if (!p.repeatable && p.count > 1 && !parsed.positional_.empty() && parsed.positional_.size() != p.count)
    throw UsageError(std::string(verb.name) + " needs " + PositionalForm(p));
  if (!p.repeatable && parsed.positional_.size() > p.count)
    throw UsageError(std::string(verb.name) + " takes one file");
  return parsed;
}

LeadingArgs ParseLeadingArgs(const std::vector<std::string>& args, GlobalOptions& global) {
  Reading reading;
  CLI::App app;
  app.prefix_command();  // the first argument that is no option is the verb: it and the rest are left over
  DeclareGlobalOptions(app, global, reading);
  LeadingArgs leading;
  leading.verbAndArgs = Leftovers(app, args, reading);
  if (!leading.verbAndArgs.empty() && IsOption(leading.verbAndArgs.front()))
    reading.Fail("Unknown option '" + leading.verbAndArgs.front() + "'");
  leading.help = reading.help;
  if (!leading.help && reading.problem) throw UsageError(*reading.problem);
  return leading;
}

}  // namespace telqor::cli
