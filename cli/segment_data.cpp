#include "cli/segment_data.h"

namespace telqor::cli {

SegmentLoadReport LoadDatabase(GlobalOptions& global, SegmentDatabase& db) {
  const DataFolders& folders = Started(global).folders;
  return db.Load(folders.baseData, folders.myData);
}

}  // namespace telqor::cli
