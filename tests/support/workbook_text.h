// A workbook read back by the program's own reader, through its relationships, as the tests
// compare it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/text/gbk.h"
#include "documents/office_package.h"

namespace telqor::test {

// Every sheet's text (UTF-8) in sheet order: its rows a line each, cells tab-separated.
inline std::vector<std::string> SheetTexts(const std::filesystem::path& workbook) {
  PackageLimits limits;
  limits.text = 1 << 28;
  ZipArchive archive(workbook, limits);
  const PackageContents contents = ReadOfficePackage(archive, "\n", "_rels/.rels");
  const std::vector<size_t>& ends = contents.partEnds;
  const std::string& all = contents.text;
  std::vector<std::string> sheets;
  for (size_t i = 0, from = 0; i < ends.size(); from = ends[i++])
    sheets.push_back(GbkToUtf8(all.substr(from, ends[i] - from)));
  return sheets;
}

}  // namespace telqor::test
