// Writes mixed GBK text for the extraction benchmark: Chinese prose with mobile numbers,
// landlines with their area codes, e-mail addresses, postal codes, prices and HTML tags.
// Mobile numbers are eleven digits starting 13, 14, 15, 17 or 18, and no other digit run holds
// "1[3-9]" followed by nine digits, so `rg -o '1[3-9][0-9]{9}' | sort -u` and the mobile
// numbers telqor finds are the same set.
//   telqor_bench_mixed BYTES FILES OUT-FOLDER [SEED]
// writes FILES files of about BYTES / FILES bytes each: OUT-FOLDER/mixed-0001.txt, ...
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

// Common characters in GBK (two bytes each): 的 是 电 话 联 系 我 们 公 司 地 址 手 机 号 码.
const char* const kWords[] = {"\xB5\xC4", "\xCA\xC7", "\xB5\xE7", "\xBB\xB0", "\xC1\xAA", "\xCF\xB5",
                              "\xCE\xD2", "\xC3\xC7", "\xB9\xAB", "\xCB\xBE", "\xB5\xD8", "\xD6\xB7",
                              "\xCA\xD6", "\xBB\xFA", "\xBA\xC5", "\xC2\xEB"};
const char* const kAreas[] = {"010", "021", "022", "023", "020", "0755", "0571", "0512", "0731", "0898"};
const char* const kMobileHeads[] = {"13", "14", "15", "17", "18"};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s BYTES FILES OUT-FOLDER [SEED]\n", argv[0]);
    return 2;
  }
  long long bytes = std::atoll(argv[1]);
  int files = std::atoi(argv[2]);
  std::filesystem::path folder = argv[3];
  std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);
  std::filesystem::create_directories(folder);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto digits = [&](std::string& out, int n) {
    for (int i = 0; i < n; ++i) out.push_back(static_cast<char>('0' + pick(10)));
  };
  std::string line;
  for (int f = 1; f <= files; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "mixed-%04d.txt", f);
    FILE* out = std::fopen((folder / name).c_str(), "wb");
    if (!out) {
      std::perror(name);
      return 1;
    }
    long long target = bytes / files, written = 0;
    while (written < target) {
      line.clear();
      for (int k = 0; k < 12; ++k) {
        int words = 1 + pick(6);
        for (int w = 0; w < words; ++w) line += kWords[pick(16)];
        switch (pick(10)) {
          case 0:
          case 1:
          case 2: {  // mobile numbers from a pool of four million, so repeats are common
            unsigned long long n = static_cast<unsigned long long>(pick(4'000'000));
            char tail[16];
            std::snprintf(tail, sizeof tail, "%09llu", n * 2654435761ULL % 1'000'000'000ULL);
            line += kMobileHeads[n % 5];
            line += tail;
            break;
          }
          case 3:
            line += kAreas[pick(10)];
            line += "-";
            line.push_back(static_cast<char>('2' + pick(7)));
            digits(line, 7);
            break;
          case 4:
            line += "<td>";
            line.push_back(static_cast<char>('2' + pick(7)));
            digits(line, 6 + pick(2));
            line += "</td>";
            break;
          case 5:
            line += "user";
            digits(line, 3);
            line += "@mail.example.com ";
            break;
          case 6:  // a postal code
            line.push_back(static_cast<char>('1' + pick(8)));
            digits(line, 5);
            break;
          case 7:  // a price
            digits(line, 1 + pick(4));
            line += ".";
            digits(line, 2);
            break;
          default:
            line += " ";
        }
      }
      line += "\r\n";
      std::fwrite(line.data(), 1, line.size(), out);
      written += static_cast<long long>(line.size());
    }
    if (std::fclose(out) != 0) {
      std::perror(name);
      return 1;
    }
  }
  return 0;
}
