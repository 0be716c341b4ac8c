// The region and segment files: any bytes load without harm, and the region the loaded database
// gives for a number is the one found by searching the segment file's text.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "segments/segment_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  auto parts = fuzz::Parts(fuzz::AsText(data, size), 3);
  SegmentDatabase db;
  db.LoadText(parts[0], parts[1]);
  // Every number the third part names, and every segment of the segment file's lines.
  std::vector<std::string_view> numbers;
  for (std::string_view text : {parts[2], parts[1]}) {
    while (!text.empty()) {
      size_t end = text.find_first_of("\r\n|, ");
      numbers.push_back(text.substr(0, end));
      if (end == std::string_view::npos) break;
      text.remove_prefix(end + 1);
    }
  }
  for (std::string_view number : numbers) {
    std::optional<std::string_view> loaded = db.RegionOf(number);
    std::optional<std::string> scanned = ScanRegionOf(parts[1], number);
    FUZZ_CHECK(loaded.has_value() == scanned.has_value());
    if (loaded) FUZZ_CHECK(*loaded == *scanned);
    (void)LookupLine(number, db);
  }
  for (const Province& province : db.Provinces())
    for (const City& city : province.cities) (void)db.SegmentsOf(city);
  return 0;
}
