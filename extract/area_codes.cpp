#include "extract/area_codes.h"

#include <system_error>

#include "core/program/data_folders.h"
#include "core/io/file_io.h"
#include "core/text/gbk_regex.h"
#include "core/text/text.h"

namespace telqor {

namespace fs = std::filesystem;

fs::path AreaCodeFile(const fs::path& baseDataFolder) { return baseDataFolder / PathFromUtf8(kAreaCodeFileName); }

void ExtractMatches(std::string_view text, std::string_view pattern, ItemList& list) {
  if (TrimBlanks(text).empty() || TrimBlanks(pattern).empty()) return;
  GbkRegex regex;
  regex.SetSubject(text);
  regex.SetRegEx(TrimBlanks(pattern));
  for (bool found = regex.Match(); found; found = regex.MatchNext()) list.Add(regex.MatchedText());
}

bool LoadAreaCodes(const fs::path& baseDataFolder, ItemList& codes) {
  fs::path file = AreaCodeFile(baseDataFolder);
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return false;
  ItemList lines;
  lines.LoadFromFile(file);
  codes.SetDuplicates(DuplicatePolicy::kIgnore);
  codes.SetSorted(true);
  ExtractMatches(lines.GetText(), "0\\d{2,3}", codes);
  return true;
}

}  // namespace telqor
