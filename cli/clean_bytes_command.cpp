// clean-bytes: a ".txt" copy of any file that keeps only single-byte characters.
#include <exception>
#include <iostream>

#include "cli/commands.h"
#include "files/encoding_tools.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

// The tool of the menu skips a file it cannot convert without a word; a script is told which
// one, and the status says that not every copy was written.
int Run(const ParsedArgs& args, GlobalOptions&) {
  int status = 0;
  for (const std::filesystem::path& file : args.PositionalPaths()) {
    try {
      CleanBytesFile(file);
      std::cout << PathToUtf8(CleanBytesPath(file)) << "\n";
    } catch (const std::exception& e) {
      std::cerr << e.what() << "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace

Verb CleanBytesVerb() {
  return {{"clean-bytes",
           "Writes beside each FILE a copy named FILE.txt, replaced if it exists, of the same length:\n"
           "every byte 0 and every byte above 128 becomes a space, bytes 1 to 128 stay as they are.\n"
           "Prints the copies written. A file that cannot be read or copied is reported, the others\n"
           "are still done, and the status is 1.\n",
           {},
           {"FILE", true, true}},
          "copy files keeping only single-byte characters",
          Run};
}

}  // namespace telqor::cli
