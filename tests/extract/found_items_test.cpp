// The results of a run: what the scanning threads collect comes out sorted in byte order, each
// item once, and written the same whether one thread or several walk and format it.
#include "extract/found_items.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/io/file_writer.h"
#include "core/platform/parallel.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

TEST(FoundItems, SortedDistinctAndWrittenAlikeByAnyNumberOfThreads) {
  std::mt19937_64 rng(8);
  for (size_t n : {0, 1, 5, 40, 300}) {
    SCOPED_TRACE(std::to_string(n) + " items a collector");
    FoundCollector collectors[3];
    std::set<std::string> all;
    auto digits = [&](int length) {
      std::string s;
      for (int k = 0; k < length; ++k) s += static_cast<char>('0' + rng() % (k == 0 ? 3 : 10));
      return s;
    };
    for (FoundCollector& c : collectors) {
      for (size_t i = 0; i < n; ++i) {
        std::string item;
        switch (rng() % 6) {
          case 0: item = digits(3); break;    // numbers of several lengths, zeros leading
          case 1: item = digits(11); break;
          case 2: item = digits(19); break;
          case 3: item = digits(20); break;   // too long for a number: a text
          case 4: item = "a" + digits(2) + "@b.cn"; break;
          default: item = digits(5); break;
        }
        if (item.size() <= 19 && rng() % 4 == 0) {
          c.AddText(item);  // a pattern's match may equal a number found as digits: one item
        } else if (item.find('@') == std::string::npos && item.size() <= 19) {
          c.AddDigits(item);
        } else {
          c.AddText(item);
        }
        all.insert(item);
      }
    }
    FoundItems found;
    found.Gather({&collectors[0], &collectors[1], &collectors[2]});
    Strings items;
    found.ForEach([&](std::string_view item) { items.emplace_back(item); });
    EXPECT_EQ(items, Strings(all.begin(), all.end()));
    std::string text;
    for (const std::string& item : items) text += item + "\r\n";

    test::TempDir dir;
    for (int threads : {1, 2, 3}) {
      SCOPED_TRACE("threads " + std::to_string(threads));
      ScopedParallelism pin(threads, 4);
      FileWriter out(dir / "found.txt");
      found.WriteTo(out);
      out.Commit();
      EXPECT_EQ(test::ReadBytes(dir / "found.txt"), text);
    }
  }
}

}  // namespace
}  // namespace telqor
