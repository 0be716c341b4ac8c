// regions: the provinces and cities of the segment database with their segment counts.
#include <iostream>

#include "cli/commands.h"
#include "cli/segment_data.h"
#include "core/text/gbk.h"
#include "segments/data_summary.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  SegmentDatabase db;
  for (const std::string& message : LoadDatabase(global, db).messages) std::cerr << message << "\n";
  if (args.Flag("--summary")) {
    const SegmentDataSummary s = SummarizeSegmentData(db, Started(global).folders.baseData);
    std::cout << "segments: " << s.segments << "\nprovinces: " << s.provinces << "\ncities: " << s.cities
              << "\ndivisions: " << s.divisions << "\narea codes: " << s.areaCodes << "\nsource: " << s.source << "\n";
    return 0;
  }
  if (args.Flag("--check")) {
    const std::vector<OffMapCity> off = OffMapCities(db);
    for (const OffMapCity& city : off) std::cout << OffMapCityText(city) << "\n";
    std::cerr << off.size() << " 个城市名称不是今日的行政区划\n";
    return off.empty() ? 0 : 1;
  }
  for (const Province& province : db.Provinces()) {
    std::cout << GbkToUtf8(province.name) << "\n";
    for (const City& city : province.cities)
      std::cout << "  " << GbkToUtf8(city.name) << " " << db.SegmentsOf(city).size() << "\n";
  }
  return 0;
}

}  // namespace

Verb RegionsVerb() {
  return {{"regions",
           "Prints the regions of the segment database in the order of 地区.txt: each province on a\n"
           "line, then each of its cities indented by two blanks with the number of its segments.\n"
           "What the load has to say (segment lines of an unknown city, segments listed twice) goes\n"
           "to standard error. With --summary, prints instead what is loaded: the segments, provinces,\n"
           "cities, the divisions of today's map its cities stand for (2023 division codes) and area\n"
           "codes, and the data's source (the shipped list with its version, by the notice written\n"
           "beside it, else 用户数据). With --check, prints each city whose name is not today's, with\n"
           "the division it stands for (\"山东.莱芜 → 济南 370100\") or \"不在今日的行政区划中\"; exit\n"
           "status 1 when there is one.\n",
           {{"--summary", nullptr, OptionKind::Flag, nullptr, "print the counts and the source of the data"},
            {"--check", nullptr, OptionKind::Flag, nullptr, "list the cities whose names are not today's"}},
           {}},
          "the provinces and cities of the segment database",
          Run};
}

}  // namespace telqor::cli
