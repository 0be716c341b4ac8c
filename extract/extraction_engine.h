// ExtractionEngine: the extraction engine. It finds mobile numbers, landlines, e-mail addresses and
// matches of a user pattern in pasted text and in files (plain text in any common encoding,
// HTML, office documents, pdf).
//
// A run hands out work items from one queue to five worker threads: first the pasted text,
// then one file per item. A worker turns its item into GBK text and scans it a piece of about
// a megabyte at a time (full-width characters folded to ASCII piece by piece, the stop flag
// looked at between pieces); a large item is cut into parts at line breaks and its parts are
// scanned side by side, one per core, the last area code carried from part to part as one scan
// would. A large plain file is read a piece at a time, never held whole. Each scanning thread
// keeps what it finds in collectors of its own (numbers as integers), so nothing is shared or
// looked up while the run goes; at its end every kind is sorted once, each distinct result
// kept once, into the FoundItems the caller hands over. A failing item (unreadable file,
// failed conversion, invalid pattern) is dropped silently, keeping what it had added; the run
// goes on.
//
// The worker whose exit brings the live count to zero, after every worker has left its loop,
// puts the results in order and calls OnDone, once per run. Status texts go to OnStatus,
// called on a worker while it holds the queue lock so that texts arrive in the order the items
// were handed out: the callback must return at once and never wait for the user-interface
// thread (store the text and let that thread pick it up).
//
// Inputs are set on the starting thread before Start and left alone until the run is done.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/lists/item_list.h"
#include "extract/found_items.h"

namespace telqor {

class ExtractionEngine {
 public:
  ExtractionEngine();
  // Stops a run still going and waits for its workers.
  ~ExtractionEngine();
  ExtractionEngine(const ExtractionEngine&) = delete;
  ExtractionEngine& operator=(const ExtractionEngine&) = delete;

  // ---- Inputs ---------------------------------------------------------------------------
  // Files to search, first = next. A path that is not an existing file is scanned as text.
  std::vector<std::filesystem::path> PendingFiles;
  // Pasted text (GBK); scanned first when not blank.
  std::string PendingText;
  bool WantRegex = false;
  bool WantMobile = false;
  bool WantEmail = false;
  bool WantLandline = false;
  // 0: a local number gets the last area code seen before it in its item; 1: FixedZone;
  // 2: none.
  int32_t ZoneMode = 0;
  std::string FixedZone;
  // Sorted, duplicate-free landline area codes; may be null or empty (then no digit run is
  // taken for an area code).
  const ItemList* AreaCodes = nullptr;
  // The user's pattern (GBK); used when WantRegex and not empty.
  std::string UserPattern;
  // The digits that may follow the leading "1" of an 11-digit run for it to be a mobile number
  // (the setting MobileSecondDigits); other characters are ignored, and a text without any
  // digit means the current numbering plan, "3456789".
  std::string MobileSecondDigits = "3456789";
  // Whether a mobile number written in groups of 3, 4 and 4 digits is taken too: "138 0013 8000",
  // "+86 138-0013-8000" (the setting MobileSeparators). Its groups are joined by one blank, "-"
  // or ideographic space each; "86", "+86" or "0086" may go before it.
  bool MobileSeparators = true;
  // Whether every kind found is kept (to be saved one file per kind), or only the kinds
  // wanted, digit runs of no kind never (to be appended to a list).
  bool KeepAllKinds = true;
  // The results of each kind (not owned; none may be null), replaced at the end of a run.
  FoundItems* RegexResults = nullptr;
  FoundItems* LandlineResults = nullptr;
  FoundItems* EmailResults = nullptr;
  FoundItems* MobileResults = nullptr;
  FoundItems* UnknownResults = nullptr;

  // Called on a worker under the queue lock with each status text (UTF-8).
  std::function<void(const std::string& text)> OnStatus;
  // Called once per run on the last worker, with the result lists in order.
  std::function<void()> OnDone;
  // Turns a file into GBK text, when set. Otherwise office documents and pdf are read through
  // their converters and any other file as text in its encoding (core/io/text_encoding.h; a GBK
  // file is mapped, not copied). The stop flag turns true when the run is being stopped.
  using FileReader = std::function<std::string(const std::filesystem::path&, const std::atomic<bool>& stop)>;
  FileReader ReadFile;

