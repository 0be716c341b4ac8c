// The region and segment files and the area-code table: any bytes load without harm, the region
// the loaded database gives for a number is the one found by searching the segment file's
// text, and a number's lookup and counts agree with the database.
#include <cstdio>
#include <cstdlib>

#include "core/program/ui.h"
#include "fuzz/fuzz_input.h"
#include "report/number_stats.h"
#include "segments/segment_database.h"

namespace {

class QuietUi : public telqor::Ui {
 public:
  void ShowStatus(std::string_view) override {}
  void Progress(int64_t, int64_t) override {}
  bool Cancelled() override { return false; }
  bool AskYesNo(std::string_view) override { return false; }
  void Inform(std::string_view) override {}
  void OpenFolder(const std::filesystem::path&) override {}
};

bool ElevenAsciiDigits(std::string_view s) {
  if (s.size() != 11) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

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
  // The third part is the area-code table too.
  const NumberLookup lookup(db, CarrierRule("138;139;1703", "130;170", "133", "192"), CityAreaCodes::FromText(parts[2]));
  ItemList lines;
  for (std::string_view number : numbers) {
    const LookupRow row = lookup.Of(number);
    FUZZ_CHECK((row.status == LookupStatus::kBadFormat) == !ElevenAsciiDigits(number));
    FUZZ_CHECK((row.status == LookupStatus::kValid) == (ElevenAsciiDigits(number) && db.RegionOf(number).has_value()));
    lines.Add(ByteStr(number));
  }
  QuietUi ui;
  const StatsDimension all[] = {StatsDimension::kProvince, StatsDimension::kCity, StatsDimension::kCarrier,
                                StatsDimension::kPrefix};
  const NumberStats stats = *CountNumbers(lines, lookup, all, ui);
  int64_t grouped = 0;
  for (const StatsGroup& group : stats.groups) grouped += group.count;
  FUZZ_CHECK(grouped == stats.totals.lines);
  FUZZ_CHECK(stats.totals.valid + stats.totals.unknownSegment + stats.totals.badFormat == stats.totals.lines);
  FUZZ_CHECK(stats.totals.distinct <= stats.totals.lines && (stats.totals.lines == 0 || stats.totals.distinct > 0));
  for (const Province& province : db.Provinces())
    for (const City& city : province.cities) (void)db.SegmentsOf(city);
  return 0;
}
