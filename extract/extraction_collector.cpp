#include "extract/extraction_collector.h"

namespace telqor {

ThreadFinds& ExtractionCollector::NewFinds() {
  MutexLock hold(lock_);
  finds_.push_back(std::make_unique<ThreadFinds>());
  return *finds_.back();
}

void ExtractionCollector::Clear() {
  MutexLock hold(lock_);
  finds_.clear();
}

void ExtractionCollector::Merge(ExtractionResults& results) {
  MutexLock hold(lock_);
  for (int kind = 0; kind < kFoundKinds; ++kind) {
    std::vector<FoundCollector*> collectors;
    for (auto& finds : finds_) collectors.push_back(&finds->kinds[static_cast<size_t>(kind)]);
    results.Of(static_cast<FoundKind>(kind)).Gather(collectors);
  }
  finds_.clear();
}

}  // namespace telqor
