// Writing a number list into many files at once, split by region (the segment database), by
// carrier (the carrier rule), by both, or by region, carrier and segment with a summary per
// carrier folder. Region names are GBK and become path names through GbkToPath.
#pragma once

#include <filesystem>
#include <vector>

#include "core/item_list.h"
#include "core/ui.h"
#include "segments/carrier.h"
#include "segments/segment_database.h"

namespace telqor {

enum class ExportKind { Region, Carrier, RegionCarrier, RegionCarrierSegment };

// Writes list into folder (the dated output folder) split as kind says, with "开始保存文件"
// before and "保存文件完成" after in the status line. An empty list writes no file. A file
// that cannot be written stops the export with its error; the files before it stay.
// Answers the files written, in the order written.
std::vector<std::filesystem::path> ExportNumbers(ExportKind kind, const ItemList& list, const SegmentDatabase& db,
                                                 const CarrierRule& rule, const std::filesystem::path& folder, Ui& ui);

}  // namespace telqor
