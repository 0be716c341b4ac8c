// The output-format template language: any template fills, stacks and cuts without harm, and
// a cut never leaves half of a two-byte character.
#include <cstdio>
#include <cstdlib>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "fuzz/fuzz_input.h"
#include "workspace/output_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view input = fuzz::AsText(data, size);
  unsigned shape = fuzz::TakeByte(input);
  auto parts = fuzz::Parts(input, 2);
  std::string templ = TemplateWithCrLf(parts[0]);
  ItemList source, output;
  source.SetText(parts[1]);
  FormatOptions options{static_cast<int>(shape % 5), static_cast<int>(shape / 5 % 9), static_cast<int>(shape % 7) - 2};
  try {
    ConvertToFormat(source, templ, options, output);
  } catch (const Error&) {
    // A maximum number of 0 is refused.
  }
  // The cut takes its bytes from the end, and one more where a two-byte character straddles it.
  const int bytes = static_cast<int>(shape % 17);
  std::string_view cut = CutEnd(parts[1], bytes);
  FUZZ_CHECK(parts[1].starts_with(cut));
  if (bytes > 0 && static_cast<size_t>(bytes) < parts[1].size()) {
    size_t limit = parts[1].size() - static_cast<size_t>(bytes);
    FUZZ_CHECK(cut.size() == limit || cut.size() + 1 == limit);
  }
  (void)FillTemplate(templ, parts[1], static_cast<int>(shape), static_cast<int>(shape / 3));
  return 0;
}
