// Writes mobile numbers as people type them, for bench/run_normalize.sh, GBK with CR LF:
//   telqor_bench_messy COUNT SEED OUT
// Of every hundred lines about half are plain eleven digits and forty are the same numbers
// spelled otherwise ("+86 138 0013 8000", "8613800138000", "0086 138-0013-8000",
// "(+86)13800138000", "138-0013-8000", "138.0013.8000", full-width digits, "＋８６　…"); the
// rest are lines that stay: landlines, text with a number in it, full-width digits of no
// mobile, empty lines.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// The digits in GBK's full-width forms (A3 B0 .. A3 B9).
std::string Wide(const std::string& digits) {
  std::string out;
  for (char c : digits) {
    out += '\xA3';
    out += static_cast<char>(0xB0 + (c - '0'));
  }
  return out;
}

std::string Spelled(const std::string& d, unsigned kind) {
  std::string a = d.substr(0, 3), b = d.substr(3, 4), c = d.substr(7), s;
  switch (kind) {
    case 0:
      return s.append("+86 ").append(a).append(" ").append(b).append(" ").append(c);
    case 1:
      return s.append("86").append(d);
    case 2:
      return s.append("0086 ").append(a).append("-").append(b).append("-").append(c);
    case 3:
      return s.append("(+86)").append(d);
    case 4:
      return s.append(a).append("-").append(b).append("-").append(c);
    case 5:
      return s.append(a).append(".").append(b).append(".").append(c);
    case 6:
      return Wide(d);
    default:  // "＋８６　１３８－００１３－８０００"
      return s.append("\xA3\xAB")
          .append(Wide("86"))
          .append("\xA1\xA1")
          .append(Wide(a))
          .append("\xA3\xAD")
          .append(Wide(b))
          .append("\xA3\xAD")
          .append(Wide(c));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s COUNT SEED OUT\n", argv[0]);
    return 1;
  }
  const uint64_t count = std::strtoull(argv[1], nullptr, 10);
  std::mt19937_64 rng(std::strtoull(argv[2], nullptr, 10));
  FILE* out = std::fopen(argv[3], "wb");
  if (!out) {
    std::perror(argv[3]);
    return 1;
  }
  std::string buffer;
  for (uint64_t i = 0; i < count; ++i) {
    std::string digits = std::to_string(13000000000ULL + rng() % 6000000000ULL);
    unsigned roll = static_cast<unsigned>(rng() % 100);
    if (roll < 50) {
      buffer += digits;
    } else if (roll < 90) {
      buffer += Spelled(digits, roll % 8);
    } else if (roll < 94) {
      buffer.append("0").append(std::to_string(10 + rng() % 990)).append("-");
      buffer.append(std::to_string(10000000 + rng() % 90000000));
    } else if (roll < 96) {
      buffer.append("\xCA\xD6\xBB\xFA").append(digits);  // "手机" before the number
    } else if (roll < 98) {
      buffer += Wide(digits.substr(0, 10));  // ten digits: no mobile
    }                                        // else an empty line
    buffer += "\r\n";
    if (buffer.size() > (1 << 20)) {
      std::fwrite(buffer.data(), 1, buffer.size(), out);
      buffer.clear();
    }
  }
  std::fwrite(buffer.data(), 1, buffer.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}
