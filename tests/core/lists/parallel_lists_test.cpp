// The list operations split across threads give what one thread gives. Each case runs with 1, 2
// and 3 threads and parts of a few items, so that small lists take every path, and the sizes go
// just below, at and above where a second and a third part start.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "core/text/errors.h"
#include "core/io/file_writer.h"
#include "core/lists/item_list.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "core/platform/parallel.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::FirstOccurrences;
using test::Items;
using Strings = std::vector<std::string>;

constexpr size_t kLeast = 8;  // items a part at the least
const size_t kSizes[] = {0, 1, 2, 7, 15, 16, 17, 23, 24, 25, 200};

template <typename F>
void ForThreadCounts(F&& f) {
  for (int threads : {1, 2, 3}) {
    SCOPED_TRACE("threads " + std::to_string(threads));
    ScopedParallelism pin(threads, kLeast);
    f();
  }
}

Strings ByteSorted(Strings s) {
  std::sort(s.begin(), s.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  });
  return s;
}

Strings DistinctSorted(const Strings& s) {
  Strings sorted = ByteSorted(s);
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  if (!sorted.empty() && sorted.front().empty()) sorted.erase(sorted.begin());
  return sorted;
}

// n numbers of `length` digits, leading zeros and repeats included, spread over `spread`
// values from a base: the spread decides how many radix passes the sort makes.
Strings Numbers(size_t n, int length, uint64_t spread, std::mt19937_64& rng) {
  uint64_t limit = 1;
  for (int k = 0; k < length; ++k) limit *= 10;
  const uint64_t span = std::min(spread, limit);
  const uint64_t base = rng() % (limit - span + 1);
  Strings numbers;
  for (size_t i = 0; i < n; ++i) {
    std::string digits = std::to_string(base + rng() % span);
    numbers.push_back(std::string(static_cast<size_t>(length) - digits.size(), '0') + digits);
  }
  return numbers;
}

void ExpectSorts(const Strings& items) {
  ForThreadCounts([&] {
    ItemList list;
    Fill(list, items);
    list.Sort();
    EXPECT_EQ(Items(list), ByteSorted(items));
    ItemList distinct;
    Fill(distinct, items);
    DedupeBySort(distinct);
    EXPECT_EQ(Items(distinct), DistinctSorted(items));
  });
}

TEST(ParallelSort, NumbersOfOneLengthInEveryNumberOfPasses) {
  std::mt19937_64 rng(1);
  // Spreads of one value, of 1 000 (one pass), of a million (two) and all there are (more).
  for (int length : {1, 3, 7, 8, 9, 11, 15})
    for (uint64_t spread : {uint64_t{1}, uint64_t{1000}, uint64_t{1000000}, ~uint64_t{0}})
      for (size_t n : kSizes) {
        SCOPED_TRACE("length " + std::to_string(length) + ", spread " + std::to_string(spread) + ", " +
                     std::to_string(n) + " items");
        ExpectSorts(Numbers(n, length, spread, rng));
      }
}

TEST(ParallelSort, OneItemThatIsNoNumberTakesTheGeneralWay) {
  std::mt19937_64 rng(2);
  for (size_t at : {size_t{0}, size_t{40}, size_t{99}})
    for (const std::string& odd : {std::string("1380013800"), std::string("1380013800a"), std::string(""),
                                   std::string("138001380001"), std::string(20, '1')}) {
      Strings items = Numbers(100, 11, 1000000, rng);
      items[at] = odd;
      ExpectSorts(items);
    }
}

TEST(ParallelSort, TextsLongAndShortEmptyAndGbk) {
  std::mt19937_64 rng(3);
  const Strings words{"", "a", "A", "ab", "\xD6\xD0", "\xD6\xD0\xB9\xFA", "z", std::string(15, 'q'),
                      std::string(16, 'q'), std::string(40, 'q') + "1", std::string(40, 'q')};
  for (size_t n : kSizes) {
    Strings items;
    for (size_t i = 0; i < n; ++i) items.push_back(words[rng() % words.size()] + (i % 3 ? "" : std::to_string(i % 7)));
    ExpectSorts(items);
  }
  // Mostly the smallest item: the sample's middle is the smallest, nothing lies below it.
  Strings empties(200, "");
  empties[7] = "x";
  empties[150] = std::string(30, 'y');
  ExpectSorts(empties);
  ExpectSorts(Strings(100, std::string(20, 's')));
}

Strings MixedItems(size_t n, std::mt19937_64& rng) {
  Strings items;
  // Two numbers of one BKDR hash, and items that are not inline.
  const Strings rare{"", "13363463632", "13377114254", std::string(30, 'w')};
  for (size_t i = 0; i < n; ++i)
    items.push_back(i % 5 == 0 ? rare[rng() % rare.size()] : std::to_string(13800000000ULL + rng() % (n / 2 + 1)));
  return items;
}

