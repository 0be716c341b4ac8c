// Writes random 11-digit mobile numbers for the benchmarks, CR LF after each:
//   telqor_bench_gen COUNT REPEAT_PERCENT SEED OUT [OVERLAP_FILE]
// About REPEAT_PERCENT of the lines repeat an earlier line. With OVERLAP_FILE, half of the
// lines are taken from that file's numbers (regenerated from its seed), half are new.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s COUNT REPEAT_PERCENT SEED OUT [OTHER_SEED]\n", argv[0]);
    return 1;
  }
  const uint64_t count = std::strtoull(argv[1], nullptr, 10);
  const unsigned repeat = static_cast<unsigned>(std::atoi(argv[2]));
  std::mt19937_64 rng(std::strtoull(argv[3], nullptr, 10));
  FILE* out = std::fopen(argv[4], "wb");
  if (!out) {
    std::perror(argv[4]);
    return 1;
  }
  // Numbers of another set: regenerated from its seed, used for the half-overlapping set.
  std::vector<uint64_t> other;
  if (argc > 5) {
    std::mt19937_64 o(std::strtoull(argv[5], nullptr, 10));
    other.reserve(count);
    for (uint64_t i = 0; i < count; ++i) other.push_back(13000000000ULL + o() % 6000000000ULL);
  }
  std::vector<uint64_t> made;
  made.reserve(count);
  std::vector<char> buffer;
  buffer.reserve(1 << 20);
  for (uint64_t i = 0; i < count; ++i) {
    uint64_t n;
    if (!made.empty() && rng() % 100 < repeat) {
      n = made[rng() % made.size()];
    } else if (!other.empty() && (rng() & 1)) {
      n = other[rng() % other.size()];
    } else {
      n = 13000000000ULL + rng() % 6000000000ULL;
    }
    made.push_back(n);
    char line[24];
    int len = std::snprintf(line, sizeof line, "%llu\r\n", static_cast<unsigned long long>(n));
    buffer.insert(buffer.end(), line, line + len);
    if (buffer.size() > (1 << 20) - 32) {
      std::fwrite(buffer.data(), 1, buffer.size(), out);
      buffer.clear();
    }
  }
  std::fwrite(buffer.data(), 1, buffer.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}
