// The extraction scanner on any text: numbers with area codes in the three zone modes, mobile
// numbers in groups taken or not, e-mail addresses and the digits they hold, full-width
// folding, a user pattern. Cut into pieces and parts anywhere, a text gives what one scan of the
// whole gives.
#include <cstdio>
#include <cstdlib>

#include "extract/extraction_engine.h"
#include "extract/search_results.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace telqor;
using Found = std::vector<std::vector<std::string>>;

Found Run(std::string_view text, int zoneMode, bool separators, const ExtractionEngine::CutSizes* sizes) {
  ExtractionEngine search;
  SearchResults results;
  results.HandTo(search);
  ItemList codes;
  codes.SetSorted(true);
  for (const char* code : {"010", "021", "0755", "0571"}) codes.Add(code);
  search.AreaCodes = &codes;
  search.WantMobile = search.WantLandline = search.WantEmail = search.WantRegex = true;
  search.UserPattern = "[a-z]+\\d";
  search.KeepAllKinds = true;
  search.ZoneMode = zoneMode;
  search.MobileSeparators = separators;
  search.FixedZone = "021";
  search.PendingText = std::string(text);
  if (sizes) search.Sizes = *sizes;
  search.Start();
  search.Wait();
  Found found;
  for (const FoundItems* kind :
       {&results.Regex, &results.Landline, &results.Email, &results.Mobile, &results.Unknown}) {
    found.emplace_back();
    kind->ForEach([&](std::string_view item) { found.back().emplace_back(item); });
    for (size_t i = 1; i < found.back().size(); ++i) FUZZ_CHECK(found.back()[i - 1] < found.back()[i]);
  }
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::AsText(data, size);
  unsigned shape = fuzz::TakeByte(text);
  ExtractionEngine::CutSizes tiny{1 + shape % 13, 2 + shape % 31, 1, 1 + static_cast<int>(shape % 4)};
  const int zoneMode = static_cast<int>(shape / 64 % 3);
  for (bool separators : {false, true})
    FUZZ_CHECK(Run(text, zoneMode, separators, &tiny) == Run(text, zoneMode, separators, nullptr));
  return 0;
}