TEST(ParallelHashes, DedupeKeepsFirstOccurrencesInOrder) {
  std::mt19937_64 rng(4);
  for (size_t n : kSizes) {
    const Strings items = MixedItems(n, rng);
    ForThreadCounts([&] {
      ItemList list;
      Fill(list, items);
      DedupeByHash(list);
      EXPECT_EQ(Items(list), FirstOccurrences(items));
    });
  }
}

TEST(ParallelMembership, SplitsAgreeWithASetOfTheBytes) {
  std::mt19937_64 rng(5);
  for (size_t n : kSizes) {
    const Strings source = MixedItems(n, rng), reference = MixedItems(n / 2 + 3, rng);
    const std::set<std::string> bytes(reference.begin(), reference.end());
    Strings keptExact, matchedExact;
    for (const auto& s : source) (bytes.count(s) ? matchedExact : keptExact).push_back(s);
    ForThreadCounts([&] {
      ItemList src, ref, kept, matched;
      Fill(src, source);
      Fill(ref, reference);
      SplitListsBySort(src, ref, &kept, &matched);
      EXPECT_EQ(Items(kept), keptExact);
      EXPECT_EQ(Items(matched), matchedExact);
      EXPECT_EQ(Items(ref), ByteSorted(reference));
      SplitListsByHash(src, ref, &kept, &matched);
      EXPECT_EQ(Items(kept), keptExact);
      EXPECT_EQ(Items(matched), matchedExact);
    });
  }
}

TEST(ParallelSave, BlocksFormattedSideBySideAreWrittenInOrder) {
  test::TempDir dir;
  std::mt19937_64 rng(6);
  for (size_t n : kSizes) {
    const Strings items = MixedItems(n, rng);
    ForThreadCounts([&] {
      ItemList list;
      Fill(list, items);
      list.SaveToFile(dir / "out.txt");
      EXPECT_EQ(test::ReadBytes(dir / "out.txt"), list.GetText());
      FileWriter part(dir / "part.txt");
      list.SaveTo(part, 3, 13);
      part.Commit();
      ItemList middle;
      for (size_t i = 3; i < std::min<size_t>(n, 16); ++i) middle.Add(list[static_cast<int>(i)]);
      EXPECT_EQ(test::ReadBytes(dir / "part.txt"), middle.GetText());
    });
  }
}

// A write that fails while other threads format stops them all and tells its error.
TEST(ParallelSave, AFailedWriteEndsEveryThread) {
  test::TempDir dir;
  test::TestEnv env;
  env.failWritesAfter = 3 << 20;
  ItemList list;
  Fill(list, Strings(4000, std::string(1000, 'x')));
  ForThreadCounts([&] {
    EXPECT_THROW(list.SaveToFile(dir / "full.txt"), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir / "full.txt"));
  });
}

// A file read in pieces of a few bytes gives the lines its whole text gives: a CR LF, a zero
// byte or a long line cut by every piece's end.
TEST(ParallelLoad, FilesReadInPiecesGiveTheLinesOfTheirText) {
  test::TempDir dir;
  const std::string texts[] = {"",
                               "one",
                               "a\r\nb\r\n",
                               "\r\n\r\n\r\r\n\n\r",
                               "x\ry\nz\r",
                               "13800138000\r\n" + std::string(50, '7') + "\r\n\xD6\xD0\n",
                               std::string("12\r\n34\0" "56\r\n78", 12),
                               std::string("\0abc", 4)};
  for (const std::string& text : texts) {
    const auto file = dir / "in.txt";
    test::WriteBytes(file, text);
    ItemList appended, alone;
    Fill(appended, {"before"});
    appended.AddText(text);
    alone.SetText(text);
    for (size_t least : {1, 2, 3, 5}) {
      for (int threads : {1, 2, 3}) {
        SCOPED_TRACE(testing::PrintToString(text) + " threads " + std::to_string(threads) + " parts of " +
                     std::to_string(least));
        ScopedParallelism pin(threads, least);
        ItemList list;
        Fill(list, {"before"});
        list.AppendFile(file);
        EXPECT_EQ(Items(list), Items(appended));
        list.LoadFromFile(file);
        EXPECT_EQ(Items(list), Items(alone));
      }
    }
  }
}

TEST(ParallelLoad, AFileThatCannotBeReadLeavesTheList) {
  test::TempDir dir;
  ScopedParallelism pin(2, 1);
  ItemList list;
  Fill(list, {"keep"});
  EXPECT_THROW(list.AppendFile(dir / "missing.txt"), FileError);
  EXPECT_THROW(list.LoadFromFile(dir.path()), FileError);
  EXPECT_EQ(Items(list), Strings{"keep"});
}

}  // namespace
}  // namespace telqor
