// The extraction scanner on any text: numbers with area codes in the three area-code modes, mobile
// numbers in groups taken or not, e-mail addresses and the digits they hold, full-width
// folding, a user pattern. Cut into pieces and parts anywhere, a text gives what one scan of the
// whole gives.
#include <cstdio>
#include <cstdlib>

#include "extract/extraction_engine.h"
#include "extract/extraction_sink.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace telqor;
using Found = std::vector<std::vector<std::string>>;

Found Run(std::string_view text, AreaCodeMode mode, bool separators, const ExtractionEngine::CutSizes* sizes) {
  ItemList codes;
  codes.SetSorted(true);
  for (const char* code : {"010", "021", "0755", "0571"}) codes.Add(code);
  ExtractionRequest request;
  request.areaCodes = &codes;
  request.mobile = request.landline = request.email = request.pattern = true;
  request.patternText = "[a-z]+\\d";
  request.output = ExtractionOutput::kFilePerKind;
  request.areaCodeMode = mode;
  request.mobileSeparators = separators;
  request.fixedAreaCode = "021";
  request.text = std::string(text);
  ExtractionReport report;
  ExtractionEngine extraction;
  if (sizes) extraction.SetCutSizes(*sizes);
  extraction.Start(std::move(request), report);
  extraction.Wait();
  const ExtractionResults& results = report.Found();
  Found found;
  for (const FoundItems* kind :
       {&results.regex, &results.landline, &results.email, &results.mobile, &results.unknown}) {
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
  const AreaCodeMode mode = static_cast<AreaCodeMode>(shape / 64 % 3);
  for (bool separators : {false, true})
    FUZZ_CHECK(Run(text, mode, separators, &tiny) == Run(text, mode, separators, nullptr));
  return 0;
}
