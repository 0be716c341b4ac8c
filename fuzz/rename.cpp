// The rename pattern: "#" runs filled from the counter, replacement and letter case; any
// pattern and any start make names (or refuse the start) without harm.
#include <cstdio>
#include <cstdlib>

#include "core/text/errors.h"
#include "fuzz/fuzz_input.h"
#include "files/batch_rename.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view input = fuzz::AsText(data, size);
  unsigned shape = fuzz::TakeByte(input);
  auto parts = fuzz::Parts(input, 5);
  (void)FillPattern(parts[0].substr(0, 64), static_cast<int64_t>(shape) * 1000003 - 5);
  RenameList list;
  for (std::string_view name : {parts[3], parts[4], std::string_view("a.txt")}) list.push_back({std::string(name)});
  NameDefinition definition;
  definition.replace = shape & 1;
  definition.from = parts[1];
  definition.to = parts[2];
  definition.usePattern = shape & 2;
  definition.pattern = parts[0].substr(0, 64);
  definition.start = std::string(parts[2].substr(0, 24));
  definition.letterCase = static_cast<NameCase>(shape / 4 % 3);
  try {
    PreviewNames(list, definition);
  } catch (const ConvertError&) {
    return 0;  // a start that is no integer is refused before any name changes
  }
  return 0;
}
