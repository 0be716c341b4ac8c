#include "files/batch_save.h"

#include <algorithm>
#include <cstdio>

#include "app/data_folders.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/str_to_int.h"

namespace telqor {
namespace {

void SaveRange(const TSList& list, int from, int n, const std::filesystem::path& file) {
  FileWriter out(file);
  list.SaveTo(out, from, n);
  out.Close();
}

}  // namespace

std::vector<std::filesystem::path> BatchSave(const TSList& list, std::string_view countText,
                                             const std::filesystem::path& folder, Ui& ui) {
  const int32_t perFile = StrToInt(countText);
  if (perFile == 0) throw EDivByZero();
  if (perFile < 0) throw Error("The number of items per file must be above 0, not " + std::to_string(perFile));
  const std::string stamp = TimeStamp();
  ui.ShowStatus("开始保存文件");
  std::vector<std::filesystem::path> written;
  for (int from = 0; from < list.Count(); from += perFile) {
    int n = std::min(perFile, list.Count() - from);
    char batch[16];
    std::snprintf(batch, sizeof batch, "%.4d", static_cast<int>(written.size() + 1));
    std::string name = stamp + "-" + std::to_string(n) + "-" + batch + ".txt";
    SaveRange(list, from, n, folder / name);
    written.push_back(folder / name);
    ui.ShowStatus("保存文件:" + FolderText(folder) + name);
  }
  std::string done = "保存完成！共" + std::to_string(written.size()) + "个文件";
  ui.ShowStatus(done);
  ui.Inform(done);
  return written;
}

std::filesystem::path SaveWholeList(const TSList& list, const std::filesystem::path& folder, Ui& ui) {
  const std::string stamp = TimeStamp();
  ui.ShowStatus("开始保存文件");
  std::filesystem::path file;
  std::string name = stamp + "-" + std::to_string(list.Count()) + ".txt";
  if (list.Count() > 0) {
    file = folder / name;
    list.SaveToFile(file);
  }
  ui.ShowStatus("保存文件完成");
  if (!file.empty()) ui.Inform("保存完成！\r\n" + FolderText(folder) + name);
  return file;
}

}  // namespace telqor
