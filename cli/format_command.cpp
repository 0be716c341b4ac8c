// format: data items poured into a template and saved to numbered files, as the output format
// dialog converts and saves them.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/text/str_to_int.h"
#include "files/file_operations.h"
#include "workspace/output_format.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Count(const ParsedArgs& args, const char* option, const char* fallback) {
  return StrToInt(args.ValueOr(option, fallback));
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const std::filesystem::path templateFile = *args.PathValue("--template");
  FormatOptions options;
  options.stack = Count(args, "--stack", "1");
  options.cut = Count(args, "--cut", "0");
  options.maxNumber = Count(args, "--max", "200");
  const int perFile = Count(args, "--per-file", "200");
  const std::string templ = LoadTemplate(templateFile);
  const Frames frames = FramesOf(templateFile);
  ConsoleUi ui(global.yes);
  NumberList source(ListRole::Workspace);
  LoadFiles(source, args.Positional(), ui);
  ItemList output;
  ConvertToFormat(source.Items(), templ, options, output);
  RunOutputs files;
  SaveFormatted(output, *args.PathValue("--output"), perFile, frames, files.files);
  files.Keep();
  for (const auto& file : files.files) std::cout << PathToUtf8(file) << "\n";
  return 0;
}

}  // namespace

Verb FormatVerb() {
  return {{"format",
           "Pours every line of the DATA files, in order, into the template FILE (its line breaks,\n"
           "a final one included, taken as CR LF whether the file has CR LF, LF or CR, as the dialog\n"
           "takes them): %N%, %NN% and %NNN% become the number cycling from 1 to\n"
           "M (as 1, 01, 001), 12345678901 the line, MyNo the line's number from 1; every occurrence, in\n"
           "that order, letters in any case. K filled-in templates make one item, D bytes cut from its\n"
           "end (never half a character); the items' lines go P to a file named\n"
           "  BASE.格式化.<count>.<0001...>.txt,\n"
           "each file framed by FILE's head and tail (name.Head.ext and name.Tail.ext beside it, when\n"
           "they exist). count is P for a full file; the last file counts its head and tail lines too.\n"
           "Prints the path of every file. When one cannot be written, none of them stays.\n",
           {{"--template", nullptr, OptionKind::Value, "FILE", "the template file", true},
            {"--stack", nullptr, OptionKind::Value, "K", "filled-in templates per item (default 1)"},
            {"--cut", nullptr, OptionKind::Value, "D", "bytes cut from the end of each item (default 0)"},
            {"--max", nullptr, OptionKind::Value, "M", "the largest cycling number, not 0 (default 200)"},
            {"--per-file", nullptr, OptionKind::Value, "P", "lines per file, not 0 (default 200)"},
            {"--output", "-o", OptionKind::Value, "BASE", "the start of every file's name", true}},
           {"DATA", true, true}},
          "pour data into a template and save it in numbered files",
          Run};
}

}  // namespace telqor::cli
