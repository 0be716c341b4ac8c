// ExtractionSink: where a run reports. A run's workers tell it each item they take up, each
// file they had to leave out, and the end of the run with the results gathered into
// Results(). ExtractionReport is the sink the panel and the CLI share: it keeps the latest
// status for the waiting thread to pick up, the failures, and the results.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/thread_annotations.h"
#include "extract/extraction_results.h"

namespace telqor {

class ExtractionSink {
 public:
  virtual ~ExtractionSink() = default;

  // The item a worker takes up (UTF-8): "处理输入内容", "处理:k/n->path". Called on a worker
  // while it holds the run's queue lock, so that texts arrive in the order the items were
  // handed out: return at once and never wait for the user-interface thread.
  virtual void Status(const std::string& text) = 0;
  // A file left out and why (UTF-8, naming the file), under the same lock: it comes after the
  // status of its item. Not the items a stop cut short.
  virtual void Failure(const std::string& text) = 0;
  // Where the results go: replaced at the end of the run, before Done. Asked once, at Start.
  virtual ExtractionResults& Results() = 0;
  // Once per run, on the last worker, with the results in order.
  virtual void Done() {}
};

// Keeps what a run reports for a thread that polls it.
class ExtractionReport : public ExtractionSink {
 public:
  // Forgets the last run: its status, failures and results.
  void Clear() EXCLUDES(lock_);

  void Status(const std::string& text) override EXCLUDES(lock_);
  void Failure(const std::string& text) override EXCLUDES(lock_);
  ExtractionResults& Results() override { return results_; }

  // The status not yet taken, if any.
  std::optional<std::string> TakeStatus() EXCLUDES(lock_);
  // The latest status, taken or not.
  std::string LatestStatus() const EXCLUDES(lock_);
  // The files left out so far, in the order the workers met them.
  std::vector<std::string> Failures() const EXCLUDES(lock_);
  const ExtractionResults& Found() const { return results_; }

 private:
  mutable Mutex lock_;
  std::string status_ GUARDED_BY(lock_);
  bool statusPending_ GUARDED_BY(lock_) = false;
  std::vector<std::string> failures_ GUARDED_BY(lock_);
  ExtractionResults results_;  // written by the last worker, read once the run has ended
};

}  // namespace telqor
