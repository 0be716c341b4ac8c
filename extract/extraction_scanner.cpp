#include "extract/extraction_scanner.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/text/text.h"
#include "extract/email_scan.h"
#include "extract/half_width.h"
#include "extract/text_pieces.h"

namespace telqor {

using enum FoundKind;

namespace {

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

}  // namespace

void ItemProgress::Scanned(uint64_t bytes) {
  const uint64_t after = scanned_.fetch_add(bytes, std::memory_order_relaxed) + bytes;
  const uint64_t share = Share(after) - Share(after - bytes);
  credited_.fetch_add(share, std::memory_order_relaxed);
  done_.fetch_add(share, std::memory_order_relaxed);
}

void ItemProgress::Finish() const {
  const uint64_t got = credited_.load(std::memory_order_relaxed);
  if (got < weight_) done_.fetch_add(weight_ - got, std::memory_order_relaxed);
}

uint64_t ItemProgress::Share(uint64_t of) const {
  if (of >= length_) return weight_;
  if (weight_ == length_) return of;
  return static_cast<uint64_t>(static_cast<long double>(of) * static_cast<long double>(weight_) /
                               static_cast<long double>(length_));
}

ExtractionScanner::ExtractionScanner(const ExtractionRules& rules, ThreadFinds& finds, const std::atomic<bool>& stop,
                                     size_t pieceSize)
    : rules_(rules), finds_(finds), stop_(stop), pieceSize_(pieceSize) {}

const std::string& ExtractionScanner::LocalAreaCode() const {
  switch (rules_.areaCodeMode) {
    case AreaCodeMode::kLastSeen:
      return lastArea_;
    case AreaCodeMode::kFixed:
      return rules_.fixedAreaCode;
    case AreaCodeMode::kNone:
      break;
  }
  return empty_;
}

// The start of an item: no area code seen yet.
void ExtractionScanner::StartItem() {
  lastArea_.clear();
  sawArea_ = false;
  holdLocals_ = false;
  heldLocals_.clear();
}

// A part of an item after its first: local numbers before the part's first area code are
// held back until the area code of the parts before is known (AreaCodeMode::kLastSeen).
void ExtractionScanner::StartLaterPart() {
  StartItem();
  holdLocals_ = rules_.areaCodeMode == AreaCodeMode::kLastSeen;
}

void ExtractionScanner::ReleaseHeldLocals(std::string_view area) {
  for (const std::string& local : heldLocals_) Add(kLandline, area, local);
  heldLocals_.clear();
}

// The numbers and addresses of one piece, its full-width characters folded first. The
// addresses are found also when they are not wanted: their digits are no numbers. Addresses
// alone are found from each "@" without folding the piece: only the stretches around one.
void ExtractionScanner::ScanPiece(std::string_view piece) {
  const size_t bytes = piece.size();
  addresses_.clear();
  if (!rules_.wantNumbers) {
    telqor::ScanFoldedEmails(piece, [&](std::string_view address) { Add(kEmail, address); });
    if (progress_) progress_->Scanned(bytes);
    return;
  }
  if (FoldWhatMatters(piece, folded_)) piece = folded_;
  telqor::ScanEmails(piece, [&](std::string_view address) {
    if (rules_.wantEmail) Add(kEmail, address);
    const size_t begin = static_cast<size_t>(address.data() - piece.data());
    addresses_.push_back({begin, begin + address.find('@'), begin + address.size()});
  });
  ScanNumbers(piece);
  finds_.Of(kMobile).CompactIfLarge();
  finds_.Of(kLandline).CompactIfLarge();
  finds_.Of(kUnknown).CompactIfLarge();
  if (progress_) progress_->Scanned(bytes);
}

// A text piece by piece; false when the run was stopped (the pieces before are kept).
bool ExtractionScanner::ScanPieces(std::string_view text) {
  while (!text.empty()) {
    size_t end = PieceEnd(text, 0, pieceSize_, pieceSize_);
    ScanPiece(text.substr(0, end));
    text.remove_prefix(end);
    if (!text.empty() && stop_.load(std::memory_order_relaxed)) return false;
  }
  return true;
}

// The range [begin, end) of a file, read a piece at a time; false when stopped.
bool ExtractionScanner::ScanFileRange(const RandomAccessFile& file, uint64_t begin, uint64_t end) {
  // Read into memory kept from piece to piece, never cleared first.
  std::unique_ptr<char[]> buffer;
  size_t capacity = 0;
  uint64_t at = begin;
  size_t carried = 0;  // bytes of the last read that belong to the next piece
  while (at < end || carried > 0) {
    size_t want = static_cast<size_t>(std::min<uint64_t>(pieceSize_, end - at));
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
      const KnownBytes known{reinterpret_cast<const unsigned char*>(buffer.get()), held, true, false};
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
    if (stop_.load(std::memory_order_relaxed)) return false;
  }
  return true;
}

// The user's pattern over a whole text, in order; false when stopped.
bool ExtractionScanner::ScanPattern(std::string_view text) {
  pattern_.SetRegEx(rules_.pattern);
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
      if (stop_.load(std::memory_order_relaxed)) return false;
      sinceCheck = 0;
    }
  }
  return true;
}

