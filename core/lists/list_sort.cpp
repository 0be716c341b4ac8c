#include "core/lists/list_sort.h"

#include <vector>

#include "core/text/errors.h"
#include "core/lists/item_set.h"

namespace telqor {
namespace {

// Marks the items of list that Find would find in the sorted reference.
void MarkMembers(const ItemList& list, const ItemList& reference, std::vector<uint8_t>& marks) {
  if (reference.CaseSensitive()) {
    // Equal under a case-sensitive comparison is equal bytes: a hash lookup answers as Find does.
    ItemSet(reference).Mark(list, marks);
    return;
  }
  marks.assign(static_cast<size_t>(list.Count()), 0);
  int index;
  for (int i = 0; i < list.Count(); ++i) marks[static_cast<size_t>(i)] = reference.Find(list.View(i), index) ? 1 : 0;
}

}  // namespace

void ShuffleList(ItemList& list) {
  GlobalRandom().Randomize();
  ShuffleListWith(list, GlobalRandom());
}

void ShuffleListWith(ItemList& list, PseudoRandom& random) {
  int n = list.Count();
  // A sorted list refuses to change its items.
  if (list.Sorted() && n > 0) throw ItemListError("Cannot change item of sorted SList");
  if (n == 0) return;
  std::vector<uint64_t> touched((static_cast<size_t>(n) + 63) / 64, 0);
  auto isSet = [&](uint32_t k) { return (touched[k >> 6] >> (k & 63)) & 1; };
  auto set = [&](uint32_t k) { touched[k >> 6] |= uint64_t{1} << (k & 63); };
  // A copy of the generator runs ahead so the items about to be swapped are already in cache.
  constexpr int kAhead = 8;
  PseudoRandom ahead = random;
  for (int k = 0; k < kAhead; ++k) __builtin_prefetch(&list[static_cast<int>(ahead.Random(n))]);
  for (int i = 0; i < n; ++i) {
    if (isSet(static_cast<uint32_t>(i))) continue;
    uint32_t j = random.Random(static_cast<uint32_t>(n));
    uint32_t next = ahead.Random(static_cast<uint32_t>(n));
    __builtin_prefetch(&list[static_cast<int>(next)]);
    __builtin_prefetch(&touched[next >> 6]);
    // Exchange, not two Put calls: the same swap, and a de-duplicating list keeps its map.
    list.Exchange(i, static_cast<int>(j));
    set(j);
    set(static_cast<uint32_t>(i));
  }
}

void DedupeBySort(ItemList& list) {
  if (list.SortDistinct()) return;
  list.Sort();
  int n = list.Count();
  std::vector<uint8_t> drop(static_cast<size_t>(n), 0);
  ByteStr last;  // starts empty, so empty items are dropped
  for (int i = 0; i < n; ++i) {
    if (list[i] == last) {
      drop[static_cast<size_t>(i)] = 1;
    } else {
      last = list[i];
    }
  }
  if (list.AllowsBulkEdits() && !list.Sorted()) {
    list.DeleteMarked(drop);
    return;
  }
  ItemList kept;
  for (int i = 0; i < n; ++i)
    if (!drop[static_cast<size_t>(i)]) kept.Add(list[i]);
  list.Assign(kept);
}

void DistributeMarked(const ItemList& source, const std::vector<uint8_t>& marks, ItemList* kept, ItemList* matched) {
  if (kept == matched && kept) {
    for (int i = 0; i < source.Count(); ++i) kept->Add(source[i]);
    return;
  }
  if (kept) kept->AppendMarked(source, marks, false);
  if (matched) matched->AppendMarked(source, marks, true);
}

void SplitListsBySort(ItemList& source, ItemList& reference, ItemList* kept, ItemList* matched) {
  reference.Sort();
  std::vector<uint8_t> marks;
  if (kept == &source && !matched && &source != &reference) {
    // Filtering in place: one pass, no second list.
    MarkMembers(source, reference, marks);
    source.DeleteMarked(marks);
    return;
  }
  ItemList copy;
  const ItemList* items = &source;
  if (kept == &source || matched == &source || kept == &reference || matched == &reference) {
    copy.Assign(source);
    items = &copy;
  }
  MarkMembers(*items, reference, marks);
  if (kept) kept->Clear();
  if (matched) matched->Clear();
  DistributeMarked(*items, marks, kept, matched);
}

void RemoveMembersBySort(ItemList& list, ItemList& reference) {
  if (!reference.CaseSensitive() || &list == &reference) return SplitListsBySort(list, reference, &list, nullptr);
  std::vector<uint8_t> marks;
  MarkMembers(list, reference, marks);
  list.DeleteMarked(marks);
}

void SplitFilesBySort(const std::filesystem::path& itemFile, const std::filesystem::path& referenceFile, ItemList* kept,
                      ItemList* matched) {
  std::vector<uint8_t> marks;
  ItemList items;
  {
    // Lists of a file compare case-sensitively: looked up by their bytes, the reference needs
    // no sort, and it goes before the results are made.
    ItemList reference;
    reference.LoadBytesFromFile(referenceFile);
    items.LoadBytesFromFile(itemFile);
    MarkMembers(items, reference, marks);
  }
  DistributeMarked(items, marks, kept, matched);
}

}  // namespace telqor
