#include "extract/hm_search.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "core/file_io.h"
#include "core/gbk.h"
#include "core/perl_regex.h"
#include "core/text.h"
#include "extract/result_set.h"
#include "tools/office_text.h"
#include "tools/text_encoding.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

enum Kind { kRegex, kLandline, kEmail, kMobile, kUnknown, kKinds };

// A worker hands its results over in batches of this many items (and at the end of each
// item); the shared lists keep each result once.
constexpr int kBatch = 1 << 16;
// A large text is scanned a piece of about this many bytes at a time, every kind in each
// piece, and the stop flag is looked at between pieces.
constexpr size_t kPiece = size_t{1} << 24;

struct Stopped {};

bool IsDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The first digit at or after p, or end.
const unsigned char* NextDigit(const unsigned char* p, const unsigned char* end) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  if constexpr (std::endian::native == std::endian::little) {
    while (end - p >= 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      uint64_t t = w ^ (kOnes * '0');  // a digit becomes a byte below 10
      uint64_t hit = (t - kOnes * 10) & ~t & kHigh;
      if (hit) return p + std::countr_zero(hit) / 8;
      p += 8;
    }
  }
  while (p < end && !IsDigit(*p)) ++p;
  return p;
}

// What the two bytes at a lead byte are, by (lead << 8 | next): 0 no character (the lead byte
// stands alone), 1 a character kept as it is, else the ASCII byte the character folds to.
const std::vector<uint8_t>& PairTable() {
  static const std::vector<uint8_t> table = [] {
    std::vector<uint8_t> t(65536, 0);
    char pair[2];
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        pair[0] = static_cast<char>(lead), pair[1] = static_cast<char>(trail);
        size_t length;
        uint32_t cp = GbkCodePointAt(std::string_view(pair, 2), 0, length);
        if (length != 2) continue;
        uint8_t& entry = t[static_cast<size_t>(lead << 8 | trail)];
        entry = 1;
        if (cp == 0x3000) entry = ' ';
        if (cp >= 0xFF01 && cp <= 0xFF5E) entry = static_cast<uint8_t>(cp - 0xFEE0);
      }
    }
    return t;
  }();
  return table;
}

// Whether c may be part of an e-mail address match (\w, "-", "+", ".", "@").
bool IsMailChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_' || c == '-' || c == '+' ||
         c == '.' || c == '@';
}

void LowerPriority() {
#ifdef SYS_gettid
  // Linux gives each thread its own nice value: workers yield to the user interface, yet are
  // not starved by every other program (19 would leave them a few percent of a busy core).
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
}

}  // namespace

