#include "extract/search_results.h"

#include <string>

#include "core/file_writer.h"
#include "core/output_names.h"

namespace telqor {

namespace fs = std::filesystem;

SearchResults::SearchResults() {
  for (TSList* list : {&Regex, &Landline, &Email, &Mobile, &Unknown}) {
    list->SetDuplicates(TDuplicates::Ignore);
    list->SetSorted(true);
  }
}

void SearchResults::Clear() {
  for (TSList* list : {&Regex, &Landline, &Email, &Mobile, &Unknown}) list->Clear();
}

void SearchResults::HandTo(THmSearch& search) {
  search.RegexResults = &Regex;
  search.LandlineResults = &Landline;
  search.EmailResults = &Email;
  search.MobileResults = &Mobile;
  search.UnknownResults = &Unknown;
}

void CollectResults(const SearchResults& results, const WantedKinds& wanted, TSList& out) {
  if (wanted.regex) out.AddList(results.Regex);
  if (wanted.landline) out.AddList(results.Landline);
  if (wanted.mobile) out.AddList(results.Mobile);
  if (wanted.email) out.AddList(results.Email);
}

SavedResultFiles SaveResultFiles(const SearchResults& results, const fs::path& folder) {
  SavedResultFiles saved;
  const std::pair<const TSList*, const char*> files[] = {{&results.Regex, "-正则-"},
                                                         {&results.Landline, "-固话-"},
                                                         {&results.Email, "-邮址-"},
                                                         {&results.Mobile, "-手机-"},
                                                         {&results.Unknown, "-未知-"}};
  for (const auto& [list, tag] : files) {
    saved.lastName = TimeStamp() + tag + std::to_string(list->Count()) + ".txt";
    if (list->Count() == 0) continue;
    FileWriter out(folder / saved.lastName);
    list->SaveTo(out);
    saved.written.push_back(out.CommitUnique());
  }
  return saved;
}

}  // namespace telqor
