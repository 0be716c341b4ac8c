#include "workspace/column_analysis.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;
using test::Items;

std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

void Set(ItemList& list, const Strings& items) {
  list.Clear();
  test::Fill(list, items);
}

Strings Fields(std::string_view line, std::string_view delimiter) {
  Strings out;
  for (std::string_view f : SplitAtDelimiter(line, delimiter)) out.emplace_back(f);
  return out;
}

TEST(ColumnFields, SplitFieldsAndJoinBack) {
  EXPECT_EQ(Fields("a||b", "||"), (Strings{"a", "b"}));
  EXPECT_EQ(Fields("a,,b,", ","), (Strings{"a", "", "b", ""}));
  EXPECT_EQ(Fields("a,b", ""), (Strings{"a,b"}));
  EXPECT_EQ(Fields("", ","), (Strings{""}));
  EXPECT_EQ(Fields("a|||b", "||"), (Strings{"a", "|b"}));  // left to right, each delimiter whole
  EXPECT_EQ(FieldOf("a,,b,", ",", 3), std::optional<std::string_view>(""));
  EXPECT_EQ(FieldOf("a,b", ",", 2), std::nullopt);
  EXPECT_EQ(FieldOf("a,b", ",", -1), std::nullopt);
  EXPECT_EQ(FieldOf("a,b", "", 0), std::optional<std::string_view>("a,b"));
  EXPECT_EQ(FieldOf("a,b", "", 1), std::nullopt);
}

// 眧 is B1 7C: its second byte is no "|".
TEST(ColumnFields, ADelimiterNeverStartsInsideACharacter) {
  const std::string line = G("眧|13800000000|眧眧");
  EXPECT_EQ(Fields(line, "|"), (Strings{G("眧"), "13800000000", G("眧眧")}));
  EXPECT_EQ(FieldOf(line, "|", 1), std::optional<std::string_view>("13800000000"));
  EXPECT_EQ(FieldOf(line, "|", 3), std::nullopt);
  EXPECT_EQ(Fields(G("a眧|眧b"), G("|眧")), (Strings{G("a眧"), "b"}));  // found where it starts at a character
  EXPECT_EQ(Fields(G("a眧b"), "|"), Strings{G("a眧b")});
}

TEST(ColumnImport, ReplacementIgnoresCaseAndNeverCutsACharacter) {
  EXPECT_EQ(ReplaceGbkIgnoringCase("\"AbC\"abc", "aBc", "x"), "\"x\"x");
  EXPECT_EQ(ReplaceGbkIgnoringCase("aaa", "aa", "a"), "aa");  // no rescan of the replacement
  // 癆 is B0 41 and 癮 B0 61: their second bytes are "A" and "a" but no letter.
  EXPECT_EQ(ReplaceGbkIgnoringCase(G("癆A癮"), "a", "x"), G("癆x癮"));
  EXPECT_EQ(ReplaceGbkIgnoringCase(G("癮"), G("癆"), "x"), G("癮"));
  EXPECT_EQ(ReplaceGbkIgnoringCase("abc", "", "x"), "abc");
}

TEST(ColumnImport, CallRecordCleanUp) {
  EXPECT_EQ(CleanRow(G("号码：13800000000接听时长：3分25秒"), "", ""), "13800000000,325");
  // Without the talk time the labels stay; the user's replacement comes first.
  EXPECT_EQ(CleanRow(G("号码：1分"), "", ""), G("号码：1分"));
  EXPECT_EQ(CleanRow(G("\"号码：1\"\"接听时长：2秒\""), "\"", ""), "1,2");
  EXPECT_EQ(CleanRow(G("TALK=9"), "talk=", G("接听时长：")), ",9");
}

TEST(ColumnImport, AppendsFilesThenRewritesEveryRow) {
  test::TempDir dir;
  test::WriteBytes(dir / "a.txt", "\"x\",1\r\n\"y\",2");
  test::WriteBytes(dir / "b.txt", "\"z\",3\n\n");
  ItemList rows;
  Set(rows, {"\"old\""});
  ImportRows(rows, {dir / "a.txt", dir / "b.txt"}, "\"", "");
  EXPECT_EQ(Items(rows), (Strings{"old", "x,1", "y,2", "z,3", ""}));
  // A file that cannot be read stops the import after the files before it.
  try {
    ImportRows(rows, {dir / "a.txt", dir / "none.txt"}, "\"", "");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open file"), std::string::npos);
  }
  EXPECT_EQ(rows.Count(), 7);
}

