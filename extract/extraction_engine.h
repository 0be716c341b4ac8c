// ExtractionEngine: the extraction engine. It runs an ExtractionRequest, finding mobile numbers,
// landlines, e-mail addresses and matches of a user pattern in pasted text and in files (plain
// text in any common encoding, HTML, office documents, pdf), and reports to an ExtractionSink.
//
// A run hands out work items from one queue to five worker threads: first the pasted text,
// then one file per item. A worker reads its item into GBK text (extraction_reader.h) and scans
// it a piece of about a megabyte at a time (extraction_scanner.h; text_pieces.h says where a
// piece may end); a large item is cut into parts at such places and its parts are scanned side
// by side, one per core, the last area code carried from part to part as one scan would. Each
// scanning thread keeps what it finds in finds of its own (extraction_collector.h), so nothing
// is shared or looked up while the run goes; at its end every kind is sorted once, each
// distinct result kept once, into the sink's results. A failing item (unreadable file, failed
// conversion, invalid pattern) is dropped, keeping what it had added, and told to the sink
// unless a stop cut it short; the run goes on.
//
// The worker whose exit brings the live count to zero, after every worker has left its loop,
// puts the results in order and tells the sink Done, once per run.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/platform/thread_annotations.h"
#include "extract/extraction_collector.h"
#include "extract/extraction_reader.h"
#include "extract/extraction_request.h"
#include "extract/extraction_rules.h"
#include "extract/extraction_sink.h"

namespace telqor {

class ExtractionScanner;
class ItemProgress;

class ExtractionEngine {
 public:
  ExtractionEngine();
  // Stops a run still going and waits for its workers.
  ~ExtractionEngine();
  ExtractionEngine(const ExtractionEngine&) = delete;
  ExtractionEngine& operator=(const ExtractionEngine&) = delete;

  static constexpr int kWorkerCount = 5;

  // How an item is cut up. Tests make the sizes small to put the cuts everywhere.
  struct CutSizes {
    size_t piece = size_t{1} << 20;        // scanned at a time; the stop flag is looked at between pieces
    size_t partFrom = size_t{32} << 20;    // a text this large is scanned in parts side by side
    size_t streamFrom = size_t{64} << 20;  // a plain file this large is read a piece at a time
    int parts = 0;                         // parts at most; 0: one per core
  };
  using FileReader = ExtractionFileReader;
  // Set between runs.
  void SetCutSizes(const CutSizes& sizes) { sizes_ = sizes; }
  void SetFileReader(FileReader reader) { readFile_ = std::move(reader); }

  // ---- Running --------------------------------------------------------------------------
  // Starts a run of request reporting to sink, and returns at once. The sink and what the
  // request points to (its area codes) must outlive the run. Refused ("提取正在进行中，请等待完成")
  // while the workers of a run are alive; also when no worker could be started.
  void Start(ExtractionRequest request, ExtractionSink& sink);
  // Asks the workers to stop after their current item (a long scan or conversion is cut
  // short); returns at once. The run then ends as usual, keeping what was found.
  void RequestStop();
  // RequestStop, then Wait.
  void Stop();
  // Waits for the workers of the last run to end.
  void Wait();
  // True from Start until every worker has left (the sink's Done has returned).
  bool Active() const { return active_.load(); }
  bool Stopping() const { return stopping_.load(); }

  // Items in this run (the pasted text counts when not blank) and items finished so far (not
  // those a stop cut short).
  int ProgressTotal() const { return progressTotal_; }
  int ItemsDone() const { return itemsDone_.load(); }
  // The bytes of this run, the sizes of its files at Start and of the pasted text, and the bytes
  // scanned so far, moved on a piece at a time: one large file moves it too. An item whose
  // text is not its file (a converted document, a decoded file) moves it in proportion and
  // counts its file's size once done.
  uint64_t BytesTotal() const { return bytesTotal_; }
  uint64_t BytesDone() const { return bytesDone_.load(std::memory_order_relaxed); }

 private:
  ExtractionItem NextItem() EXCLUDES(queueLock_);
  // Scans an item; false when the run was stopped within it.
  bool ScanItem(ExtractionItem& item, ExtractionScanner& scanner, ItemProgress& progress);
  bool ScanText(std::string_view text, ExtractionScanner& scanner);
  bool ScanLargeFile(const std::filesystem::path& path, ExtractionScanner& scanner);
  bool ScanPattern(std::string_view text, ExtractionScanner& scanner);
  // The item's parts scanned side by side, scan(part, p) scanning part p.
  template <typename ScanPart>
  bool ScanParts(int parts, ExtractionScanner& scanner, const ScanPart& scan);
  void WorkerRun() EXCLUDES(queueLock_);
  void AddFailure(const ExtractionItem& item, std::string_view why) EXCLUDES(queueLock_);
  int PartsOf(size_t bytes) const;

  // Set at Start and only read while the run goes.
  ExtractionRules rules_;
  ExtractionSink* sink_ = nullptr;
  ExtractionResults* results_ = nullptr;
  CutSizes sizes_;
  FileReader readFile_;
  std::vector<std::filesystem::path> files_;  // first = next
  std::vector<uint64_t> fileBytes_;           // the size of each of files_ at Start
  int progressTotal_ = 0;
  uint64_t bytesTotal_ = 0;

  // The queue; the sink's Status and Failure are called under it.
  Mutex queueLock_;
  std::string pendingText_ GUARDED_BY(queueLock_);
  size_t nextFile_ GUARDED_BY(queueLock_) = 0;
  int handedOut_ GUARDED_BY(queueLock_) = 0;  // items handed out so far
  int activeWorkers_ GUARDED_BY(queueLock_) = 0;

  ExtractionCollector collector_;
  std::atomic<int> itemsDone_{0};
  std::atomic<uint64_t> bytesDone_{0};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> active_{false};
  std::vector<std::thread> workers_;  // the starting thread's alone
};

}  // namespace telqor