void ExtractionScanner::Add(FoundKind kind, std::string_view text) {
  if (rules_.Keeps(kind) && !text.empty()) finds_.Of(kind).AddText(text);
}

void ExtractionScanner::Add(FoundKind kind, std::string_view head, std::string_view digits) {
  if (rules_.Keeps(kind)) finds_.Of(kind).AddJoined(head, digits);
}

void ExtractionScanner::AddDigits(FoundKind kind, std::string_view digits) {
  if (rules_.Keeps(kind)) finds_.Of(kind).AddDigits(digits);
}

void ExtractionScanner::SetArea(std::string_view area) {
  lastArea_.assign(area);
  sawArea_ = true;
}

// The address of the piece that holds a byte of [from, to), or null.
const ExtractionScanner::Address* ExtractionScanner::AddressOver(size_t from, size_t to) const {
  auto it = std::upper_bound(addresses_.begin(), addresses_.end(), from,
                             [](size_t at, const Address& a) { return at < a.end; });
  return it != addresses_.end() && it->begin < to ? &*it : nullptr;
}

// The separator at q, just after a digit (so a character starts there), between the groups of
// a mobile number: its length, 0 for none. A blank, "-" ("－" was folded to it) or the
// ideographic space, which stays two bytes.
size_t ExtractionScanner::SeparatorAt(const unsigned char* q, const unsigned char* end) {
  if (q >= end) return 0;
  if (*q == ' ' || *q == '-') return 1;
  return *q == 0xA1 && end - q >= 2 && q[1] == 0xA1 ? 2 : 0;
}

size_t ExtractionScanner::DigitsAt(const unsigned char* q, const unsigned char* end) {
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
const unsigned char* ExtractionScanner::GroupedMobile(const unsigned char* begin, const unsigned char* run,
                                                      size_t length, const unsigned char* end,
                                                      char (&digits)[11]) const {
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
  if (first != 3 || group[0] != '1' || !rules_.mobileSecond[static_cast<size_t>(group[1] - '0')]) return nullptr;
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
// run and piece to piece within the item. A run after a digit and "." is the fraction of a
// decimal (324374.15999999997, 0.13912345678): a digit run of no kind, never a number, part of
// one or an area code. A piece never starts just after "." (text_pieces.h), so the bytes before
// a run that are not in its piece are never a decimal's.
void ExtractionScanner::ScanNumbers(std::string_view text) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* end = begin + text.size();
  const unsigned char* p = begin;
  while (p < end) {
    p = NextDigit(p, end);
    const unsigned char* run = p;
    while (p < end && IsDigit(*p)) ++p;
    size_t length = static_cast<size_t>(p - run);
    if (length < 2) continue;  // no number, nor a group of one
    const bool fraction = run - begin >= 2 && run[-1] == '.' && IsDigit(run[-2]);
    if (rules_.mobileSeparators && length <= 7 && !fraction) {
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
          rules_.IsMobile(run, length))
        AddDigits(kMobile, s);
      continue;
    }
    if (fraction) {
      AddDigits(kUnknown, s);
      continue;
    }
    if (rules_.IsAreaCode(run, 3)) {
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
    if (length >= 4 && rules_.IsAreaCode(run, 4)) {
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
      if (rules_.areaCodeMode == AreaCodeMode::kLastSeen && holdLocals_ && !sawArea_) {
        if (rules_.Keeps(kLandline)) heldLocals_.emplace_back(s);
      } else {
        Add(kLandline, LocalAreaCode(), s);
      }
    } else if (rules_.IsMobile(run, length)) {
      AddDigits(kMobile, s);
    } else {
      AddDigits(kUnknown, s);
    }
  }
}

}  // namespace telqor
