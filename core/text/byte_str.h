// ByteStr: an immutable byte string of 16 bytes, the item type of every list.
//
// Strings of up to 15 bytes (every telephone number) live inline, zero-padded, so a list of
// numbers costs no heap allocation per item and two inline items are equal exactly when their
// 16 raw bytes are. Longer strings point at one shared, reference-counted block: copying a
// ByteStr copies the reference, never the bytes. Reference counts are atomic, so items may be
// copied between threads; a single ByteStr object is not itself synchronised.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace telqor {

class ByteStr {
 public:
  static constexpr size_t kInlineMax = 15;

  ByteStr() noexcept { std::memset(raw_, 0, sizeof raw_); }
  explicit ByteStr(std::string_view s) {
    if (s.size() > kInlineMax) {
      MakeShared(s);
      return;
    }
    std::memset(raw_, 0, sizeof raw_);
    CopySmall(raw_, s.data(), s.size());
    raw_[15] = static_cast<uint8_t>(s.size());
  }
  // An inline item from its two words, which must be in the inline form (zero padding, the
  // size in the last byte).
  static ByteStr FromInlineWords(uint64_t w0, uint64_t w1) noexcept {
    ByteStr s;
    std::memcpy(s.raw_, &w0, 8);
    std::memcpy(s.raw_ + 8, &w1, 8);
    return s;
  }
  ByteStr(const ByteStr& other) noexcept {
    std::memcpy(raw_, other.raw_, sizeof raw_);
    if (IsHeap()) AddRef();
  }
  ByteStr(ByteStr&& other) noexcept {
    std::memcpy(raw_, other.raw_, sizeof raw_);
    std::memset(other.raw_, 0, sizeof other.raw_);
  }
  ByteStr& operator=(const ByteStr& other) noexcept;
  ByteStr& operator=(ByteStr&& other) noexcept;
  ~ByteStr() {
    if (IsHeap()) Release();
  }

  size_t size() const noexcept { return IsHeap() ? HeapSize() : raw_[15]; }
  bool empty() const noexcept { return size() == 0; }
  const char* data() const noexcept { return IsHeap() ? HeapData() : reinterpret_cast<const char*>(raw_); }
  std::string_view view() const noexcept { return {data(), size()}; }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const noexcept { return view(); }

  bool IsInline() const noexcept { return !IsHeap(); }
  // The two 8-byte words of an inline item; equal words mean equal strings.
  uint64_t Word(int i) const noexcept {
    uint64_t w;
    std::memcpy(&w, raw_ + 8 * i, 8);
    return w;
  }
  bool SameInline(const ByteStr& o) const noexcept { return std::memcmp(raw_, o.raw_, sizeof raw_) == 0; }

  friend bool operator==(const ByteStr& a, const ByteStr& b) noexcept {
    if (a.IsInline() && b.IsInline()) return a.SameInline(b);
    return a.view() == b.view();
  }
  friend bool operator==(const ByteStr& a, std::string_view b) noexcept { return a.view() == b; }

 private:
  static constexpr uint8_t kHeapTag = 0xFF;
  struct Block;

  bool IsHeap() const noexcept { return raw_[15] == kHeapTag; }
  Block* HeapBlock() const noexcept {
    Block* b;
    std::memcpy(&b, raw_, sizeof b);
    return b;
  }
  size_t HeapSize() const noexcept {
    uint32_t n;
    std::memcpy(&n, raw_ + 8, 4);
    return n;
  }
  const char* HeapData() const noexcept;
  void MakeShared(std::string_view s);
  // Copies n <= 15 bytes without a call: two overlapping fixed-size moves.
  static void CopySmall(uint8_t* to, const char* from, size_t n) noexcept {
    if (n >= 8) {
      std::memcpy(to, from, 8);
      std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
      std::memcpy(to, from, 4);
      std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0) {
      to[0] = static_cast<uint8_t>(from[0]);
      to[n / 2] = static_cast<uint8_t>(from[n / 2]);
      to[n - 1] = static_cast<uint8_t>(from[n - 1]);
    }
  }
  void Release() noexcept;
  void AddRef() const noexcept;

  alignas(8) uint8_t raw_[16];
};

static_assert(sizeof(ByteStr) == 16);

}  // namespace telqor
