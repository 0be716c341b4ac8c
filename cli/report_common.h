// What the report verbs (table, stats) share: their input lines, the lookup of the program
// folder's data, and the table format -o OUT and --encoding ask for.
#pragma once

#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/global_options.h"
#include "core/lists/item_list.h"
#include "report/number_lookup.h"
#include "report/table_output.h"

namespace telqor::cli {

inline constexpr Option kTableOutputOption = {"--output", "-o", OptionKind::Value, "OUT",
                                              "write the table to OUT.xlsx or OUT.csv (replaced once complete)"};
inline constexpr Option kEncodingOption = {"--encoding", nullptr, OptionKind::Value, "utf8|gbk",
                                           "the CSV's encoding: UTF-8 with a byte-order mark (default) or GBK"};
// FILE...|-, the lists a report is made of.
inline constexpr Positionals kInputLists = {"FILE|-", true, true};

// Appends the lines of every file ("-": standard input) to lines, in order, split as the lists
// split a loaded file: CR, LF or CR LF, empty lines kept.
void ReadLines(const std::vector<std::string>& files, ItemList& lines);

// The format of -o OUT by its extension (.xlsx or .csv, else a UsageError), a CSV in the
// encoding --encoding names; without -o, a CSV on standard output.
TableFormat OutputFormat(const ParsedArgs& args);

// The lookup of the program folder's data: its segment database (loaded into db, which the
// lookup keeps using), the carrier rule of its settings and its area-code table.
NumberLookup LoadLookup(GlobalOptions& global, SegmentDatabase& db);

}  // namespace telqor::cli
