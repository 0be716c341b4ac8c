// Line splitting of number files: CR, LF and CR LF end a line, empty lines are items, a zero
// byte ends the text. Written back with CR LF and read again, the items stay the same.
#include <cstdio>
#include <cstdlib>

#include "core/lists/item_list.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view text = fuzz::AsText(data, size);
  ItemList list;
  list.SetText(text);
  std::string_view upToZero = text.substr(0, text.find('\0'));
  size_t bytes = 0;
  for (int i = 0; i < list.Count(); ++i) {
    std::string_view item = list.View(i);
    FUZZ_CHECK(item.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
    bytes += item.size();
  }
  FUZZ_CHECK(bytes <= upToZero.size());
  ItemList again;
  again.SetText(list.GetText());
  FUZZ_CHECK(again.Count() == list.Count());
  for (int i = 0; i < list.Count(); ++i) FUZZ_CHECK(again.View(i) == list.View(i));
  return 0;
}
