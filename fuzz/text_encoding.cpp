// Reading a document's bytes in their encoding: any bytes decode without harm, the encoding of
// a file read a piece at a time is that of its whole bytes, and UTF-8 without a mark comes
// back the same when GBK can hold it.
#include "core/io/text_encoding.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/text/gbk.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view bytes = fuzz::AsText(data, size);
  TextEncoding encoding = DetectTextEncoding(bytes);
  size_t lost = 0;
  std::string text = DecodeToAnsi(bytes, encoding, &lost);
  if (encoding == TextEncoding::kUtf8 && lost == 0) FUZZ_CHECK(GbkToUtf8(text) == bytes);
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("telqor-fuzz-enc-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  FUZZ_CHECK(DetectFileEncoding(file) == encoding);
  (void)Utf16ToGbk(bytes, true);
  (void)Utf16ToUtf8(bytes, false);
  return 0;
}
