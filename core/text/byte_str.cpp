#include "core/text/byte_str.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace telqor {

struct ByteStr::Block {
  std::atomic<uint32_t> refs;
  char bytes[1];
};

void ByteStr::MakeShared(std::string_view s) {
  std::memset(raw_, 0, sizeof raw_);
  if (s.size() > UINT32_MAX) throw std::length_error("Item too long");
  void* mem = std::malloc(offsetof(Block, bytes) + s.size());
  if (!mem) throw std::bad_alloc();
  Block* b = new (mem) Block;
  b->refs.store(1, std::memory_order_relaxed);
  std::memcpy(b->bytes, s.data(), s.size());
  uint32_t n = static_cast<uint32_t>(s.size());
  std::memcpy(raw_, &b, sizeof b);
  std::memcpy(raw_ + 8, &n, 4);
  raw_[15] = kHeapTag;
}

void ByteStr::AddRef() const noexcept { HeapBlock()->refs.fetch_add(1, std::memory_order_relaxed); }

ByteStr& ByteStr::operator=(const ByteStr& other) noexcept {
  if (this != &other) {
    if (other.IsHeap()) other.HeapBlock()->refs.fetch_add(1, std::memory_order_relaxed);
    if (IsHeap()) Release();
    std::memcpy(raw_, other.raw_, sizeof raw_);
  }
  return *this;
}

ByteStr& ByteStr::operator=(ByteStr&& other) noexcept {
  if (this != &other) {
    if (IsHeap()) Release();
    std::memcpy(raw_, other.raw_, sizeof raw_);
    std::memset(other.raw_, 0, sizeof other.raw_);
  }
  return *this;
}

const char* ByteStr::HeapData() const noexcept { return HeapBlock()->bytes; }

void ByteStr::Release() noexcept {
  Block* b = HeapBlock();
  if (b->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    b->~Block();
    std::free(b);
  }
}

}  // namespace telqor
