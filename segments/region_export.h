// Writing a number list into many files at once, split by region (the segment database), by
// carrier (the carrier rule), by both, or by region, carrier and segment with a summary per
// carrier folder. Region and carrier names are GBK and become file and folder names through
// SafeFileName (core/io/safe_name.h), so no name from the data leaves the export's folder.
#pragma once

#include <filesystem>
#include <vector>

#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "files/saved_files.h"
#include "segments/carrier.h"
#include "segments/segment_database.h"

namespace telqor {

enum class ExportKind { Region, Carrier, RegionCarrier, RegionCarrierSegment };

// Writes list into folder (the dated output folder) split as kind says, with "开始保存文件"
// before and "保存文件完成：共<k>个文件，<n>个号码，保存在 <folder>" after in the status line (the
// closing text); by region, carrier and segment, whose segment files keep each number once, the
// count is followed by "（去掉重复<d>个）" (d may be 0). An empty list writes no file. A line that is not
// eleven digits (a blank line, "abc", "123") is nobody's number: its region is 未知地区 and its
// carrier 其它, as the statistics count it. No file is ever replaced, neither one of an
// earlier export into the folder nor one of this export: a name that is taken gets "-2", "-3",
// ... before ".txt" (北京.北京.2.txt, then 北京.北京.2-2.txt). A file that cannot be written stops
// the export with its error; the files before it stay. Answers the files in the order written.
SavedFiles ExportNumbers(ExportKind kind, const ItemList& list, const SegmentDatabase& db, const CarrierRule& rule,
                         const std::filesystem::path& folder, Ui& ui);

}  // namespace telqor
