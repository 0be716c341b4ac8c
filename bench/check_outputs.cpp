// Checks that two outputs of a benchmark pair agree, line ends normalised:
//   telqor_bench_check same OURS THEIRS        the same lines in the same order
//   telqor_bench_check multiset OURS THEIRS    the same lines, any order
//   telqor_bench_check set OURS THEIRS         the same distinct lines
// Prints "ok" or the first difference.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/io/file_io.h"
#include "core/lists/item_list.h"

using telqor::ItemList;

namespace {

std::vector<std::string> Lines(const char* path) {
  ItemList list;
  list.LoadBytesFromFile(path);
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list.View(i));
  return lines;
}

int Compare(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) {
      std::printf("differ at line %zu: '%s' vs '%s'\n", i + 1, a[i].c_str(), b[i].c_str());
      return 1;
    }
  }
  if (a.size() != b.size()) {
    std::printf("differ in length: %zu vs %zu lines\n", a.size(), b.size());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s same|multiset|set OURS THEIRS\n", argv[0]);
    return 2;
  }
  std::string mode = argv[1];
  auto ours = Lines(argv[2]);
  auto theirs = Lines(argv[3]);
  if (mode == "multiset" || mode == "set") {
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    if (mode == "set") {
      ours.erase(std::unique(ours.begin(), ours.end()), ours.end());
      theirs.erase(std::unique(theirs.begin(), theirs.end()), theirs.end());
    }
  } else if (mode != "same") {
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
  }
  if (Compare(ours, theirs)) return 1;
  std::printf("ok\n");
  return 0;
}
