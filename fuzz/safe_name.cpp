// Names made of data: whatever the bytes, one name that stays in its folder.
#include "core/io/safe_name.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::filesystem::path name = SafeFileName(fuzz::AsText(data, size), ".txt");
  std::string text = name.string();
  FUZZ_CHECK(!text.empty() && text[0] != '.' && name.filename() == name && !name.has_parent_path());
  FUZZ_CHECK(text.find('/') == std::string::npos && text.find('\\') == std::string::npos);
  FUZZ_CHECK(text.size() <= 160);
  return 0;
}
