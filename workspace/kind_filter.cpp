#include "workspace/kind_filter.h"

#include <memory>

#include "core/io/file_io.h"
#include "core/text/gbk_regex.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "core/platform/parallel.h"
#include "core/text/str_to_int.h"
#include "workspace/list_operations.h"

namespace telqor {

KindFilterRule KindFilterRuleOf(NumberKind kind, const Settings& s) {
  switch (kind) {
    case NumberKind::Mobile:
      return {&s.mobilePattern, true, "准备处理手机号码...", "保留手机号码完成！"};
    case NumberKind::NonMobile:
      return {&s.mobilePattern, false, "准备处理非手机号码...", "保留非手机号码完成！"};
    case NumberKind::Landline:
      return {&s.landlinePattern, true, "准备保留电话号码...", "保留电话号码完成！"};
    case NumberKind::Custom1:
      return {&s.customPattern1, true, "准备保留自定义Ⅰ号码...", "保留自定义Ⅰ号码完成！"};
    case NumberKind::Custom2:
      break;
  }
  return {&s.customPattern2, true, "准备保留自定义Ⅱ号码...", "保留自定义Ⅱ号码完成！"};
}

void KindFilter(NumberList& list, std::string_view pattern, bool keepMatching, const char* start, const char* done,
                Ui& ui) {
  ChangeList(list, ui, start, done, [&](ItemList& items) {
    int n = items.Count();
    if (n == 0) return;
    std::string trimmed(TrimBlanks(pattern));
    {
      GbkRegex check;  // a bad pattern fails here, before any item is dropped
      check.SetRegEx(trimmed);
      check.Compile();
    }
    std::vector<uint8_t> drop(static_cast<size_t>(n), 0);
    // Each part matches with its own compiled pattern.
    int parts = ParallelParts(static_cast<size_t>(n), size_t{1} << 18);
    ParallelFor(parts, [&](int p) {
      GbkRegex re;
      re.SetRegEx(trimmed);
      for (int i = static_cast<int>(int64_t{n} * p / parts); i < static_cast<int>(int64_t{n} * (p + 1) / parts); ++i) {
        re.SetSubject(items.View(i));
        drop[static_cast<size_t>(i)] = re.Match() != keepMatching;
      }
    });
    items.DeleteMarked(drop);
  });
}

void KeepKind(NumberList& list, NumberKind kind, const Settings& settings, Ui& ui) {
  KindFilterRule filter = KindFilterRuleOf(kind, settings);
  KindFilter(list, *filter.pattern, filter.keepMatching, filter.start, filter.done, ui);
}

void FilterOut(NumberList& list, ItemList& filterList, const std::vector<std::filesystem::path>& files,
               const char* loadingPrefix, CompareMode mode, Ui& ui) {
  ui.ShowStatus("准备加载文件...");
  filterList.Clear();
  if (!AppendFiles(filterList, files, loadingPrefix, ui)) return ui.ShowStatus("滤除号码已停止，列表没有改变");
  ui.ShowStatus("导入处理数据完成");
  ui.ShowStatus("开始滤除号码");
  ChangeList(list, ui, nullptr, "滤除号码完成！", [&](ItemList& items) {
    if (mode == CompareMode::kByHash) {
      SplitListsByHash(items, filterList, &items, nullptr);
    } else {
      RemoveMembersBySort(items, filterList);
    }
  });
}

}  // namespace telqor
