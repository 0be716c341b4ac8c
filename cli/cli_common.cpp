#include "cli/cli_common.h"

#include <filesystem>
#include <vector>

#include "core/file_writer.h"
#include "core/gbk.h"
#include "workspace/list_operations.h"

namespace telqor::cli {

std::string Utf8Argument(const std::string& text) { return Utf8ToGbk(text); }

void LoadFiles(NumberList& list, const std::vector<std::string>& files, Ui& ui) {
  LoadFilesInto(list, std::vector<std::filesystem::path>(files.begin(), files.end()), ui);
}

void WriteResult(const TSList& list, const std::optional<std::string>& out) {
  FileWriter writer = out ? FileWriter(*out) : FileWriter::StandardOutput();
  list.SaveTo(writer);
  writer.Commit();
}

int TransformFiles(const ParsedArgs& args, GlobalOptions& global, const std::function<void(NumberList&, Ui&)>& change) {
  Started(global);
  NumberList list(ListRole::Workspace);
  ConsoleUi ui(global.yes);
  LoadFiles(list, args.Positional(), ui);
  change(list, ui);
  WriteResult(list.Items(), args.Value("--output"));
  return 0;
}

}  // namespace telqor::cli
