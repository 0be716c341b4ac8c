// carrier: the carrier of numbers by their prefixes.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/segment_data.h"
#include "segments/carrier.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  CarrierRule rule(Started(global).settings);
  TellWhenNoSegmentData(global);
  for (const std::string& typed : args.Positional()) {
    Carrier carrier = rule.Of(Utf8Argument(typed));
    std::cout << typed << ":" << (carrier == Carrier::None ? "" : CarrierName(carrier)) << "\n";
  }
  return 0;
}

}  // namespace

Verb CarrierVerb() {
  return {{"carrier",
           "Prints, for each number, NUMBER:移动, NUMBER:联通, NUMBER:电信 or NUMBER:广电, or NUMBER: alone\n"
           "when no carrier lists its prefix in the settings mobiletag, unicomtag, telecomtag and\n"
           "broadnettag (searched in that order): a four-digit prefix listed for it decides, else its\n"
           "first three characters. The carrier is the segment's: a number moved to another carrier\n"
           "(携号转网) keeps it.\n",
           {},
           {"NUMBER", true, true}},
          "the carrier of numbers by their prefixes",
          Run};
}

}  // namespace telqor::cli
