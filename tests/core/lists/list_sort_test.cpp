#include "core/lists/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/text/errors.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

TEST(PseudoRandom, LinearCongruentialSequence) {
  PseudoRandom r(0);
  EXPECT_EQ(r.Random(100), 0u);  // state 1: 1 * 100 >> 32
  EXPECT_EQ(r.State(), 1u);
  r.Random(10);
  EXPECT_EQ(r.State(), 134775814u);
  r.SetState(0xFFFFFFFFu);
  // state * 134775813 + 1 wraps modulo 2^32.
  r.Random(1);
  EXPECT_EQ(r.State(), static_cast<uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
  PseudoRandom s(12345);
  for (int i = 0; i < 1000; ++i) EXPECT_LT(s.Random(7), 7u);
  EXPECT_EQ(s.Random(0), 0u);
}

TEST(ShuffleList, IsAPermutationAndTouchesEveryItem) {
  ItemList list;
  Strings items;
  for (int i = 0; i < 1000; ++i) items.push_back(std::to_string(i));
  Fill(list, items);
  PseudoRandom r(99);
  ShuffleListWith(list, r);
  Strings shuffled = Items(list);
  EXPECT_NE(shuffled, items);
  std::sort(shuffled.begin(), shuffled.end());
  std::sort(items.begin(), items.end());
  EXPECT_EQ(shuffled, items);

  // Same seed, same order.
  ItemList a, b;
  Fill(a, items);
  Fill(b, items);
  PseudoRandom ra(5), rb(5);
  ShuffleListWith(a, ra);
  ShuffleListWith(b, rb);
  EXPECT_EQ(Items(a), Items(b));
}

TEST(ShuffleList, SmallAndSortedLists) {
  ItemList one, none;
  Fill(one, {"only"});
  ShuffleList(one);
  ShuffleList(none);
  EXPECT_EQ(Items(one), Strings{"only"});
  ItemList sorted;
  Fill(sorted, {"1", "2"});
  sorted.SetSorted(true);
  EXPECT_THROW(ShuffleList(sorted), ItemListError);
  EXPECT_EQ(Items(sorted), (Strings{"1", "2"}));
}

TEST(DedupeBySort, SortedDistinctWithoutEmptyItems) {
  ItemList list;
  Fill(list, {"3", "", "1", "3"});
  DedupeBySort(list);
  EXPECT_EQ(Items(list), (Strings{"1", "3"}));

  ItemList numbers;
  Fill(numbers, {"13900000000", "13800000000", "13900000000", "13800000000", "13700000000"});
  DedupeBySort(numbers);
  EXPECT_EQ(Items(numbers), (Strings{"13700000000", "13800000000", "13900000000"}));

  ItemList longs;
  std::string l(20, 'a');
  Fill(longs, {l + "b", l, l + "b", "", ""});
  DedupeBySort(longs);
  EXPECT_EQ(Items(longs), (Strings{l, l + "b"}));
}

TEST(DedupeBySort, SortedCaseInsensitiveListKeepsOneOfFoldedTwins) {
  ItemList list;
  list.SetCaseSensitive(false);
  list.SetSorted(true);
  list.SetDuplicates(DuplicatePolicy::kAccept);
  Fill(list, {"a", "A", "b"});
  list.SetDuplicates(DuplicatePolicy::kIgnore);
  DedupeBySort(list);  // bytes differ, but the sorted list refuses the folded twin on the way back
  EXPECT_EQ(list.Count(), 2);
}

TEST(SplitListsBySort, SplitsInSourceOrderAndSortsTheReference) {
  ItemList source, reference, kept, matched;
  Fill(source, {"5", "1", "4", "1", "", "2"});
  Fill(reference, {"4", "1", "9"});
  Fill(kept, {"old"});
  SplitListsBySort(source, reference, &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"5", "", "2"}));
  EXPECT_EQ(Items(matched), (Strings{"1", "4", "1"}));
  EXPECT_EQ(Items(reference), (Strings{"1", "4", "9"}));
  EXPECT_EQ(Items(source), (Strings{"5", "1", "4", "1", "", "2"}));

  // The source may be its own output.
  SplitListsBySort(source, reference, &source, nullptr);
  EXPECT_EQ(Items(source), (Strings{"5", "", "2"}));
  SplitListsBySort(source, reference, nullptr, &source);
  EXPECT_EQ(Items(source), Strings{});
}

TEST(RemoveMembersBySort, KeepsWhatTheSplitKeepsAndTheReferenceAsItWas) {
  ItemList list, reference;
  Fill(list, {"5", "1", "4", "1", "", "2", std::string(20, 'x')});
  Fill(reference, {"4", std::string(20, 'x'), "1", "9", "1"});
  RemoveMembersBySort(list, reference);
  EXPECT_EQ(Items(list), (Strings{"5", "", "2"}));
  EXPECT_EQ(Items(reference), (Strings{"4", std::string(20, 'x'), "1", "9", "1"}));

  // A reference that folds letter case is searched sorted, as the split does.
  ItemList words, folded;
  Fill(words, {"ABC", "abd", "x"});
  folded.SetCaseSensitive(false);
  Fill(folded, {"abd", "abc"});
  RemoveMembersBySort(words, folded);
  EXPECT_EQ(Items(words), Strings{"x"});
  EXPECT_EQ(Items(folded), (Strings{"abc", "abd"}));
}

TEST(SplitListsBySort, CaseInsensitiveReferenceComparesFolded) {
  ItemList source, reference, kept;
  Fill(source, {"ABC", "abd", "x"});
  reference.SetCaseSensitive(false);
  Fill(reference, {"abc", "ABD"});
  SplitListsBySort(source, reference, &kept, nullptr);
  EXPECT_EQ(Items(kept), Strings{"x"});
}

TEST(SplitListsBySort, LargeListsAgreeWithASetLookup) {
  std::mt19937 rng(3);
  ItemList source, reference, kept, matched;
  Strings src, ref;
  for (int i = 0; i < 20000; ++i) src.push_back(std::to_string(13800000000ULL + rng() % 30000));
  for (int i = 0; i < 15000; ++i) ref.push_back(std::to_string(13800000000ULL + rng() % 30000));
  Fill(source, src);
  Fill(reference, ref);
  SplitListsBySort(source, reference, &kept, &matched);
  std::sort(ref.begin(), ref.end());
  Strings wantKept, wantMatched;
  for (const auto& s : src) (std::binary_search(ref.begin(), ref.end(), s) ? wantMatched : wantKept).push_back(s);
  EXPECT_EQ(Items(kept), wantKept);
  EXPECT_EQ(Items(matched), wantMatched);
}

TEST(SplitFilesBySort, AppendsToTheOutputs) {
  test::TempDir dir;
  test::WriteBytes(dir / "items.txt", "1\r\n2\r\n3\r\n");
  test::WriteBytes(dir / "ref.txt", "3\n1");
  ItemList kept, matched;
  Fill(kept, {"before"});
  SplitFilesBySort(dir / "items.txt", dir / "ref.txt", &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"before", "2"}));
  EXPECT_EQ(Items(matched), (Strings{"1", "3"}));
  EXPECT_THROW(SplitFilesBySort(dir / "none.txt", dir / "ref.txt", &kept, nullptr), FileError);
}

}  // namespace
}  // namespace telqor
