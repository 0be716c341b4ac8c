#include "core/unique_slist.h"

#include <algorithm>

#include "core/bkdr_hash.h"
#include "core/errors.h"

namespace telqor {

TUniqueSList::TUniqueSList(int sizeHint) : map_(std::max(sizeHint, 1000)) {
  SetCaseSensitive(false);
  SetSorted(false);
  SetDuplicates(TDuplicates::Ignore);
}

uint32_t TUniqueSList::HashOf(std::string_view s) { return BKDRHash(s); }

bool TUniqueSList::InsertItem(int index, const ByteStr& s, uint8_t extra) {
  uint32_t h = HashOf(s.view());
  lastHash_ = h;
  if (map_.Contains(h)) return false;
  TSList::InsertItem(index, s, extra);
  map_.Add(h, extra);
  return true;
}

void TUniqueSList::Put(int index, const ByteStr& s) {
  ByteStr old = Get(index);
  if (old == s) return;
  uint32_t h = HashOf(s.view());
  if (map_.Contains(h)) throw EStringListError("Duplicates found.");
  TSList::Put(index, s);
  map_.Add(h, 0);
  map_.Remove(HashOf(old.view()));
}

void TUniqueSList::Delete(int index) {
  ByteStr old = Get(index);
  TSList::Delete(index);
  lastHash_ = HashOf(old.view());
  map_.Remove(lastHash_);
}

void TUniqueSList::Clear() {
  TSList::Clear();
  map_.Clear();
}

}  // namespace telqor
