#include "core/lists/unique_by_hash_list.h"

#include <gtest/gtest.h>

#include "core/lists/bkdr_hash.h"
#include "core/text/errors.h"
#include "core/lists/list_hash.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::Fill;
using test::Items;
using Strings = std::vector<std::string>;

// Two real mobile numbers whose BKDR hashes are equal.
const char kTwinA[] = "13363463632";
const char kTwinB[] = "13377114254";

TEST(BKDRHash, Seed131) {
  EXPECT_EQ(BKDRHash(""), 0u);
  EXPECT_EQ(BKDRHash("1"), 49u);
  EXPECT_EQ(BKDRHash("12"), 49u * 131 + 50);
  EXPECT_EQ(BKDRHash("\xFF"), 255u);  // bytes are unsigned
  EXPECT_EQ(BKDRHash(kTwinA), BKDRHash(kTwinB));
  EXPECT_EQ(BKDRHash(kTwinA), 3784750646u);
}

TEST(HashKeyTable, KeysLiveInKeyModModulus) {
  HashKeyTable map(10);
  EXPECT_EQ(map.BucketModulus(), 9);
  map.Add(9);
  map.Add(18);
  map.Add(18);
  map.Add(0xFFFFFFFFu);
  EXPECT_EQ(map.KeyCount(), 3);
  EXPECT_TRUE(map.Contains(9));
  EXPECT_TRUE(map.Contains(0xFFFFFFFFu));
  EXPECT_FALSE(map.Contains(27));
  EXPECT_EQ(*map.Locate(27), 0u);  // the chain's terminating link
  EXPECT_NE(*map.Locate(18), 0u);
  map.Remove(9);
  map.Remove(9);
  EXPECT_FALSE(map.Contains(9));
  EXPECT_TRUE(map.Contains(18));
  map.Add(9);  // reuses the freed node
  EXPECT_TRUE(map.Contains(9));
  map.Clear();
  EXPECT_FALSE(map.Contains(18));
  EXPECT_EQ(HashKeyTable(1).BucketModulus(), 1);  // never a zero modulus
}

TEST(HashKeyTable, BatchCallsAnswerAsSingleCalls) {
  HashKeyTable map(1000);
  std::vector<uint32_t> keys;
  for (uint32_t i = 0; i < 5000; ++i) keys.push_back(i * 2654435761u % 3000);
  std::vector<uint8_t> present(keys.size());
  map.AddBatch(keys.data(), static_cast<int>(keys.size()), present.data());
  HashKeyTable single(1000);
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(present[i], single.Contains(keys[i]) ? 1 : 0);
    single.Add(keys[i]);
  }
  std::vector<uint32_t> probe{0, 1, 2999, 3000, 123456};
  std::vector<uint8_t> found(probe.size());
  map.ContainsBatch(probe.data(), static_cast<int>(probe.size()), found.data());
  for (size_t i = 0; i < probe.size(); ++i) EXPECT_EQ(found[i], single.Contains(probe[i]) ? 1 : 0);
}

TEST(UniqueByHashList, RefusesARepeatedHash) {
  UniqueByHashList list(10);
  EXPECT_EQ(list.Map().BucketModulus(), 999);
  EXPECT_EQ(UniqueByHashList(5000).Map().BucketModulus(), 4999);
  EXPECT_FALSE(list.CaseSensitive());
  EXPECT_EQ(list.Add("13800138000"), 0);
  EXPECT_EQ(list.Add("13800138000"), -1);
  EXPECT_EQ(list.Add(kTwinA), 1);
  EXPECT_EQ(list.Add(kTwinB), -1);  // a different number, the same hash
  EXPECT_EQ(list.LastHash(), BKDRHash(kTwinB));
  EXPECT_EQ(list.Count(), 2);

  list.Delete(0);
  EXPECT_EQ(list.LastHash(), BKDRHash("13800138000"));
  EXPECT_EQ(list.Add("13800138000"), 1);
  list.Clear();
  EXPECT_EQ(list.Add(kTwinB), 0);
}

TEST(UniqueByHashList, PutKeepsMapAndListInStep) {
  UniqueByHashList list;
  Fill(list, {"a", "b"});
  EXPECT_THROW(list.Put(0, std::string_view("b")), ItemListError);
  EXPECT_EQ(Items(list), (Strings{"a", "b"}));
  list.Put(0, std::string_view("a"));  // the same bytes: nothing happens
  list.Put(0, std::string_view("c"));
  EXPECT_EQ(Items(list), (Strings{"c", "b"}));
  EXPECT_TRUE(list.Map().Contains(BKDRHash("c")));
  EXPECT_FALSE(list.Map().Contains(BKDRHash("a")));
  EXPECT_EQ(list.Add("a"), 2);
}

TEST(UniqueByHashList, LoadingKeepsFirstOccurrences) {
  test::TempDir dir;
  test::WriteBytes(dir / "in.txt", "2\r\n1\r\n2\r\n\r\n1\r\n\r\n");
  UniqueByHashList list;
  list.LoadFromFile(dir / "in.txt");
  EXPECT_EQ(Items(list), (Strings{"2", "1", ""}));
}

TEST(DedupeByHash, FirstOccurrencesInListOrder) {
  ItemList list;
  Fill(list, {"b", "a", "b", "", "a", ""});
  DedupeByHash(list);
  EXPECT_EQ(Items(list), (Strings{"b", "a", ""}));

  ItemList twins;
  Fill(twins, {kTwinB, kTwinA, "1"});
  DedupeByHash(twins);
  EXPECT_EQ(Items(twins), (Strings{kTwinB, "1"}));  // the accepted loss of mode B
}

TEST(SplitListsByHash, MembershipByHash) {
  ItemList source, reference, kept, matched;
  Fill(source, {"5", kTwinA, "4", "5"});
  Fill(reference, {"4", kTwinB});
  SplitListsByHash(source, reference, &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"5", "5"}));
  EXPECT_EQ(Items(matched), (Strings{kTwinA, "4"}));
  EXPECT_EQ(Items(reference), (Strings{"4", kTwinB}));  // untouched, unlike mode A
  SplitListsByHash(source, reference, &source, nullptr);
  EXPECT_EQ(Items(source), (Strings{"5", "5"}));
}

TEST(SplitFilesByHash, AppendsAndSizesTheTableAtLeast1000) {
  test::TempDir dir;
  test::WriteBytes(dir / "items.txt", "1\n2\n3\n2");
  test::WriteBytes(dir / "ref.txt", "2");
  ItemList kept, matched;
  Fill(kept, {"x"});
  SplitFilesByHash(dir / "items.txt", dir / "ref.txt", 0, &kept, &matched);
  EXPECT_EQ(Items(kept), (Strings{"x", "1", "3"}));
  EXPECT_EQ(Items(matched), (Strings{"2", "2"}));
}

}  // namespace
}  // namespace telqor
