#include "files/batch_save.h"

#include <algorithm>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/output_names.h"
#include "core/text/str_to_int.h"
#include "files/saved_files.h"

namespace telqor {
namespace {

// Items [from, from + n) under name in folder, or under name-2, -3, ... when a file of that
// name exists already (two saves within one second).
std::filesystem::path SaveRange(const ItemList& list, int from, int n, const std::filesystem::path& folder,
                                const std::string& name) {
  FileWriter out(folder / PathFromUtf8(name));
  list.SaveTo(out, from, n);
  return out.CommitUnique();
}

}  // namespace

std::vector<std::filesystem::path> BatchSave(const ItemList& list, std::string_view countText,
                                             const std::filesystem::path& folder, Ui& ui) {
  const int32_t perFile = StrToInt(countText);
  if (perFile == 0) throw DivisionByZero();
  if (perFile < 0) throw Error("The number of items per file must be above 0, not " + std::to_string(perFile));
  const std::string stamp = TimeStamp();
  ui.ShowStatus("开始保存文件");
  std::vector<std::filesystem::path> written;
  for (int from = 0; from < list.Count(); from += perFile) {
    int n = std::min(perFile, list.Count() - from);
    std::string name =
        stamp + "-" + std::to_string(n) + "-" + BatchNumber(static_cast<int>(written.size() + 1)) + ".txt";
    written.push_back(SaveRange(list, from, n, folder, name));
    ui.ShowStatus("保存文件:" + FolderToUtf8(folder) + PathToUtf8(written.back().filename()));
  }
  SavedFiles saved;
  saved.folder = folder;
  saved.written = written;
  saved.items = list.Count();
  std::string done = "保存完成！" + SavedCounts(saved);
  ui.ShowStatus(done);
  ui.Inform(done);
  return written;
}

std::filesystem::path SaveWholeList(const ItemList& list, const std::filesystem::path& folder, Ui& ui) {
  const std::string stamp = TimeStamp();
  ui.ShowStatus("开始保存文件");
  SavedFiles saved;
  saved.folder = folder;
  if (list.Count() > 0) {
    saved.written.push_back(
        SaveRange(list, 0, list.Count(), folder, stamp + "-" + std::to_string(list.Count()) + ".txt"));
    saved.items = list.Count();
  }
  ui.ShowStatus("保存文件完成：" + SavedCounts(saved));
  if (saved.written.empty()) return {};
  ui.Inform("保存完成！" + SavedCounts(saved) + SavedNames(saved));
  return saved.written.front();
}

}  // namespace telqor
