// How the de-duplications, the filter-out and the file comparison tell two items equal: the
// settings' processing mode (A or B in the settings dialog and on the command line).
#pragma once

namespace telqor {

enum class CompareMode {
  // Mode A: items compared as whole bytes; a de-duplication sorts and drops empty items.
  kExact,
  // Mode B: items compared by BKDR hash, faster; first occurrences stay, in their order, and two
  // different items of one hash count as one.
  kByHash,
};

}  // namespace telqor
