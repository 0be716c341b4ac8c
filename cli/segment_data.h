// The segment database of the program folder for the verbs that look numbers up.
#pragma once

#include "cli/global_options.h"
#include "segments/segment_database.h"

namespace telqor::cli {

// Prepares the program folder and reads its segment database as the program does at start:
// "基础数据/地区.txt" and "基础数据/手机号段.txt", and the used segments of "我的数据/hdsel.txt".
// A missing file leaves its part empty.
SegmentLoadReport LoadDatabase(GlobalOptions& global, SegmentDatabase& db);

}  // namespace telqor::cli
