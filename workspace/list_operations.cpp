#include "workspace/list_operations.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <system_error>

#include "core/io/file_io.h"
#include "core/io/text_encoding.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "workspace/normalize.h"

namespace telqor {
namespace {

struct Messages {
  const char* sortStart;
  const char* shuffleStart;
  const char* dedupeStart;
  const char* dedupeDone;
  const char* normalizeStart;
};

const Messages& MessagesOf(const NumberList& list) {
  static const Messages workspace{"排序开始...", "乱序开始...", "去重复开始...", "去重复完成！", "号码规范化开始..."};
  static const Messages sides{"准备排序...", "准备乱序...", "准备去除重号...", "去除重号完成！", "准备号码规范化..."};
  return list.Role() == ListRole::Workspace ? workspace : sides;
}

constexpr char kCopied[] = "复制号码整理框数据到剪贴板完成！";

std::vector<uint8_t> Marks(int count, const std::vector<int>& rows) {
  std::vector<uint8_t> marks(static_cast<size_t>(count), 0);
  for (int r : rows)
    if (r >= 0 && r < count) marks[static_cast<size_t>(r)] = 1;
  return marks;
}

}  // namespace

void SortNumbers(NumberList& list, Ui& ui) {
  ChangeList(list, ui, MessagesOf(list).sortStart, "排序完成！", [](ItemList& items) { items.Sort(); });
}

void ShuffleNumbers(NumberList& list, Ui& ui) {
  ChangeList(list, ui, MessagesOf(list).shuffleStart, "乱序完成！", [](ItemList& items) { ShuffleList(items); });
}

void DedupeNumbers(NumberList& list, CompareMode mode, Ui& ui) {
  ChangeList(list, ui, MessagesOf(list).dedupeStart, MessagesOf(list).dedupeDone, [mode](ItemList& items) {
    if (mode == CompareMode::kByHash) {
      DedupeByHash(items);
    } else {
      DedupeBySort(items);
    }
  });
}

void NormalizeNumbers(NumberList& list, Ui& ui) {
  int changed = 0;
  ChangeList(list, ui, MessagesOf(list).normalizeStart, nullptr,
             [&](ItemList& items) { changed = NormalizeLines(items); });
  ui.ShowStatus("号码规范化完成！" + std::to_string(changed) + "个号码已规范");
}

void ClearNumbers(NumberList& list, Ui& ui) {
  ChangeList(list, ui, nullptr, "清空完成！", [](ItemList& items) { items.Clear(); });
}

void PasteNumbers(NumberList& list, ItemList& scratch, std::string_view text, Ui& ui) {
  scratch.SetText(text);
  if (scratch.Count() == 0) return;
  ChangeList(list, ui, nullptr, "从剪贴板拷贝数据号码完成！", [&](ItemList& items) { items.AddList(scratch); });
}

void DeleteSelected(NumberList& list, const std::vector<int>& rows, Ui& ui) {
  ChangeList(list, ui, "开始准备删除,数据缓存中...", "删除完成！",
             [&](ItemList& items) { items.DeleteMarked(Marks(items.Count(), rows)); });
}

std::string CopyAll(const NumberList& list, Ui& ui) {
  std::string text = list.Items().GetText();
  if (!text.empty()) ui.ShowStatus(kCopied);
  return text;
}

std::string CopySelected(const NumberList& list, ItemList& scratch, const std::vector<int>& rows, Ui& ui) {
  const ItemList& items = list.Items();
  std::vector<uint8_t> marks = Marks(items.Count(), rows);
  scratch.Clear();
  for (int i = items.Count() - 1; i >= 0; --i)
    if (marks[static_cast<size_t>(i)]) scratch.Add(items[i]);
  std::string text = scratch.GetText();
  if (!text.empty()) ui.ShowStatus(kCopied);
  return text;
}

void CopyAcross(const NumberList& from, NumberList& to, Ui& ui) {
  const char* done = to.Role() == ListRole::Target ? "全部号码移动完成。【原始号码】->【目标号码】"
                                                   : "全部号码移动完成。【目标号码】->【原始号码】";
  ChangeList(to, ui, nullptr, done, [&](ItemList& items) { items.Assign(from.Items()); });
}

bool AppendFiles(ItemList& items, const std::vector<std::filesystem::path>& files, std::string_view statusPrefix,
                 Ui& ui) {
  const int before = items.Count();
  std::vector<uint64_t> sizes;
  uint64_t total = 0, done = 0;
  for (const auto& file : files) {
    std::error_code error;
    const uint64_t size = std::filesystem::file_size(file, error);
    sizes.push_back(error ? 0 : size);
    total += sizes.back();
  }
  std::string lost;  // a line for each file with characters GBK cannot hold
  for (size_t i = 0; i < files.size(); ++i) {
    ui.ShowStatus(std::string(statusPrefix) + PathToUtf8(files[i]));
    size_t fileLost = 0;
    items.AppendFile(files[i], &fileLost);
    if (fileLost) lost += PathToUtf8(files[i]) + "：" + UnconvertibleText(fileLost) + "\n";
    done += sizes[i];
    ui.Progress(static_cast<int64_t>(done), static_cast<int64_t>(total));
    if (ui.Cancelled()) {
      while (items.Count() > before) items.Delete(items.Count() - 1);
      return false;
    }
  }
  if (!lost.empty()) ui.Inform(lost + "这些字符已写成\"?\"。");
  return true;
}

void LoadFilesInto(NumberList& list, const std::vector<std::filesystem::path>& files, Ui& ui) {
  bool loaded = true;
  ChangeList(list, ui, "准备加载文件...", nullptr,
             [&](ItemList& items) { loaded = AppendFiles(items, files, "加载文件:", ui); });
  ui.ShowStatus(loaded ? "导入文件号码完成！" : "导入已停止，列表保持导入前的数据");
}

}  // namespace telqor
