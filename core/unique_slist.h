// TUniqueSList: a TSList that refuses any item whose BKDR hash it already holds.
//
// Map holds exactly the hashes of the current items. Only hashes are compared: two different
// strings with equal hashes count as the same item; processing mode B accepts this for speed.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/map_table.h"
#include "core/ts_list.h"

namespace telqor {

class TUniqueSList : public TSList {
 public:
  // The map gets max(sizeHint, 1000) buckets.
  explicit TUniqueSList(int sizeHint = 0);

  static uint32_t HashOf(std::string_view s);
  uint32_t LastHash() const { return lastHash_; }
  const TMapTable& Map() const { return map_; }

  bool InsertItem(int index, const ByteStr& s, uint8_t extra = 0) override;
  void Put(int index, const ByteStr& s) override;
  using TSList::Put;
  void Delete(int index) override;
  void Clear() override;

 private:
  uint32_t lastHash_ = 0;
  TMapTable map_;
};

}  // namespace telqor
