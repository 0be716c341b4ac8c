#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdio>

#include "cli/process_start.h"
#include "core/text/windows_text.h"

namespace telqor::cli {

void PrepareStandardStreams() {
  // The C runtime's text mode would turn every LF into CR LF and stop reading at a ^Z: lists
  // pass through byte for byte, their CR LF written by the engine.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Messages are UTF-8; a console shows them as such.
  SetConsoleOutputCP(CP_UTF8);
}

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace telqor::cli
