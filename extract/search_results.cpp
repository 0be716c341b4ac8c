#include "extract/search_results.h"

#include <string>

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/output_names.h"

namespace telqor {

namespace fs = std::filesystem;

void SearchResults::Clear() {
  for (FoundItems* found : {&Regex, &Landline, &Email, &Mobile, &Unknown}) found->Clear();
}

void SearchResults::HandTo(ExtractionEngine& search) {
  search.RegexResults = &Regex;
  search.LandlineResults = &Landline;
  search.EmailResults = &Email;
  search.MobileResults = &Mobile;
  search.UnknownResults = &Unknown;
}

namespace {

// The wanted kinds in the order the panel appends them.
std::vector<const FoundItems*> Wanted(const SearchResults& results, const WantedKinds& wanted) {
  std::vector<const FoundItems*> kinds;
  if (wanted.regex) kinds.push_back(&results.Regex);
  if (wanted.landline) kinds.push_back(&results.Landline);
  if (wanted.mobile) kinds.push_back(&results.Mobile);
  if (wanted.email) kinds.push_back(&results.Email);
  return kinds;
}

}  // namespace

size_t CollectResults(const SearchResults& results, const WantedKinds& wanted, ItemList& out) {
  size_t count = 0;
  for (const FoundItems* found : Wanted(results, wanted)) {
    found->AppendTo(out);
    count += found->Count();
  }
  return count;
}

void WriteResults(const SearchResults& results, const WantedKinds& wanted, FileWriter& out) {
  for (const FoundItems* found : Wanted(results, wanted)) found->WriteTo(out);
}

SavedFiles SaveResultFiles(const SearchResults& results, const fs::path& folder) {
  SavedFiles saved;
  saved.folder = folder;
  const std::pair<const FoundItems*, const char*> files[] = {{&results.Regex, "-正则-"},
                                                             {&results.Landline, "-固话-"},
                                                             {&results.Email, "-邮址-"},
                                                             {&results.Mobile, "-手机-"},
                                                             {&results.Unknown, "-未知-"}};
  for (const auto& [list, tag] : files) {
    if (list->Count() == 0) continue;
    FileWriter out(folder / PathFromUtf8(TimeStamp() + tag + std::to_string(list->Count()) + ".txt"));
    list->WriteTo(out);
    saved.written.push_back(out.CommitUnique());
    saved.items += static_cast<int64_t>(list->Count());
  }
  saved.closing = "保存文件完成：" + SavedCounts(saved, "个数据");
  return saved;
}

}  // namespace telqor
