// telqor-cli: the command-line front end over the engine.
#include <cctype>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>

#include "cli/commands.h"

using telqor::cli::Commands;
using telqor::cli::GlobalOptions;

namespace {

void PrintUsage() {
  std::cout << "Usage: telqor-cli [--home DIR] [--mode A|B] [--yes] VERB [ARGS...]\n"
               "       telqor-cli VERB --help\n\n"
               "Verbs:\n";
  for (const auto& c : Commands())
    std::cout << "  " << c.name << std::string(12 - std::strlen(c.name), ' ') << c.summary << "\n";
  std::cout << "\nOptions:\n"
               "  --home DIR   the program folder (settings and data); also TELQOR_HOME\n"
               "  --mode A|B   processing mode: A exact (sorting), B by hash (faster)\n"
               "  --yes        answer Yes to the program's questions\n";
}

int Run(int argc, char** argv) {
  GlobalOptions global;
  std::vector<std::string> args(argv + 1, argv + argc);
  size_t i = 0;
  // Global options before the verb; the verbs also accept them after it.
  while (i < args.size() && args[i].size() > 1 && args[i][0] == '-') {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      PrintUsage();
      return 0;
    }
    if (a == "--yes" || a == "-y") {
      global.yes = true;
      ++i;
      continue;
    }
    if (a == "--home" && i + 1 < args.size()) {
      global.home = args[i + 1];
      i += 2;
      continue;
    }
    if (a == "--mode" && i + 1 < args.size()) {
      const std::string& v = args[i + 1];
      if (v != "A" && v != "a" && v != "B" && v != "b")
        throw telqor::cli::UsageError("--mode takes A or B, not '" + v + "'");
      global.mode = static_cast<char>(std::toupper(static_cast<unsigned char>(v[0])));
      i += 2;
      continue;
    }
    throw telqor::cli::UsageError("Unknown option '" + a + "'");
  }
  if (i == args.size()) {
    PrintUsage();
    return 1;
  }
  const std::string verb = args[i];
  for (const auto& c : Commands()) {
    if (verb == c.name)
      return c.run(std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()), global);
  }
  throw telqor::cli::UsageError("Unknown verb '" + verb + "' (see telqor-cli --help)");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "Out of memory\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
  }
  return 1;
}
