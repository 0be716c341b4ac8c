// import-segments: the segment data of the program folder refreshed from a newer public list.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "segments/segment_import.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ProgramState& state = Started(global);
  const bool force = args.Flag("--force");
  ConsoleUi ui(global.yes);
  // Nobody is there to ask: files in place are replaced only when the command line says so.
  auto mayReplace = [force](const std::vector<std::string_view>& existing) {
    if (force) return true;
    std::string names;
    for (std::string_view name : existing) names.append(names.empty() ? "" : "、").append(name);
    throw Error("基础数据已有 " + names + "，未写入文件 (--force 替换，原文件另存为带日期时间的 .bak 文件)");
  };
  SegmentImportResult result = ImportSegmentList(args.PositionalPaths()[0], state.folders.baseData, mayReplace, ui);
  for (const BadSegmentLine& bad : result.badLines) std::cerr << BadSegmentLineText(bad) << "\n";
  for (const auto& file : result.files) std::cout << PathToUtf8(file) << "\n";
  std::cerr << SegmentImportSummary(result) << "\n";
  return 0;
}

}  // namespace

Verb ImportSegmentsVerb() {
  return {{"import-segments",
           "Refreshes 基础数据/地区.txt, 基础数据/手机号段.txt and, when FILE gives area codes,\n"
           "基础数据/固话区号对照表.txt from a public segment list: one segment a line, fields\n"
           "separated by tabs, commas or |: the 7-digit segment, province and city, then optionally\n"
           "postcode, area code and carrier (the carrier is not kept: it comes from the carrier\n"
           "settings); a header line is skipped; UTF-8 or GBK. Full names are shortened as the base\n"
           "data names them (浙江省 → 浙江, 延边朝鲜族自治州 → 延边). 地区.txt keeps its lines and\n"
           "their order, new regions added after them. Only a file whose text changes is written;\n"
           "a list that changes nothing writes nothing and says so. Existing files are replaced\n"
           "only with --force, each kept as <name>.<yyyymmdd-hhnnss>.bak (-2, -3, ... after the\n"
           "time when that is taken: no backup is ever replaced). Every segment added, removed or\n"
           "moved to another city is listed in 基础数据/号段变更.<yyyymmdd-hhnnss>.txt. Prints the\n"
           "data files written; on standard error each line skipped with its reason, the counts,\n"
           "the change list and the backups.\n",
           {{"--force", nullptr, OptionKind::Flag, nullptr, "replace existing files (kept as stamped .bak files)"}},
           {"FILE", true, false}},
          "refresh the segment data from a newer public list",
          Run};
}

}  // namespace telqor::cli
