#include "extract/result_set.h"

#include "core/item_set.h"

namespace telqor {

ResultSet::ResultSet(TSList& list) : list_(list) {
  size_t slots = 1024;
  while (slots < static_cast<size_t>(list.Count()) * 2) slots *= 2;
  Rehash(slots);
}

void ResultSet::Rehash(size_t slots) {
  slots_.assign(slots, 0);
  mask_ = slots - 1;
  for (int i = 0; i < list_.Count(); ++i) {
    uint64_t h = ItemSet::HashOf(list_[i]);
    size_t at = h & mask_;
    while (slots_[at]) at = (at + 1) & mask_;
    slots_[at] = (h >> 32 << 32) | static_cast<uint64_t>(i + 1);
  }
}

bool ResultSet::Add(const ByteStr& item) {
  uint64_t h = ItemSet::HashOf(item);
  uint64_t tag = h >> 32 << 32;
  for (size_t at = h & mask_;; at = (at + 1) & mask_) {
    uint64_t slot = slots_[at];
    if (!slot) break;
    if ((slot & ~0xFFFFFFFFULL) == tag && list_[static_cast<int>((slot & 0xFFFFFFFFULL) - 1)] == item) return false;
  }
  list_.Add(item);
  if (static_cast<size_t>(list_.Count()) * 2 > slots_.size()) {
    Rehash(slots_.size() * 2);
  } else {
    size_t at = h & mask_;
    while (slots_[at]) at = (at + 1) & mask_;
    slots_[at] = tag | static_cast<uint64_t>(list_.Count());
  }
  return true;
}

}  // namespace telqor
