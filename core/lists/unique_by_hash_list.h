// UniqueByHashList: a ItemList that refuses any item whose BKDR hash it already holds.
//
// Map holds exactly the hashes of the current items. Only hashes are compared: two different
// strings with equal hashes count as the same item; processing mode B accepts this for speed.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/lists/hash_key_table.h"
#include "core/lists/item_list.h"

namespace telqor {

class UniqueByHashList : public ItemList {
 public:
  // The map gets max(sizeHint, 1000) buckets.
  explicit UniqueByHashList(int sizeHint = 0);

  static uint32_t HashOf(std::string_view s);
  uint32_t LastHash() const { return lastHash_; }
  const HashKeyTable& Map() const { return map_; }

  bool InsertItem(int index, const ByteStr& s, uint8_t extra = 0) override;
  void Put(int index, const ByteStr& s) override;
  using ItemList::Put;
  void Delete(int index) override;
  void Clear() override;

 private:
  uint32_t lastHash_ = 0;
  HashKeyTable map_;
};

}  // namespace telqor
