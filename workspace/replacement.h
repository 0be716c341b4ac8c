// The two editors of the workspace list: pattern replacement in every item, and a prefix and
// suffix around the items of one length (or all). Both rewrite items in place, in order, and
// keep the number of items.
#pragma once

#include <string_view>

#include "core/program/ui.h"
#include "workspace/number_list.h"

namespace telqor {

// Every item becomes itself with every match of pattern replaced by the expanded replacement
// (both GBK, used exactly as typed). A pattern that does not compile raises its error before
// any item changes; an empty list never compiles it.
void ReplaceContent(NumberList& list, std::string_view pattern, std::string_view replacement, Ui& ui);

// prefix + item + suffix for every item whose length in bytes is lengthText (0: every item;
// negative: none). Blanks and control characters around the three texts are removed; a length
// that is no integer raises its conversion error before any item changes.
void AddAffixes(NumberList& list, std::string_view lengthText, std::string_view prefix, std::string_view suffix,
                Ui& ui);

}  // namespace telqor
