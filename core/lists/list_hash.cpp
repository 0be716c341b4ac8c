#include "core/lists/list_hash.h"

#include <vector>

#include "core/lists/item_hashes.h"
#include "core/lists/list_sort.h"

namespace telqor {

void DedupeByHash(ItemList& list) {
  std::vector<uint8_t> repeated;
  ItemHashes::MarkRepeated(list, repeated);
  if (list.AllowsBulkEdits() && !list.Sorted()) {
    list.DeleteMarked(repeated);
    return;
  }
  ItemList kept;
  DistributeMarked(list, repeated, &kept, nullptr);
  list.Assign(kept);
}

void SplitListsByHash(ItemList& source, const ItemList& reference, ItemList* kept, ItemList* matched) {
  const ItemHashes held(reference);
  std::vector<uint8_t> marks;
  if (kept == &source && !matched) {
    // Filtering in place: one pass, no second list.
    held.Mark(source, marks);
    source.DeleteMarked(marks);
    return;
  }
  ItemList copy;
  const ItemList* items = &source;
  if (kept == &source || matched == &source) {
    copy.Assign(source);
    items = &copy;
  }
  held.Mark(*items, marks);
  if (kept) kept->Clear();
  if (matched) matched->Clear();
  DistributeMarked(*items, marks, kept, matched);
}

void SplitFilesByHash(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile, int,
                      ItemList* kept, ItemList* matched) {
  std::vector<uint8_t> marks;
  ItemList items;
  {
    ItemList reference;
    reference.LoadFromFile(referenceFile);
    const ItemHashes held(reference);
    reference.Clear();
    items.LoadFromFile(itemFile);
    held.Mark(items, marks);
  }
  DistributeMarked(items, marks, kept, matched);
}

}  // namespace telqor
