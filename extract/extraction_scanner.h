// ExtractionScanner: one thread's scan of the pieces of an item. It finds numbers, addresses and
// pattern matches by the run's compiled rules, adds them to its thread's finds, and counts the
// bytes it scanned toward the item's progress. It knows nothing of the engine: the rules, the
// finds and the stop flag are all it is given.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/file_io.h"
#include "core/text/gbk_regex.h"
#include "extract/extraction_collector.h"
#include "extract/extraction_rules.h"

namespace telqor {

// How far the scan of one item has come, in the bytes the item counts for in the run (its
// file's size), whatever the length of its text. Its parts, scanned side by side, report here;
// each share goes on to the run's bytes done as it is scanned.
class ItemProgress {
 public:
  // weight: the bytes the item counts for.
  ItemProgress(uint64_t weight, std::atomic<uint64_t>& done) : weight_(weight), done_(done) {}
  ItemProgress(const ItemProgress&) = delete;
  ItemProgress& operator=(const ItemProgress&) = delete;

  // The bytes of the item's text, once it is known (before any piece is scanned).
  void SetLength(uint64_t length) { length_ = length; }
  // Adds the share of `bytes` more of the text scanned. Each call gets its own stretch of the
  // text, so the shares add up to the weight however the calls interleave.
  void Scanned(uint64_t bytes);
  // The rest of the weight, once the item is left: scanned in full, stopped, failed or never
  // scanned as numbers (a pattern alone).
  void Finish() const;

 private:
  uint64_t Share(uint64_t of) const;

  const uint64_t weight_;
  uint64_t length_ = 0;
  std::atomic<uint64_t>& done_;
  std::atomic<uint64_t> scanned_{0};
  std::atomic<uint64_t> credited_{0};
};

class ExtractionScanner {
 public:
  // pieceSize: the bytes scanned at a time; the stop flag is looked at between pieces.
  ExtractionScanner(const ExtractionRules& rules, ThreadFinds& finds, const std::atomic<bool>& stop, size_t pieceSize);
  ExtractionScanner(const ExtractionScanner&) = delete;
  ExtractionScanner& operator=(const ExtractionScanner&) = delete;

  // The start of an item: no area code seen yet.
  void StartItem();
  // A part of an item after its first: its local numbers before its first area code are held
  // back until the area code the parts before it end with is known.
  void StartLaterPart();
  // Where a later part's held locals get that area code.
  bool SawArea() const { return sawArea_; }
  const std::string& LastArea() const { return lastArea_; }
  void ReleaseHeldLocals(std::string_view area);

  // Where the pieces of the item are counted as scanned (null: not counted).
  void Track(ItemProgress* progress) { progress_ = progress; }
  ItemProgress* Tracked() const { return progress_; }

  // The numbers and addresses of one piece.
  void ScanPiece(std::string_view piece);
  // A text piece by piece; false when the run was stopped (the pieces before are kept).
  bool ScanPieces(std::string_view text);
  // The range [begin, end) of a file, read a piece at a time; false when stopped.
  bool ScanFileRange(const RandomAccessFile& file, uint64_t begin, uint64_t end);
  // The rules' pattern over a whole text (folded), in order; false when stopped.
  bool ScanPattern(std::string_view text);

 private:
  // An e-mail address in a piece: its first byte, its "@" and the byte after it.
  struct Address {
    size_t begin, at, end;
  };

  void Add(FoundKind kind, std::string_view text);
  void Add(FoundKind kind, std::string_view head, std::string_view digits);
  void AddDigits(FoundKind kind, std::string_view digits);
  void SetArea(std::string_view area);
  // What goes before a local number, by the area-code mode.
  const std::string& LocalAreaCode() const;
  const Address* AddressOver(size_t from, size_t to) const;
  static size_t SeparatorAt(const unsigned char* q, const unsigned char* end);
  static size_t DigitsAt(const unsigned char* q, const unsigned char* end);
  const unsigned char* GroupedMobile(const unsigned char* begin, const unsigned char* run, size_t length,
                                     const unsigned char* end, char (&digits)[11]) const;
  void ScanNumbers(std::string_view text);

  const ExtractionRules& rules_;
  ThreadFinds& finds_;
  const std::atomic<bool>& stop_;
  const size_t pieceSize_;
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

}  // namespace telqor
