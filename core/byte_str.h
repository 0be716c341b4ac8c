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
  explicit ByteStr(std::string_view s);
  ByteStr(const ByteStr& other) noexcept;
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
  void Release() noexcept;

  alignas(8) uint8_t raw_[16];
};

static_assert(sizeof(ByteStr) == 16);

}  // namespace telqor
