#include "core/lists/unique_by_hash_list.h"

#include <algorithm>

#include "core/lists/bkdr_hash.h"
#include "core/text/errors.h"

namespace telqor {

UniqueByHashList::UniqueByHashList(int sizeHint) : map_(std::max(sizeHint, 1000)) {
  SetCaseSensitive(false);
  SetSorted(false);
  SetDuplicates(DuplicatePolicy::kIgnore);
}

uint32_t UniqueByHashList::HashOf(std::string_view s) { return BKDRHash(s); }

bool UniqueByHashList::InsertItem(int index, const ByteStr& s, uint8_t extra) {
  uint32_t h = HashOf(s.view());
  lastHash_ = h;
  if (map_.Contains(h)) return false;
  ItemList::InsertItem(index, s, extra);
  map_.Add(h, extra);
  return true;
}

void UniqueByHashList::Put(int index, const ByteStr& s) {
  ByteStr old = Get(index);
  if (old == s) return;
  uint32_t h = HashOf(s.view());
  if (map_.Contains(h)) throw ItemListError("Duplicates found.");
  ItemList::Put(index, s);
  map_.Add(h, 0);
  map_.Remove(HashOf(old.view()));
}

void UniqueByHashList::Delete(int index) {
  ByteStr old = Get(index);
  ItemList::Delete(index);
  lastHash_ = HashOf(old.view());
  map_.Remove(lastHash_);
}

void UniqueByHashList::Clear() {
  ItemList::Clear();
  map_.Clear();
}

}  // namespace telqor
