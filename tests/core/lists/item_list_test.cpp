#include "core/lists/item_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/platform/parallel.h"
#include "core/text/errors.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

Strings Lines(std::string_view text) {
  ItemList list;
  list.SetText(text);
  return Items(list);
}

template <typename F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(ItemListText, LineBreaksAreCrLfOrCrLf) {
  EXPECT_EQ(Lines("a\r\n\r\nb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Lines("a\nb\n"), (Strings{"a", "b"}));
  EXPECT_EQ(Lines("a\rb"), (Strings{"a", "b"}));
  EXPECT_EQ(Lines("a\n\rb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Lines(""), Strings{});
  EXPECT_EQ(Lines("\r\n"), Strings{""});
  EXPECT_EQ(Lines("\n\n"), (Strings{"", ""}));
  EXPECT_EQ(Lines("last"), Strings{"last"});
  // Blanks and a byte-order mark are item data.
  EXPECT_EQ(Lines("\xEF\xBB\xBF 1 \t\r\n"), Strings{"\xEF\xBB\xBF 1 \t"});
}

TEST(ItemListText, ZeroByteEndsTheText) {
  EXPECT_EQ(Lines(std::string_view("1\r\n2\0003\r\n4", 10)), (Strings{"1", "2"}));
  EXPECT_EQ(Lines(std::string_view("\0abc", 4)), Strings{});
  EXPECT_EQ(Lines(std::string_view()), Strings{});  // no text at all, not even a pointer
}

TEST(ItemListText, GetTextEndsEveryItemWithCrLf) {
  ItemList list;
  EXPECT_EQ(list.GetText(), "");
  Fill(list, {"x", "", "y"});
  EXPECT_EQ(list.GetText(), "x\r\n\r\ny\r\n");
}

TEST(ItemListFiles, LoadAndSaveAreByteExact) {
  test::TempDir dir;
  ItemList list;
  list.SaveToFile(dir / "empty.txt");
  EXPECT_EQ(test::ReadBytes(dir / "empty.txt"), "");

  Fill(list, {"x"});
  list.SaveToFile(dir / "x.txt");
  EXPECT_EQ(test::ReadBytes(dir / "x.txt"), "x\r\n");

  // CR-only and LF-only files come back with CR LF, a long line intact.
  std::string longLine(10240, '7');
  test::WriteBytes(dir / "mixed.txt", "1\r2\n" + longLine + "\r\n\xD6\xD0");
  list.LoadFromFile(dir / "mixed.txt");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.View(2), longLine);
  list.SaveToFile(dir / "out.txt");
  EXPECT_EQ(test::ReadBytes(dir / "out.txt"), "1\r\n2\r\n" + longLine + "\r\n\xD6\xD0\r\n");
}

// "中文" in GBK and in UTF-8.
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";
const std::string kUtf8Chinese = "\xE4\xB8\xAD\xE6\x96\x87";

TEST(ItemListFiles, FilesAreReadInTheirEncoding) {
  test::TempDir dir;
  struct Case {
    const char* name;
    std::string bytes;
    Strings lines;
    size_t lost;
  };
  const Case cases[] = {
      {"utf8.txt", "13800138000\r\n" + kUtf8Chinese + "\r\n", {"13800138000", kGbkChinese}, 0},
      {"marked.txt", "\xEF\xBB\xBF" "13800138000\n" + kUtf8Chinese, {"13800138000", kGbkChinese}, 0},
      // A mark says UTF-8 even where a byte is not: it becomes '?', counted.
      {"marked-bad.txt", "\xEF\xBB\xBF" "a\xFF\n", {"a?"}, 1},
      {"utf16.txt", std::string("\xFF\xFE" "1\0\r\0\n\0\x2D\x4E", 10), {"1", "\xD6\xD0"}, 0},
      // GBK text is no UTF-8: taken byte for byte.
      {"gbk.txt", "13800138000\r\n" + kGbkChinese + "\r\n", {"13800138000", kGbkChinese}, 0},
      // An emoji GBK cannot hold, and a line that is ASCII either way.
      {"emoji.txt", "\xF0\x9F\x98\x80x\r\n1", {"?x", "1"}, 1},
      {"empty.txt", "", {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(dir / c.name, c.bytes);
    ItemList list;
    size_t lost = 0;
    list.LoadFromFile(dir / c.name, &lost);
    EXPECT_EQ(Items(list), c.lines);
    EXPECT_EQ(lost, c.lost);
    ItemList sorted;  // a sorted list reads the file whole, in the same encoding
    sorted.SetSorted(true);
    sorted.AppendFile(dir / c.name);
    Strings want = c.lines;
    std::sort(want.begin(), want.end());
    want.erase(std::unique(want.begin(), want.end()), want.end());
    EXPECT_EQ(Items(sorted), want);
  }
}

// A large file is read a piece at a time: the encoding is the whole file's, however its
// pieces fall.
TEST(ItemListFiles, TheWholeFileDecidesItsEncoding) {
  test::TempDir dir;
  ScopedParallelism pin(2, size_t{1} << 16);  // pieces of 128 KB
  std::string ascii;
  for (int i = 0; ascii.size() < (size_t{1} << 20); ++i) ascii += std::to_string(13800000000LL + i) + "\r\n";
  const int asciiLines = static_cast<int>(std::count(ascii.begin(), ascii.end(), '\n'));
  // UTF-8 only after megabytes of ASCII, with more ASCII after it.
  test::WriteBytes(dir / "late.txt", ascii + kUtf8Chinese + "\r\n" + ascii);
  ItemList list;
  Fill(list, {"before"});
  list.AppendFile(dir / "late.txt");
  ASSERT_EQ(list.Count(), 2 * asciiLines + 2);
  EXPECT_EQ(list.View(asciiLines + 1), kGbkChinese);
  // Well-formed UTF-8 in the first pieces, a GBK line at the end: GBK byte for byte.
  test::WriteBytes(dir / "mixed.txt", kUtf8Chinese + "\r\n" + ascii + kGbkChinese);
  list.LoadFromFile(dir / "mixed.txt");
  EXPECT_EQ(list.View(0), kUtf8Chinese);
  EXPECT_EQ(list.View(list.Count() - 1), kGbkChinese);
}

TEST(ItemListFiles, MissingFileLeavesTheListAndSaysSo) {
  test::TempDir dir;
  ItemList list;
  Fill(list, {"keep"});
  auto missing = dir / "missing.txt";
  EXPECT_EQ(ErrorOf([&] { list.LoadFromFile(missing); }),
            "Cannot open file \"" + missing.string() + "\". No such file or directory");
  EXPECT_EQ(Items(list), Strings{"keep"});

  auto noFolder = dir / "no" / "out.txt";
  EXPECT_EQ(ErrorOf([&] { list.SaveToFile(noFolder); }),
            "Cannot create file \"" + noFolder.string() + "\". No such file or directory");
  EXPECT_THROW(list.LoadFromFile(dir.path()), FileError);
}

TEST(ItemListAdd, SplitsAtLineFeedUnlessLoading) {
  ItemList list;
  EXPECT_EQ(list.Add("1\n2"), 1);
  EXPECT_EQ(list.Add("3\r4"), 2);
  EXPECT_EQ(Items(list), (Strings{"1", "2", "3\r4"}));
  list.SetLoading(true);
  list.Add("5\n6");
  EXPECT_EQ(list.View(3), "5\n6");
}

TEST(ItemListAdd, SortedListsHonourDuplicates) {
  ItemList list;
  list.SetSorted(true);
  for (auto s : {"b", "a", "c"}) list.Add(s);
  EXPECT_EQ(Items(list), (Strings{"a", "b", "c"}));

  EXPECT_EQ(list.Add("b"), 1);  // ignored: the existing index, nothing added
  EXPECT_EQ(list.Count(), 3);

  list.SetDuplicates(DuplicatePolicy::kError);
  EXPECT_EQ(ErrorOf([&] { list.Add("c"); }), "Duplicates found.");
  EXPECT_EQ(list.Count(), 3);

  list.SetDuplicates(DuplicatePolicy::kAccept);
  EXPECT_EQ(list.Add("b"), 1);
  EXPECT_EQ(Items(list), (Strings{"a", "b", "b", "c"}));
}

TEST(ItemListFind, IndexOfEqualItemOrInsertionPoint) {
  ItemList list;
  Fill(list, {"a", "b", "b", "b", "c"});
  list.SetSorted(true);
  int index = -1;
  EXPECT_TRUE(list.Find("b", index));
  EXPECT_EQ(index, 2);  // the first equal item the search meets
  list.SetDuplicates(DuplicatePolicy::kAccept);
  EXPECT_TRUE(list.Find("b", index));
  EXPECT_EQ(index, 1);  // the first of the run
  EXPECT_FALSE(list.Find("bb", index));
  EXPECT_EQ(index, 4);
  EXPECT_FALSE(list.Find("", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(list.Find("d", index));
  EXPECT_EQ(index, 5);
  ItemList empty;
  EXPECT_FALSE(empty.Find("x", index));
  EXPECT_EQ(index, 0);
}

TEST(ItemListErrors, BadIndexAndSortedListsRefuse) {
  ItemList list;
  Fill(list, {"a", "b"});
  EXPECT_EQ(ErrorOf([&] { list.Get(2); }), "Not exists");
  EXPECT_EQ(ErrorOf([&] { list.Get(-1); }), "Not exists");
  EXPECT_EQ(ErrorOf([&] { list.Delete(2); }), "Not exists");
  EXPECT_EQ(ErrorOf([&] { list.Put(5, std::string_view("x")); }), "Not exists");
  EXPECT_EQ(ErrorOf([&] { list.Insert(3, "x"); }), "Not exists");
  EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 9); }), "Not exists");
  list.Insert(2, "z");  // at Count is allowed
  list.SetSorted(true);
  EXPECT_EQ(ErrorOf([&] { list.Insert(0, "x"); }), "Cannot insert into sorted SList");
  EXPECT_EQ(ErrorOf([&] { list.Put(0, std::string_view("x")); }), "Cannot change item of sorted SList");
  EXPECT_EQ(Items(list), (Strings{"a", "b", "z"}));
}

TEST(ItemListEdit, InsertPutDeleteExchange) {
  ItemList list;
  Fill(list, {"a", "c"});
  list.Insert(1, "b");
  list.Insert(0, "0");
  list.Put(3, std::string_view("d"));
  list.Delete(0);
  list.Exchange(0, 2);
  EXPECT_EQ(Items(list), (Strings{"d", "b", "a"}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(ItemListEdit, CapacityGrowsBy128ThenByAQuarter) {
  ItemList list;
  std::vector<int> seen;
  for (int i = 0; i < 1200; ++i) {
    list.Add("1");
    if (seen.empty() || seen.back() != list.Capacity()) seen.push_back(list.Capacity());
  }
  EXPECT_EQ(seen, (std::vector<int>{128, 256, 384, 512, 640, 800, 1000, 1250}));
}

TEST(ItemListCompare, CaseFoldingTable) {
  ItemList list;
  list.SetCaseSensitive(false);
  EXPECT_EQ(list.CompareStrings("abc", "ABC"), 0);
  EXPECT_EQ(list.CompareStrings("\xE0", "\xC0"), 0);
  EXPECT_EQ(list.CompareStrings("\x9A", "\x8A"), 0);
  EXPECT_EQ(list.CompareStrings("\xBC", "\xA3"), 0);
  EXPECT_EQ(list.CompareStrings("\xB4", "\xA5"), 0);
  EXPECT_LT(list.CompareStrings("a", "B"), 0);
  EXPECT_LT(list.CompareStrings("ab", "ABC"), 0);
  EXPECT_LT(list.CompareStrings("", "a"), 0);
  EXPECT_EQ(list.CompareStrings("", ""), 0);
  list.SetCaseSensitive(true);
  EXPECT_GT(list.CompareStrings("a", "B"), 0);
  EXPECT_GT(list.CompareStrings("\xE0", "\x7F"), 0);  // bytes compare unsigned
}

// Sorting must give the same bytes as a plain comparison sort, on the packed-number path and
// on the general one.
TEST(ItemListSort, MatchesAPlainByteSort) {
  std::mt19937 rng(7);
  auto check = [](Strings items) {
    ItemList list;
    Fill(list, items);
    list.Sort();
    std::sort(items.begin(), items.end());
    EXPECT_EQ(Items(list), items);
    EXPECT_FALSE(list.Sorted());
  };
  Strings numbers, mixed;
  for (int i = 0; i < 5000; ++i) {
    numbers.push_back(std::to_string(13000000000ULL + rng() % 1000000000ULL));
    mixed.push_back(std::to_string(rng() % 100000));
  }
  numbers.push_back("00000000000");
  numbers.push_back("99999999999");
  check(numbers);
  check(mixed);  // digits of different lengths: byte order, not numeric order
  mixed.push_back("");
  mixed.push_back(std::string(40, 'z'));
  mixed.push_back("\xB1\xB1\xBE\xA9");
  check(mixed);
  check({"0000000000000000009", "1000000000000000000", "0999999999999999999"});
  // Packed numbers of every inline length, leading zeros kept.
  for (int length : {1, 7, 8, 9, 12, 15}) {
    Strings same;
    for (int i = 0; i < 3000; ++i) {
      std::string digits;
      for (int k = 0; k < length; ++k) digits += static_cast<char>('0' + rng() % (k == 0 && i % 2 ? 1 : 10));
      same.push_back(digits);
    }
    check(same);
  }
}

TEST(ItemListSort, MillionsOfNumbersSortInParts) {
  std::mt19937_64 rng(11);
  Strings numbers;
  for (int i = 0; i < 2500000; ++i) numbers.push_back(std::to_string(13000000000ULL + rng() % 6000000000ULL));
  ItemList list;
  Fill(list, numbers);
  list.Sort();
  std::sort(numbers.begin(), numbers.end());
  EXPECT_TRUE(Items(list) == numbers);
}

TEST(ItemListSort, CaseInsensitiveListsSortFolded) {
  ItemList list;
  list.SetCaseSensitive(false);
  Fill(list, {"b", "A", "c", "a", "B", "ab"});
  list.SetSorted(true);
  EXPECT_TRUE(list.Sorted());
  for (int i = 1; i < list.Count(); ++i) EXPECT_LE(list.CompareStrings(list.View(i - 1), list.View(i)), 0);
  list.Add("AB");  // folded equal to "ab": ignored
  EXPECT_EQ(list.Count(), 6);
}

TEST(ItemListShare, AssignAndAddListShareLongItems) {
  ItemList a, b;
  Fill(a, {std::string(64, 'q'), "1"});
  b.Assign(a);
  EXPECT_EQ(b[0].data(), a[0].data());
  EXPECT_EQ(a.Get(0).data(), a[0].data());
  b.AddList(b);  // adding a list to itself doubles it
  EXPECT_EQ(Items(b), (Strings{std::string(64, 'q'), "1", std::string(64, 'q'), "1"}));
  b.Assign(b);
  EXPECT_EQ(b.Count(), 4);
  b.AssignStrings({"x\ny"});  // assigning loads: no split
  EXPECT_EQ(b.Count(), 1);
}

TEST(ItemListEdit, DeleteMarkedKeepsOrder) {
  ItemList list;
  Fill(list, {"1", std::string(30, 'l'), "3", "4"});
  list.DeleteMarked({0, 1, 0, 1});
  EXPECT_EQ(Items(list), (Strings{"1", "3"}));
}

}  // namespace
}  // namespace telqor

namespace telqor {
namespace {

// Texts big enough to be split and built in parts: every line break kind lands at a cut.
TEST(ItemListText, LargeTextsLoadAsTheirLines) {
  const char* breaks[] = {"\r\n", "\n", "\r", "\n\r"};
  std::string text;
  Strings want{"first"};
  for (int i = 0; text.size() < (size_t{24} << 20); ++i) {
    std::string line = std::to_string(13800000000LL + i);
    text += line;
    want.push_back(line);
    text += breaks[i % 4];
    if (i % 4 == 3) want.push_back("");
  }
  text += "tail";
  want.push_back("tail");
  ItemList list;
  Fill(list, {"first"});
  list.AddText(text);
  EXPECT_EQ(list.Count(), static_cast<int>(want.size()));
  EXPECT_TRUE(Items(list) == want);
}

}  // namespace
}  // namespace telqor
