// Code page 936 from ICU's windows-936 converter.
#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <memory>
#include <stdexcept>

#include "core/text/cp936.h"

namespace telqor {

std::vector<uint16_t> Cp936Table() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> cnv(ucnv_open("windows-936", &status), ucnv_close);
  if (U_FAILURE(status)) throw std::runtime_error("The GBK converter (windows-936) is not available");
  ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  auto toUnicode = [&](const char* bytes, int n) -> uint16_t {
    UChar out[4];
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = ucnv_toUChars(cnv.get(), out, 4, bytes, n, &err);
    return (U_SUCCESS(err) && len == 1 && !U16_IS_SURROGATE(out[0])) ? out[0] : 0;
  };
  return Cp936TableFrom(toUnicode);
}

}  // namespace telqor
