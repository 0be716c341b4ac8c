#include "core/lists/hash_key_table.h"

#include <algorithm>

namespace telqor {

HashKeyTable::HashKeyTable(int size) {
  size = std::max(size, 2);
  modulus_ = static_cast<uint32_t>(size - 1);
  fastmod_ = UINT64_MAX / modulus_ + 1;
  heads_.assign(static_cast<size_t>(size), 0);
}

uint32_t* HashKeyTable::Locate(uint32_t key) {
  uint32_t* link = &heads_[Bucket(key)];
  while (*link && nodes_[*link - 1].key != key) link = &nodes_[*link - 1].next;
  return link;
}

bool HashKeyTable::Contains(uint32_t key) const {
  for (uint32_t n = heads_[Bucket(key)]; n; n = nodes_[n - 1].next)
    if (nodes_[n - 1].key == key) return true;
  return false;
}

void HashKeyTable::Add(uint32_t key, uint8_t value) {
  uint32_t& head = heads_[Bucket(key)];
  for (uint32_t n = head; n; n = nodes_[n - 1].next)
    if (nodes_[n - 1].key == key) return;
  uint32_t index;
  if (freeList_) {
    index = freeList_;
    freeList_ = nodes_[index - 1].next;
    nodes_[index - 1] = Node{head, key, value};
  } else {
    nodes_.push_back(Node{head, key, value});
    index = static_cast<uint32_t>(nodes_.size());
  }
  head = index;
  ++keyCount_;
}

void HashKeyTable::Remove(uint32_t key) {
  uint32_t* link = Locate(key);
  if (!*link) return;
  uint32_t index = *link;
  *link = nodes_[index - 1].next;
  nodes_[index - 1].next = freeList_;
  freeList_ = index;
  --keyCount_;
}

void HashKeyTable::Clear() {
  std::fill(heads_.begin(), heads_.end(), 0);
  nodes_.clear();
  nodes_.shrink_to_fit();
  freeList_ = 0;
  keyCount_ = 0;
}

void HashKeyTable::Prefetch(const uint32_t* keys, int n) const {
  uint32_t heads[64];
  for (int i = 0; i < n; ++i) __builtin_prefetch(&heads_[Bucket(keys[i])]);
  for (int i = 0; i < n; ++i) heads[i] = heads_[Bucket(keys[i])];
  for (int i = 0; i < n; ++i)
    if (heads[i]) __builtin_prefetch(&nodes_[heads[i] - 1]);
}

void HashKeyTable::AddBatch(const uint32_t* keys, int n, uint8_t* present) {
  constexpr int kStep = 32;
  for (int base = 0; base < n; base += kStep) {
    int m = std::min(kStep, n - base);
    Prefetch(keys + base, m);
    for (int i = base; i < base + m; ++i) {
      int before = keyCount_;
      Add(keys[i]);
      present[i] = keyCount_ == before;
    }
  }
}

void HashKeyTable::ContainsBatch(const uint32_t* keys, int n, uint8_t* present) const {
  constexpr int kStep = 32;
  for (int base = 0; base < n; base += kStep) {
    int m = std::min(kStep, n - base);
    Prefetch(keys + base, m);
    for (int i = base; i < base + m; ++i) present[i] = Contains(keys[i]);
  }
}

}  // namespace telqor
