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
              << "\narea codes: " << s.areaCodes << "\nsource: " << s.source << "\n";
    return 0;
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
           "cities and area codes, and the data's source (the shipped list with its version, by the\n"
           "notice written beside it, else 用户数据).\n",
           {{"--summary", nullptr, OptionKind::Flag, nullptr, "print the counts and the source of the data"}},
           {}},
          "the provinces and cities of the segment database",
          Run};
}

}  // namespace telqor::cli
