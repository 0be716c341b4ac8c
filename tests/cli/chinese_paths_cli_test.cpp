// Every verb that takes a file takes one whose folder and name are Chinese: on Windows the
// command line arrives as UTF-16 and becomes paths without passing through the code page.
#include <gtest/gtest.h>

#include <sstream>

#include "core/text/path_text.h"
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using test::Result;

class ChinesePaths : public test::CliFixture {
 protected:
  fs::path Folder() const { return dir / u8"数据 目录"; }
  std::string Make(const char8_t* name, const std::string& bytes) {
    const fs::path file = Folder() / name;
    test::WriteBytes(file, bytes);
    return PathToUtf8(file);
  }
  std::string In(const char8_t* name) const { return PathToUtf8(Folder() / name); }
};

TEST_F(ChinesePaths, EveryVerbReadsWritesAndPrintsThem) {
  fs::create_directories(Folder());
  const std::string numbers = Make(u8"号码 表.txt", "13800138000\r\n13800138001\r\n13800138000\r\n");
  const std::string used = Make(u8"已用.txt", "13800138001\r\n");
  const std::string note = Make(u8"说明.doc", "电话 13800138002\r\n");  // a text file under a .doc name
  const std::string segments = Make(u8"号段.txt", "1380013,北京,北京\r\n");
  const std::string templ = Make(u8"模板.txt", "{1}\r\n");
  const std::string out = In(u8"结果.txt");
  const std::vector<std::vector<std::string>> runs = {
      {"sort", numbers, "-o", out},
      {"dedupe", numbers, "-o", out},
      {"shuffle", numbers, "-o", out},
      {"normalize", numbers, "-o", out},
      {"filter-out", numbers, "--exclude", used, "-o", out},
      {"replace", numbers, "--pattern", "138", "--with", "139", "-o", out},
      {"merge", numbers, used, "-o", out},
      {"keep", numbers, "--kind", "mobile"},
      {"save", numbers},
      {"validate", numbers, "--save", In(u8"检查")},
      {"split", numbers, "--lines", "2"},
      {"compare", numbers, used},
      {"format", numbers, "--template", templ, "--output", In(u8"格式")},
      {"analyse", numbers, "--delimiter", ",", "--column", "1", "--kind", ">", "--a", "0", "--out-column", "1", "-o", out},
      {"convert", used, "--to", "utf8"},
      {"clean-bytes", used},
      {"office-to-text", note},
      {"extract", note, "--mobile"},
      {"table", numbers, "-o", In(u8"查询.csv")},
      {"stats", numbers, "-o", In(u8"统计.csv")},
      {"lookup", "--from", numbers},
      {"segments", "1380013", "-o", In(u8"生成.txt")},
      {"import-segments", segments},
      {"export", numbers, "--by", "carrier"},
      {"rename", PathToUtf8(Folder()), "--match", "不存在"},
  };
  for (const auto& args : runs) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    EXPECT_EQ(r.err.find("No such file"), std::string::npos) << args[0] << ": " << r.err;
    // Every path a verb prints names a file or folder it made.
    if (args[0] == "lookup" || args[0] == "keep" || args[0] == "extract") continue;
    std::istringstream printed(r.out);
    for (std::string line; std::getline(printed, line);) {
      if (line.empty() || line.find(PathToUtf8(dir.path())) != 0) continue;
      EXPECT_TRUE(fs::exists(PathFromUtf8(line))) << args[0] << " printed " << line;
    }
  }
  EXPECT_TRUE(fs::exists(Folder() / u8"说明.txt"));
}

}  // namespace
}  // namespace telqor
