#include "segments/moves.h"

#include "core/text/errors.h"
#include "core/text/gbk_regex.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"
#include "segments/named_patterns.h"

namespace telqor {

namespace {

constexpr int kFeatureStatusEvery = 500;

// "【原始号码】->【目标号码】" or the other way round.
std::string Direction(const NumberList& from) {
  return from.Role() == ListRole::Target ? "【目标号码】->【原始号码】" : "【原始号码】->【目标号码】";
}

std::string Alternation(const std::vector<std::string>& expressions) {
  if (expressions.empty()) throw Error("没有选择任何组合特征表达式。");
  std::string pattern = expressions.front();
  for (size_t i = 1; i < expressions.size(); ++i) pattern.append("|").append(expressions[i]);
  return pattern;
}

}  // namespace

int64_t RangeBound(std::string_view text) { return TrimBlanks(text).empty() ? 0 : StrToInt64(text); }

void MoveByType(const NumberList& from, NumberList& to, const CarrierRule& rule, const TypeSelection& selection,
                Ui& ui) {
  std::string done = "根据号码类型移动号码完成。" + Direction(from);
  const ItemList& origin = from.Items();
  ChangeList(to, ui, nullptr, done.c_str(), [&](ItemList& items) {
    for (int i = 0, n = origin.Count(); i < n; ++i)
      if (TypeSelected(rule, selection, origin.View(i))) items.Add(origin[i]);
  });
}

void FeatureFilter(ItemList& list, const std::vector<std::string>& expressions, Ui& ui) {
  GbkRegex regex;
  // Each on its own first: an error then names the expression, not a place in the joined one.
  for (const std::string& expression : expressions) CheckPatternExpression(expression);
  regex.SetRegEx(Alternation(expressions));
  regex.Compile();  // a pattern error leaves the list untouched
  ItemList kept;
  for (int i = 0, n = list.Count(); i < n; ++i) {
    if (i % kFeatureStatusEvery == 0) ui.ShowStatus("已经处理了" + std::to_string(i) + "/" + std::to_string(n));
    regex.SetSubject(list.View(i));
    if (regex.Match()) kept.Add(list[i]);
  }
  list.Assign(kept);
}

void MoveByFeature(const NumberList& from, NumberList& to, const std::vector<std::string>& expressions,
                   ItemList& scratch, Ui& ui) {
  scratch.Assign(from.Items());
  FeatureFilter(scratch, expressions, ui);
  std::string done = "根据组合特征移动号码完成。" + Direction(from);
  ChangeList(to, ui, nullptr, done.c_str(), [&](ItemList& items) {
    items.Assign(scratch);
    scratch.Clear();
  });
}

}  // namespace telqor
