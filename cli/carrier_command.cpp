// carrier: the carrier of numbers by their first three digits.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "segments/carrier.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  CarrierRule rule(Started(global).settings);
  for (const std::string& typed : args.Positional()) {
    Carrier carrier = rule.Of(Utf8Argument(typed));
    std::cout << typed << ":" << (carrier == Carrier::None ? "" : CarrierName(carrier)) << "\n";
  }
  return 0;
}

}  // namespace

Verb CarrierVerb() {
  return {{"carrier",
           "Prints, for each number, NUMBER:移动, NUMBER:联通 or NUMBER:电信, or NUMBER: alone when no\n"
           "carrier lists its first three characters (the settings mobiletag, unicomtag and telecomtag,\n"
           "searched in that order).\n",
           {},
           {"NUMBER", true, true}},
          "the carrier of numbers by their first three digits",
          Run};
}

}  // namespace telqor::cli
