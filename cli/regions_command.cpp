// regions: the provinces and cities of the segment database with their segment counts.
#include <iostream>

#include "cli/commands.h"
#include "cli/segment_data.h"
#include "core/gbk.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs&, GlobalOptions& global) {
  SegmentDatabase db;
  for (const std::string& message : LoadDatabase(global, db).messages) std::cerr << message << "\n";
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
           "to standard error.\n",
           {},
           {}},
          "the provinces and cities of the segment database",
          Run};
}

}  // namespace telqor::cli
