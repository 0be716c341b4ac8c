#include "core/lists/item_list.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <climits>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <memory>
#include <new>
#include <ostream>
#include <typeinfo>
#include <utility>

#include "core/lists/digit_keys.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_pieces.h"
#include "core/io/file_writer.h"
#include "core/io/text_encoding.h"
#include "core/text/gbk.h"
#include "core/platform/memory.h"
#include "core/platform/parallel.h"
#include "core/lists/text_lines.h"

namespace telqor {
namespace {

const char kNotExists[] = "Not exists";
const char kSortedInsert[] = "Cannot insert into sorted SList";
const char kSortedPut[] = "Cannot change item of sorted SList";
const char kDuplicates[] = "Duplicates found.";

// Identity except ASCII lower case and the upper half's lower-case letters of the ANSI code page.
struct FoldTable {
  uint8_t map[256];
  constexpr FoldTable() : map() {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<uint8_t>(i);
    for (int i = 0x61; i <= 0x7A; ++i) map[i] = static_cast<uint8_t>(i - 0x20);
    for (int i = 0xE0; i <= 0xFF; ++i) map[i] = static_cast<uint8_t>(i - 0x20);
    const uint8_t pairs[][2] = {{0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
                                {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5},
                                {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
    for (const auto& p : pairs) map[p[0]] = p[1];
  }
};
constexpr FoldTable kFold;

// Restores a list's Loading flag when a bulk add ends, also by an exception.
class LoadingScope {
 public:
  explicit LoadingScope(ItemList& list) : list_(list), was_(list.Loading()) { list.SetLoading(true); }
  ~LoadingScope() { list_.SetLoading(was_); }

 private:
  ItemList& list_;
  bool was_;
};

// Byte order. Inline items are zero-padded with their size last, so their two words read as
// big-endian numbers compare exactly as their bytes do, a prefix first.
struct ByteLess {
  bool operator()(const ByteStr& a, const ByteStr& b) const {
    if constexpr (std::endian::native == std::endian::little) {
      if (a.IsInline() && b.IsInline()) {
        uint64_t a0 = __builtin_bswap64(a.Word(0)), b0 = __builtin_bswap64(b.Word(0));
        if (a0 != b0) return a0 < b0;
        return __builtin_bswap64(a.Word(1)) < __builtin_bswap64(b.Word(1));
      }
    }
    return CompareBytes(a.view(), b.view(), true) < 0;
  }
};

// A loop over a list's items is worth a thread of its own from this many items on.
constexpr size_t kItemsPerPart = size_t{1} << 18;

// Ends the items [from, to) across the cores: most own nothing, but each must be looked at.
void DestroyItems(ByteStr* items, int from, int to) {
  if (to <= from) return;
  const auto n = static_cast<size_t>(to - from);
  const int parts = ParallelParts(n, kItemsPerPart);
  ParallelFor(parts, [&](int p) {
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i)
      items[static_cast<size_t>(from) + i].~ByteStr();
  });
}

// A list of this many items or more is sorted by more than one thread.
constexpr size_t kItemsPerSortPart = size_t{1} << 16;

// Sorts [first, last) in byte order across the cores. Equal items are equal bytes, so the
// order among them cannot show.
void SortInParts(ByteStr* first, ByteStr* last) {
  const auto n = static_cast<size_t>(last - first);
  ParallelSort(first, last, ByteLess(), ParallelParts(n, kItemsPerSortPart), LeastPerPart(kItemsPerSortPart));
}

// What a save formats at a time: about 1.7 MB of numbers, which the writer passes on whole.
constexpr size_t kItemsPerBlock = size_t{1} << 17;

// Items formatted as lines, each followed by CR LF, in memory kept from block to block.
class TextBlock {
 public:
  void Format(const ByteStr* items, size_t count) {
    size_t total = 0;
    for (size_t i = 0; i < count; ++i) total += items[i].size() + 2;
    if (capacity_ < total + sizeof(ByteStr)) {
      capacity_ = total + total / 4 + sizeof(ByteStr);
      data_.reset(new char[capacity_]);
    }
    char* p = data_.get();
    for (size_t i = 0; i < count; ++i) {
      const ByteStr& item = items[i];
      const size_t n = item.size();
      // An inline item is copied whole (16 bytes); only its n bytes count.
      std::memcpy(p, item.data(), item.IsInline() ? sizeof(ByteStr) : n);
      p += n;
      *p++ = '\r';
      *p++ = '\n';
    }
    size_ = total;
  }
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  std::unique_ptr<char[]> data_;
  size_t capacity_ = 0, size_ = 0;
};

int64_t CountLines(std::string_view text) {
  int64_t n = 0;
  ForEachLine(text, [&](std::string_view) { ++n; });
  return n;
}

bool HasLineFeed(std::string_view s) { return s.find('\n') != std::string_view::npos; }

// What a file is read in at a time, per thread.
constexpr size_t kFilePiece = size_t{8} << 20;

// Where the lines of text that are surely whole end: after its last line break, but not after
// a CR at its very end, whose LF may follow. 0 when no line ends in it.
size_t AfterLastLineBreak(std::string_view text) {
  for (size_t i = text.size(); i > 0; --i) {
    const char c = text[i - 1];
    if (c == '\n' || (c == '\r' && i < text.size())) return i;
  }
  return 0;
}

}  // namespace

int CompareBytes(std::string_view a, std::string_view b, bool caseSensitive) {
  size_t n = std::min(a.size(), b.size());
  if (caseSensitive) {
    int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c) return c < 0 ? -1 : 1;
  } else {
    for (size_t i = 0; i < n; ++i) {
      uint8_t x = static_cast<uint8_t>(a[i]), y = static_cast<uint8_t>(b[i]);
      if (x == y) continue;
      x = kFold.map[x];
      y = kFold.map[y];
      if (x != y) return x < y ? -1 : 1;
    }
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

ItemList::ItemList() = default;

ItemList::~ItemList() {
  DestroyItems(items_, 0, count_);
  std::free(items_);
}

bool ItemList::AllowsBulkEdits() const { return typeid(*this) == typeid(ItemList); }

void ItemList::CheckIndex(int index) const {
  if (index < 0 || index >= count_) throw ItemListError(kNotExists);
}

ByteStr ItemList::Get(int index) const {
  CheckIndex(index);
  return items_[index];
}

int ItemList::CompareStrings(std::string_view a, std::string_view b) const {
  return CompareBytes(a, b, caseSensitive_);
}

bool ItemList::Find(std::string_view s, int& index) const {
  bool found = false;
  int lo = 0, hi = count_ - 1;
  while (lo <= hi) {
    int mid = static_cast<int>((static_cast<int64_t>(lo) + hi) / 2);
    int c = CompareStrings(items_[mid].view(), s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != DuplicatePolicy::kAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

int ItemList::Add(std::string_view s) {
  if (!loading_ && HasLineFeed(s)) {
    int result = -1;
    ForEachLine(s, [&](std::string_view line) { result = Add(ByteStr(line)); });
    return result;
  }
  return Add(ByteStr(s));
}

int ItemList::Add(const ByteStr& s) {
  if (!loading_ && HasLineFeed(s.view())) return Add(s.view());
  int pos = count_;
  // Items often come in order: one comparison with the last item saves the search.
  if (sorted_ && !(count_ > 0 && CompareStrings(items_[count_ - 1].view(), s.view()) < 0)) {
    if (Find(s.view(), pos)) {
      if (duplicates_ == DuplicatePolicy::kIgnore) return pos;
      if (duplicates_ == DuplicatePolicy::kError) throw ItemListError(kDuplicates);
    }
  }
  return InsertItem(pos, s, 0) ? pos : -1;
}

void ItemList::Insert(int index, std::string_view s) {
  if (sorted_) throw ItemListError(kSortedInsert);
  if (index < 0 || index > count_) throw ItemListError(kNotExists);
  InsertItem(index, ByteStr(s), 0);
}

void ItemList::Grow() {
  int64_t delta = capacity_ <= 512 ? 128 : capacity_ / 4;
  int64_t wanted = std::min<int64_t>(static_cast<int64_t>(capacity_) + delta, INT_MAX);
  if (wanted <= capacity_) throw Error("List capacity out of bounds");
  SetCapacity(static_cast<int>(wanted));
}

void ItemList::SetCapacity(int newCapacity) {
  if (newCapacity < count_) throw Error("List capacity out of bounds (" + std::to_string(newCapacity) + ")");
  if (newCapacity == capacity_) return;
  if (newCapacity == 0) {
    std::free(items_);
    items_ = nullptr;
  } else {
    // Items are relocated bitwise: a ByteStr holds no pointer into itself.
    void* mem = std::realloc(static_cast<void*>(items_), sizeof(ByteStr) * static_cast<size_t>(newCapacity));
    if (!mem) throw std::bad_alloc();
    items_ = static_cast<ByteStr*>(mem);
    AdviseLargeBlock(mem, sizeof(ByteStr) * static_cast<size_t>(newCapacity));
  }
  capacity_ = newCapacity;
}

bool ItemList::InsertItem(int index, const ByteStr& s, uint8_t) {
  if (count_ == capacity_) Grow();
  if (index < count_) {
    std::memmove(static_cast<void*>(items_ + index + 1), static_cast<const void*>(items_ + index),
                 sizeof(ByteStr) * static_cast<size_t>(count_ - index));
  }
  new (items_ + index) ByteStr(s);
  ++count_;
  return true;
}

void ItemList::Put(int index, const ByteStr& s) {
  if (sorted_) throw ItemListError(kSortedPut);
  CheckIndex(index);
  items_[index] = s;
}

void ItemList::Delete(int index) {
  CheckIndex(index);
  items_[index].~ByteStr();
  --count_;
  if (index < count_) {
    std::memmove(static_cast<void*>(items_ + index), static_cast<const void*>(items_ + index + 1),
                 sizeof(ByteStr) * static_cast<size_t>(count_ - index));
  }
}

void ItemList::DeleteMarked(const std::vector<uint8_t>& marks) {
  if (!AllowsBulkEdits()) {
    for (int i = count_ - 1; i >= 0; --i)
      if (marks[i]) Delete(i);
    return;
  }
  // An item kept is moved bitwise (it owns what it holds), so the slots left behind are raw.
  int w = 0;
  for (int i = 0; i < count_; ++i) {
    if (marks[i]) {
      items_[i].~ByteStr();
      continue;
    }
    if (w != i) std::memcpy(static_cast<void*>(items_ + w), static_cast<const void*>(items_ + i), sizeof(ByteStr));
    ++w;
  }
  count_ = w;
}

void ItemList::Clear() {
  DestroyItems(items_, 0, count_);
  count_ = 0;
  SetCapacity(0);
}

void ItemList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(items_[a], items_[b]);
}

void ItemList::Sort() {
  if (sorted_ || count_ <= 1) return;
  if (caseSensitive_) {
    // Items that compare equal are equal bytes here, so any correct sort gives the same list.
    // Lists are often in order already (results sorted where they were made): one pass says so.
    if (std::is_sorted(items_, items_ + count_, ByteLess())) return;
    if (SortDigitItems(items_, count_, false) >= 0) return;
    SortInParts(items_, items_ + count_);
    return;
  }
  // Case-folded order keeps differing bytes that fold alike in the order this exact
  // quicksort leaves them, so it is kept as it is.
  auto less = [this](int i, const ByteStr& p) { return CompareStrings(items_[i].view(), p.view()) < 0; };
  auto more = [this](int j, const ByteStr& p) { return CompareStrings(items_[j].view(), p.view()) > 0; };
  std::vector<std::pair<int, int>> stack{{0, count_ - 1}};
  while (!stack.empty()) {
    auto [lo, hi] = stack.back();
    stack.pop_back();
    while (lo < hi) {
      ByteStr pivot = items_[(static_cast<int64_t>(lo) + hi) / 2];
      int i = lo, j = hi;
      do {
        while (less(i, pivot)) ++i;
        while (more(j, pivot)) --j;
        if (i <= j) {
          if (i != j) std::swap(items_[i], items_[j]);
          ++i;
          --j;
        }
      } while (i <= j);
      if (lo < j) stack.push_back({lo, j});
      lo = i;
    }
  }
}

bool ItemList::SortDistinct() {
  if (!AllowsBulkEdits() || sorted_ || !caseSensitive_) return false;
  if (count_ > 1 && !std::is_sorted(items_, items_ + count_, ByteLess())) {
    const int kept = SortDigitItems(items_, count_, true);
    if (kept >= 0) {  // numbers: none is empty
      count_ = kept;
      return true;
    }
    SortInParts(items_, items_ + count_);
  }
  // Sorted, equal items stand together and empty ones first. An item kept is moved bitwise
  // (it owns what it holds), so the slots left behind are raw memory.
  int kept = 0;
  for (int i = 0; i < count_; ++i) {
    if (items_[i].empty() || (kept > 0 && items_[i] == items_[kept - 1])) {
      items_[i].~ByteStr();
      continue;
    }
    if (kept != i) std::memcpy(static_cast<void*>(items_ + kept), static_cast<const void*>(items_ + i), sizeof(ByteStr));
    ++kept;
  }
  count_ = kept;
  return true;
}

void ItemList::SetSorted(bool value) {
  if (value == sorted_) return;
  if (value) Sort();
  sorted_ = value;
}

void ItemList::AddList(const ItemList& other) {
  int n = other.count_;
  if (!sorted_ && count_ + static_cast<int64_t>(n) > capacity_ && count_ + static_cast<int64_t>(n) <= INT_MAX)
    SetCapacity(count_ + n);
  for (int i = 0; i < n; ++i) {
    ByteStr item = other.items_[i];  // a copy: adding to this list may move other's slots
    Add(item);
  }
}

void ItemList::AppendMarked(const ItemList& source, const std::vector<uint8_t>& marks, bool marked) {
  const auto n = static_cast<size_t>(source.count_);
  auto wanted = [&](size_t i) { return (marks[i] != 0) == marked; };
  const int parts = ParallelParts(n, kItemsPerPart);
  // Counted in parts first: Add splits an item holding a line feed, which only the loop of
  // single adds does.
  std::vector<size_t> from(static_cast<size_t>(parts) + 1, 0);
  std::atomic<bool> lineFeed{false};
  ParallelFor(parts, [&](int p) {
    size_t k = 0;
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) {
      if (!wanted(i)) continue;
      ++k;
      if (!loading_ && HasLineFeed(source.items_[i].view())) lineFeed = true;
    }
    from[static_cast<size_t>(p) + 1] = k;
  });
  for (int p = 0; p < parts; ++p) from[static_cast<size_t>(p) + 1] += from[static_cast<size_t>(p)];
  if (!AllowsBulkEdits() || sorted_ || &source == this || lineFeed ||
      count_ + from.back() > static_cast<size_t>(INT_MAX)) {
    for (size_t i = 0; i < n; ++i)
      if (wanted(i)) Add(ByteStr(source.items_[i]));
    return;
  }
  const auto total = static_cast<int>(from.back());
  if (count_ + total > capacity_) SetCapacity(count_ + total);
  ParallelFor(parts, [&](int p) {
    ByteStr* out = items_ + count_ + from[static_cast<size_t>(p)];
    for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i)
      if (wanted(i)) new (out++) ByteStr(source.items_[i]);
  });
  count_ += total;
}

void ItemList::AddStrings(const std::vector<std::string>& strings) {
  for (const auto& s : strings) Add(std::string_view(s));
}

void ItemList::Assign(const ItemList& other) {
  if (&other == this) return;
  Clear();
  LoadingScope loading(*this);
  AddList(other);
}

void ItemList::AssignStrings(const std::vector<std::string>& strings) {
  Clear();
  LoadingScope loading(*this);
  AddStrings(strings);
}

std::string ItemList::GetText() const {
  size_t total = 0;
  for (int i = 0; i < count_; ++i) total += items_[i].size() + 2;
  std::string text;
  text.reserve(total);
  for (int i = 0; i < count_; ++i) {
    text.append(items_[i].view());
    text.append("\r\n", 2);
  }
  return text;
}

void ItemList::SetText(std::string_view text) {
  Clear();
  AddText(text);
}

void ItemList::AddText(std::string_view text) {
  LoadingScope loading(*this);
  if (AllowsBulkEdits() && !sorted_) {
    AppendLines(text);
    return;
  }
  int64_t lines = CountLines(text);
  if (!sorted_ && count_ + lines > capacity_ && count_ + lines <= INT_MAX)
    SetCapacity(static_cast<int>(count_ + lines));
  ForEachLine(text, [&](std::string_view line) { Add(ByteStr(line)); });
}

void ItemList::AppendLines(std::string_view text) {
  if (text.empty()) return;
  if (const void* zero = std::memchr(text.data(), 0, text.size()))
    text = text.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - text.data()));
  AppendLineText(text, 0);
}

void ItemList::AppendLineText(std::string_view text, uint64_t restBytes) {
  if (text.empty()) return;
  // Large texts are cut after a line break into parts that are counted and built at once.
  int parts = ParallelParts(text.size());
  std::vector<std::string_view> pieces;
  size_t from = 0;
  for (int p = 1; p < parts; ++p) {
    size_t cut = text.find_first_of("\r\n", std::max(from, text.size() * static_cast<size_t>(p) / parts));
    if (cut == std::string_view::npos) break;
    cut += (text[cut] == '\r' && cut + 1 < text.size() && text[cut + 1] == '\n') ? 2 : 1;
    pieces.push_back(text.substr(from, cut - from));
    from = cut;
  }
  pieces.push_back(text.substr(from));
  std::vector<int64_t> starts(pieces.size() + 1, count_);
  ParallelFor(static_cast<int>(pieces.size()), [&](int p) { starts[p + 1] = CountTextLines(pieces[p]); });
  for (size_t p = 0; p < pieces.size(); ++p) starts[p + 1] += starts[p];
  int64_t total = starts.back();
  if (total > INT_MAX) throw Error("List capacity out of bounds");
  if (total > capacity_) {
    // Room also for the lines the rest of the text will likely hold, so that a file read a
    // piece at a time grows its list once or twice, not at every piece.
    const auto lines = static_cast<uint64_t>(total - count_);
    const uint64_t expected = restBytes / text.size() * lines + restBytes % text.size() * lines / text.size();
    SetCapacity(static_cast<int>(std::min<uint64_t>(INT_MAX, static_cast<uint64_t>(total) + expected + expected / 64)));
  }
  ParallelFor(static_cast<int>(pieces.size()), [&](int p) { BuildTextLines(pieces[p], items_ + starts[p]); });
  count_ = static_cast<int>(total);
}

void ItemList::LoadFromStream(std::istream& in) {
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  SetText(text);
}

void ItemList::LoadFromFile(const std::filesystem::path& path, size_t* unconvertible) {
  ItemList loaded;
  loaded.AppendFile(path, unconvertible);
  if (AllowsBulkEdits() && !sorted_) return SwapItems(loaded);
  SetText(loaded.GetText());
}

void ItemList::LoadBytesFromFile(const std::filesystem::path& path) {
  ItemList loaded;
  loaded.AppendFileBytes(path);
  if (AllowsBulkEdits() && !sorted_) return SwapItems(loaded);
  SetText(loaded.GetText());
}

void ItemList::AppendFile(const std::filesystem::path& path, size_t* unconvertible) {
  AppendFileText(path, true, unconvertible);
}

void ItemList::AppendFileBytes(const std::filesystem::path& path) { AppendFileText(path, false, nullptr); }

void ItemList::AppendFileText(const std::filesystem::path& path, bool decode, size_t* unconvertible) {
  if (!AllowsBulkEdits() || sorted_) {
    if (decode) {
      AddText(LoadTextAsAnsi(path, unconvertible));
    } else {
      FileContents text(path);
      AddText(text.view());
    }
    return;
  }
  const int before = count_;
  try {
    FilePieces pieces(path, LeastPerPart(kFilePiece) * static_cast<size_t>(ParallelThreads()));
    size_t checked = 0;  // the bytes held from the front that hold no zero byte
    bool first = true, marked = false;
    // Whether the lines so far had a byte beyond ASCII, and were UTF-8 all along.
    bool beyondAscii = false, utf8 = true;
    for (bool more = true; more;) {
      more = pieces.ReadMore();
      if (std::exchange(first, false) && decode) {
        const std::string_view start = pieces.Held();
        if (start.starts_with(kUtf16LeMark) || start.starts_with(kUtf16BeMark)) {
          // UTF-16 is no text of lines until decoded (its zero bytes are no ends): read whole.
          while (pieces.ReadMore()) {
          }
          AddText(DecodeToAnsi(pieces.Held(), DetectTextEncoding(start), unconvertible));
          return;
        }
        if (start.starts_with(kUtf8Mark)) {
          pieces.Take(kUtf8Mark.size());
          marked = true;
        }
      }
      std::string_view held = pieces.Held();
      // The text ends at a zero byte, also when more of the file follows.
      if (const void* zero = std::memchr(held.data() + checked, 0, held.size() - checked)) {
        held = held.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - held.data()));
        more = false;
      }
      // A line cut by the piece's end waits for the rest of it.
      const size_t cut = more ? AfterLastLineBreak(held) : held.size();
      const std::string_view lines = held.substr(0, cut);
      if (decode && !marked && utf8 && !IsAscii(lines)) {
        beyondAscii = true;
        utf8 = IsUtf8BeyondAscii(lines);
      }
      AppendLineText(lines, pieces.Size() > pieces.Offset() ? pieces.Size() - pieces.Offset() : 0);
      pieces.Take(cut);
      checked = held.size() - cut;
    }
    if (marked || (beyondAscii && utf8)) DecodeUtf8Items(before, unconvertible);
  } catch (...) {
    Truncate(before);
    throw;
  }
}

