// The GBK codec: through UTF-8 with its byte escape every byte comes back; through UTF-16 a
// text comes back as it came out the first time.
#include "core/text/gbk.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "core/io/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view gbk = fuzz::AsText(data, size);
  FUZZ_CHECK(Utf8ToGbk(GbkToUtf8Lossless(gbk)) == gbk);
  std::string shown = GbkToUtf8(gbk);
  FUZZ_CHECK(IsAscii(shown) || IsUtf8BeyondAscii(shown));
  std::string once = Utf16ToGbk(GbkToUtf16(gbk), false);
  FUZZ_CHECK(Utf16ToGbk(GbkToUtf16(once), false) == once);
  for (size_t i = 0, length; i < gbk.size(); i += length) {
    GbkCodePointAt(gbk, i, length);
    FUZZ_CHECK(length == 1 || length == 2);
  }
  (void)Utf8ToGbk(gbk);  // as UTF-8: any bytes
  return 0;
}
