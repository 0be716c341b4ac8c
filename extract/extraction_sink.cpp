#include "extract/extraction_sink.h"

namespace telqor {

void ExtractionReport::Clear() {
  MutexLock hold(lock_);
  status_.clear();
  statusPending_ = false;
  failures_.clear();
  results_.Clear();
}

void ExtractionReport::Status(const std::string& text) {
  MutexLock hold(lock_);
  status_ = text;
  statusPending_ = true;
}

void ExtractionReport::Failure(const std::string& text) {
  MutexLock hold(lock_);
  failures_.push_back(text);
}

std::optional<std::string> ExtractionReport::TakeStatus() {
  MutexLock hold(lock_);
  if (!statusPending_) return std::nullopt;
  statusPending_ = false;
  return status_;
}

std::string ExtractionReport::LatestStatus() const {
  MutexLock hold(lock_);
  return status_;
}

std::vector<std::string> ExtractionReport::Failures() const {
  MutexLock hold(lock_);
  return failures_;
}

}  // namespace telqor
