// The floor for sorting a file of numbers: a program that does nothing else, on one thread. It
// maps the file, parses every line to an integer, radix-sorts them (LSD, 11 bits a pass, on the
// distance from the smallest) and writes the lines back with one write. Every line must be the
// same number of ASCII digits (up to 19), as in the benchmark's data; lines end in CR LF or LF,
// and are written with CR LF. With -u each number is written once.
//   telqor_minimal_sort [-u] IN OUT
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  bool unique = argc == 4 && std::strcmp(argv[1], "-u") == 0;
  if (argc != 3 + (unique ? 1 : 0)) {
    std::fprintf(stderr, "usage: telqor_minimal_sort [-u] IN OUT\n");
    return 2;
  }
  const char* in = argv[argc - 2];
  const char* out = argv[argc - 1];
  int fd = open(in, O_RDONLY);
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0) return std::perror(in), 1;
  size_t size = static_cast<size_t>(st.st_size);
  const char* text = size ? static_cast<const char*>(mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)) : "";
  if (text == MAP_FAILED) return std::perror(in), 1;

  // Parse: one number a line, its digit count taken from the first line.
  std::vector<uint64_t> keys;
  keys.reserve(size / 12 + 16);
  int digits = 0;
  uint64_t low = UINT64_MAX, high = 0;
  for (const char *p = text, *end = text + size; p < end;) {
    uint64_t v = 0;
    const char* start = p;
    while (p < end && *p >= '0' && *p <= '9') v = v * 10 + static_cast<unsigned>(*p++ - '0');
    if (digits == 0) digits = static_cast<int>(p - start);
    if (p - start != digits) return std::fprintf(stderr, "%s: not all lines are %d digits\n", in, digits), 1;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
    keys.push_back(v);
    low = v < low ? v : low;
    high = v > high ? v : high;
  }
  const size_t n = keys.size();

  // Sort.
  std::vector<uint64_t> temp(n);
  uint64_t* src = keys.data();
  uint64_t* dst = temp.data();
  for (size_t i = 0; i < n; ++i) src[i] -= low;
  int bits = 0;
  while (bits < 64 && ((high - low) >> bits) != 0) ++bits;
  constexpr int kBits = 11;
  constexpr size_t kBuckets = size_t{1} << kBits;
  for (int shift = 0; shift < bits; shift += kBits) {
    std::vector<size_t> count(kBuckets, 0);
    for (size_t i = 0; i < n; ++i) ++count[(src[i] >> shift) & (kBuckets - 1)];
    size_t sum = 0;
    for (size_t& c : count) {
      size_t here = c;
      c = sum;
      sum += here;
    }
    for (size_t i = 0; i < n; ++i) dst[count[(src[i] >> shift) & (kBuckets - 1)]++] = src[i];
    std::swap(src, dst);
  }

  // Format and write once.
  std::string output;
  output.resize(n * (static_cast<size_t>(digits) + 2));
  char* o = output.data();
  uint64_t last = UINT64_MAX;
  for (size_t i = 0; i < n; ++i) {
    uint64_t v = src[i] + low;
    if (unique && v == last) continue;
    last = v;
    for (int k = digits; k-- > 0; v /= 10) o[k] = static_cast<char>('0' + v % 10);
    o[digits] = '\r';
    o[digits + 1] = '\n';
    o += digits + 2;
  }
  output.resize(static_cast<size_t>(o - output.data()));
  int ofd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (ofd < 0) return std::perror(out), 1;
  for (size_t done = 0; done < output.size();) {
    ssize_t w = write(ofd, output.data() + done, output.size() - done);
    if (w <= 0) return std::perror(out), 1;
    done += static_cast<size_t>(w);
  }
  return close(ofd) == 0 ? 0 : 1;
}
