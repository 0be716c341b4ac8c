// convert: files rewritten in place as ANSI (GBK), UTF-8 or UTF-16 text, as the "工具" menu does.
#include <string>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "core/io/file_io.h"
#include "files/encoding_tools.h"

namespace telqor::cli {
namespace {

TextTarget TargetOf(const std::string& name) {
  if (name == "ansi") return TextTarget::kAnsi;
  if (name == "utf8") return TextTarget::kUtf8;
  if (name == "utf16") return TextTarget::kUtf16;
  throw UsageError("--to takes ansi, utf8 or utf16, not '" + name + "'");
}

int Run(const ParsedArgs& args, GlobalOptions& global) {
  const TextTarget target = TargetOf(*args.Value("--to"));
  const auto& files = args.Positional();
  ConsoleUi ui(global.yes);
  RewriteFilesAs(PathsFromUtf8(files), target, ui);
  return 0;
}

}  // namespace

Verb ConvertVerb() {
  return {{"convert",
           "Rewrites each FILE in place in the encoding TO. A file that starts with a byte-order mark\n"
           "(UTF-16 little- or big-endian, UTF-8) is read in that encoding; one without a mark as UTF-8\n"
           "when the whole file is valid UTF-8 with at least one non-ASCII character, else as GBK text.\n"
           "ansi writes GBK lines, every line break made CR LF and the last line ended by one; utf8\n"
           "and utf16 (little-endian) write their mark, then the text with its line breaks as they\n"
           "were, and leave a file without text, or already in TO with its mark, as it is. Between\n"
           "UTF-8 and UTF-16 no character is lost. For ansi, characters GBK cannot hold become '?'\n"
           "and their number is reported on standard error (N个字符无法转换为GBK).\n"
           "Files are converted in order; the first that fails ends the run (status 1), files before\n"
           "it stay converted, it and those after it are untouched.\n",
           {{"--to", nullptr, OptionKind::Value, "ansi|utf8|utf16", "the encoding to write", true}},
           {"FILE", true, true}},
          "rewrite text files as GBK, UTF-8 or UTF-16",
          Run};
}

}  // namespace telqor::cli