size_t FirstHalfWidthFold(std::string_view text) {
  const uint8_t* pairs = PairTable().data();
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  size_t n = text.size();
  for (size_t i = 0; i < n;) {
    unsigned char b = data[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    uint8_t kind = i + 1 < n ? pairs[static_cast<size_t>(b << 8 | data[i + 1])] : uint8_t{0};
    if (kind > 1) return i;
    i += kind == 1 ? 2 : 1;
  }
  return std::string_view::npos;
}

namespace {

// ToHalfWidth from the first character to fold, at in.
void FoldHalfWidthFrom(std::string& text, size_t in) {
  const uint8_t* pairs = PairTable().data();
  auto* data = reinterpret_cast<unsigned char*>(text.data());
  size_t n = text.size(), out = in;
  while (in < n) {
    unsigned char b = data[in];
    if (b < 0x80) {
      data[out++] = data[in++];
      continue;
    }
    uint8_t kind = in + 1 < n ? pairs[static_cast<size_t>(b << 8 | data[in + 1])] : uint8_t{0};
    if (kind > 1) {
      data[out++] = kind;
      in += 2;
    } else {
      data[out++] = data[in++];
      if (kind == 1) data[out++] = data[in++];
    }
  }
  text.resize(out);
}

}  // namespace

void ToHalfWidth(std::string& text) {
  if (size_t first = FirstHalfWidthFold(text); first != std::string::npos) FoldHalfWidthFrom(text, first);
}

// ---- One worker's scans --------------------------------------------------------------------

class THmSearch::Scanner {
 public:
  explicit Scanner(THmSearch& search) : search_(search) {
    // Items are added whole: numbers hold no line break, and matches were split at theirs.
    for (TSList& list : local_) list.SetLoading(true);
  }

  // Piece by piece, so that a stop leaves every kind found up to the same place of the text.
  void Scan(std::string_view text) {
    lastArea_.clear();
    while (!text.empty()) {
      size_t end = PieceEnd(text);
      std::string_view piece = text.substr(0, end);
      if (search_.WantMobile || search_.WantLandline) ScanNumbers(piece);
      if (search_.WantEmail) ScanEmails(piece);
      if (search_.WantRegex && !search_.UserPattern.empty()) ScanPattern(piece);
      text.remove_prefix(end);
      if (!text.empty()) CheckStop();
    }
  }

  // Hands the results collected so far over to the shared lists, which keep each once.
  void Flush() {
    std::lock_guard lock(search_.ResultLock);
    for (int kind = 0; kind < kKinds; ++kind) {
      TSList& local = local_[kind];
      ResultSet& shared = *search_.sets_[kind];
      for (int i = 0; i < local.Count(); ++i) shared.Add(local[i]);
      local.Clear();
    }
    pending_ = 0;
  }

 private:
  void Add(int kind, std::string_view s) {
    if (!search_.keep_[kind] || s.empty()) return;
    local_[kind].Add(s);
    if (++pending_ >= kBatch) Flush();
  }

  // The end of the piece that starts the text: just after the first line break from kPiece on;
  // failing that, after a byte that no number or address holds (an ASCII byte below "0" is
  // never half of a character); failing that, the whole text.
  static size_t PieceEnd(std::string_view text) {
    if (text.size() <= kPiece) return text.size();
    size_t lineEnd = text.find('\n', kPiece);
    if (lineEnd != std::string_view::npos && lineEnd < 2 * kPiece) return lineEnd + 1;
    for (size_t i = kPiece; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c < '0' && !IsMailChar(c)) return i + 1;
    }
    return text.size();
  }

  void CheckStop() {
    if (search_.stopping_.load(std::memory_order_relaxed)) throw Stopped{};
  }

  bool IsAreaCode(const unsigned char* s, size_t length) const {
    if (length == 3)
      return search_.areaCode3_[static_cast<size_t>((s[0] - '0') * 100 + (s[1] - '0') * 10 + s[2] - '0')];
    return search_
        .areaCode4_[static_cast<size_t>((s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + s[3] - '0')];
  }

  // Every maximal run of three or more digits, classified in order; the last area code seen
  // carries over from run to run within the text.
  void ScanNumbers(std::string_view text) {
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = begin + text.size();
    const unsigned char* p = begin;
    std::string value;
    while (p < end) {
      p = NextDigit(p, end);
      const unsigned char* run = p;
      while (p < end && IsDigit(*p)) ++p;
      size_t length = static_cast<size_t>(p - run);
      if (length < 3) continue;
      std::string_view s(reinterpret_cast<const char*>(run), length);
      if (IsAreaCode(run, 3)) {
        if (length == 3) {
          lastArea_.assign(s);
          continue;
        }
        if ((length == 10 || length == 11) && run[3] >= '2' && run[3] <= '8') {
          lastArea_.assign(s.substr(0, 3));
          Add(kLandline, s);
          continue;
        }
      }
      if (length >= 4 && IsAreaCode(run, 4)) {
        if (length == 4) {
          lastArea_.assign(s);
          continue;
        }
        if ((length == 11 || length == 12) && run[4] >= '2' && run[4] <= '8') {
          lastArea_.assign(s.substr(0, 4));
          Add(kLandline, s);
          continue;
        }
      }
      if ((length == 7 || length == 8) && run[0] >= '2' && run[0] <= '8') {
        const std::string& zone = search_.ZoneMode == 0   ? lastArea_
                                  : search_.ZoneMode == 1 ? search_.FixedZone
                                                          : empty_;
        value.assign(zone).append(s);
        Add(kLandline, value);
      } else if (length == 11 && run[0] == '1' && search_.mobileSecond_[run[1] - '0']) {
        Add(kMobile, s);
      } else {
        Add(kUnknown, s);
      }
    }
  }

  // An address lies within one stretch of the characters it may hold, so only stretches with
  // an "@" go to the pattern. Two-byte characters end a stretch (their second byte may look
  // like a letter or "@"), exactly as the pattern sees them.
  void ScanEmails(std::string_view text) {
    if (!std::memchr(text.data(), '@', text.size())) return;
    mail_.SetRegEx("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*");
    size_t n = text.size(), i = 0;
    while (i < n) {
      size_t start = i;
      bool at = false;
      while (i < n && IsMailChar(static_cast<unsigned char>(text[i]))) at |= text[i++] == '@';
      if (at) CollectMatches(mail_, text.substr(start, i - start), kEmail);
      // Past the characters that cannot be part of an address, two-byte ones whole.
      while (i < n && !IsMailChar(static_cast<unsigned char>(text[i]))) {
        size_t length;
        GbkCodePointAt(text, i, length);
        i += length;
      }
    }
  }

  void ScanPattern(std::string_view text) {
    pattern_.SetRegEx(TrimBlanks(search_.UserPattern));
    CollectMatches(pattern_, text, kRegex);
  }

  // Every match in order; a match holding line breaks gives one item per line.
  void CollectMatches(TPerlRegEx& regex, std::string_view subject, int kind) {
    regex.SetSubject(subject);
    int sinceCheck = 0;
    for (bool found = regex.Match(); found; found = regex.MatchNext()) {
      std::string match = regex.MatchedText();
      if (match.find_first_of("\r\n") == std::string::npos) {
        Add(kind, match);
      } else {
        ForEachLine(match, [&](std::string_view line) { Add(kind, line); });
      }
      if (++sinceCheck == 4096) {
        CheckStop();
        sinceCheck = 0;
      }
    }
  }

  THmSearch& search_;
  std::string lastArea_;  // the last area code seen in the item, carried from piece to piece
  TSList local_[kKinds];
  int pending_ = 0;
  TPerlRegEx mail_;
  TPerlRegEx pattern_;
  const std::string empty_;
};

// ---- The run -------------------------------------------------------------------------------

THmSearch::THmSearch() = default;

THmSearch::~THmSearch() {
  try {
    Stop();
  } catch (...) {
  }
}

TSList* THmSearch::Target(int kind) const {
  switch (kind) {
    case kRegex:
      return RegexResults;
    case kLandline:
      return LandlineResults;
    case kEmail:
      return EmailResults;
    case kMobile:
      return MobileResults;
    default:
      return UnknownResults;
  }
}

void THmSearch::Start() {
  if (active_.load()) throw std::runtime_error("提取正在进行中，请等待完成");
  Wait();  // the threads of the last run have left; join them
  for (int kind = 0; kind < kKinds; ++kind) {
    if (!Target(kind)) throw std::logic_error("THmSearch: a result list is missing");
    Target(kind)->SetSorted(false);
    Target(kind)->SetLoading(true);
    sets_[kind] = std::make_unique<ResultSet>(*Target(kind));
  }
  keep_[kRegex] = KeepAllKinds || WantRegex;
  keep_[kLandline] = KeepAllKinds || WantLandline;
  keep_[kEmail] = KeepAllKinds || WantEmail;
  keep_[kMobile] = KeepAllKinds || WantMobile;
  keep_[kUnknown] = KeepAllKinds;
  areaCode3_.assign(1000, 0);
  areaCode4_.assign(10000, 0);
  if (AreaCodes) {
    for (int i = 0; i < AreaCodes->Count(); ++i) {
      std::string_view code = AreaCodes->View(i);
      bool digits = code.size() == 3 || code.size() == 4;
      for (char c : code) digits = digits && IsDigit(static_cast<unsigned char>(c));
      if (!digits) continue;
      int value = 0;
      for (char c : code) value = value * 10 + (c - '0');
      (code.size() == 3 ? areaCode3_ : areaCode4_)[static_cast<size_t>(value)] = 1;
    }
  }

  SetMobileSecondDigits();

  stopping_ = false;
  nextFile_ = 0;
  TotalItems = static_cast<int>(PendingFiles.size()) + 1;
  progressTotal_ = static_cast<int>(PendingFiles.size()) + (TrimBlanks(PendingText).empty() ? 0 : 1);
  itemsDone_ = 0;
  std::lock_guard lock(QueueLock);
  ActiveWorkers = 0;
  active_ = true;
  for (int i = 0; i < WorkerCount; ++i) {
    try {
      Workers.emplace_back([this] { WorkerRun(); });
      ++ActiveWorkers;
    } catch (const std::system_error&) {
      // The run goes on with the workers that started.
    }
  }
  if (ActiveWorkers == 0) {
    active_ = false;
    throw std::runtime_error("无法启动提取线程");
  }
}

void THmSearch::SetMobileSecondDigits() {
  std::fill(std::begin(mobileSecond_), std::end(mobileSecond_), false);
  bool any = false;
  for (char c : MobileSecondDigits)
    if (IsDigit(static_cast<unsigned char>(c))) mobileSecond_[c - '0'] = any = true;
  if (!any)
    for (char c : std::string_view("3456789")) mobileSecond_[c - '0'] = true;
}

THmSearch::Item THmSearch::NextItem() {
  std::lock_guard lock(QueueLock);
  Item item;
  if (stopping_) return item;
  if (!TrimBlanks(PendingText).empty()) {
    if (OnStatus) OnStatus("处理输入内容");
    item.isText = true;
    item.text = std::move(PendingText);
    PendingText.clear();
    return item;
  }
  if (nextFile_ < PendingFiles.size()) {
    item.path = PendingFiles[nextFile_++];
    int remaining = static_cast<int>(PendingFiles.size() - nextFile_);
    if (OnStatus)
      OnStatus("处理:" + std::to_string(TotalItems - remaining) + "/" + std::to_string(TotalItems) + "->" +
               DisplayPath(item.path));
  }
  return item;
}

// The text of an item, in owned or, for a plain GBK (or ASCII) file, a view of the mapped file
// (no copy of a large file unless a character has to be folded). A file in UTF-8, with or
// without its mark, or UTF-16 is converted to GBK. Characters GBK cannot hold become '?'
// without a word: they are never part of a number or an address, and a run has no place to say
// so but the status line, which the next item overwrites.
std::string_view THmSearch::ItemText(Item& item, std::string& owned, std::unique_ptr<FileContents>& mapped) {
  std::error_code error;
  if (item.isText) {
    owned = std::move(item.text);
  } else if (!fs::is_regular_file(item.path, error)) {
    // Not a file (gone, or a folder): the path itself is the text.
    owned = Utf8ToGbk(item.path.string());
  } else if (ReadFile) {
    owned = ReadFile(item.path, stopping_);
  } else if (OfficeKindOf(item.path) != OfficeKind::kNone) {
    owned = OfficeFileToText(item.path, false, &stopping_);
  } else {
    mapped = std::make_unique<FileContents>(item.path);
    std::string_view bytes = mapped->view();
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding == TextEncoding::kGbk) return bytes;
    owned = DecodeToAnsi(bytes, encoding);
    mapped.reset();
  }
  return owned;
}

