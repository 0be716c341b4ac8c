// ExtractionCollector: what the scanning threads of a run find, kept apart per thread while the
// run goes (nothing shared, nothing looked up) and merged into the results at its end.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/platform/thread_annotations.h"
#include "extract/extraction_results.h"
#include "extract/found_items.h"

namespace telqor {

// What one scanning thread found in a run: a collector per kind.
struct ThreadFinds {
  std::array<FoundCollector, kFoundKinds> kinds;

  FoundCollector& Of(FoundKind kind) { return kinds[static_cast<size_t>(kind)]; }
};

class ExtractionCollector {
 public:
  // Finds for one more scanning thread, kept until Merge or Clear.
  ThreadFinds& NewFinds() EXCLUDES(lock_);
  void Clear() EXCLUDES(lock_);
  // Every kind sorted once from what all the threads found, each result once, into results;
  // the finds are let go. Called once every scanning thread has ended.
  void Merge(ExtractionResults& results) EXCLUDES(lock_);

 private:
  Mutex lock_;
  std::vector<std::unique_ptr<ThreadFinds>> finds_ GUARDED_BY(lock_);
};

}  // namespace telqor
