#include "extract/extraction_request.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

#include "extract/extraction_engine.h"
#include "extract/extraction_rules.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

TEST(ExtractionRequests, SourcesAndPatternAreThereOnlyWhenNotBlank) {
  ExtractionRequest request;
  request.text = " \t\r\n ";
  EXPECT_FALSE(request.HasSources());
  request.files = {"a.txt"};
  EXPECT_TRUE(request.HasSources());
  request.files.clear();
  request.text = " x ";
  EXPECT_TRUE(request.HasSources());

  request.patternText = "  ";
  request.pattern = true;
  EXPECT_FALSE(request.WantsPattern());
  request.patternText = "(";
  EXPECT_TRUE(request.WantsPattern());
  EXPECT_ANY_THROW(request.CheckPattern());
  request.pattern = false;  // a pattern not wanted is never compiled
  EXPECT_FALSE(request.WantsPattern());
  EXPECT_NO_THROW(request.CheckPattern());
}

// Saving keeps every kind, digit runs of no kind too; appending keeps the kinds wanted only.
TEST(ExtractionRequests, TheOutputDecidesTheKindsKept) {
  ExtractionRequest request;
  request.mobile = request.email = true;
  ExtractionRules rules = CompileRules(request);
  for (FoundKind kind :
       {FoundKind::kRegex, FoundKind::kLandline, FoundKind::kEmail, FoundKind::kMobile, FoundKind::kUnknown})
    EXPECT_TRUE(rules.Keeps(kind));
  request.output = ExtractionOutput::kAppendWanted;
  rules = CompileRules(request);
  EXPECT_TRUE(rules.Keeps(FoundKind::kMobile));
  EXPECT_TRUE(rules.Keeps(FoundKind::kEmail));
  EXPECT_FALSE(rules.Keeps(FoundKind::kLandline));
  EXPECT_FALSE(rules.Keeps(FoundKind::kRegex));
  EXPECT_FALSE(rules.Keeps(FoundKind::kUnknown));
}

TEST(ExtractionRequests, RulesTakeOnlyAreaCodesOfThreeOrFourDigits) {
  ItemList codes;
  test::Fill(codes, {"010", "0755", "07", "07551", "0x1", "021 "});
  ExtractionRequest request;
  request.areaCodes = &codes;
  request.mobileSecondDigits = "3a8";
  request.pattern = true;
  request.patternText = "  \\d+ ";
  const ExtractionRules rules = CompileRules(request);
  auto code = [&](const char* digits) {
    return rules.IsAreaCode(reinterpret_cast<const unsigned char*>(digits), std::char_traits<char>::length(digits));
  };
  EXPECT_TRUE(code("010"));
  EXPECT_TRUE(code("0755"));
  EXPECT_FALSE(code("021"));
  EXPECT_FALSE(code("0075"));
  auto mobile = [&](const char* digits) { return rules.IsMobile(reinterpret_cast<const unsigned char*>(digits), 11); };
  EXPECT_TRUE(mobile("13800000000"));
  EXPECT_TRUE(mobile("18800000000"));
  EXPECT_FALSE(mobile("15800000000"));
  EXPECT_EQ(rules.pattern, "\\d+");
}

// Without a table an area code is known by its form: 010, 02X, 03XX to 09XX; a table, even an
// empty one, has only its own codes.
TEST(ExtractionRequests, WithoutATableAreaCodesAreKnownByTheirForm) {
  ExtractionRequest request;
  request.areaCodeTableMissing = true;
  const ExtractionRules rules = CompileRules(request);
  auto code = [&](const ExtractionRules& r, const char* digits) {
    return r.IsAreaCode(reinterpret_cast<const unsigned char*>(digits), std::char_traits<char>::length(digits));
  };
  for (const char* yes : {"010", "020", "029", "0300", "0755", "0999"}) EXPECT_TRUE(code(rules, yes)) << yes;
  for (const char* no : {"011", "019", "030", "075", "0010", "0086", "0123", "0299", "1755"})
    EXPECT_FALSE(code(rules, no)) << no;
  ItemList none;
  request.areaCodes = &none;
  request.areaCodeTableMissing = false;
  EXPECT_FALSE(code(CompileRules(request), "0755"));

  // The note is for a run that keeps landlines without a table.
  request.areaCodeTableMissing = true;
  request.mobile = true;
  request.output = ExtractionOutput::kAppendWanted;
  EXPECT_EQ(request.MissingAreaCodeTableNote(), "");
  request.output = ExtractionOutput::kFilePerKind;  // every kind found is saved
  EXPECT_NE(request.MissingAreaCodeTableNote().find("make-default-data"), std::string::npos);
  request.areaCodeTableMissing = false;
  EXPECT_EQ(request.MissingAreaCodeTableNote(), "");
}

// What a sink hears, in one list: statuses and failures in the order the workers report them.
struct OrderSink : ExtractionSink {
  void Status(const std::string& text) override { Heard("status " + text); }
  void Failure(const std::string& text) override { Heard("failure " + text); }
  ExtractionResults& Results() override { return results; }
  void Done() override { Heard("done"); }
  void Heard(std::string what) {
    std::lock_guard lock(mutex);
    heard.push_back(std::move(what));
  }

  std::mutex mutex;
  Strings heard;
  ExtractionResults results;
};

// A file's failure comes after the status that took it up, whichever worker meets it, and the
// end after everything; the results are in place by then.
TEST(ExtractionSinks, FailuresFollowTheirStatusAndDoneComesLast) {
  test::TempDir dir;
  ExtractionRequest request;
  request.mobile = true;
  request.text = "13700000000";
  for (int i = 0; i < 12; ++i) {
    const std::string name = i % 3 == 0 ? "broken" + std::to_string(i) + ".docx" : "list" + std::to_string(i) + ".txt";
    test::WriteBytes(dir / name, i % 3 == 0 ? "PK\x03\x04 cut short" : "13800000" + std::to_string(100 + i));
    request.files.push_back(dir / name);
  }
  OrderSink sink;
  ExtractionEngine extraction;
  extraction.Start(request, sink);
  extraction.Wait();
  ASSERT_EQ(sink.heard.size(), 1u + 12u + 4u + 1u);
  EXPECT_EQ(sink.heard.front(), "status 处理输入内容");
  EXPECT_EQ(sink.heard.back(), "done");
  int failures = 0;
  for (size_t i = 0; i < sink.heard.size(); ++i) {
    if (!sink.heard[i].starts_with("failure ")) continue;
    ++failures;
    const std::string path = sink.heard[i].substr(sink.heard[i].find('"') + 1);
    const std::string file = path.substr(0, path.find('"'));
    const auto status =
        std::find_if(sink.heard.begin(), sink.heard.begin() + static_cast<ptrdiff_t>(i),
                     [&](const std::string& s) { return s.starts_with("status ") && s.ends_with(file); });
    EXPECT_NE(status, sink.heard.begin() + static_cast<ptrdiff_t>(i)) << sink.heard[i];
  }
  EXPECT_EQ(failures, 4);
  EXPECT_EQ(sink.results.mobile.Count(), 9u);  // the pasted number and eight of the lists'
}

}  // namespace
}  // namespace telqor
