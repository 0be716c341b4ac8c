#include "extract/extraction_engine.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "core/io/file_io.h"
#include "core/platform/parallel.h"
#include "core/text/text.h"
#include "core/platform/thread_priority.h"
#include "extract/extraction_scanner.h"
#include "extract/half_width.h"
#include "extract/text_pieces.h"

namespace telqor {

namespace fs = std::filesystem;

ExtractionEngine::ExtractionEngine() = default;

ExtractionEngine::~ExtractionEngine() {
  try {
    Stop();
  } catch (...) {
  }
}

void ExtractionEngine::Start(ExtractionRequest request, ExtractionSink& sink) {
  if (active_.load()) throw std::runtime_error("提取正在进行中，请等待完成");
  Wait();  // the threads of the last run have left; join them
  collector_.Clear();
  rules_ = CompileRules(request);
  sink_ = &sink;
  results_ = &sink.Results();
  stopping_ = false;
  const bool text = !TrimBlanks(request.text).empty();
  files_ = std::move(request.files);
  progressTotal_ = static_cast<int>(files_.size()) + (text ? 1 : 0);
  itemsDone_ = 0;
  bytesTotal_ = text ? request.text.size() : 0;
  fileBytes_.assign(files_.size(), 0);
  for (size_t i = 0; i < files_.size(); ++i) {
    std::error_code error;
    if (fs::is_regular_file(files_[i], error)) {
      uint64_t size = fs::file_size(files_[i], error);
      fileBytes_[i] = error ? 0 : size;
    }
    bytesTotal_ += fileBytes_[i];
  }
  bytesDone_ = 0;
  MutexLock hold(queueLock_);
  pendingText_ = text ? std::move(request.text) : std::string();
  nextFile_ = 0;
  handedOut_ = 0;
  activeWorkers_ = 0;
  active_ = true;
  for (int i = 0; i < kWorkerCount; ++i) {
    try {
      workers_.emplace_back([this] { WorkerRun(); });
      ++activeWorkers_;
    } catch (const std::system_error&) {
      // The run goes on with the workers that started.
    }
  }
  if (activeWorkers_ == 0) {
    active_ = false;
    throw std::runtime_error("无法启动提取线程");
  }
}

ExtractionItem ExtractionEngine::NextItem() {
  MutexLock hold(queueLock_);
  ExtractionItem item;
  if (stopping_) return item;
  if (!pendingText_.empty()) {
    sink_->Status("处理输入内容");
    ++handedOut_;
    item.isText = true;
    item.bytes = pendingText_.size();
    item.text = std::move(pendingText_);
    pendingText_.clear();
    return item;
  }
  if (nextFile_ < files_.size()) {
    item.bytes = fileBytes_[nextFile_];
    item.path = files_[nextFile_++];
    ++handedOut_;
    sink_->Status("处理:" + std::to_string(handedOut_) + "/" + std::to_string(progressTotal_) + "->" +
                  PathToUtf8(item.path));
  }
  return item;
}

int ExtractionEngine::PartsOf(size_t bytes) const {
  if (bytes < sizes_.partFrom) return 1;
  size_t cores =
      sizes_.parts > 0 ? static_cast<size_t>(sizes_.parts) : std::max(1u, std::thread::hardware_concurrency());
  return static_cast<int>(std::clamp<size_t>(bytes / std::max<size_t>(1, sizes_.partFrom / 2), 1, cores));
}

// The parts of an item scanned side by side, the first by the item's own scanner; the area code
// a part ends with goes on to the held local numbers of the parts after it.
template <typename ScanPart>
bool ExtractionEngine::ScanParts(int parts, ExtractionScanner& scanner, const ScanPart& scan) {
  std::vector<std::unique_ptr<ExtractionScanner>> later;
  for (int p = 1; p < parts; ++p) {
    later.push_back(std::make_unique<ExtractionScanner>(rules_, collector_.NewFinds(), stopping_, sizes_.piece));
    later.back()->StartLaterPart();
    later.back()->Track(scanner.Tracked());
  }
  std::vector<char> completed(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int p) {
    ExtractionScanner& part = p == 0 ? scanner : *later[static_cast<size_t>(p - 1)];
    completed[static_cast<size_t>(p)] = scan(part, p);
  });
  std::string area = scanner.LastArea();
  for (auto& part : later) {
    part->ReleaseHeldLocals(area);
    if (part->SawArea()) area = part->LastArea();
  }
  return std::all_of(completed.begin(), completed.end(), [](char c) { return c != 0; });
}

