// The results of one kind of an extraction run, held compactly.
//
// While a run goes, each scanning thread adds what it finds to its own FoundCollector: a number
// of up to 19 digits as an integer in the vector of its length (so "0755..." keeps its zero by
// its length), any other text (an e-mail address, a pattern match, a longer digit run) in an
// arena. Nothing is shared and nothing is looked up, so millions of results cost 8 bytes each
// and no lock. At the end FoundItems gathers the collectors of a kind and sorts every part once
// (the numbers by the project's radix sort), each distinct item kept once; it then hands its
// items out in byte order, as the sorted lists of the program would hold them, or writes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/item_list.h"

namespace telqor {

class FileWriter;

inline constexpr int kMostDigitsAsNumber = 19;

class FoundCollector {
 public:
  // ASCII digits.
  void AddDigits(std::string_view digits) { AddJoined({}, digits); }
  // The text head + digits, where head is an area code (digits too, most of the time).
  void AddJoined(std::string_view head, std::string_view digits);
  void AddText(std::string_view text);
  bool Empty() const;
  // Sorts and thins out repeats now and then, so that a text repeating one number keeps the
  // collector small.
  void CompactIfLarge();

 private:
  friend class FoundItems;
  struct Text {
    uint64_t offset;
    uint32_t size;
  };
  std::array<std::vector<uint64_t>, kMostDigitsAsNumber + 1> byLength_;  // [length]: values
  std::string arena_;
  std::vector<Text> texts_;
  size_t compactAt_ = size_t{1} << 22;
};

class FoundItems {
 public:
  FoundItems() = default;
  FoundItems(const FoundItems&) = delete;
  FoundItems& operator=(const FoundItems&) = delete;

  // Takes what the collectors hold (they are emptied) and sorts it, each item once.
  void Gather(const std::vector<FoundCollector*>& collectors);
  void Clear();

  size_t Count() const;
  bool Empty() const { return Count() == 0; }

  // A text with its first eight bytes as a big-endian number, so that most comparisons of a
  // sort are one integer comparison.
  struct KeyedText {
    uint64_t key;
    std::string_view text;
  };

  // Where a walk starts and ends in the numbers of each length and in the texts.
  struct Range {
    std::array<size_t, kMostDigitsAsNumber + 1> from{}, to{};
    size_t textFrom = 0, textTo = 0;
  };
  Range Whole() const;
  // From the first item not before item, to the end.
  Range From(std::string_view item) const;

  // A walk over the items in byte order: the numbers of every length and the texts merged.
  class Walk {
   public:
    explicit Walk(const FoundItems& items);
    Walk(const FoundItems& items, const Range& range);
    // The next item (valid until the next call); false at the end.
    bool Next(std::string_view& item);

   private:
    const FoundItems& items_;
    std::array<size_t, kMostDigitsAsNumber + 1> at_, end_;
    std::vector<int> lengths_;  // the lengths that still have numbers
    size_t text_, textEnd_;
    char buffer_[24];
  };
  // Calls visit(std::string_view) for every item in byte order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    Walk walk(*this);
    for (std::string_view item; walk.Next(item);) visit(item);
  }
  // The items at the end of list (which takes them as they come).
  void AppendTo(ItemList& list) const;
  // Every item followed by CR LF; blocks of them formatted across the cores.
  void WriteTo(FileWriter& out) const;

 private:
  std::array<std::vector<uint64_t>, kMostDigitsAsNumber + 1> byLength_;  // sorted, distinct
  std::vector<std::string> arenas_;
  std::vector<KeyedText> texts_;  // sorted, distinct, into arenas_
};

// A number as its digits, with leading zeros to length; answers the text written into buffer.
std::string_view NumberText(uint64_t value, int length, char (&buffer)[24]);

}  // namespace telqor
