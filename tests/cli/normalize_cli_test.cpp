// telqor-cli normalize end to end: files read as the lists read them, CR LF out.
#include "tests/cli/cli_fixture.h"

namespace telqor {
namespace {

using test::Result;

class NormalizeCli : public test::CliFixture {};

TEST_F(NormalizeCli, RewritesMobilesOfAllFilesAndKeepsTheRest) {
  // "１３８００１３８０００" and "０１０" in GBK.
  auto a = File("a.txt",
                "+86 138 0013 8000\r\n\xA3\xB1\xA3\xB3\xA3\xB8\xA3\xB0\xA3\xB0\xA3\xB1\xA3\xB3\xA3\xB8\xA3\xB0"
                "\xA3\xB0\xA3\xB0\r\n\r\n");
  auto b = File("b.txt", "010-12345678\n\xA3\xB0\xA3\xB1\xA3\xB0\r(+86)139-0013-9000");
  Result r = Run({"normalize", a, b});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "13800138000\r\n13800138000\r\n\r\n010-12345678\r\n\xA3\xB0\xA3\xB1\xA3\xB0\r\n13900139000\r\n");

  std::string out = Path("out.txt");
  EXPECT_EQ(Run({"normalize", b, "-o", out}).status, 0);
  EXPECT_EQ(test::ReadBytes(out), "010-12345678\r\n\xA3\xB0\xA3\xB1\xA3\xB0\r\n13900139000\r\n");
}

TEST_F(NormalizeCli, FailuresWriteNothing) {
  std::string out = Path("out.txt");
  Result missing = Run({"normalize", File("a.txt", "8613800138000\r\n"), Path("gone.txt"), "-o", out});
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Result full = Run({"normalize", Path("a.txt"), "-o", "/dev/full"});
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "Cannot write file \"/dev/full\". No space left on device\n");
}

}  // namespace
}  // namespace telqor