// The numbers and addresses of a text, cut into parts scanned side by side when it is large.
bool ExtractionEngine::ScanText(std::string_view text, ExtractionScanner& scanner) {
  scanner.StartItem();
  if (!rules_.wantNumbers && !rules_.wantEmail) return true;
  const int parts = PartsOf(text.size());
  if (parts <= 1) return scanner.ScanPieces(text);
  std::vector<size_t> cuts{0};
  for (int p = 1; p < parts; ++p) {
    size_t from = std::max(cuts.back(), text.size() * static_cast<size_t>(p) / static_cast<size_t>(parts));
    cuts.push_back(from >= text.size() ? text.size() : PieceEnd(text, from, 0, sizes_.piece));
  }
  cuts.push_back(text.size());
  return ScanParts(parts, scanner, [&](ExtractionScanner& part, int p) {
    return part.ScanPieces(text.substr(cuts[p], cuts[p + 1] - cuts[p]));
  });
}

// A large GBK (or ASCII) file in parts side by side, each read a piece at a time.
bool ExtractionEngine::ScanLargeFile(const fs::path& path, ExtractionScanner& scanner) {
  RandomAccessFile file(path);
  const uint64_t size = file.Size();
  scanner.StartItem();
  const int parts = PartsOf(static_cast<size_t>(size));
  std::vector<uint64_t> cuts{0};
  for (int p = 1; p < parts; ++p)
    cuts.push_back(CutAfter(file, std::max(cuts.back(), size * static_cast<uint64_t>(p) / static_cast<uint64_t>(parts)),
                            size, sizes_.piece));
  cuts.push_back(size);
  return ScanParts(parts, scanner,
                   [&](ExtractionScanner& part, int p) { return part.ScanFileRange(file, cuts[p], cuts[p + 1]); });
}

bool ExtractionEngine::ScanPattern(std::string_view text, ExtractionScanner& scanner) {
  if (rules_.pattern.empty()) return true;
  if (size_t first = FirstHalfWidthFold(text); first != std::string_view::npos) {
    std::string folded(text);
    FoldHalfWidthFrom(folded, first);
    return scanner.ScanPattern(folded);
  }
  return scanner.ScanPattern(text);
}

bool ExtractionEngine::ScanItem(ExtractionItem& item, ExtractionScanner& scanner, ItemProgress& progress) {
  ItemText text;
  const ItemReading reading{&readFile_, sizes_.streamFrom, rules_.pattern.empty()};
  text.Read(item, reading, stopping_);
  progress.SetLength(text.Length());
  if (!text.LargeFile().empty()) return ScanLargeFile(text.LargeFile(), scanner);
  return ScanText(text.Text(), scanner) && ScanPattern(text.Text(), scanner);
}

void ExtractionEngine::WorkerRun() {
  LowerThreadPriority();
  ExtractionScanner scanner(rules_, collector_.NewFinds(), stopping_, sizes_.piece);
  while (!stopping_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ExtractionItem item = NextItem();
    if (item.isText ? TrimBlanks(item.text).empty() : item.path.empty()) break;
    ItemProgress progress(item.bytes, bytesDone_);
    scanner.Track(&progress);
    bool whole = true;
    try {
      whole = ScanItem(item, scanner, progress);
    } catch (const std::exception& error) {
      // The item is dropped, what it added stays, and the user is told why, unless a stop cut
      // it short.
      if (!stopping_) AddFailure(item, error.what());
    } catch (...) {
      if (!stopping_) AddFailure(item, "");
    }
    scanner.Track(nullptr);
    progress.Finish();
    if (whole) ++itemsDone_;
  }
  bool last;
  {
    MutexLock hold(queueLock_);
    last = --activeWorkers_ == 0;
  }
  if (!last) return;
  try {
    collector_.Merge(*results_);
    sink_->Done();
  } catch (...) {
  }
  active_ = false;
}

void ExtractionEngine::AddFailure(const ExtractionItem& item, std::string_view why) {
  // The converters' messages name the file; any other names it here.
  std::string text(why);
  const std::string name = item.isText ? std::string("粘帖的内容") : PathToUtf8(item.path);
  if (text.find(name) == std::string::npos) text = "无法读取\"" + name + "\"" + (text.empty() ? "" : "：" + text);
  MutexLock hold(queueLock_);
  sink_->Failure(text);
}

void ExtractionEngine::RequestStop() { stopping_ = true; }

void ExtractionEngine::Stop() {
  RequestStop();
  Wait();
}

void ExtractionEngine::Wait() {
  for (std::thread& worker : workers_)
    if (worker.joinable()) worker.join();
  workers_.clear();
}

}  // namespace telqor
