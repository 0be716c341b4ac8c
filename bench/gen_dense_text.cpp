// Writes one GBK text file dense with numbers for the extraction benchmark. Of its tokens about
// 35% are mobile numbers (drawn from a pool sized to the file, so that about three quarters
// are distinct: some 25 million in 1 GB), 10% landlines (area code, "-" and a local number, or
// the area code alone with the local number a few words later or on the next line), 5% e-mail
// addresses, 10% other digit runs of 3 to 10 digits and the rest short Chinese words. Tokens
// are separated by blanks, commas, Chinese punctuation and words; lines (CR LF, some LF) hold a
// few tokens each.
//
// The text is made so that the reference pipelines and telqor find the same things:
// - telqor takes a maximal run of 11 digits starting 1[3-9] for a mobile number, as does
//     grep -aoP '(?<![0-9])1[3-9][0-9]{9}(?![0-9])' | sort -u
//   a token never touches a digit of another, and every other digit run has at most 10 digits,
//   so the numbers found are exactly the mobile numbers written;
// - every Chinese character is a GB2312 one, both bytes 0xA1 and above, so no second byte looks
//   like a letter, a digit or "@"; full-width forms that fold to ASCII are only punctuation
//   outside the characters of an address ("，" "；" "：" and the ideographic space); and an
//   address always has a blank or ASCII punctuation other than "._-+@" on both sides:
//     grep -aoP '\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*' | sort -u  (C locale)
//   gives the e-mail addresses, each token whole.
// Area codes are those of kAreas; bench/run_extract.sh puts them in the area-code table.
//   telqor_bench_dense BYTES OUT-FILE [SEED]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>

