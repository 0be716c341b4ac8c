#include "core/lists/list_hash.h"

#include <gtest/gtest.h>

#include <random>
#include <algorithm>

#include "core/lists/repeated_items.h"
#include "core/platform/parallel.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::FirstOccurrences;
using test::Items;
using Strings = std::vector<std::string>;

// Two pairs of real mobile numbers whose BKDR hashes (seed 131, 32 bits) are equal: the hash
// processing mode B once compared instead of the numbers.
const char kTwinA[] = "13363463632";
const char kTwinB[] = "13377114254";
const char kTwinC[] = "13136592614";
const char kTwinD[] = "14515305436";

TEST(DedupeByHash, FirstOccurrencesInListOrderByBytes) {
  ItemList list;
  Fill(list, {"b", "a", "b", "", "a", ""});
  DedupeByHash(list);
  EXPECT_EQ(Items(list), (Strings{"b", "a", ""}));

  ItemList twins;
  Fill(twins, {kTwinB, kTwinA, "1", kTwinD, kTwinB, kTwinC, kTwinA});
  DedupeByHash(twins);
  EXPECT_EQ(Items(twins), (Strings{kTwinB, kTwinA, "1", kTwinD, kTwinC}));
}

// Enough distinct numbers that any 32-bit hash has equal values among them (about ten pairs
// are expected at 300,000), with repeats at both ends of the list: nothing merges but equal
// bytes, on one thread and on several.
TEST(DedupeByHash, ManyNumbersKeepEveryDistinctOne) {
  std::mt19937_64 rng(36);
  Strings items;
  for (int i = 0; i < 300000; ++i) items.push_back(std::to_string(13000000000ULL + rng() % 6000000000ULL));
  for (int i = 0; i < 60000; ++i) items.push_back(items[rng() % items.size()]);
  std::shuffle(items.begin(), items.end(), rng);
  const Strings expected = FirstOccurrences(items);
  for (int threads : {1, 2, 3}) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    ScopedParallelism pin(threads, 0);
    ItemList list;
    Fill(list, items);
    DedupeByHash(list);
    EXPECT_EQ(Items(list), expected);
  }
}

TEST(MarkRepeated, MarksEveryLaterCopyOnly) {
  ItemList list;
  Fill(list, {kTwinA, kTwinB, kTwinA, std::string(40, 'x'), std::string(40, 'x') + "1", std::string(40, 'x'), ""});
  std::vector<uint8_t> marks;
  MarkRepeated(list, marks);
  EXPECT_EQ(marks, (std::vector<uint8_t>{0, 0, 1, 0, 0, 1, 0}));
  ItemList empty;
  MarkRepeated(empty, marks);
  EXPECT_TRUE(marks.empty());
}

TEST(SplitListsByHash, MembershipByBytes) {
  ItemList source, reference, kept, matched;
  Fill(source, {"5", kTwinA, "4", "5", kTwinC});
  Fill(reference, {"4", kTwinB, kTwinD});
  SplitListsByHash(source, reference, &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"5", kTwinA, "5", kTwinC}));
  EXPECT_EQ(Items(matched), (Strings{"4"}));
  EXPECT_EQ(Items(reference), (Strings{"4", kTwinB, kTwinD}));  // untouched, unlike mode A
  SplitListsByHash(source, reference, &source, nullptr);
  EXPECT_EQ(Items(source), (Strings{"5", kTwinA, "5", kTwinC}));
}

TEST(SplitFilesByHash, AppendsByBytes) {
  test::TempDir dir;
  test::WriteBytes(dir / "items.txt", std::string("1\n2\n3\n2\n") + kTwinA + "\n" + kTwinB);
  test::WriteBytes(dir / "ref.txt", std::string("2\n") + kTwinB);
  ItemList kept, matched;
  Fill(kept, {"x"});
  SplitFilesByHash(dir / "items.txt", dir / "ref.txt", &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"x", "1", "3", kTwinA}));
  EXPECT_EQ(Items(matched), (Strings{"2", "2", kTwinB}));
}

}  // namespace
}  // namespace telqor
