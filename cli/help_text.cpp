#include "cli/help_text.h"

#include <algorithm>

#include "cli/global_options.h"

namespace telqor::cli {
namespace {

constexpr size_t kUsageWidth = 100;
constexpr size_t kWidestOptionColumn = 30;  // longer option names put their help on the next line

// lead and the words in lines of at most kUsageWidth, later lines aligned under the first word.
std::string Wrapped(const std::string& lead, const std::vector<std::string>& words) {
  std::string text = lead, line = lead;
  for (const auto& word : words) {
    if (line.size() + 1 + word.size() > kUsageWidth && line.size() > lead.size()) {
      text += "\n";
      line = std::string(lead.size() + 1, ' ');
      text += line;
    } else {
      text += " ";
      line += " ";
    }
    text += word;
    line += word;
  }
  return text + "\n";
}

}  // namespace

std::string Spelled(const Option& option, const char* name) {
  std::string s = name;
  if (option.valueName) s.append(" ").append(option.valueName);
  if (option.kind == OptionKind::List) s += "...";
  return s;
}

std::string PositionalForm(const Positionals& p) {
  std::string s = std::string(p.name) + (p.repeatable ? "..." : "");
  return p.required ? s : "[" + s + "]";
}

std::string OptionLines(const std::vector<Option>& options) {
  std::vector<std::string> left;
  size_t width = 0;
  for (const auto& o : options) {
    std::string s = "  ";
    if (o.shortName) s.append(o.shortName).append(", ");
    s += Spelled(o, o.longName);
    if (s.size() <= kWidestOptionColumn) width = std::max(width, s.size());
    left.push_back(std::move(s));
  }
  std::string text;
  for (size_t k = 0; k < options.size(); ++k) {
    text += left[k];
    if (left[k].size() > width) {
      text.append("\n").append(width + 2, ' ');
    } else {
      text.append(width + 2 - left[k].size(), ' ');
    }
    text.append(options[k].help).append("\n");
  }
  return text;
}

std::string UsageLine(const VerbSyntax& verb) {
  std::vector<std::string> words = {"[global options]", verb.name};
  if (verb.positionals.name) words.push_back(PositionalForm(verb.positionals));
  for (const auto& o : verb.options) {
    std::string form = Spelled(o, o.shortName ? o.shortName : o.longName);
    words.push_back(o.required ? form : "[" + form + "]");
  }
  return Wrapped("Usage: telqor-cli", words);
}

std::string HelpText(const VerbSyntax& verb) {
  std::string text = UsageLine(verb);
  text.append("\n").append(verb.description);
  if (!verb.options.empty()) text += "\nOptions:\n" + OptionLines(verb.options);
  text += "\nGlobal options:\n" + OptionLines(GlobalOptionTable());
  return text;
}

}  // namespace telqor::cli
