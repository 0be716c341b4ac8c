#include "extract/extraction_results.h"

#include <gtest/gtest.h>

#include "extract/extraction_engine.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

// The results of one run over text.
struct Found {
  explicit Found(const std::string& text) {
    ExtractionRequest request;
    request.mobile = request.email = true;
    request.output = ExtractionOutput::kFilePerKind;
    request.text = text;
    extraction.Start(std::move(request), report);
    extraction.Wait();
  }
  const ExtractionResults& results() const { return report.Found(); }

  ExtractionReport report;
  ExtractionEngine extraction;
};

Strings Names(const SavedFiles& saved) {
  Strings names;
  for (const auto& file : saved.written) names.push_back(file.filename().string());
  return names;
}

// Two runs saved within one second never replace each other's files, and each tells all it wrote.
TEST(SavedResults, ASecondSaveKeepsTheFirstAndNamesEveryFile) {
  test::TestEnv env;
  env.FixClock(2026, 12, 8, 10, 0, 0);
  test::TempDir dir;
  Found first("13812345678 a@b.cn 12345");
  Found second("13912345678 c@d.cn 67890");

  SavedFiles one = SaveResultFiles(first.results(), dir.path());
  EXPECT_EQ(Names(one),
            (Strings{"20261208-100000-邮址-1.txt", "20261208-100000-手机-1.txt", "20261208-100000-未知-1.txt"}));
  SavedFiles two = SaveResultFiles(second.results(), dir.path());
  EXPECT_EQ(Names(two),
            (Strings{"20261208-100000-邮址-1-2.txt", "20261208-100000-手机-1-2.txt", "20261208-100000-未知-1-2.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "20261208-100000-手机-1.txt"), "13812345678\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "20261208-100000-手机-1-2.txt"), "13912345678\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "20261208-100000-邮址-1.txt"), "a@b.cn\r\n");

  EXPECT_EQ(two.items, 3);
  EXPECT_EQ(two.closing, "保存文件完成：共3个文件，3个数据，保存在 " + (dir / "").string());
  EXPECT_EQ(SavedNames(two),
            "\r\n20261208-100000-邮址-1-2.txt\r\n20261208-100000-手机-1-2.txt\r\n20261208-100000-未知-1-2.txt");
}

}  // namespace
}  // namespace telqor
