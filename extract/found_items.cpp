#include "extract/found_items.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>

#include "core/lists/digit_keys.h"
#include "core/io/file_writer.h"
#include "core/platform/parallel.h"

namespace telqor {
namespace {

constexpr uint64_t kPow10[kMostDigitsAsNumber + 1] = {1ULL,
                                                      10ULL,
                                                      100ULL,
                                                      1000ULL,
                                                      10000ULL,
                                                      100000ULL,
                                                      1000000ULL,
                                                      10000000ULL,
                                                      100000000ULL,
                                                      1000000000ULL,
                                                      10000000000ULL,
                                                      100000000000ULL,
                                                      1000000000000ULL,
                                                      10000000000000ULL,
                                                      100000000000000ULL,
                                                      1000000000000000ULL,
                                                      10000000000000000ULL,
                                                      100000000000000000ULL,
                                                      1000000000000000000ULL,
                                                      10000000000000000000ULL};

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Sorts the values and keeps each once; large vectors go through the radix sort.
void SortUnique(std::vector<uint64_t>& values) {
  if (values.size() < 2) return;
  if (values.size() < (size_t{1} << 16)) {
    std::sort(values.begin(), values.end());
  } else {
    uint64_t high = *std::max_element(values.begin(), values.end());
    std::vector<uint64_t> temp(values.size());
    uint64_t* sorted = RadixSort(values.data(), temp.data(), values.size(), 64 - std::countl_zero(high | 1));
    if (sorted != values.data()) values.swap(temp);
  }
  values.erase(std::unique(values.begin(), values.end()), values.end());
}

using KeyedText = FoundItems::KeyedText;

uint64_t PrefixKey(std::string_view s) {
  unsigned char bytes[8] = {};
  std::memcpy(bytes, s.data(), std::min<size_t>(8, s.size()));
  uint64_t key = 0;
  for (unsigned char b : bytes) key = key << 8 | b;
  return key;
}

// Byte order; a type of its own, so that the sort's comparisons are inlined.
struct Before {
  bool operator()(const KeyedText& a, const KeyedText& b) const {
    return a.key != b.key ? a.key < b.key : a.text < b.text;
  }
};

// A sort, a walk or a write is worth a thread of its own from this many texts or items on.
constexpr size_t kItemsPerPart = size_t{1} << 17;

// Sorts the texts in byte order across the cores, then keeps each once. Texts whose keys
// differ differ: their bytes are compared only where the keys are equal.
void SortUnique(std::vector<KeyedText>& keyed) {
  ParallelSort(keyed.begin(), keyed.end(), Before(), ParallelParts(keyed.size(), kItemsPerPart),
               LeastPerPart(kItemsPerPart));
  size_t kept = 0;
  for (size_t i = 0; i < keyed.size(); ++i)
    if (kept == 0 || keyed[i].key != keyed[kept - 1].key || keyed[i].text != keyed[kept - 1].text)
      keyed[kept++] = keyed[i];
  keyed.resize(kept);
}

}  // namespace

std::string_view NumberText(uint64_t value, int length, char (&buffer)[24]) {
  char* end = buffer + length;
  char* p = end;
  for (int i = 0; i < length; ++i, value /= 10) *--p = static_cast<char>('0' + value % 10);
  return {buffer, static_cast<size_t>(length)};
}

// ---- Collecting -----------------------------------------------------------------------------

void FoundCollector::AddJoined(std::string_view head, std::string_view digits) {
  const size_t length = head.size() + digits.size();
  if (length == 0) return;
  if (length <= static_cast<size_t>(kMostDigitsAsNumber) && AllDigits(head)) {
    uint64_t value = head.empty() ? 0 : DigitValue(head.data(), static_cast<int>(head.size()));
    value = value * kPow10[digits.size()] + DigitValue(digits.data(), static_cast<int>(digits.size()));
    byLength_[length].push_back(value);
    return;
  }
  texts_.push_back({arena_.size(), static_cast<uint32_t>(length)});
  arena_.append(head).append(digits);
}

void FoundCollector::AddText(std::string_view text) {
  if (text.empty()) return;
  texts_.push_back({arena_.size(), static_cast<uint32_t>(text.size())});
  arena_.append(text);
}

bool FoundCollector::Empty() const {
  for (const auto& values : byLength_)
    if (!values.empty()) return false;
  return texts_.empty();
}

void FoundCollector::CompactIfLarge() {
  size_t held = 0;
  for (const auto& values : byLength_) held += values.size();
  if (held < compactAt_) return;
  held = 0;
  for (auto& values : byLength_) {
    SortUnique(values);
    held += values.size();
  }
  compactAt_ = std::max(compactAt_, 2 * held);
}

// ---- Gathering ------------------------------------------------------------------------------

void FoundItems::Clear() {
  for (auto& values : byLength_) std::vector<uint64_t>().swap(values);
  arenas_.clear();
  texts_.clear();
}

void FoundItems::Gather(const std::vector<FoundCollector*>& collectors) {
  Clear();
  for (int length = 1; length <= kMostDigitsAsNumber; ++length) {
    size_t total = 0;
    for (const FoundCollector* c : collectors) total += c->byLength_[length].size();
    if (total == 0) continue;
    std::vector<uint64_t>& values = byLength_[length];
    values.reserve(total);
    for (FoundCollector* c : collectors) {
      std::vector<uint64_t>& from = c->byLength_[length];
      values.insert(values.end(), from.begin(), from.end());
      std::vector<uint64_t>().swap(from);  // freed as soon as copied
    }
    SortUnique(values);
  }
  // The arenas move first, so that the texts' views point into strings that stay put. Each
  // collector's texts are keyed by a thread of their own.
  std::vector<FoundCollector*> withTexts;
  std::vector<size_t> from{0};
  for (FoundCollector* c : collectors) {
    if (c->texts_.empty()) continue;
    withTexts.push_back(c);
    arenas_.push_back(std::move(c->arena_));
    c->arena_.clear();
    from.push_back(from.back() + c->texts_.size());
  }
  if (withTexts.empty()) return;
  std::vector<KeyedText> keyed(from.back());
  ParallelFor(static_cast<int>(withTexts.size()), [&](int k) {
    const std::string& arena = arenas_[static_cast<size_t>(k)];
    KeyedText* out = keyed.data() + from[static_cast<size_t>(k)];
    for (const FoundCollector::Text& t : withTexts[static_cast<size_t>(k)]->texts_) {
      const std::string_view text(arena.data() + t.offset, t.size);
      *out++ = {PrefixKey(text), text};
    }
  });
  for (FoundCollector* c : withTexts) std::vector<FoundCollector::Text>().swap(c->texts_);
  SortUnique(keyed);
  texts_ = std::move(keyed);
}

size_t FoundItems::Count() const {
  size_t count = texts_.size();
  for (const auto& values : byLength_) count += values.size();
  return count;
}

// ---- Handing out ----------------------------------------------------------------------------

FoundItems::Range FoundItems::Whole() const {
  Range range;
  for (int length = 1; length <= kMostDigitsAsNumber; ++length) range.to[length] = byLength_[length].size();
  range.textTo = texts_.size();
  return range;
}

FoundItems::Range FoundItems::From(std::string_view item) const {
  Range range = Whole();
  char buffer[24];
  for (int length = 1; length <= kMostDigitsAsNumber; ++length) {
    const std::vector<uint64_t>& values = byLength_[length];
    range.from[length] = static_cast<size_t>(
        std::lower_bound(values.begin(), values.end(), item,
                         [&](uint64_t value, std::string_view s) { return NumberText(value, length, buffer) < s; }) -
        values.begin());
  }
  range.textFrom = static_cast<size_t>(
      std::lower_bound(texts_.begin(), texts_.end(), item, [](const KeyedText& t, std::string_view s) { return t.text < s; }) -
      texts_.begin());
  return range;
}

FoundItems::Walk::Walk(const FoundItems& items) : Walk(items, items.Whole()) {}

FoundItems::Walk::Walk(const FoundItems& items, const Range& range)
    : items_(items), at_(range.from), end_(range.to), text_(range.textFrom), textEnd_(range.textTo) {
  for (int length = 1; length <= kMostDigitsAsNumber; ++length)
    if (at_[length] < end_[length]) lengths_.push_back(length);
}

bool FoundItems::Walk::Next(std::string_view& item) {
  // The smallest number: numbers of different lengths compare as their digits do when each is
  // padded with zeros to 19 digits, a shorter one first where they tie ("12" < "120").
  int best = 0;
  uint64_t bestKey = 0;
  for (int length : lengths_) {
    uint64_t key = items_.byLength_[length][at_[length]] * kPow10[kMostDigitsAsNumber - length];
    if (best == 0 || key < bestKey) best = length, bestKey = key;
  }
  std::string_view number;
  if (best) number = NumberText(items_.byLength_[best][at_[best]], best, buffer_);
  const auto& texts = items_.texts_;
  // The texts lie far apart in their arenas: the next ones are fetched while this one is used.
  if (text_ + 8 < textEnd_) __builtin_prefetch(texts[text_ + 8].text.data());
  if (text_ < textEnd_ && (!best || texts[text_].text < number)) {
    item = texts[text_++].text;
    return true;
  }
  if (best && text_ < textEnd_ && texts[text_].text == number) ++text_;  // the same item, once
  if (!best) return false;
  if (++at_[best] == end_[best]) lengths_.erase(std::find(lengths_.begin(), lengths_.end(), best));
  item = number;
  return true;
}

void FoundItems::AppendTo(ItemList& list) const {
  if (!list.Sorted() && list.Count() + Count() <= static_cast<size_t>(INT32_MAX))
    list.SetCapacity(std::max<int>(list.Capacity(), list.Count() + static_cast<int>(Count())));
  ForEach([&](std::string_view item) { list.Add(item); });
}

// Blocks of items, each from one item to the next of an evenly spaced few of the largest kind,
// are walked and formatted side by side and written in order. An item and its equal of
// another kind fall into the same block, so each is still written once.
void FoundItems::WriteTo(FileWriter& out) const {
  const size_t perBlock = LeastPerPart(kItemsPerPart);
  const int parts = ParallelParts(Count(), perBlock);
  std::vector<Range> blocks{Whole()};
  if (parts > 1) {
    std::vector<std::string> bounds;
    char buffer[24];
    size_t largest = texts_.size();
    for (const auto& values : byLength_) largest = std::max(largest, values.size());
    if (largest == texts_.size()) {
      for (size_t k = perBlock; k < texts_.size(); k += perBlock) bounds.emplace_back(texts_[k].text);
    } else {
      for (int length = 1; length <= kMostDigitsAsNumber; ++length) {
        if (byLength_[length].size() != largest) continue;
        for (size_t k = perBlock; k < largest; k += perBlock)
          bounds.emplace_back(NumberText(byLength_[length][k], length, buffer));
        break;
      }
    }
    for (const std::string& bound : bounds) {
      const Range next = From(bound);
      blocks.back().to = next.from;
      blocks.back().textTo = next.textFrom;
      blocks.push_back(next);
    }
  }
  ParallelInOrder<std::string>(
      parts, blocks.size(),
      [&](size_t b, std::string& text) {
        text.clear();
        Walk walk(*this, blocks[b]);
        for (std::string_view item; walk.Next(item);) text.append(item).append("\r\n");
      },
      [&](const std::string& text) { out.Write(text); });
}

}  // namespace telqor
