// The replacement-template language (groups, named groups, case conversions, $` $' $_ ...)
// applied to every match of a pattern: any template expands without harm.
#include <cstdio>
#include <cstdlib>

#include "core/text/errors.h"
#include "core/text/gbk_regex.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  auto parts = fuzz::Parts(fuzz::AsText(data, size), 3);
  GbkRegex regex;
  try {
    regex.SetRegEx(parts[1].empty() ? std::string_view("(?<a>\\d)(\\d*)") : parts[1]);
    regex.SetSubject(parts[2]);
    regex.SetReplacement(parts[0]);
    regex.ReplaceAll();
  } catch (const Error&) {
    // A pattern that does not compile is refused with its error.
  }
  return 0;
}
