#include "extract/extraction_results.h"

#include <string>

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/output_names.h"

namespace telqor {

namespace fs = std::filesystem;

void ExtractionResults::Clear() {
  for (FoundItems* found : {&regex, &landline, &email, &mobile, &unknown}) found->Clear();
}

FoundItems& ExtractionResults::Of(FoundKind kind) {
  switch (kind) {
    case FoundKind::kRegex:
      return regex;
    case FoundKind::kLandline:
      return landline;
    case FoundKind::kEmail:
      return email;
    case FoundKind::kMobile:
      return mobile;
    case FoundKind::kUnknown:
      break;
  }
  return unknown;
}

namespace {

// The wanted kinds in the order the panel appends them.
std::vector<const FoundItems*> Wanted(const ExtractionResults& results, const WantedKinds& wanted) {
  std::vector<const FoundItems*> kinds;
  if (wanted.regex) kinds.push_back(&results.regex);
  if (wanted.landline) kinds.push_back(&results.landline);
  if (wanted.mobile) kinds.push_back(&results.mobile);
  if (wanted.email) kinds.push_back(&results.email);
  return kinds;
}

}  // namespace

size_t CollectResults(const ExtractionResults& results, const WantedKinds& wanted, ItemList& out) {
  size_t count = 0;
  for (const FoundItems* found : Wanted(results, wanted)) {
    found->AppendTo(out);
    count += found->Count();
  }
  return count;
}

void WriteResults(const ExtractionResults& results, const WantedKinds& wanted, FileWriter& out) {
  for (const FoundItems* found : Wanted(results, wanted)) found->WriteTo(out);
}

SavedFiles SaveResultFiles(const ExtractionResults& results, const fs::path& folder) {
  SavedFiles saved;
  saved.folder = folder;
  const std::pair<const FoundItems*, const char*> files[] = {{&results.regex, "-正则-"},
                                                             {&results.landline, "-固话-"},
                                                             {&results.email, "-邮址-"},
                                                             {&results.mobile, "-手机-"},
                                                             {&results.unknown, "-未知-"}};
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
