// The segment database of the program folder for the verbs that look numbers up.
#pragma once

#include "cli/global_options.h"
#include "segments/segment_database.h"

namespace telqor::cli {

// Prepares the program folder and reads its segment database as the program does at start:
// "基础数据/地区.txt" and "基础数据/手机号段.txt", and the used segments of "我的数据/hdsel.txt".
// A missing file leaves its part empty.
SegmentLoadReport LoadDatabase(GlobalOptions& global, SegmentDatabase& db);

// When the program folder has no segment data (基础数据/手机号段.txt missing or holding no
// segment), says so on standard error with what writes the shipped data; a verb goes on as it
// would. LoadDatabase says it itself.
void TellWhenNoSegmentData(GlobalOptions& global);

}  // namespace telqor::cli
