#include <unistd.h>

#include <csignal>

#include "cli/process_start.h"

namespace telqor::cli {

void PrepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, told like a full disk
}

bool ShowOnOutputConsole(std::string_view) { return false; }

bool StandardErrorIsConsole() { return isatty(STDERR_FILENO); }

bool ConsoleShowsEscapes() { return StandardErrorIsConsole(); }

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace telqor::cli
