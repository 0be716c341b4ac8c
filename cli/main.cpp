// telqor-cli: the command-line front end over the engine.
#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>

#include "cli/checked_output.h"
#include "cli/commands.h"
#include "cli/help_text.h"
#include "cli/process_start.h"

namespace telqor::cli {
namespace {

constexpr char kUsage[] =
    "Usage: telqor-cli [global options] VERB [ARGS...]\n"
    "       telqor-cli VERB --help\n";

void PrintUsage(std::ostream& out) {
  out << kUsage << "\nVerbs:\n";
  // The summaries start two places after the longest verb name.
  size_t column = 0;
  for (const auto& verb : Commands()) column = std::max(column, std::strlen(verb.syntax.name) + 2);
  for (const auto& verb : Commands()) {
    const char* name = verb.syntax.name;
    out << "  " << name << std::string(column - std::strlen(name), ' ') << verb.summary << "\n";
  }
  out << "\nGlobal options (before the verb or after it):\n" << OptionLines(GlobalOptionTable());
}

int Run(int argc, char** argv) {
  GlobalOptions global;
  LeadingArgs leading = ParseLeadingArgs(ProgramArguments(argc, argv), global);
  if (leading.help) {
    PrintUsage(std::cout);
    return 0;
  }
  const std::vector<std::string>& args = leading.verbAndArgs;
  if (args.empty()) {
    PrintUsage(std::cerr);
    return kUsageStatus;
  }
  for (const auto& command : Commands()) {
    if (args.front() == command.syntax.name)
      return RunVerb(command, std::vector<std::string>(args.begin() + 1, args.end()), global);
  }
  throw UsageError("Unknown verb '" + args.front() + "' (see telqor-cli --help)");
}

}  // namespace

}  // namespace telqor::cli

int main(int argc, char** argv) {
  telqor::cli::PrepareStandardStreams();
  telqor::cli::CheckStandardOutputFromNowOn();
  auto env = telqor::cli::PipeAwareEnv(telqor::CurrentEnv());
  telqor::ScopedEnv scoped(*env);
  try {
    int status = telqor::cli::Run(argc, argv);
    telqor::cli::CheckStandardOutput();
    return status;
  } catch (const telqor::cli::StandardOutputClosed&) {
    return 0;                                   // the reader has what it wanted
  } catch (const telqor::cli::UsageError& e) {  // before the verb; a verb tells its own (RunVerb)
    std::cerr << e.what() << "\n" << telqor::cli::kUsage;
    return telqor::cli::kUsageStatus;
  } catch (const std::bad_alloc&) {
    std::cerr << "Out of memory\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
  }
  return 1;
}
