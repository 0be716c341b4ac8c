// make-default-data: the base-data files a new program folder lacks, from the segment list
// shipped with the program, as the program offers them at its first start.
#include <iostream>

#include "cli/commands.h"
#include "core/text/gbk.h"
#include "segments/default_data.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ProgramState& state = Started(global);
  DefaultDataResult result = WriteDefaultData(state, args.Flag("--force"));
  for (const auto& file : result.written) std::cout << PathToUtf8(file) << "\n";
  if (result.written.empty()) std::cerr << "基础数据已有号段库、地区表和区号表，未写入文件 (--force 覆盖)\n";
  if (result.prefixesWritten) std::cerr << "已写入当前运营商号段 (mobiletag, unicomtag, telecomtag, broadnettag)\n";
  return 0;
}

}  // namespace

Verb MakeDefaultDataVerb() {
  return {{"make-default-data",
           "Writes the base-data files that the program folder lacks from the segment list shipped\n"
           "with the program (517,258 segments of 2025, 31 provinces), its cities on today's map: one\n"
           "name a division of the 2023 codes, 343 cities (吉首 is 湘西, 莱芜 is 济南): 基础数据/地区.txt,\n"
           "基础数据/手机号段.txt and 基础数据/固话区号对照表.txt, GBK with CR LF, and a notice of the\n"
           "data's sources and licences. A file that exists is kept. Today's carrier prefixes go into\n"
           "Telqor.ini when the carrier settings still hold their first-run values. With --force all\n"
           "three files are rewritten and the carrier prefixes replaced. Prints the files written.\n",
           {{"--force", nullptr, OptionKind::Flag, nullptr, "rewrite existing files and carrier prefixes"}},
           {}},
          "write the shipped segment data into the program folder",
          Run};
}

}  // namespace telqor::cli
