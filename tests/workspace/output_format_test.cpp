// Output format conversion: the template language, stacking and cutting, the template folder
// with its head and tail files, and the numbered files written.
#include "workspace/output_format.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// 号 and 码 in GBK.
constexpr char kHao[] = "\xBA\xC5";
constexpr char kMa[] = "\xC2\xEB";

Strings Convert(const Strings& items, std::string_view templ, int stack, int cut, int maxNumber = 200) {
  ItemList source, output;
  test::Fill(source, items);
  ConvertToFormat(source, templ, {stack, cut, maxNumber}, output);
  return test::Items(output);
}

TEST(OutputFormat, PlaceholdersInOrderIgnoringCase) {
  EXPECT_EQ(FillTemplate("%n%|%Nn%|%nNN%|12345678901|myno|MYNO", "x", 7, 42), "7|07|007|x|42|42");
  // Numbers come before the data: a number placeholder inside an item stays, "MyNo" does not.
  EXPECT_EQ(FillTemplate("<12345678901>", "%N%MyNo", 5, 9), "<%N%9>");
  // "M" as the second byte of a character starts no placeholder; a real one after it still counts.
  std::string templ = std::string("\xB0") + "MyNo MyNo";
  EXPECT_EQ(FillTemplate(templ, "", 1, 3), std::string("\xB0") + "MyNo 3");
}

TEST(OutputFormat, StacksCutsAndCycles) {
  EXPECT_EQ(Convert({"a", "b", "c", "d", "e"}, "12345678901,", 3, 1), (Strings{"a,b,c", "d,e"}));
  // A template ending in a line break: the cut of a group's last record takes comma, CR and LF.
  EXPECT_EQ(Convert({"a", "b", "c", "d", "e"}, "12345678901,\r\n", 3, 3), (Strings{"a,", "b,", "c", "d,", "e"}));
  EXPECT_EQ(Convert({"a", "b", "c", "d", "e"}, "%NN%:12345678901", 1, 0, 3),
            (Strings{"01:a", "02:b", "03:c", "01:d", "02:e"}));
  EXPECT_EQ(Convert({"a", "b", "c"}, "MyNo", 0, 0, 2), (Strings{"1", "2", "3"}));
  // A negative maximum cycles by its size; a cut beyond the text still gives an (empty) item.
  EXPECT_EQ(Convert({"a", "b", "c"}, "%N%", 1, 0, -2), (Strings{"1", "2", "1"}));
  EXPECT_EQ(Convert({"ab", "c"}, "12345678901", 1, 5), (Strings{"", ""}));
}

