// validate: numbers split into valid ones (eleven characters, a known segment) and the rest.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/segment_data.h"
#include "segments/validity_check.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  SegmentDatabase db;
  LoadDatabase(global, db);
  NumberList raw(ListRole::Workspace);
  ConsoleUi ui(global.yes);
  LoadFiles(raw, args.Positional(), ui);
  ItemList valid, invalid;
  AnalyseValidity(raw.Items(), db, valid, invalid);
  auto [validFile, invalidFile] = SaveValidity(*args.PathValue("--save"), valid, invalid);
  std::cout << PathToUtf8(validFile) << "\n" << PathToUtf8(invalidFile) << "\n";
  return 0;
}

}  // namespace

Verb ValidateVerb() {
  return {{"validate",
           "Loads the files into one list and splits it: a number of exactly eleven characters whose\n"
           "first seven are a segment of the database is valid, anything else invalid (nothing is\n"
           "trimmed). Writes F.有效.<count>.txt and F.无效.<count>.txt, both even when empty, and\n"
           "prints their paths.\n",
           {{"--save", nullptr, OptionKind::Value, "F", "the start of the two result files' names", true}},
           kInputFiles},
          "split numbers into valid and invalid by the segment database",
          Run};
}

}  // namespace telqor::cli
