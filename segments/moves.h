// Copying numbers between the source list ("【原始号码】") and the target list ("【目标号码】")
// by number type (carrier or range) or by combination feature (named patterns).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "segments/carrier.h"
#include "workspace/number_list.h"

namespace telqor {

// A bound of the range: 0 for an empty (trimmed) text, else the integer it holds; anything
// else raises the conversion error.
int64_t RangeBound(std::string_view text);

// "号码类型": appends every number of from that the type test selects to the end of to; from is
// not changed.
void MoveByType(const NumberList& from, NumberList& to, const CarrierRule& rule, const TypeSelection& selection,
                Ui& ui);

// Keeps the numbers of list in which any of the expressions finds a match (one alternation of
// them all, in order), showing "已经处理了" every 500 numbers. An expression that does not
// compile raises its error and leaves list as it was.
void FeatureFilter(ItemList& list, const std::vector<std::string>& expressions, Ui& ui);

// "组合特征": the numbers of from kept by the feature filter replace the content of to; from is
// not changed. No expression, or one that does not compile: an error, and neither list changes.
void MoveByFeature(const NumberList& from, NumberList& to, const std::vector<std::string>& expressions,
                   ItemList& scratch, Ui& ui);

}  // namespace telqor
