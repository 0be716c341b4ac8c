// The area-code table: every match of 0\d{2,3} is a code of three or four digits, held once.
#include "extract/area_codes.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  ItemList codes;
  codes.SetSorted(true);
  codes.SetDuplicates(DuplicatePolicy::kIgnore);
  ExtractMatches(fuzz::AsText(data, size), "0\\d{2,3}", codes);
  for (int i = 0; i < codes.Count(); ++i) {
    std::string_view code = codes.View(i);
    FUZZ_CHECK((code.size() == 3 || code.size() == 4) && code[0] == '0');
    for (char c : code) FUZZ_CHECK(c >= '0' && c <= '9');
    if (i > 0) FUZZ_CHECK(codes.View(i - 1) < code);
  }
  return 0;
}
