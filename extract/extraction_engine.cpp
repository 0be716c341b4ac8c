#include "extract/extraction_engine.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/text/gbk_regex.h"
#include "core/platform/parallel.h"
#include "core/text/text.h"
#include "core/platform/thread_priority.h"
#include "extract/email_scan.h"
#include "documents/office_text.h"
#include "core/io/text_encoding.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

enum Kind { kRegex, kLandline, kEmail, kMobile, kUnknown, kKinds };

bool IsDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

// Bytes read from a text, d[0, n): whether the byte before d[0] and the one after d[n - 1] are
// known to hold no digit (the text's ends, or places where a piece may end), or are not known.
struct Known {
  const unsigned char* d;
  size_t n;
  bool startCut, endCut;
};

bool IsWideDigit(unsigned char lead, unsigned char trail) { return lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9; }

// The digits of the run from `from` on, ASCII or full-width ("０" is A3 B0); npos when the run
// may go on past the bytes known. `from` starts a character.
size_t DigitsFrom(const Known& k, size_t from) {
  size_t count = 0;
  for (size_t at = from;; ++count) {
    if (at >= k.n) return k.endCut ? count : std::string_view::npos;
    if (IsDigit(k.d[at])) {
      ++at;
    } else if (k.d[at] == 0xA3 && at + 1 >= k.n && !k.endCut) {
      return std::string_view::npos;
    } else if (at + 1 < k.n && IsWideDigit(k.d[at], k.d[at + 1])) {
      at += 2;
    } else {
      return count;
    }
  }
}

// Where the run of ASCII digits that ends just before `to` starts; npos when a full-width digit
// or a byte not known may belong to it.
size_t AsciiRunStart(const Known& k, size_t to) {
  size_t s = to;
  while (s > 0 && IsDigit(k.d[s - 1])) --s;
  if (s == 0) return k.startCut ? 0 : std::string_view::npos;
  if (k.d[s - 1] >= 0xB0 && k.d[s - 1] <= 0xB9 && (s >= 2 ? k.d[s - 2] == 0xA3 : !k.startCut))
    return std::string_view::npos;
  return s;
}

bool IsFirstGroup(const unsigned char* run, size_t length) {
  return length == 3 || (length == 5 && run[0] == '8' && run[1] == '6') ||
         (length == 7 && std::memcmp(run, "0086", 4) == 0);
}

bool IsPrefix(const unsigned char* run, size_t length) {
  return (length == 2 && run[0] == '8' && run[1] == '6') || (length == 4 && std::memcmp(run, "0086", 4) == 0);
}

// Whether the blank at i may join two groups of a mobile number written in groups, as the scan
// takes them (the mobile rule left aside): "86" or "0086" and a first group, a first group and a
// second, a second group and a third. Only then does a blank between digits matter: one between
// other runs ("13800000000 13900000000", "1234 5678 9012") may end a piece.
bool MayJoinGroups(const Known& k, size_t i) {
  const size_t after = DigitsFrom(k, i + 1);
  if (after == std::string_view::npos) return true;
  if (after != 3 && after != 4) return false;
  const size_t a = AsciiRunStart(k, i);
  if (a == std::string_view::npos) return true;
  if (a == i) return false;  // no digit before
  if (after == 3) return IsPrefix(k.d + a, i - a);
  if (IsFirstGroup(k.d + a, i - a)) return true;
  if (i - a != 4) return false;
  // A second group: one separator before it, and a first group before that.
  size_t separator = 0;
  if (a >= 1 && (k.d[a - 1] == ' ' || k.d[a - 1] == '-')) {
    separator = 1;
  } else if (a >= 2 && k.d[a - 1] == 0xA1 && k.d[a - 2] == 0xA1) {
    separator = 2;
  } else if (a < 2 && !k.startCut) {
    return true;
  }
  if (separator == 0) return false;
  const size_t c = AsciiRunStart(k, a - separator);
  if (c == std::string_view::npos) return true;
  return IsFirstGroup(k.d + c, a - separator - c);
}

