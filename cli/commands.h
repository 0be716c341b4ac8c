// The verbs of telqor-cli. Each takes its own arguments (after the verb) and answers the exit
// status; errors are thrown and reported by main.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_common.h"

namespace telqor::cli {

struct Command {
  const char* name;
  const char* summary;
  int (*run)(std::vector<std::string> args, GlobalOptions& global);
};

int RunSort(std::vector<std::string> args, GlobalOptions& global);
int RunShuffle(std::vector<std::string> args, GlobalOptions& global);
int RunDedupe(std::vector<std::string> args, GlobalOptions& global);
int RunFilterOut(std::vector<std::string> args, GlobalOptions& global);
int RunSettings(std::vector<std::string> args, GlobalOptions& global);
int RunKeep(std::vector<std::string> args, GlobalOptions& global);
int RunReplace(std::vector<std::string> args, GlobalOptions& global);
int RunAffix(std::vector<std::string> args, GlobalOptions& global);
int RunGenerate(std::vector<std::string> args, GlobalOptions& global);
int RunSave(std::vector<std::string> args, GlobalOptions& global);

const std::vector<Command>& Commands();

}  // namespace telqor::cli
