#include "cli/arg_parser.h"

#include <algorithm>
#include <stdexcept>

#include "cli/help_text.h"

namespace telqor::cli {
namespace {

bool Names(const Option& option, std::string_view arg) {
  return arg == option.longName || (option.shortName && arg == option.shortName);
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
  std::optional<std::string> problem;  // the first one, reported unless --help was asked for
  auto fail = [&](std::string message) {
    if (!problem) problem = std::move(message);
  };
  const std::vector<Option>& options = verb.options;
  bool literal = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (literal || !IsOption(a)) {
      parsed.positional_.push_back(a);
      continue;
    }
    if (a == "--") {
      literal = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      parsed.help_ = true;
      continue;
    }
    auto own = std::find_if(options.begin(), options.end(), [&](const Option& o) { return Names(o, a); });
    bool processingMode = a == "--mode" && i + 1 < args.size() && IsProcessingMode(args[i + 1]);
    if (own == options.end() || processingMode) {
      try {
        size_t used = TakeGlobalOption(args, i, global);
        if (used == 0) fail("Unknown option '" + a + "'");
        if (used > 1) i += used - 1;
      } catch (const UsageError& e) {
        fail(e.what());
      }
      continue;
    }
    size_t k = static_cast<size_t>(own - options.begin());
    if (parsed.given_[k]) fail(std::string(own->longName) + " given twice");
    parsed.given_[k] = true;
    if (own->kind == OptionKind::Value) {
      if (i + 1 < args.size()) {
        parsed.values_[k].push_back(args[++i]);
      } else {
        fail(a + " needs a value");
      }
    } else if (own->kind == OptionKind::List) {
      size_t first = i + 1;
      while (i + 1 < args.size() && !IsOption(args[i + 1])) parsed.values_[k].push_back(args[++i]);
      if (i + 1 == first) fail(std::string(own->longName) + " needs at least one file");
    }
  }
  if (parsed.help_) return parsed;
  if (problem) throw UsageError(*problem);

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

}  // namespace telqor::cli
