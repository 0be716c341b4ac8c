#include "core/lists/list_hash.h"

#include <vector>

#include "core/lists/item_set.h"
#include "core/lists/list_sort.h"
#include "core/lists/repeated_items.h"

namespace telqor {

void DedupeByHash(ItemList& list) {
  std::vector<uint8_t> repeated;
  MarkRepeated(list, repeated);
  if (list.AllowsBulkEdits() && !list.Sorted()) {
    list.DeleteMarked(repeated);
    return;
  }
  ItemList kept;
  DistributeMarked(list, repeated, &kept, nullptr);
  list.Assign(kept);
}

void SplitListsByHash(ItemList& source, const ItemList& reference, ItemList* kept, ItemList* matched) {
  std::vector<uint8_t> marks;
  if (kept == &source && !matched && &source != &reference) {
    // Filtering in place: one pass, no second list.
    ItemSet(reference).Mark(source, marks);
    source.DeleteMarked(marks);
    return;
  }
  ItemList copy;
  const ItemList* items = &source;
  if (kept == &source || matched == &source || kept == &reference || matched == &reference) {
    copy.Assign(source);
    items = &copy;
  }
  ItemSet(reference).Mark(*items, marks);
  if (kept) kept->Clear();
  if (matched) matched->Clear();
  DistributeMarked(*items, marks, kept, matched);
}

void SplitFilesByHash(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile,
                      ItemList* kept, ItemList* matched) {
  // Lines of a file are looked up by their bytes in both modes, and a split keeps the items'
  // order in both: the two families are one here.
  SplitFilesBySort(itemFile, referenceFile, kept, matched);
}

}  // namespace telqor