// Whether a piece may end just after d[i]: no number or address runs across it, and it is never
// the second byte of a two-byte character. A blank that may join the groups of a mobile number
// ("138 0013 8000", "86 138 0013 8000") is no such place.
bool MayEndAfter(const Known& k, size_t i) {
  const unsigned char c = k.d[i];
  if (c >= '0' || IsMailChar(c)) return false;
  return c != ' ' || !MayJoinGroups(k, i);
}

// The end of the piece that starts at `from` of text: just after the first line break from
// `least` bytes on (within `piece` more); failing that, after the first byte a piece may end
// at; failing that, the end of the text.
size_t PieceEnd(std::string_view text, size_t from, size_t least, size_t piece) {
  if (text.size() - from <= least) return text.size();
  size_t lineEnd = text.find('\n', from + least);
  if (lineEnd != std::string_view::npos && lineEnd < from + least + piece) return lineEnd + 1;
  const Known known{reinterpret_cast<const unsigned char*>(text.data()), text.size(), true, true};
  for (size_t i = from + least; i < text.size(); ++i)
    if (MayEndAfter(known, i)) return i + 1;
  return text.size();
}

// The offset just after the first byte a piece may end at from `from` on (a line break
// preferred within `piece` bytes), or `end`, the file's size. Each window is read with some
// bytes before it, which tell whether a blank may end a piece.
uint64_t CutAfter(const RandomAccessFile& file, uint64_t from, uint64_t end, size_t piece) {
  constexpr size_t kLead = 32;
  std::string window(piece + kLead, '\0');
  uint64_t fallback = end;
  for (uint64_t at = from; at < end;) {
    const uint64_t start = at >= kLead ? at - kLead : 0;
    const size_t before = static_cast<size_t>(at - start);
    size_t got = file.ReadAt(start, window.data(), static_cast<size_t>(std::min<uint64_t>(window.size(), end - start)));
    if (got <= before) break;
    std::string_view bytes(window.data(), got);
    if (size_t line = bytes.find('\n', before); line != std::string_view::npos)
      return std::min(fallback, start + line + 1);
    const Known known{reinterpret_cast<const unsigned char*>(window.data()), got, start == 0, start + got >= end};
    if (fallback == end)
      for (size_t i = before; i < got; ++i)
        if (MayEndAfter(known, i)) {
          fallback = start + i + 1;
          break;
        }
    at = start + got;
    if (fallback != end && at >= from + piece) return fallback;
  }
  return fallback;
}

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

}  // namespace

