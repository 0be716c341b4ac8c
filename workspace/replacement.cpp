#include "workspace/replacement.h"

#include <string>

#include "core/text/gbk_regex.h"
#include "core/text/str_to_int.h"

namespace telqor {

void ReplaceContent(NumberList& list, std::string_view pattern, std::string_view replacement, Ui& ui) {
  ChangeList(list, ui, nullptr, "数据替换完成！", [&](ItemList& items) {
    GbkRegex re;
    for (int i = 0; i < items.Count(); ++i) {
      re.SetSubject(items.View(i));
      re.SetRegEx(pattern);
      re.SetReplacement(replacement);
      re.ReplaceAll();
      items.Put(i, std::string_view(re.Subject()));
    }
  });
}

void AddAffixes(NumberList& list, std::string_view lengthText, std::string_view prefix, std::string_view suffix,
                Ui& ui) {
  const std::string before(TrimBlanks(prefix)), after(TrimBlanks(suffix));
  const int32_t length = StrToInt(TrimBlanks(lengthText));
  ChangeList(list, ui, nullptr, "附加数据完成！", [&](ItemList& items) {
    if (length < 0) return;
    std::string item;
    for (int i = 0; i < items.Count(); ++i) {
      std::string_view current = items.View(i);
      if (length != 0 && current.size() != static_cast<size_t>(length)) continue;
      item.assign(before).append(current).append(after);
      items.Put(i, std::string_view(item));
    }
  });
}

}  // namespace telqor
