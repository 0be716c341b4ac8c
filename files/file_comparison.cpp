#include "files/file_comparison.h"

#include <algorithm>
#include <climits>
#include <string>

#include "core/io/file_io.h"
#include "core/lists/item_list.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "files/file_operations.h"

namespace telqor {
namespace {

// folder + "[" + new stem + "]对比[" + reference stem + "]" + what + "(" + count + ").txt"
std::filesystem::path ResultPath(const std::filesystem::path& folder, const std::filesystem::path& newFile,
                                 const std::filesystem::path& reference, std::string_view what, int count) {
  std::string name = "[";
  name.append(PathToUtf8(newFile.stem())).append("]对比[").append(PathToUtf8(reference.stem())).append("]");
  name.append(what).append("(").append(std::to_string(count)).append(").txt");
  return folder / PathFromUtf8(name);
}

}  // namespace

ComparisonFiles CompareFiles(const std::filesystem::path& newFile, const std::filesystem::path& reference,
                             const std::filesystem::path& folder, CompareMode mode, Ui& ui) {
  ui.ShowStatus("开始数据处理...");
  ItemList present, absent;
  if (mode == CompareMode::kByHash) {
    SplitFilesByHash(newFile, reference, &absent, &present);
  } else {
    SplitFilesBySort(newFile, reference, &absent, &present);
  }
  ui.ShowStatus("数据处理完毕！");

  ComparisonFiles files{ResultPath(folder, newFile, reference, "已有数据", present.Count()),
                        ResultPath(folder, newFile, reference, "没有的数据", absent.Count())};
  // The two files are one result: when the second cannot be written, the first goes again.
  RunOutputs written;
  present.SaveToFile(files.present);
  written.files.push_back(files.present);
  absent.SaveToFile(files.absent);
  written.Keep();
  ui.ShowStatus("导出文件完成完毕！");
  return files;
}

}  // namespace telqor