  static constexpr int WorkerCount = 5;

  // How an item is cut up. Tests make the sizes small to put the cuts everywhere.
  struct CutSizes {
    size_t piece = size_t{1} << 20;        // scanned at a time; the stop flag is looked at between pieces
    size_t partFrom = size_t{32} << 20;    // a text this large is scanned in parts side by side
    size_t streamFrom = size_t{64} << 20;  // a plain file this large is read a piece at a time
    int parts = 0;                         // parts at most; 0: one per core
  };
  CutSizes Sizes;

  // ---- Running --------------------------------------------------------------------------
  // Starts a run and returns at once. Refused ("提取正在进行中，请等待完成") while the workers
  // of a run are alive; also when no worker could be started.
  void Start();
  // Asks the workers to stop after their current item (a long scan or conversion is cut
  // short); returns at once. The run then ends as usual, keeping what was found.
  void RequestStop();
  // RequestStop, then Wait.
  void Stop();
  // Waits for the workers of the last run to end.
  void Wait();
  // True from Start until every worker has left (OnDone has returned).
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
  // Why each file of this run that could not be read was left out (UTF-8, each naming its file:
  // a document without its converter, a broken archive, a file gone), in the order the workers
  // met them; not the items a stop cut short. Read it once the run has ended.
  std::vector<std::string> Failures() const;

 private:
  struct Item {
    bool isText = false;
    std::string text;
    std::filesystem::path path;
    uint64_t bytes = 0;  // what it counts for in BytesTotal
  };
  class Scanner;
  struct Finds;
  struct ItemProgress;

  void SetMobileSecondDigits();
  Item NextItem();
  // Scans an item; false when the run was stopped within it.
  bool ScanItem(Item& item, Scanner& scanner, ItemProgress& progress);
  bool ScanText(std::string_view text, Scanner& scanner);
  bool ScanLargeFile(const std::filesystem::path& path, Scanner& scanner);
  bool ScanPattern(std::string_view text, Scanner& scanner);
  Finds& NewFinds();
  void WorkerRun();
  void FinishResults();
  void AddFailure(const Item& item, std::string_view why);
  FoundItems* Target(int kind) const;
  bool WantNumbers() const { return WantMobile || WantLandline; }
  bool WantPattern() const;
  int PartsOf(size_t bytes) const;

  std::mutex QueueLock;   // PendingText, PendingFiles, ActiveWorkers
  mutable std::mutex ResultLock;  // finds_, failures_
  int ActiveWorkers = 0;
  size_t nextFile_ = 0;
  int handedOut_ = 0;                // items handed out so far (under QueueLock)
  std::vector<uint64_t> fileBytes_;  // the size of each of PendingFiles at Start
  int progressTotal_ = 0;
  std::atomic<int> itemsDone_{0};
  uint64_t bytesTotal_ = 0;
  std::atomic<uint64_t> bytesDone_{0};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> active_{false};
  std::vector<std::thread> Workers;
  std::vector<std::unique_ptr<Finds>> finds_;  // what each scanning thread found in this run
  std::vector<std::string> failures_;          // the files of this run left out, and why
  bool keep_[5] = {};                          // the kinds kept in this run
  std::vector<uint8_t> areaCode3_;             // area codes of three digits, by value
  std::vector<uint8_t> areaCode4_;             // of four digits
  bool mobileSecond_[10] = {};                 // the second digits of mobile numbers
};

// The position of the first character ToHalfWidth would fold, or npos.
size_t FirstHalfWidthFold(std::string_view text);
// Full-width forms folded to ASCII, in place: the ideographic space becomes a space and
// "！" .. "～" (U+FF01 .. U+FF5E) become "!" .. "~", so full-width digits become digits. Every
// other byte stays as it is.
void ToHalfWidth(std::string& text);

}  // namespace telqor
