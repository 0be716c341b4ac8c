// How the de-duplications, the filter-out and the file comparison tell two items equal: the
// settings' processing mode (A or B in the settings dialog and on the command line).
#pragma once

namespace telqor {

enum class CompareMode {
  // Mode A: items compared as whole bytes; a de-duplication sorts and drops empty items.
  kExact,
  // Mode B: items found through hash tables, never sorted; a de-duplication keeps first
  // occurrences in their order. Items are equal only when their bytes are, as in mode A.
  kByHash,
};

}  // namespace telqor