TEST(ColumnImport, FilesAreReadInTheirEncoding) {
  test::TempDir dir;
  // UTF-8 without a mark (with U+1F600, which GBK cannot hold), UTF-16 with its mark, GBK.
  test::WriteBytes(dir / "u8.txt",
                   "\xE5\x8F\xB7\xE7\xA0\x81\xEF\xBC\x9A"
                   "1,\xF0\x9F\x98\x80\r\n");
  test::WriteBytes(dir / "u16.txt", std::string("\xFF\xFE"
                                                "2\0,\0x\0",
                                                8));
  test::WriteBytes(dir / "gbk.txt", G("号码：3,y"));
  ItemList rows;
  EXPECT_EQ(ImportRows(rows, {dir / "u8.txt", dir / "u16.txt", dir / "gbk.txt"}, "", ""), 1u);
  EXPECT_EQ(Items(rows), (Strings{G("号码：1,?"), "2,x", G("号码：3,y")}));
}

Condition Cond(int column, ConditionKind kind, int64_t a, int64_t b, int out) {
  Condition c;
  c.column = column;
  c.kind = kind;
  c.a = a;
  c.b = b;
  c.outColumn = out;
  return c;
}

TEST(ColumnAnalysis, CollectsTheOutputFieldOfMatchingRows) {
  ItemList rows, matches;
  test::RecordingUi ui;
  Set(rows, {"a,30", "b,90", "c,x"});
  Analyse(rows, ",", Cond(1, ConditionKind::kGreater, 60, 0, 0), matches, ui);
  EXPECT_EQ(Items(matches), (Strings{"b"}));
  EXPECT_EQ(RatioText(matches.Count(), rows.Count()), "33.3%");

  Set(rows, {"d, 20 ,x", "e,9", "f,10", "g,21", "h", "i,15,"});
  Analyse(rows, ",", Cond(1, ConditionKind::kBetween, 10, 20, 2), matches, ui);  // both bounds included, trimmed
  EXPECT_EQ(Items(matches), (Strings{"x", ""}));                  // f lacks field 2
  Analyse(rows, ",", Cond(1, ConditionKind::kEqual, 10, 0, 0), matches, ui);
  EXPECT_EQ(Items(matches), (Strings{"f"}));
  Analyse(rows, ",", Cond(1, ConditionKind::kLess, 10, 0, 0), matches, ui);
  EXPECT_EQ(Items(matches), (Strings{"e"}));
  Analyse(rows, ",", Cond(1, ConditionKind::kNone, 10, 0, 0), matches, ui);
  EXPECT_EQ(matches.Count(), 0);
  Analyse(rows, ",", Cond(1, ConditionKind::kGreater, -9223372036854775807LL - 1, 0, 7), matches, ui);
  EXPECT_EQ(matches.Count(), 0);
}

TEST(ColumnAnalysis, RepaintsEvery500Rows) {
  ItemList rows, matches;
  test::RecordingUi ui;
  for (int i = 0; i < 1001; ++i) rows.Add(std::to_string(i));
  Analyse(rows, ",", Cond(0, ConditionKind::kGreater, 999, 0, 0), matches, ui);
  EXPECT_EQ(Items(matches), (Strings{"1000"}));
  EXPECT_EQ(ui.progress,
            (std::vector<std::pair<int64_t, int64_t>>{{0, 1001}, {500, 1001}, {1000, 1001}, {1001, 1001}}));
}

TEST(ColumnAnalysis, RatioAndConditionTexts) {
  EXPECT_EQ(RatioText(0, 0), "待定");
  EXPECT_EQ(RatioText(5, 0), "待定");
  EXPECT_EQ(RatioText(2, 3), "66.7%");
  EXPECT_EQ(RatioText(1, 400), "0.3%");  // an exact half goes up
  EXPECT_EQ(RatioText(3, 3), "100.0%");
  EXPECT_EQ(RatioText(30000000, 30000000), "100.0%");  // no overflow on the way
  EXPECT_EQ(ConditionText(Cond(0, ConditionKind::kGreater, 10, 0, 0)), ">10");
  EXPECT_EQ(ConditionText(Cond(0, ConditionKind::kBetween, -5, 4294967296LL, 0)), "[-5,4294967296]");
  EXPECT_EQ(ConditionText(Cond(0, ConditionKind::kNone, 10, 0, 0)), "");
}

