// Number clean-up: a line that qualifies becomes eleven digits starting with "1", which stay as
// they are when cleaned again; any other line is left byte for byte.
#include "workspace/normalize.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view text = fuzz::AsText(data, size);
  ItemList lines, before;
  lines.SetText(text);
  before.SetText(text);
  int changed = NormalizeLines(lines);
  int differ = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    char digits[kMobileDigits];
    bool qualifies = NormalizedMobile(before.View(i), digits);
    if (qualifies) {
      FUZZ_CHECK(lines.View(i) == std::string_view(digits, kMobileDigits) && digits[0] == '1');
      char again[kMobileDigits];
      FUZZ_CHECK(NormalizedMobile(lines.View(i), again) && std::string_view(again, kMobileDigits) == lines.View(i));
    } else {
      FUZZ_CHECK(lines.View(i) == before.View(i));
    }
    differ += lines.View(i) != before.View(i);
  }
  FUZZ_CHECK(changed == differ);
  return 0;
}
