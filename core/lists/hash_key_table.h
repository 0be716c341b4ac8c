// HashKeyTable: a chained hash set of unsigned 32-bit keys, each with a one-byte value.
//
// A key lives in bucket (key mod BucketModulus) where BucketModulus is the table size - 1, so
// the last bucket is never used; a key is present at most once. Nodes come from one pool
// owned by the table (index links instead of a heap allocation per node). The batch calls do
// what the single calls do, key by key in order, while prefetching the buckets and chains of
// the keys that follow. Not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace telqor {

class HashKeyTable {
 public:
  // size buckets (at least 2, so that the modulus is never 0).
  explicit HashKeyTable(int size);

  int BucketModulus() const { return static_cast<int>(modulus_); }
  int BucketCount() const { return static_cast<int>(heads_.size()); }
  int KeyCount() const { return keyCount_; }

  void Add(uint32_t key, uint8_t value = 0);
  bool Contains(uint32_t key) const;
  void Remove(uint32_t key);
  // The link that points at the key's node, or the chain's terminating link (which holds 0).
  uint32_t* Locate(uint32_t key);
  void Clear();
  // Room for n keys in the node pool, so that adding them does not reallocate.
  void Reserve(int n) { nodes_.reserve(static_cast<size_t>(n)); }

  // For each key in order: present[i] = whether it was already there; then it is added.
  void AddBatch(const uint32_t* keys, int n, uint8_t* present);
  // present[i] = whether keys[i] is there.
  void ContainsBatch(const uint32_t* keys, int n, uint8_t* present) const;

 private:
  struct Node {
    uint32_t next;  // node index + 1; 0 ends the chain
    uint32_t key;
    uint8_t value;
  };

  uint32_t Bucket(uint32_t key) const {
    // key mod modulus_ by multiplication (Lemire's fastmod), exact for every 32-bit key.
    uint64_t low = fastmod_ * key;
    return static_cast<uint32_t>((static_cast<unsigned __int128>(low) * modulus_) >> 64);
  }
  void Prefetch(const uint32_t* keys, int n) const;

  uint32_t modulus_;
  uint64_t fastmod_;
  std::vector<uint32_t> heads_;
  std::vector<Node> nodes_;
  uint32_t freeList_ = 0;
  int keyCount_ = 0;
};

}  // namespace telqor