// DAFixIndex holds the index of the kind's item in the dialog's list, -1 for none, as it always has.
TEST(ColumnAnalysis, KindsAreStoredAsTheirIndexInTheDialog) {
  const std::pair<ConditionKind, int64_t> stored[] = {{ConditionKind::kGreater, 0},
                                                      {ConditionKind::kEqual, 1},
                                                      {ConditionKind::kLess, 2},
                                                      {ConditionKind::kBetween, 3},
                                                      {ConditionKind::kNone, -1}};
  for (auto [kind, value] : stored) {
    EXPECT_EQ(ConditionSetting(kind), value);
    EXPECT_EQ(ConditionKindOfSetting(value), kind) << value;
  }
  EXPECT_EQ(ConditionKindOfSetting(4), ConditionKind::kNone);  // beyond the list: none chosen
  EXPECT_EQ(ConditionKindOfSetting(-7), ConditionKind::kNone);
}

TEST(ColumnAnalysis, InputsAreReadInOrderAndStoredUpToTheFirstBadNumber) {
  AnalysisInputs in{"|", "a", "b", "2", "3", ConditionKind::kLess, "4294967296", "x"};
  try {
    ReadCondition(in);
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
  }
  Settings s;
  s.analysisBoundB = 77;
  StoreInputs(in, s);
  EXPECT_EQ(s.analysisDelimiter, "|");
  EXPECT_EQ(s.analysisReplace2, "b");
  EXPECT_EQ(s.analysisOutputColumn, 3);
  EXPECT_EQ(s.analysisCondition, 2);  // < is the third item of the dialog's list
  EXPECT_EQ(s.analysisBoundA, 4294967296LL);
  EXPECT_EQ(s.analysisBoundB, 77);
  in.column = "4294967296";  // C is 32 bits: nothing after it is stored
  in.outColumn = "9";
  StoreInputs(in, s);
  EXPECT_EQ(s.analysisColumn, 2);
  EXPECT_EQ(s.analysisOutputColumn, 3);
}

