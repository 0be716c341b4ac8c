// ItemList: the list of byte-string items behind every number list and loaded number file.
//
// Items are GBK bytes, one line of a file each, held as ByteStr (inline up to 15 bytes, shared
// otherwise), so Assign, AddList and Get copy references, never bytes. A list may be kept
// sorted (Add inserts in CompareStrings order). Loading splits text at CR, LF and CR LF, keeps
// empty lines, and stops at a zero byte; saving writes every item followed by CR LF.
// Errors are ItemListError with the list's fixed texts; a failing call leaves the list as
// it was. A list is owned by one thread at a time.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/byte_str.h"

namespace telqor {

class FileWriter;

// What Add does with an item a sorted list already holds: keeps the one there (kIgnore), adds it
// beside it (kAccept) or refuses it (kError). A list that is not kept sorted adds every item.
enum class DuplicatePolicy : uint8_t { kIgnore = 0, kAccept = 1, kError = 2 };

class ItemList {
 public:
  ItemList();
  virtual ~ItemList();
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;

  int Count() const { return count_; }
  int Capacity() const { return capacity_; }

  // The item at index; "Not exists" outside 0..Count-1.
  ByteStr Get(int index) const;
  // Unchecked access for loops that know their bounds.
  const ByteStr& operator[](int index) const { return items_[index]; }
  std::string_view View(int index) const { return items_[index].view(); }

  int Add(std::string_view s);
  int Add(const ByteStr& s);
  void Insert(int index, std::string_view s);
  virtual bool InsertItem(int index, const ByteStr& s, uint8_t extra = 0);
  virtual void Put(int index, const ByteStr& s);
  void Put(int index, std::string_view s) { Put(index, ByteStr(s)); }
  virtual void SetCapacity(int newCapacity);
  virtual void Delete(int index);
  virtual void Clear();
  void Exchange(int a, int b);

  // Binary search: true when an equal item exists; index is that item or the insertion point.
  bool Find(std::string_view s, int& index) const;
  virtual void Sort();
  // Processing mode A's de-duplication: sorts, then keeps each distinct item once, empty items
  // dropped. For a plain case-sensitive list that is not kept sorted; false, the list
  // untouched, for any other.
  bool SortDistinct();

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  DuplicatePolicy Duplicates() const { return duplicates_; }
  void SetDuplicates(DuplicatePolicy value) { duplicates_ = value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value) { caseSensitive_ = value; }
  bool Loading() const { return loading_; }
  void SetLoading(bool value) { loading_ = value; }

  void AddList(const ItemList& other);
  // Adds the items of source whose mark (marks has source.Count() entries) is set (marked) or
  // clear, in order, as Add would; a plain list copies them across the cores.
  void AppendMarked(const ItemList& source, const std::vector<uint8_t>& marks, bool marked);
  void AddStrings(const std::vector<std::string>& strings);
  void Assign(const ItemList& other);
  void AssignStrings(const std::vector<std::string>& strings);

  std::string GetText() const;
  void SetText(std::string_view text);
  // Appends the lines of text, as SetText does but without clearing first.
  void AddText(std::string_view text);

  void LoadFromStream(std::istream& in);
  // Replaces the items with the lines of the file; a file that cannot be read leaves the list
  // as it was. The file is read in its encoding, as AppendFile reads it.
  virtual void LoadFromFile(const std::filesystem::path& path, size_t* unconvertible = nullptr);
  // As LoadFromFile, the lines taken as the bytes they are, whatever the encoding: for work
  // that writes them back into a file of the same encoding (a file's de-duplication, shuffle,
  // comparison).
  void LoadBytesFromFile(const std::filesystem::path& path);
  // Appends the lines of the file, as AddText would the whole of it in GBK. A file with a
  // byte-order mark is read in its encoding; one without is UTF-8 when the whole of it is
  // well-formed UTF-8 beyond ASCII (core/io/text_encoding.h), else GBK byte for byte. Adds to
  // *unconvertible (when given) the characters GBK cannot hold, written as '?'. A plain list
  // reads it a piece at a time and builds each piece's items across the cores, so a large
  // file is never held whole. A file that cannot be read leaves the list as it was.
  void AppendFile(const std::filesystem::path& path, size_t* unconvertible = nullptr);
  // As AppendFile, the lines taken as the bytes they are.
  void AppendFileBytes(const std::filesystem::path& path);
  void SaveToStream(std::ostream& out) const;
  // Writes items [from, from + count) (count -1: to the end) as SaveToFile writes the list.
  void SaveTo(FileWriter& out, int from = 0, int count = -1) const;
  virtual void SaveToFile(const std::filesystem::path& path) const;

  int CompareStrings(std::string_view a, std::string_view b) const;

  // Removes every item whose mark is non-zero, keeping the order of the rest; marks has Count
  // entries. One pass on a plain list; derived lists go through their own Delete.
  void DeleteMarked(const std::vector<uint8_t>& marks);

  // True when the list is a ItemList itself: no derived list keeps track of the items through
  // its overrides, so bulk work may write, move and drop items directly (across the cores)
  // rather than one virtual call an item.
  bool AllowsBulkEdits() const;

 private:
  void Grow();
  void AppendLines(std::string_view text);
  // AppendLines of a text without a zero byte; about restBytes more of such text are to come.
  void AppendLineText(std::string_view text, uint64_t restBytes);
  // AppendFile, decoding the file's text (decode) or taking its bytes.
  void AppendFileText(const std::filesystem::path& path, bool decode, size_t* unconvertible);
  // The items from index from on, read as UTF-8, made GBK.
  void DecodeUtf8Items(int from, size_t* unconvertible);
  // Drops the items from index on.
  void Truncate(int count);
  void SwapItems(ItemList& other) noexcept;
  void CheckIndex(int index) const;

  ByteStr* items_ = nullptr;
  int count_ = 0;
  int capacity_ = 0;
  bool sorted_ = false;
  DuplicatePolicy duplicates_ = DuplicatePolicy::kIgnore;
  bool caseSensitive_ = true;
  bool loading_ = false;
};

// Byte order of two strings (unsigned bytes, a prefix is smaller); with caseSensitive false
// each differing byte is first mapped through the list's case-folding table.
int CompareBytes(std::string_view a, std::string_view b, bool caseSensitive);

// Calls onLine for every line of text: breaks at CR, LF or CR LF, text ends at a zero byte,
// empty lines kept, no item for the empty rest after a final break.
template <typename F>
void ForEachLine(std::string_view text, F&& onLine) {
  if (text.empty()) return;  // an empty view may have no data at all
  if (const void* zero = std::memchr(text.data(), 0, text.size()))
    text = text.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - text.data()));
  const char* p = text.data();
  const char* end = p + text.size();
  const char* line = p;
  while (p < end) {
    // Eight bytes at a time: the lowest byte flagged as CR or LF is exact (borrows only reach
    // bytes above it).
    if constexpr (std::endian::native == std::endian::little) {
      constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
      while (end - p >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        uint64_t lf = w ^ (kOnes * '\n'), cr = w ^ (kOnes * '\r');
        uint64_t hit = (((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHigh;
        if (hit) {
          p += std::countr_zero(hit) / 8;
          break;
        }
        p += 8;
      }
    }
    while (p < end && *p != '\n' && *p != '\r') ++p;
    if (p == end) break;
    onLine(std::string_view(line, static_cast<size_t>(p - line)));
    if (*p++ == '\r' && p < end && *p == '\n') ++p;
    line = p;
  }
  if (line < end) onLine(std::string_view(line, static_cast<size_t>(end - line)));
}

}  // namespace telqor
