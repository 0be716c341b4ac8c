// Runs the form suites in the program's own application object (with its error hook): the one
// named on the command line, as CTest runs each, or every suite one after the other.
#include <QtTest>
#include <cstring>
#include <iostream>

#include "shell/telqor_application.h"
#include "tests/gui/gui_test_support.h"

int main(int argc, char** argv) {
  const auto& suites = telqor::test::Suites();
  // The suite's name comes first; what follows is Qt Test's.
  std::string only;
  if (argc > 1 && argv[1][0] != '-') {
    only = argv[1];
    std::memmove(argv + 1, argv + 2, sizeof(char*) * (argc - 1));
    --argc;
    if (!suites.count(only)) {
      std::cerr << "no form suite \"" << only << "\"; there are:";
      for (const auto& [name, run] : suites) std::cerr << " " << name;
      std::cerr << "\n";
      return 2;
    }
  }
  telqor::TelqorApplication app(argc, argv);
  int failed = 0;
  for (const auto& [name, run] : suites) {
    if (!only.empty() && name != only) continue;
    telqor::test::ResetHooks();
    failed += run(argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
