#include "cli/cli_common.h"

#include <filesystem>
#include <iostream>
#include <vector>

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "files/file_operations.h"
#include "workspace/list_operations.h"

namespace telqor::cli {

std::string Utf8Argument(const std::string& text) { return Utf8ToGbk(text); }

void LoadFiles(NumberList& list, const std::vector<std::string>& files, Ui& ui) {
  LoadFilesInto(list, PathsFromUtf8(files), ui);
}

void WriteResult(const ItemList& list, const std::optional<std::string>& out) {
  FileWriter writer = out ? FileWriter(PathFromUtf8(*out)) : FileWriter::StandardOutput();
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

int WriteBesideEach(const ParsedArgs& args, std::string_view ending,
                    const std::function<void(const std::filesystem::path&, const std::filesystem::path&)>& write) {
  if (args.Value("--output")) throw UsageError("--in-place-name and --output cannot be given together");
  const auto& names = args.Positional();
  std::vector<std::filesystem::path> files = PathsFromUtf8(names);
  CheckReadable(files);
  RunOutputs outputs;
  for (const auto& file : files) {
    std::filesystem::path target = OutputPath(file, file.parent_path(), ending);
    write(file, target);
    outputs.files.push_back(target);
  }
  outputs.Keep();
  for (const auto& target : outputs.files) std::cout << PathToUtf8(target) << "\n";
  return 0;
}

}  // namespace telqor::cli
