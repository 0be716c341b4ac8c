#include "core/list_hash.h"

#include <algorithm>
#include <vector>

#include "core/bkdr_hash.h"
#include "core/file_io.h"
#include "core/hash_key_table.h"
#include "core/list_sort.h"

namespace telqor {
namespace {

constexpr int kChunk = 4096;

// Adds the hash of every item to the map; present[i] tells whether item i's hash was there.
void AddHashes(HashKeyTable& map, const ItemList& list, std::vector<uint8_t>& present) {
  int n = list.Count();
  present.assign(static_cast<size_t>(n), 0);
  map.Reserve(n);
  uint32_t keys[kChunk];
  for (int base = 0; base < n; base += kChunk) {
    int m = std::min(kChunk, n - base);
    for (int k = 0; k < m; ++k) keys[k] = BKDRHash(list.View(base + k));
    map.AddBatch(keys, m, present.data() + base);
  }
}

void MarkByHash(const HashKeyTable& map, const ItemList& list, std::vector<uint8_t>& marks) {
  int n = list.Count();
  marks.assign(static_cast<size_t>(n), 0);
  uint32_t keys[kChunk];
  for (int base = 0; base < n; base += kChunk) {
    int m = std::min(kChunk, n - base);
    for (int k = 0; k < m; ++k) keys[k] = BKDRHash(list.View(base + k));
    map.ContainsBatch(keys, m, marks.data() + base);
  }
}

void FillMap(HashKeyTable& map, const ItemList& list) {
  std::vector<uint8_t> present;
  AddHashes(map, list, present);
}

}  // namespace

void DedupeByHash(ItemList& list) {
  HashKeyTable map(std::max(list.Count(), 1000));
  std::vector<uint8_t> repeated;
  AddHashes(map, list, repeated);
  if (list.IsPlain() && !list.Sorted()) {
    list.DeleteMarked(repeated);
    return;
  }
  ItemList kept;
  DistributeMarked(list, repeated, &kept, nullptr);
  list.Assign(kept);
}

void SplitListsByHash(ItemList& source, const ItemList& reference, ItemList* kept, ItemList* matched) {
  HashKeyTable map(std::max(reference.Count(), 1000));
  FillMap(map, reference);
  std::vector<uint8_t> marks;
  if (kept == &source && !matched) {
    // Filtering in place: one pass, no second list.
    MarkByHash(map, source, marks);
    source.DeleteMarked(marks);
    return;
  }
  ItemList copy;
  const ItemList* items = &source;
  if (kept == &source || matched == &source) {
    copy.Assign(source);
    items = &copy;
  }
  MarkByHash(map, *items, marks);
  if (kept) kept->Clear();
  if (matched) matched->Clear();
  DistributeMarked(*items, marks, kept, matched);
}

void SplitFilesByHash(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile,
                      int mapCacheSize, ItemList* kept, ItemList* matched) {
  HashKeyTable map(std::max(mapCacheSize, 1000));
  {
    ItemList reference;
    reference.LoadFromFile(referenceFile);
    FillMap(map, reference);
  }
  ItemList items;
  items.LoadFromFile(itemFile);
  std::vector<uint8_t> marks;
  MarkByHash(map, items, marks);
  DistributeMarked(items, marks, kept, matched);
}

}  // namespace telqor