namespace {

// Folds the full-width characters whose ASCII form is a digit or may be part of an address,
// copying text into out; false (out untouched) when there is none. Only these folds change what
// numbers and addresses are found: the ideographic space and full-width punctuation separate
// just as the two-byte characters do. They all start with the byte A3, so the text is searched
// for that byte and walked character by character only from a place before it where a
// character surely starts (after a byte below 0x40) to learn whether it starts one: no part of
// the text is walked twice.
bool FoldWhatMatters(std::string_view text, std::string& out) {
  const uint8_t* pairs = PairTable().data();
  const auto* d = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t known = 0;   // a character starts here
  size_t copied = 0;  // the text before this is in out
  bool any = false;
  for (size_t from = 0; from < n;) {
    const void* hit = std::memchr(d + from, 0xA3, n - from);
    if (!hit) break;
    const size_t p = static_cast<size_t>(static_cast<const unsigned char*>(hit) - d);
    from = p + 1;
    if (p + 1 >= n) break;
    const uint8_t ascii = pairs[size_t{0xA3} << 8 | d[p + 1]];
    if (ascii <= 1 || !(IsDigit(ascii) || IsMailChar(ascii))) continue;
    size_t q = p;
    while (q > known && d[q - 1] >= 0x40) --q;
    while (q < p) q += d[q] >= 0x80 && q + 1 < n && pairs[static_cast<size_t>(d[q] << 8 | d[q + 1])] != 0 ? 2 : 1;
    known = q;
    if (q != p) continue;  // the A3 is the second byte of a character
    if (!any) {
      out.clear();
      out.reserve(n);
      any = true;
    }
    out.append(text.data() + copied, p - copied);
    out.push_back(static_cast<char>(ascii));
    copied = known = from = p + 2;
  }
  if (!any) return false;
  out.append(text.data() + copied, n - copied);
  return true;
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

// ---- One thread's scans --------------------------------------------------------------------

// What one scanning thread found in a run: a collector per kind.
struct ExtractionEngine::Finds {
  FoundCollector kinds[kKinds];
};

// How far the scan of one item has come, in the bytes the item counts for in the run (its
// file's size), whatever the length of its text. Its parts, scanned side by side, report here.
struct ExtractionEngine::ItemProgress {
  uint64_t weight = 0;  // the bytes the item counts for
  uint64_t length = 0;  // the bytes of its text
  std::atomic<uint64_t> scanned{0};
  std::atomic<uint64_t> credited{0};

  // Adds the share of `bytes` more of the text scanned to the item and to done. Each call gets
  // its own stretch of the text, so the shares add up to the weight however the calls interleave.
  void Scanned(uint64_t bytes, std::atomic<uint64_t>& done) {
    const uint64_t after = scanned.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    const uint64_t share = Share(after) - Share(after - bytes);
    credited.fetch_add(share, std::memory_order_relaxed);
    done.fetch_add(share, std::memory_order_relaxed);
  }
  // The rest of the weight, once the item is left: scanned in full, stopped, failed or never
  // scanned as numbers (a pattern alone).
  void Finish(std::atomic<uint64_t>& done) const {
    const uint64_t got = credited.load(std::memory_order_relaxed);
    if (got < weight) done.fetch_add(weight - got, std::memory_order_relaxed);
  }

 private:
  uint64_t Share(uint64_t of) const {
    if (of >= length) return weight;
    if (weight == length) return of;
    return static_cast<uint64_t>(static_cast<long double>(of) * static_cast<long double>(weight) /
                                 static_cast<long double>(length));
  }
};

class ExtractionEngine::Scanner {
  // An e-mail address in a piece: its first byte, its "@" and the byte after it.
  struct Address {
    size_t begin, at, end;
  };

 public:
  Scanner(ExtractionEngine& search, Finds& finds) : search_(search), finds_(finds) {}

  // The start of an item: no area code seen yet.
  void StartItem() {
    lastArea_.clear();
    sawArea_ = false;
    holdLocals_ = false;
    heldLocals_.clear();
  }
  // A part of an item after its first: local numbers before the part's first area code are
  // held back until the area code of the parts before is known (ZoneMode 0).
  void StartLaterPart() {
    StartItem();
    holdLocals_ = search_.ZoneMode == 0;
  }
  // Where a later part's held locals get the area code that the parts before it end with.
  bool SawArea() const { return sawArea_; }
  const std::string& LastArea() const { return lastArea_; }
  void ReleaseHeldLocals(std::string_view area) {
    for (const std::string& local : heldLocals_) Add(kLandline, area, local);
    heldLocals_.clear();
  }

  // Where the pieces of the item are counted as scanned (none: not counted).
  void Track(ItemProgress* progress) { progress_ = progress; }
  ItemProgress* Tracked() const { return progress_; }

  // The numbers and addresses of one piece, its full-width characters folded first. The
  // addresses are found also when they are not wanted: their digits are no numbers. Addresses
  // alone are found from each "@" without folding the piece: only the stretches around one.
  void ScanPiece(std::string_view piece) {
    const size_t bytes = piece.size();
    addresses_.clear();
    if (!search_.WantNumbers()) {
      telqor::ScanFoldedEmails(piece, [&](std::string_view address) { Add(kEmail, address); });
      if (progress_) progress_->Scanned(bytes, search_.bytesDone_);
      return;
    }
    if (FoldWhatMatters(piece, folded_)) piece = folded_;
    telqor::ScanEmails(piece, [&](std::string_view address) {
      if (search_.WantEmail) Add(kEmail, address);
      const size_t begin = static_cast<size_t>(address.data() - piece.data());
      addresses_.push_back({begin, begin + address.find('@'), begin + address.size()});
    });
    ScanNumbers(piece);
    finds_.kinds[kMobile].CompactIfLarge();
    finds_.kinds[kLandline].CompactIfLarge();
    finds_.kinds[kUnknown].CompactIfLarge();
    if (progress_) progress_->Scanned(bytes, search_.bytesDone_);
  }

  // A text piece by piece; false when the run was stopped (the pieces before are kept).
  bool ScanPieces(std::string_view text) {
    while (!text.empty()) {
      size_t end = PieceEnd(text, 0, search_.Sizes.piece, search_.Sizes.piece);
      ScanPiece(text.substr(0, end));
      text.remove_prefix(end);
      if (!text.empty() && search_.stopping_.load(std::memory_order_relaxed)) return false;
    }
    return true;
  }

  // The range [begin, end) of a file, read a piece at a time; false when stopped.
  bool ScanFileRange(const RandomAccessFile& file, uint64_t begin, uint64_t end) {
    // Read into memory kept from piece to piece, never cleared first.
    std::unique_ptr<char[]> buffer;
    size_t capacity = 0;
    uint64_t at = begin;
    size_t carried = 0;  // bytes of the last read that belong to the next piece
    while (at < end || carried > 0) {
      size_t want = static_cast<size_t>(std::min<uint64_t>(search_.Sizes.piece, end - at));
      if (capacity < carried + want) {
        capacity = std::max(carried + want, capacity + capacity / 2);
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (carried) std::memcpy(grown.get(), buffer.get(), carried);
        buffer = std::move(grown);
      }
      size_t got = file.ReadAt(at, buffer.get() + carried, want);
      at += got;
      const size_t held = carried + got;
      bool last = at >= end || got == 0;  // a file that shrank ends the range where it ends
      size_t cut = held;
      if (!last) {
        // The piece ends after the last byte a piece may end at; the rest goes on with the next.
        const Known known{reinterpret_cast<const unsigned char*>(buffer.get()), held, true, false};
        while (cut > 0 && !MayEndAfter(known, cut - 1)) --cut;
        if (cut == 0) {  // no such byte yet: read on
          carried = held;
          continue;
        }
      }
      ScanPiece(std::string_view(buffer.get(), cut));
      carried = held - cut;
      std::memmove(buffer.get(), buffer.get() + cut, carried);
      if (last) {
        if (carried > 0) ScanPiece(std::string_view(buffer.get(), carried));
        break;
      }
      if (search_.stopping_.load(std::memory_order_relaxed)) return false;
    }
    return true;
  }

  // The user's pattern over a whole text, in order; false when stopped.
  bool ScanPattern(std::string_view text) {
    pattern_.SetRegEx(TrimBlanks(search_.UserPattern));
    pattern_.SetSubject(text);
    int sinceCheck = 0;
    for (bool found = pattern_.Match(); found; found = pattern_.MatchNext()) {
      std::string match = pattern_.MatchedText();
      // A match holding line breaks gives one item per line.
      if (match.find_first_of("\r\n") == std::string::npos) {
        Add(kRegex, match);
      } else {
        ForEachLine(match, [&](std::string_view line) { Add(kRegex, line); });
      }
      if (++sinceCheck == 4096) {
        if (search_.stopping_.load(std::memory_order_relaxed)) return false;
        sinceCheck = 0;
      }
    }
    return true;
  }

 private:
  void Add(int kind, std::string_view text) {
    if (search_.keep_[kind] && !text.empty()) finds_.kinds[kind].AddText(text);
  }
  void Add(int kind, std::string_view head, std::string_view digits) {
    if (search_.keep_[kind]) finds_.kinds[kind].AddJoined(head, digits);
  }
  void AddDigits(int kind, std::string_view digits) {
    if (search_.keep_[kind]) finds_.kinds[kind].AddDigits(digits);
  }

  bool IsMobile(const unsigned char* s, size_t length) const {
    return length == 11 && s[0] == '1' && search_.mobileSecond_[s[1] - '0'];
  }

  bool IsAreaCode(const unsigned char* s, size_t length) const {
    if (length == 3)
      return search_.areaCode3_[static_cast<size_t>((s[0] - '0') * 100 + (s[1] - '0') * 10 + s[2] - '0')];
    return search_
        .areaCode4_[static_cast<size_t>((s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + s[3] - '0')];
  }

  void SetArea(std::string_view area) {
    lastArea_.assign(area);
    sawArea_ = true;
  }

  // The address of the piece that holds a byte of [from, to), or null.
  const Address* AddressOver(size_t from, size_t to) const {
    auto it = std::upper_bound(addresses_.begin(), addresses_.end(), from,
                               [](size_t at, const Address& a) { return at < a.end; });
    return it != addresses_.end() && it->begin < to ? &*it : nullptr;
  }

  // The separator at q, just after a digit (so a character starts there), between the groups of
  // a mobile number: its length, 0 for none. A blank, "-" ("－" was folded to it) or the
  // ideographic space, which stays two bytes.
  static size_t SeparatorAt(const unsigned char* q, const unsigned char* end) {
    if (q >= end) return 0;
    if (*q == ' ' || *q == '-') return 1;
    return *q == 0xA1 && end - q >= 2 && q[1] == 0xA1 ? 2 : 0;
  }
  static size_t DigitsAt(const unsigned char* q, const unsigned char* end) {
    const unsigned char* r = q;
    while (r < end && IsDigit(*r)) ++r;
    return static_cast<size_t>(r - q);
  }

  // A mobile number written in groups of three, four and four digits joined by one separator
  // each ("138 0013 8000", "138-0013-8000"), after "86" or "0086" (a "+" before it is no
  // digit) and an optional separator: its digits, and the end of its last group; null when
  // the digit run at run does not start one. A "-" binds: a digit joined by one to the first or
  // last group makes a longer number ("2024-138-0013-8000", "138-0013-8000-1"), never taken, as
  // a run of twelve digits is not. A blank only parts words: "1 138 0013 8000" and "138 0013
  // 8000 139 0013 8001" hold mobile numbers. Nor is a number taken when an e-mail address holds
  // a digit of it.
  const unsigned char* GroupedMobile(const unsigned char* begin, const unsigned char* run, size_t length,
                                     const unsigned char* end, char (&digits)[11]) const {
    const unsigned char* group = run;  // the first group
    size_t first = length;
    const bool is86 = length >= 2 && run[0] == '8' && run[1] == '6';
    const bool is0086 = length >= 4 && std::memcmp(run, "0086", 4) == 0;
    if ((length == 5 && is86) || (length == 7 && is0086)) {
      group = run + length - 3;
      first = 3;
    } else if ((length == 2 && is86) || (length == 4 && is0086)) {
      const size_t separator = SeparatorAt(run + length, end);
      if (separator == 0) return nullptr;
      group = run + length + separator;
      first = DigitsAt(group, end);
    }
    if (first != 3 || group[0] != '1' || !search_.mobileSecond_[group[1] - '0']) return nullptr;
    if (run - begin >= 2 && run[-1] == '-' && IsDigit(run[-2])) return nullptr;
    std::memcpy(digits, group, 3);
    const unsigned char* q = group + 3;
    for (char* to = digits + 3; to < digits + 11; to += 4) {
      const size_t separator = SeparatorAt(q, end);
      if (separator == 0 || DigitsAt(q + separator, end) != 4) return nullptr;
      std::memcpy(to, q + separator, 4);
      q += separator + 4;
    }
    if (end - q >= 2 && q[0] == '-' && IsDigit(q[1])) return nullptr;
    if (AddressOver(static_cast<size_t>(run - begin), static_cast<size_t>(q - begin))) return nullptr;
    return q;
  }

  // Every maximal run of three or more digits, classified in order (the runs of a mobile number
  // written in groups taken together first); the last area code seen carries over from run to
  // run and piece to piece within the item.
  void ScanNumbers(std::string_view text) {
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = begin + text.size();
    const unsigned char* p = begin;
    while (p < end) {
      p = NextDigit(p, end);
      const unsigned char* run = p;
      while (p < end && IsDigit(*p)) ++p;
      size_t length = static_cast<size_t>(p - run);
      if (search_.MobileSeparators && length >= 2 && length <= 7) {
        char digits[11];
        if (const unsigned char* last = GroupedMobile(begin, run, length, end, digits)) {
          AddDigits(kMobile, std::string_view(digits, 11));
          p = last;
          continue;
        }
      }
      if (length < 3) continue;
      std::string_view s(reinterpret_cast<const char*>(run), length);
      // Digits of an e-mail address are no number and no area code: a QQ address is no
      // landline. People use their mobile number as the local part, so that one is taken.
      if (const Address* address = AddressOver(static_cast<size_t>(run - begin), static_cast<size_t>(p - begin))) {
        if (run - begin == static_cast<ptrdiff_t>(address->begin) && p - begin == static_cast<ptrdiff_t>(address->at) &&
            IsMobile(run, length))
          AddDigits(kMobile, s);
        continue;
      }
      if (IsAreaCode(run, 3)) {
        if (length == 3) {
          SetArea(s);
          continue;
        }
        if ((length == 10 || length == 11) && run[3] >= '2' && run[3] <= '8') {
          SetArea(s.substr(0, 3));
          AddDigits(kLandline, s);
          continue;
        }
      }
      if (length >= 4 && IsAreaCode(run, 4)) {
        if (length == 4) {
          SetArea(s);
          continue;
        }
        if ((length == 11 || length == 12) && run[4] >= '2' && run[4] <= '8') {
          SetArea(s.substr(0, 4));
          AddDigits(kLandline, s);
          continue;
        }
      }
      if ((length == 7 || length == 8) && run[0] >= '2' && run[0] <= '8') {
        if (search_.ZoneMode == 0 && holdLocals_ && !sawArea_) {
          if (search_.keep_[kLandline]) heldLocals_.emplace_back(s);
        } else {
          Add(kLandline, search_.ZoneMode == 0 ? lastArea_ : search_.ZoneMode == 1 ? search_.FixedZone : empty_, s);
        }
      } else if (IsMobile(run, length)) {
        AddDigits(kMobile, s);
      } else {
        AddDigits(kUnknown, s);
      }
    }
  }

  ExtractionEngine& search_;
  Finds& finds_;
  std::string lastArea_;  // the last area code seen in the item
  bool sawArea_ = false;
  bool holdLocals_ = false;
  std::vector<std::string> heldLocals_;
  std::vector<Address> addresses_;  // of the piece being scanned, in order
  ItemProgress* progress_ = nullptr;
  std::string folded_;
  GbkRegex pattern_;
  const std::string empty_;
};

// ---- The run -------------------------------------------------------------------------------

ExtractionEngine::ExtractionEngine() = default;

ExtractionEngine::~ExtractionEngine() {
  try {
    Stop();
  } catch (...) {
  }
}

FoundItems* ExtractionEngine::Target(int kind) const {
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

bool ExtractionEngine::WantPattern() const { return WantRegex && !TrimBlanks(UserPattern).empty(); }

ExtractionEngine::Finds& ExtractionEngine::NewFinds() {
  std::lock_guard lock(ResultLock);
  finds_.push_back(std::make_unique<Finds>());
  return *finds_.back();
}

void ExtractionEngine::Start() {
  if (active_.load()) throw std::runtime_error("提取正在进行中，请等待完成");
  Wait();  // the threads of the last run have left; join them
  for (int kind = 0; kind < kKinds; ++kind)
    if (!Target(kind)) throw std::logic_error("ExtractionEngine: a result list is missing");
  finds_.clear();
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
  handedOut_ = 0;
  failures_.clear();
  const bool text = !TrimBlanks(PendingText).empty();
  progressTotal_ = static_cast<int>(PendingFiles.size()) + (text ? 1 : 0);
  itemsDone_ = 0;
  bytesTotal_ = text ? PendingText.size() : 0;
  fileBytes_.assign(PendingFiles.size(), 0);
  for (size_t i = 0; i < PendingFiles.size(); ++i) {
    std::error_code error;
    if (fs::is_regular_file(PendingFiles[i], error)) {
      uint64_t size = fs::file_size(PendingFiles[i], error);
      fileBytes_[i] = error ? 0 : size;
    }
    bytesTotal_ += fileBytes_[i];
  }
  bytesDone_ = 0;
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

void ExtractionEngine::SetMobileSecondDigits() {
  std::fill(std::begin(mobileSecond_), std::end(mobileSecond_), false);
  bool any = false;
  for (char c : MobileSecondDigits)
    if (IsDigit(static_cast<unsigned char>(c))) mobileSecond_[c - '0'] = any = true;
  if (!any)
    for (char c : std::string_view("3456789")) mobileSecond_[c - '0'] = true;
}

ExtractionEngine::Item ExtractionEngine::NextItem() {
  std::lock_guard lock(QueueLock);
  Item item;
  if (stopping_) return item;
  if (!TrimBlanks(PendingText).empty()) {
    if (OnStatus) OnStatus("处理输入内容");
    ++handedOut_;
    item.isText = true;
    item.bytes = PendingText.size();
    item.text = std::move(PendingText);
    PendingText.clear();
    return item;
  }
  if (nextFile_ < PendingFiles.size()) {
    item.bytes = fileBytes_[nextFile_];
    item.path = PendingFiles[nextFile_++];
    ++handedOut_;
    if (OnStatus)
      OnStatus("处理:" + std::to_string(handedOut_) + "/" + std::to_string(progressTotal_) + "->" +
               PathToUtf8(item.path));
  }
  return item;
}

int ExtractionEngine::PartsOf(size_t bytes) const {
  if (bytes < Sizes.partFrom) return 1;
  size_t cores = Sizes.parts > 0 ? static_cast<size_t>(Sizes.parts) : std::max(1u, std::thread::hardware_concurrency());
  return static_cast<int>(std::clamp<size_t>(bytes / std::max<size_t>(1, Sizes.partFrom / 2), 1, cores));
}

// The numbers and addresses of a text, cut into parts scanned side by side when it is large;
// the area code a part ends with goes on to the held local numbers of the parts after it.
bool ExtractionEngine::ScanText(std::string_view text, Scanner& scanner) {
  scanner.StartItem();
  if (!WantNumbers() && !WantEmail) return true;
  const int parts = PartsOf(text.size());
  if (parts <= 1) return scanner.ScanPieces(text);
  std::vector<size_t> cuts{0};
  for (int p = 1; p < parts; ++p) {
    size_t from = std::max(cuts.back(), text.size() * static_cast<size_t>(p) / static_cast<size_t>(parts));
    cuts.push_back(from >= text.size() ? text.size() : PieceEnd(text, from, 0, Sizes.piece));
  }
  cuts.push_back(text.size());
  std::vector<std::unique_ptr<Scanner>> later;
  for (int p = 1; p < parts; ++p) {
    later.push_back(std::make_unique<Scanner>(*this, NewFinds()));
    later.back()->StartLaterPart();
    later.back()->Track(scanner.Tracked());
  }
  std::vector<char> completed(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int p) {
    Scanner& part = p == 0 ? scanner : *later[static_cast<size_t>(p - 1)];
    completed[static_cast<size_t>(p)] = part.ScanPieces(text.substr(cuts[p], cuts[p + 1] - cuts[p]));
  });
  std::string area = scanner.LastArea();
  for (auto& part : later) {
    part->ReleaseHeldLocals(area);
    if (part->SawArea()) area = part->LastArea();
  }
  return std::all_of(completed.begin(), completed.end(), [](char c) { return c != 0; });
}

// A large GBK (or ASCII) file in parts side by side, each read a piece at a time.
bool ExtractionEngine::ScanLargeFile(const fs::path& path, Scanner& scanner) {
  RandomAccessFile file(path);
  const uint64_t size = file.Size();
  scanner.StartItem();
  const int parts = PartsOf(static_cast<size_t>(size));
  std::vector<uint64_t> cuts{0};
  for (int p = 1; p < parts; ++p)
    cuts.push_back(CutAfter(file, std::max(cuts.back(), size * static_cast<uint64_t>(p) / static_cast<uint64_t>(parts)),
                            size, Sizes.piece));
  cuts.push_back(size);
  std::vector<std::unique_ptr<Scanner>> later;
  for (int p = 1; p < parts; ++p) {
    later.push_back(std::make_unique<Scanner>(*this, NewFinds()));
    later.back()->StartLaterPart();
    later.back()->Track(scanner.Tracked());
  }
  std::vector<char> completed(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int p) {
    Scanner& part = p == 0 ? scanner : *later[static_cast<size_t>(p - 1)];
    completed[static_cast<size_t>(p)] = part.ScanFileRange(file, cuts[p], cuts[p + 1]);
  });
  std::string area = scanner.LastArea();
  for (auto& part : later) {
    part->ReleaseHeldLocals(area);
    if (part->SawArea()) area = part->LastArea();
  }
  return std::all_of(completed.begin(), completed.end(), [](char c) { return c != 0; });
}

bool ExtractionEngine::ScanPattern(std::string_view text, Scanner& scanner) {
  if (!WantPattern()) return true;
  if (size_t first = FirstHalfWidthFold(text); first != std::string_view::npos) {
    std::string folded(text);
    FoldHalfWidthFrom(folded, first);
    return scanner.ScanPattern(folded);
  }
  return scanner.ScanPattern(text);
}

// Turns the item into GBK text and scans it: a large plain GBK file is read a piece at a
// time; anything else is held whole (a plain file mapped, not copied, unless it must be
// converted).
bool ExtractionEngine::ScanItem(Item& item, Scanner& scanner, ItemProgress& progress) {
  std::error_code error;
  std::string owned;
  std::string_view text;
  std::unique_ptr<FileContents> mapped;
  if (item.isText) {
    owned = std::move(item.text);
    text = owned;
  } else if (!fs::is_regular_file(item.path, error)) {
    // Not a file (gone, or a folder): the path itself is the text.
    owned = Utf8ToGbk(item.path.string());
    text = owned;
  } else if (ReadFile) {
    owned = ReadFile(item.path, stopping_);
    text = owned;
  } else if (OfficeKindOf(item.path) != OfficeKind::kNone) {
    owned = OfficeFileToText(item.path, false, &stopping_);
    text = owned;
  } else if (fs::file_size(item.path, error) >= Sizes.streamFrom && !WantPattern() &&
             DetectFileEncoding(item.path) == TextEncoding::kGbk) {
    progress.length = fs::file_size(item.path, error);
    if (error) progress.length = 0;
    return ScanLargeFile(item.path, scanner);
  } else {
    mapped = std::make_unique<FileContents>(item.path);
    std::string_view bytes = mapped->view();
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding == TextEncoding::kGbk) {
      text = bytes;
    } else {
      owned = DecodeToAnsi(bytes, encoding);
      mapped.reset();
      text = owned;
    }
  }
  progress.length = text.size();
  return ScanText(text, scanner) && ScanPattern(text, scanner);
}

void ExtractionEngine::WorkerRun() {
  LowerThreadPriority();
  Scanner scanner(*this, NewFinds());
  while (!stopping_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Item item = NextItem();
    if (item.isText ? TrimBlanks(item.text).empty() : item.path.empty()) break;
    ItemProgress progress;
    progress.weight = item.bytes;
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
    progress.Finish(bytesDone_);
    if (whole) ++itemsDone_;
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

// Every kind sorted once from what all the threads found, each result once.
void ExtractionEngine::FinishResults() {
  for (int kind = 0; kind < kKinds; ++kind) {
    std::vector<FoundCollector*> collectors;
    for (auto& finds : finds_) collectors.push_back(&finds->kinds[kind]);
    Target(kind)->Gather(collectors);
  }
  finds_.clear();
}

void ExtractionEngine::AddFailure(const Item& item, std::string_view why) {
  // The converters' messages name the file; any other names it here.
  std::string text(why);
  const std::string name = item.isText ? std::string("粘帖的内容") : PathToUtf8(item.path);
  if (text.find(name) == std::string::npos) text = "无法读取\"" + name + "\"" + (text.empty() ? "" : "：" + text);
  std::lock_guard lock(ResultLock);
  failures_.push_back(std::move(text));
}

std::vector<std::string> ExtractionEngine::Failures() const {
  std::lock_guard lock(ResultLock);
  return failures_;
}

void ExtractionEngine::RequestStop() { stopping_ = true; }

void ExtractionEngine::Stop() {
  RequestStop();
  Wait();
}

void ExtractionEngine::Wait() {
  for (std::thread& worker : Workers)
    if (worker.joinable()) worker.join();
  Workers.clear();
}

}  // namespace telqor