void ItemList::DecodeUtf8Items(int from, size_t* unconvertible) {
  // The lines beyond ASCII are decoded a batch at a time, joined by LF (which decoding keeps),
  // so a list of a million Chinese lines costs a few calls, not a million.
  constexpr size_t kBatchBytes = size_t{1} << 20;
  std::vector<int> indexes;
  std::string joined;
  auto flush = [&] {
    if (indexes.empty()) return;
    const std::string decoded = DecodeToAnsi(joined, TextEncoding::kUtf8, unconvertible);
    size_t at = 0;
    for (int index : indexes) {
      const size_t end = std::min(decoded.find('\n', at), decoded.size());
      items_[index] = ByteStr(std::string_view(decoded).substr(at, end - at));
      at = end + 1;
    }
    indexes.clear();
    joined.clear();
  };
  for (int i = from; i < count_; ++i) {
    if (IsAscii(items_[i].view())) continue;
    indexes.push_back(i);
    joined.append(items_[i].view()).push_back('\n');
    if (joined.size() >= kBatchBytes) flush();
  }
  flush();
}

void ItemList::Truncate(int count) {
  DestroyItems(items_, count, count_);
  count_ = std::min(count_, count);
}

void ItemList::SwapItems(ItemList& other) noexcept {
  std::swap(items_, other.items_);
  std::swap(count_, other.count_);
  std::swap(capacity_, other.capacity_);
}

void ItemList::SaveToStream(std::ostream& out) const {
  std::string text = GetText();
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void ItemList::SaveTo(FileWriter& out, int from, int count) const {
  const int first = std::max(from, 0);
  const int to = count < 0 ? count_ : std::min(count_, from + count);
  if (to <= first) return;
  // Blocks of items are written out in order while the threads format the next ones.
  const auto n = static_cast<size_t>(to - first);
  const size_t block = LeastPerPart(kItemsPerBlock);
  ParallelInOrder<TextBlock>(
      ParallelParts(n, block), (n + block - 1) / block,
      [&](size_t b, TextBlock& text) {
        const size_t begin = static_cast<size_t>(first) + b * block;
        text.Format(items_ + begin, std::min(block, static_cast<size_t>(to) - begin));
      },
      [&](const TextBlock& text) { out.Write(text.View()); });
}

void ItemList::SaveToFile(const std::filesystem::path& path) const {
  FileWriter out(path);
  SaveTo(out);
  out.Commit();
}

}  // namespace telqor
