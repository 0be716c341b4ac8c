// Writes a segment database for the benchmarks, GBK with CR LF, into FOLDER:
//   telqor_bench_segments SEGMENTS CITIES SEED sorted|shuffled FOLDER
// "地区.txt" holds 31 provinces with CITIES cities between them; "手机号段.txt" holds SEGMENTS
// distinct seven-digit segments out of 1300000..1899999 (the range of telqor_bench_gen's
// numbers), each in a random city, in segment order or shuffled. The same SEED gives the same
// database in either order. Names are two or three characters of GB2312's first level.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kProvinces = 31;
constexpr uint32_t kFirstSegment = 1300000, kSegmentRange = 600000;

// A name no other name has: two or three characters from rows 0xB0..0xD7 of GB2312.
std::string NewName(std::mt19937_64& rng, std::set<std::string>& taken) {
  for (;;) {
    std::string name;
    for (int n = 2 + static_cast<int>(rng() % 2); n-- > 0;) {
      name += static_cast<char>(0xB0 + rng() % 40);
      name += static_cast<char>(0xA1 + rng() % 89);
    }
    if (taken.insert(name).second) return name;
  }
}

bool WriteFile(const std::filesystem::path& file, const std::string& text) {
  FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) {
    std::perror(file.c_str());
    return false;
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return std::fclose(out) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s SEGMENTS CITIES SEED sorted|shuffled FOLDER\n", argv[0]);
    return 1;
  }
  const uint32_t segmentCount = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
  const int cityCount = std::atoi(argv[2]);
  std::mt19937_64 rng(std::strtoull(argv[3], nullptr, 10));
  const std::string order = argv[4];
  const std::filesystem::path folder = argv[5];
  if (segmentCount > kSegmentRange || cityCount < kProvinces || (order != "sorted" && order != "shuffled")) {
    std::fprintf(stderr, "at most %u segments, at least %d cities, sorted or shuffled\n", kSegmentRange, kProvinces);
    return 1;
  }

  std::set<std::string> taken;
  std::vector<std::string> provinces;
  for (int p = 0; p < kProvinces; ++p) provinces.push_back(NewName(rng, taken));
  struct City {
    int province;
    std::string name;
  };
  std::vector<City> cities;
  for (int c = 0; c < cityCount; ++c) cities.push_back(City{c % kProvinces, NewName(rng, taken)});

  std::string regions;
  for (int p = 0; p < kProvinces; ++p) {
    regions += provinces[static_cast<size_t>(p)];
    for (const City& city : cities)
      if (city.province == p) regions += "|" + city.name;
    regions += "\r\n";
  }

  // The first SEGMENTS of a shuffled range, then put in order or shuffled again.
  std::vector<uint32_t> segments(kSegmentRange);
  for (uint32_t i = 0; i < kSegmentRange; ++i) segments[i] = kFirstSegment + i;
  std::shuffle(segments.begin(), segments.end(), rng);
  segments.resize(segmentCount);
  std::vector<uint32_t> cityOf(segmentCount);
  for (uint32_t& c : cityOf) c = static_cast<uint32_t>(rng() % static_cast<uint64_t>(cityCount));
  std::vector<uint32_t> lines(segmentCount);
  for (uint32_t i = 0; i < segmentCount; ++i) lines[i] = i;
  if (order == "sorted") {
    std::sort(lines.begin(), lines.end(), [&](uint32_t a, uint32_t b) { return segments[a] < segments[b]; });
  } else {
    std::mt19937_64 again(rng());
    std::shuffle(lines.begin(), lines.end(), again);
  }

  std::string text;
  text.reserve(static_cast<size_t>(segmentCount) * 24);
  for (uint32_t i : lines) {
    const City& city = cities[cityOf[i]];
    text +=
        std::to_string(segments[i]) + "|" + provinces[static_cast<size_t>(city.province)] + "|" + city.name + "\r\n";
  }
  std::filesystem::create_directories(folder);
  return WriteFile(folder / "地区.txt", regions) && WriteFile(folder / "手机号段.txt", text) ? 0 : 1;
}