namespace {

// Short words, GBK: 联系 电话 手机 号码 地址 公司 客户 先生 女士 经理 传真 邮箱 微信 请 致电 咨询
// 服务 热线 销售 部 北京 上海 深圳 杭州 备注 姓名 订单 发货 售后 我们 的 是.
const char* const kWords[] = {"\xC1\xAA\xCF\xB5", "\xB5\xE7\xBB\xB0", "\xCA\xD6\xBB\xFA", "\xBA\xC5\xC2\xEB",
                              "\xB5\xD8\xD6\xB7", "\xB9\xAB\xCB\xBE", "\xBF\xCD\xBB\xA7", "\xCF\xC8\xC9\xFA",
                              "\xC5\xAE\xCA\xBF", "\xBE\xAD\xC0\xED", "\xB4\xAB\xD5\xE6", "\xD3\xCA\xCF\xE4",
                              "\xCE\xA2\xD0\xC5", "\xC7\xEB",         "\xD6\xC2\xB5\xE7", "\xD7\xC9\xD1\xAF",
                              "\xB7\xFE\xCE\xF1", "\xC8\xC8\xCF\xDF", "\xCF\xFA\xCA\xDB", "\xB2\xBF",
                              "\xB1\xB1\xBE\xA9", "\xC9\xCF\xBA\xA3", "\xC9\xEE\xDB\xDA", "\xBA\xBC\xD6\xDD",
                              "\xB1\xB8\xD7\xA2", "\xD0\xD5\xC3\xFB", "\xB6\xA9\xB5\xA5", "\xB7\xA2\xBB\xF5",
                              "\xCA\xDB\xBA\xF3", "\xCE\xD2\xC3\xC7", "\xB5\xC4",         "\xCA\xC7"};
// Between tokens: blanks, commas, Chinese punctuation (，。、；：“”《》 and the ideographic space).
const char* const kSeparators[] = {" ",        ", ",       ",",        "\t",       "\xA3\xAC", "\xA1\xA3", "\xA1\xA2",
                                   "\xA3\xBB", "\xA3\xBA", "\xA1\xB0", "\xA1\xB1", "\xA1\xB6", "\xA1\xB7", "\xA1\xA1"};
// What stands just before and just after an address.
const char* const kMailBefore[] = {" ", " ", "<", "(", ":", "\"", ", "};
const char* const kMailAfter[] = {" ", " ", ">", ")", ";", "\"", ", "};
// 转, 或 and 电话, between an area code written alone and its local number.
const char* const kBetween[] = {"\xD7\xAA", "\xBB\xF2", "\xB5\xE7\xBB\xB0"};
const char* const kAreas[] = {"010",  "020",  "021",  "022",  "023",  "024",  "025",  "027",  "028",  "029",
                              "0311", "0351", "0371", "0431", "0451", "0512", "0531", "0551", "0571", "0591",
                              "0731", "0755", "0757", "0769", "0791", "0851", "0871", "0898", "0931", "0991"};
const char* const kDomains[] = {"163.com",     "126.com",        "qq.com",      "gmail.com",          "sina.com",
                                "sina.com.cn", "foxmail.com",    "hotmail.com", "outlook.com",        "139.com",
                                "189.cn",      "x-y.example.cn", "aliyun.com",  "mail.corp-a.com.cn", "sohu.com",
                                "yahoo.com.cn"};
const char kLetters[] = "abcdefghijklmnopqrstuvwxyz";
const char kWordChars[] = "abcdefghijklmnopqrstuvwxyz0123456789_ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Mobile numbers are 7e9 values: the second digit (3..9) and nine more. The pool index goes
// through a multiplication that is one to one modulo 7e9 (the factor is prime to 2, 5 and 7).
constexpr uint64_t kMobileSpace = 7'000'000'000ULL;
constexpr uint64_t kSpread = 2'654'435'761ULL;
// About this many bytes per mobile number in the text; the pool is 1.85 times the number of
// mobile numbers written, so that about three quarters of them are distinct.
constexpr long long kBytesPerMobile = 31;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s BYTES OUT-FILE [SEED]\n", argv[0]);
    return 2;
  }
  long long bytes = std::atoll(argv[1]);
  std::filesystem::path file = argv[2];
  std::mt19937_64 random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) {
    std::perror(file.c_str());
    return 1;
  }
  const uint64_t pool = static_cast<uint64_t>(bytes / kBytesPerMobile * 185 / 100) + 1;

  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::string text;
  auto digits = [&](int n) {
    for (int i = 0; i < n; ++i) text.push_back(static_cast<char>('0' + pick(10)));
  };
  auto word = [&] { text += kWords[pick(std::size(kWords))]; };
  auto mobile = [&] {
    uint64_t value = random() % pool * kSpread % kMobileSpace;
    char number[16];
    std::snprintf(number, sizeof number, "1%d%09llu", 3 + static_cast<int>(value / 1'000'000'000ULL),
                  static_cast<unsigned long long>(value % 1'000'000'000ULL));
    text += number;
  };
  auto landline = [&] {
    const char* area = kAreas[pick(std::size(kAreas))];
    int form = pick(20);
    if (form < 15) {  // 0755-23456789
      text += area;
      text += "-";
    } else if (form < 17) {  // (0755)23456789
      text += "(";
      text += area;
      text += ")";
    } else {  // 0755 转 23456789: the local number takes the area code seen last, at times on the next line
      text += area;
      text += pick(4) == 0 ? "\r\n" : kSeparators[pick(std::size(kSeparators))];
      text += kBetween[pick(std::size(kBetween))];
    }
    text.push_back(static_cast<char>('2' + pick(7)));
    digits(6 + pick(2));
  };
  auto segment = [&](const char* chars, int count, int length) {
    for (int i = 0; i < length; ++i) text.push_back(chars[pick(count)]);
  };
  auto email = [&] {
    text += kMailBefore[pick(std::size(kMailBefore))];
    switch (pick(4)) {
      case 0:  // a QQ number
        text.push_back(static_cast<char>('1' + pick(9)));
        digits(4 + pick(6));
        text += "@qq.com";
        break;
      case 1:  // name.surname, name_99, name-x, name+tag
        segment(kLetters, 26, 2 + pick(8));
        text.push_back("._-+"[pick(4)]);
        segment(kWordChars, 36, 1 + pick(6));
        text += "@";
        text += kDomains[pick(std::size(kDomains))];
        break;
      default:
        segment(kLetters, 26, 1);
        segment(kWordChars, sizeof kWordChars - 1, 4 + pick(7));
        text += "@";
        text += kDomains[pick(std::size(kDomains))];
    }
    text += kMailAfter[pick(std::size(kMailAfter))];
  };

  long long written = 0;
  while (written < bytes) {
    text.clear();
    for (int tokens = 4 + pick(7); tokens > 0; --tokens) {
      int kind = pick(100);
      if (kind < 35) {
        mobile();
      } else if (kind < 45) {
        landline();
      } else if (kind < 50) {
        email();
      } else if (kind < 60) {
        digits(3 + pick(8));
      } else {
        word();
        if (pick(4) == 0) word();
      }
      if (tokens > 1) {
        if (pick(6) == 0) {
          word();
        } else {
          text += kSeparators[pick(std::size(kSeparators))];
        }
      }
    }
    text += pick(5) == 0 ? "\n" : "\r\n";
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) break;
    written += static_cast<long long>(text.size());
  }
  if (std::fclose(out) != 0 || written < bytes) {
    std::perror(file.c_str());
    return 1;
  }
  return 0;
}
