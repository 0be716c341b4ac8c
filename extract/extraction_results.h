// The five result lists of an extraction run and what becomes of them: appended to the
// workspace list (the kinds the user wants, in a fixed order), or saved one file per kind in
// the dated output folder.
#pragma once

#include <filesystem>
#include <vector>

#include "core/lists/item_list.h"
#include "extract/found_items.h"
#include "files/saved_files.h"

namespace telqor {

// The kinds an extraction finds, in the order their files are saved.
enum class FoundKind { kRegex, kLandline, kEmail, kMobile, kUnknown };
inline constexpr int kFoundKinds = 5;

struct ExtractionResults {
  ExtractionResults() = default;
  ExtractionResults(const ExtractionResults&) = delete;
  ExtractionResults& operator=(const ExtractionResults&) = delete;

  void Clear();
  FoundItems& Of(FoundKind kind);
  const FoundItems& Of(FoundKind kind) const { return const_cast<ExtractionResults*>(this)->Of(kind); }

  // Each result once, in byte order.
  FoundItems regex;
  FoundItems landline;
  FoundItems email;
  FoundItems mobile;
  FoundItems unknown;  // digit runs of no kind: saved to a file, never appended
};

// The kinds wanted at the end of a run (the panel's check boxes, read again then).
struct WantedKinds {
  bool regex = false;
  bool landline = false;
  bool mobile = false;
  bool email = false;
};

// Appends the wanted kinds to out in the order regex, landline, mobile, e-mail; answers how
// many items that made.
size_t CollectResults(const ExtractionResults& results, const WantedKinds& wanted, ItemList& out);
// Writes the wanted kinds in that order, each item followed by CR LF.
void WriteResults(const ExtractionResults& results, const WantedKinds& wanted, FileWriter& out);

// Saves every non-empty list, whatever was wanted, as folder + "yyyymmdd-hhnnss" + tag +
// count + ".txt", the tags "-正则-", "-固话-", "-邮址-", "-手机-" and "-未知-" in that order (the
// time taken anew for each). A name already taken, by an earlier run in the same second or
// any other file, gets "-2", "-3", ... before ".txt": no file is replaced. The first file that
// cannot be written stops the saving with its error. The closing text is
// "保存文件完成：共<k>个文件，<n>个数据，保存在 <folder>".
SavedFiles SaveResultFiles(const ExtractionResults& results, const std::filesystem::path& folder);

}  // namespace telqor