TEST(OutputFormat, TemplateLineBreaksAreCrLfWhateverTheFileHas) {
  EXPECT_EQ(TemplateWithCrLf("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
  EXPECT_EQ(TemplateWithCrLf("12345678901,"), "12345678901,");
  test::TempDir dir;
  test::WriteBytes(dir / "t.txt", "12345678901,\n");
  EXPECT_EQ(LoadTemplate(dir / "t.txt"), "12345678901,\r\n");
  // The template folder is made where it is missing, with the base data above it.
  DataFolders folders;
  folders.baseData = dir / "base";
  EXPECT_EQ(MakeFormatFolder(folders), dir / "base/Format");
  EXPECT_TRUE(fs::is_directory(dir / "base/Format"));
  test::WriteBytes(dir / "file", "");
  folders.baseData = dir / "file";
  EXPECT_THROW(MakeFormatFolder(folders), FileError);
}

TEST(OutputFormat, CutNeverSplitsACharacter) {
  std::string text = std::string("1") + kHao + kMa + ",";
  EXPECT_EQ(CutEnd(text, 1), std::string("1") + kHao + kMa);
  EXPECT_EQ(CutEnd(text, 2), std::string("1") + kHao);  // half of 码 reached: all of it goes
  EXPECT_EQ(CutEnd(text, 4), "1");
  EXPECT_EQ(CutEnd(text, -1), text);
  // A lead byte before a byte that is no trail is a character of its own.
  EXPECT_EQ(CutEnd("a\xBA\r\n", 2), "a\xBA");
  EXPECT_EQ(Convert({kHao + std::string(kMa)}, "12345678901", 1, 1), Strings{kHao});
}

// The refusals carry their own text and come before anything changes.
template <typename F>
void ExpectRefused(F&& run, const char* message) {
  try {
    run();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

TEST(OutputFormat, ZeroMaximumIsRefusedBeforeTheOutputChanges) {
  ItemList source, output;
  test::Fill(source, {"a"});
  test::Fill(output, {"old"});
  ExpectRefused([&] { ConvertToFormat(source, "x", {1, 0, 0}, output); }, "最大编号不能为0");
  EXPECT_EQ(test::Items(output), Strings{"old"});
}

TEST(OutputFormat, TemplateFolderHeadsAndTails) {
  test::TempDir dir;
  for (const char* name : {"b.txt", "a.b.txt", "a.b.Head.txt", "a.b.Tail.txt", "x.head.txt", "plain"})
    test::WriteBytes(dir / name, "h\r\n");
  EXPECT_EQ(TemplateNames(dir.path()), (std::vector<fs::path>{"a.b.txt", "b.txt", "x.head.txt"}));
  EXPECT_EQ(HeadPath("/f/tpl"), fs::path("/f/tpl.Head"));
  test::WriteBytes(dir / "a.b.Tail.txt", "t1\nt2");
  EXPECT_EQ(FramesOf(dir / "a.b.txt").head, "h");
  EXPECT_EQ(FramesOf(dir / "a.b.txt").tail, "t1\r\nt2\r\n");
  EXPECT_EQ(FramesOf(dir / "b.txt").head, "");
  EXPECT_EQ(FrameText(dir.path()), "");  // a folder is no head file
}

struct FormatSave : ::testing::Test {
  test::TempDir dir;
  ItemList output;
  std::vector<fs::path> written;
  void Lines(int count) {
    for (int i = 1; i <= count; ++i) output.Add(std::to_string(i));
  }
};

TEST_F(FormatSave, FullFilesCountTheirDataTheLastItsFrameToo) {
  Lines(450);
  SaveFormatted(output, dir / "out.txt", 200, {"H", "T"}, written);
  EXPECT_EQ(test::FileNames(dir.path()),
            (Strings{"out.txt.格式化.200.0001.txt", "out.txt.格式化.200.0002.txt", "out.txt.格式化.52.0003.txt"}));
  std::string first = test::ReadBytes(written[0]);
  EXPECT_EQ(first.substr(0, 9), "H\r\n1\r\n2\r\n");
  EXPECT_EQ(first.substr(first.size() - 8), "200\r\nT\r\n");
  EXPECT_EQ(test::ReadBytes(written[2]).substr(0, 8), "H\r\n401\r\n");

  // A multi-line head leaves an empty line; a tail adds each of its lines.
  written.clear();
  SaveFormatted(output, dir / "m", -400, {"h1\r\nh2\r\n", "t1\r\nt2\r\n"}, written);
  EXPECT_EQ(written[1], dir / u8"m.格式化.53.0002.txt");
  EXPECT_EQ(test::ReadBytes(written[1]).substr(0, 15), "h1\r\nh2\r\n\r\n401\r\n");
}

TEST_F(FormatSave, ZeroPerFileAndFailedWritesLeaveNoHalfFile) {
  Lines(5);
  ExpectRefused([&] { SaveFormatted(output, dir / "out.txt", 0, {}, written); }, "每文件保存数不能为0");
  test::TestEnv env;
  env.failWritesAfter = 4;  // "1\r\n2\r\n" fits no file
  EXPECT_THROW(SaveFormatted(output, dir / "out.txt", 2, {}, written), FileError);
  EXPECT_TRUE(written.empty());
  EXPECT_TRUE(test::FileNames(dir.path()).empty());
}

}  // namespace
}  // namespace telqor