TEST(ColumnAnalysis, SaveWritesTheMatchesAndTheReport) {
  test::TempDir dir;
  ItemList matches;
  std::vector<std::filesystem::path> written;
  SaveMatches(dir / "m.txt", matches, Cond(0, ConditionKind::kGreater, 1, 0, 0), 3, written);
  EXPECT_TRUE(written.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  Set(matches, {"b"});
  SaveMatches(dir / "m.txt", matches, Cond(1, ConditionKind::kBetween, 10, 20, 0), 3, written);
  EXPECT_EQ(test::ReadBytes(dir / "m.txt"), "b\r\n");
  const std::filesystem::path report = dir / u8"m.txt.参考比例.txt";
  EXPECT_EQ(written, (std::vector<std::filesystem::path>{dir / "m.txt", report}));
  EXPECT_EQ(test::ReadBytes(report), G("过滤条件: [10,20]\r\n原始数据: 3\r\n符合数据: 1\r\n比率    : 33.3%\r\n"));

  // A failing write leaves the old files and says which file.
  test::TestEnv env;
  env.failWritesAfter = 0;
  written.clear();
  EXPECT_THROW(SaveMatches(dir / "m.txt", matches, Cond(0, ConditionKind::kLess, 0, 0, 0), 1, written), FileError);
  EXPECT_TRUE(written.empty());
  EXPECT_EQ(test::ReadBytes(dir / "m.txt"), "b\r\n");
}

TEST(ColumnSort, TextAndNumericInBothDirections) {
  ItemList rows;
  Set(rows, {"b,2", "a,10", "c,7"});
  SortRows(rows, ",", 0, SortKind::Text, true);
  EXPECT_EQ(Items(rows), (Strings{"c,7", "b,2", "a,10"}));
  SortRows(rows, ",", 0, SortKind::Text, false);
  EXPECT_EQ(Items(rows), (Strings{"a,10", "b,2", "c,7"}));
  SortRows(rows, ",", 1, SortKind::Numeric, true);
  EXPECT_EQ(Items(rows), (Strings{"a,10", "c,7", "b,2"}));
  SortRows(rows, ",", 1, SortKind::Text, false);
  EXPECT_EQ(Items(rows), (Strings{"a,10", "b,2", "c,7"}));

  // Keys are compared as text: a ten-digit value beginning with 1 comes before nine-digit keys,
  // a non-digit key by its own text; equal keys by the whole row.
  Set(rows, {"x,1000000000", "y,007", "z,abc", "w,7", "v,200000000"});
  SortRows(rows, ",", 1, SortKind::Numeric, false);
  EXPECT_EQ(Items(rows), (Strings{"w,7", "y,007", "x,1000000000", "v,200000000", "z,abc"}));
}

TEST(ColumnSort, RowsThatCannotBePlacedFollowInTheirOrder) {
  ItemList rows;
  Set(rows, {"p", "b,2", "q,", "a,1", "r,2147483648", "s,99999999999999999999", "t,2147483647"});
  SortRows(rows, ",", 1, SortKind::Numeric, true);
  EXPECT_EQ(Items(rows), (Strings{"t,2147483647", "b,2", "a,1", "p", "q,", "r,2147483648", "s,99999999999999999999"}));
  SortRows(rows, ",", 1, SortKind::Text, false);  // an empty field sorts as text; only "p" lacks it
  EXPECT_EQ(Items(rows), (Strings{"q,", "a,1", "b,2", "t,2147483647", "r,2147483648", "s,99999999999999999999", "p"}));
  // A delimiter made of digits, and none at all, still give every row back.
  Set(rows, {"b0010", "a005"});
  SortRows(rows, "0", 0, SortKind::Numeric, false);
  EXPECT_EQ(Items(rows), (Strings{"a005", "b0010"}));
  SortRows(rows, "", 0, SortKind::Text, true);
  EXPECT_EQ(Items(rows), (Strings{"b0010", "a005"}));
}

TEST(ColumnExport, OneFilePerRunOfValues) {
  test::TempDir dir;
  test::RecordingUi ui;
  ItemList rows;
  Set(rows, {"x,1", "y,1", "z,2"});
  auto files = ExportClassified(rows, ",", 1, dir.path(), ui).written;
  EXPECT_EQ(files, (std::vector<std::filesystem::path>{dir / "1.txt", dir / "2.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "1.txt"), "x,1\r\ny,1\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "2.txt"), "z,2\r\n");
  EXPECT_EQ(ui.LastStatus(), "分类导出完成：共2个文件，3行，保存在 " + (dir / "").string());

  // Unsorted: a value that comes back, or one with the same safe name, gets a file of its own;
  // the empty value is "_.txt".
  Set(rows, {"e,", G("a,北京"), "b,3", G("c,北京"), "d,x/y", "f,x_y"});
  ExportClassified(rows, ",", 1, dir.path(), ui);
  EXPECT_EQ(test::ReadBytes(dir / "_.txt"), "e,\r\n");
  EXPECT_EQ(test::ReadBytes(dir / u8"北京.txt"), G("a,北京\r\n"));
  EXPECT_EQ(test::ReadBytes(dir / u8"北京-2.txt"), G("c,北京\r\n"));
  EXPECT_EQ(test::ReadBytes(dir / "3.txt"), "b,3\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "x_y.txt"), "d,x/y\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "x_y-2.txt"), "f,x_y\r\n");
  EXPECT_TRUE(ui.messages.empty());

  // An export into the folder again keeps the files of the first.
  Set(rows, {"v,1", "w,2"});
  EXPECT_EQ(ExportClassified(rows, ",", 1, dir.path(), ui).written,
            (std::vector<std::filesystem::path>{dir / "1-2.txt", dir / "2-2.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "1.txt"), "x,1\r\ny,1\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "1-2.txt"), "v,1\r\n");
}

// Rows without the column, wherever they stand, are left out and counted; every other row is
// written, the last group too.
TEST(ColumnExport, RowsWithoutTheColumnAreSkippedAndCounted) {
  test::TempDir dir;
  test::RecordingUi ui;
  ItemList rows;
  Set(rows, {"m,5", "n,6", "lonely", "o,6", "p,7", "last"});
  ClassifiedExport done = ExportClassified(rows, ",", 1, dir.path(), ui);
  EXPECT_EQ(done.skipped, 2);
  EXPECT_EQ(test::FileNames(dir.path()), (Strings{"5.txt", "6.txt", "7.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "6.txt"), "n,6\r\no,6\r\n");  // the skipped row breaks no run
  EXPECT_EQ(test::ReadBytes(dir / "7.txt"), "p,7\r\n");
  EXPECT_EQ(ui.messages, Strings{"2行没有第1列，没有导出；其余的行已导出到3个文件。"});
}

// A value is one file name inside the folder, whatever it holds.
TEST(ColumnExport, ValuesNeverNameAFileOutsideTheFolder) {
  test::TempDir dir;
  test::RecordingUi ui;
  std::filesystem::create_directory(dir / "out");
  ItemList rows;
  Set(rows, {"a,../escape", "b,/abs", "c,a/b", "d,.."});
  ClassifiedExport done = ExportClassified(rows, ",", 1, dir / "out", ui);
  ASSERT_EQ(done.written.size(), 4u);
  for (const auto& file : done.written) EXPECT_EQ(file.parent_path(), dir / "out") << file;
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"out"});
  EXPECT_EQ(test::FileNames(dir / "out").size(), 4u);
  EXPECT_EQ(test::ReadBytes(done.written[1]), "b,/abs\r\n");
}

}  // namespace
}  // namespace telqor
