// A workbook read back by the program's own reader, as the tests compare it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/text/gbk.h"
#include "documents/package_text.h"
#include "documents/xlsx_text.h"

namespace telqor::test {

// Every sheet's text (UTF-8) in sheet order: its rows a line each, cells tab-separated.
inline std::vector<std::string> SheetTexts(const std::filesystem::path& workbook) {
  ZipArchive archive(workbook);
  PackageText text("\n", 1 << 28);
  ReadXlsxText(archive, text);
  const std::vector<size_t> ends = text.PartEnds();
  const std::string all = text.TakeText();
  std::vector<std::string> sheets;
  for (size_t i = 0, from = 0; i < ends.size(); from = ends[i++])
    sheets.push_back(GbkToUtf8(all.substr(from, ends[i] - from)));
  return sheets;
}

}  // namespace telqor::test
