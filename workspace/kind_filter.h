// Thinning a number list: keep the items that match (or do not match) a pattern of the
// settings, and filter out the items that stand in chosen files. Both keep the surviving
// items whole and in order.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/compare_mode.h"
#include "core/lists/item_list.h"
#include "core/program/settings.h"
#include "core/program/ui.h"
#include "workspace/number_list.h"

namespace telqor {

// The kinds of number the lists' menus keep.
enum class NumberKind { Mobile, NonMobile, Landline, Custom1, Custom2 };

// What a kind filter does: the setting it reads, whether it keeps matching items or the
// others, and its two status messages.
struct KindFilterRule {
  const std::string* pattern;
  bool keepMatching;
  const char* start;
  const char* done;
};

KindFilterRule KindFilterRuleOf(NumberKind kind, const Settings& settings);

// Keeps the items of list in which the pattern (blanks around it removed) matches somewhere
// (keepMatching) or does not. A pattern that does not compile raises its error before the
// list is touched; an empty list never compiles it.
void KindFilter(NumberList& list, std::string_view pattern, bool keepMatching, const char* start, const char* done,
                Ui& ui);
void KeepKind(NumberList& list, NumberKind kind, const Settings& settings, Ui& ui);

// Loads every file into the filter list (cleared first; prefix + path in the status line
// while loading), then removes from list, in place, every item that stands in it (compared as mode
// says). The filter list keeps its files' order. A file that cannot be opened, or a stop the Ui asks for while
// the files load, ends it before the list is touched.
void FilterOut(NumberList& list, ItemList& filterList, const std::vector<std::filesystem::path>& files,
               const char* loadingPrefix, CompareMode mode, Ui& ui);

}  // namespace telqor
