// The e-mail scanner finds exactly what the address pattern finds within each stretch of the
// characters an address may hold (two-byte characters ending a stretch), and folding only the
// stretches around each "@" finds what folding the whole text finds.
#include <cstdio>
#include <cstdlib>

#include "core/text/gbk.h"
#include "core/text/gbk_regex.h"
#include "extract/email_scan.h"
#include "extract/half_width.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view text = fuzz::AsText(data, size);
  std::vector<std::string> scanned, matched;
  ScanEmails(text, [&](std::string_view address) { scanned.emplace_back(address); });
  static GbkRegex regex;
  regex.SetRegEx("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*");
  for (size_t i = 0, n = text.size(); i < n;) {
    size_t start = i;
    bool at = false;
    while (i < n && IsMailChar(static_cast<unsigned char>(text[i]))) at |= text[i++] == '@';
    if (at) {
      regex.SetSubject(text.substr(start, i - start));
      for (bool hit = regex.Match(); hit; hit = regex.MatchNext()) matched.push_back(regex.MatchedText());
    }
    while (i < n && !IsMailChar(static_cast<unsigned char>(text[i]))) {
      size_t length;
      GbkCodePointAt(text, i, length);
      i += length;
    }
  }
  FUZZ_CHECK(scanned == matched);
  // Folding only around each "@" finds what folding the whole text finds.
  std::vector<std::string> folded, whole;
  ScanFoldedEmails(text, [&](std::string_view address) { folded.emplace_back(address); });
  std::string halfWidth(text);
  ToHalfWidth(halfWidth);
  ScanEmails(halfWidth, [&](std::string_view address) { whole.emplace_back(address); });
  FUZZ_CHECK(folded == whole);
  return 0;
}
