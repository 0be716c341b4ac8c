// telqor-cli: the command-line front end over the engine.
#include <algorithm>
#include <csignal>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>

#include "cli/checked_output.h"
#include "cli/commands.h"
#include "cli/help_text.h"

namespace telqor::cli {
namespace {

void PrintUsage() {
  std::cout << "Usage: telqor-cli [global options] VERB [ARGS...]\n"
               "       telqor-cli VERB --help\n\n"
               "Verbs:\n";
  // The summaries start two places after the longest verb name.
  size_t column = 0;
  for (const auto& verb : Commands()) column = std::max(column, std::strlen(verb.syntax.name) + 2);
  for (const auto& verb : Commands()) {
    const char* name = verb.syntax.name;
    std::cout << "  " << name << std::string(column - std::strlen(name), ' ') << verb.summary << "\n";
  }
  std::cout << "\nGlobal options (before the verb or after it):\n" << OptionLines(GlobalOptionTable());
}

int Run(int argc, char** argv) {
  GlobalOptions global;
  std::vector<std::string> args(argv + 1, argv + argc);
  size_t i = 0;
  while (i < args.size() && IsOption(args[i])) {
    if (args[i] == "--help" || args[i] == "-h") {
      PrintUsage();
      return 0;
    }
    size_t used = TakeGlobalOption(args, i, global);
    if (used == 0) throw UsageError("Unknown option '" + args[i] + "'");
    i += used;
  }
  if (i == args.size()) {
    PrintUsage();
    return 1;
  }
  const std::string& verb = args[i];
  for (const auto& command : Commands()) {
    if (verb == command.syntax.name)
      return RunVerb(command, std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()), global);
  }
  throw UsageError("Unknown verb '" + verb + "' (see telqor-cli --help)");
}

}  // namespace

}  // namespace telqor::cli

int main(int argc, char** argv) {
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, told like a full disk
#endif
  telqor::cli::CheckStandardOutputFromNowOn();
  try {
    int status = telqor::cli::Run(argc, argv);
    telqor::cli::CheckStandardOutput();
    return status;
  } catch (const std::bad_alloc&) {
    std::cerr << "Out of memory\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
  }
  return 1;
}