void THmSearch::WorkerRun() {
  LowerPriority();
  Scanner scanner(*this);
  while (!stopping_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Item item = NextItem();
    if (item.isText ? TrimBlanks(item.text).empty() : item.path.empty()) break;
    try {
      std::string owned;
      std::unique_ptr<FileContents> mapped;
      std::string_view text = ItemText(item, owned, mapped);
      if (size_t first = FirstHalfWidthFold(text); first != std::string_view::npos) {
        if (text.data() != owned.data()) owned.assign(text);  // a mapped file is copied only now
        mapped.reset();
        FoldHalfWidthFrom(owned, first);
        text = owned;
      }
      scanner.Scan(text);
    } catch (...) {
      // The item is dropped; what it added stays.
    }
    try {
      scanner.Flush();
    } catch (...) {
    }
    ++itemsDone_;
  }
  bool last;
  {
    std::lock_guard lock(QueueLock);
    last = --ActiveWorkers == 0;
  }
  if (!last) return;
  try {
    FinishResults();
    if (OnDone) OnDone();
  } catch (...) {
  }
  active_ = false;
}

void THmSearch::FinishResults() {
  for (int kind = 0; kind < kKinds; ++kind) {
    TSList& list = *Target(kind);
    sets_[kind].reset();
    list.SetSorted(true);  // one sort: the items are distinct already
    list.SetLoading(false);
  }
}

void THmSearch::RequestStop() { stopping_ = true; }

void THmSearch::Stop() {
  RequestStop();
  Wait();
}

void THmSearch::Wait() {
  for (std::thread& worker : Workers)
    if (worker.joinable()) worker.join();
  Workers.clear();
}

}  // namespace telqor
