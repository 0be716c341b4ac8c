// merge: the bytes of files one after the other, into one file.
#include "cli/commands.h"
#include "core/io/file_io.h"
#include "files/file_operations.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions&) {
  const auto& files = args.Positional();
  MergeFiles(PathsFromUtf8(files), *args.PathValue("--output"));
  return 0;
}

}  // namespace

Verb MergeVerb() {
  return {{"merge",
           "Writes the bytes of FILE... to OUT in the order given, nothing added between them: a file\n"
           "that does not end with a line break runs into the next one's first line. OUT may be one of\n"
           "the FILEs; it is replaced once every file was read.\n",
           {{"--output", "-o", OptionKind::Value, "OUT", "the merged file", true}},
           {"FILE", true, true}},
          "join files byte for byte",
          Run};
}

}  // namespace telqor::cli
