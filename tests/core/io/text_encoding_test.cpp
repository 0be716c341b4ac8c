// Reading text in any of the marked encodings as GBK, writing it back as UTF-8 or UTF-16, the
// in-place rewrites of the "工具" menu and the cleaned byte copies: bytes in, bytes out.
#include "core/io/text_encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "core/text/errors.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"
#include "files/encoding_tools.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

// 中文 in each encoding.
constexpr char kGbk[] = "\xD6\xD0\xCE\xC4";
constexpr char kUtf8[] = "\xE4\xB8\xAD\xE6\x96\x87";
constexpr char kUtf16Le[] = "\x2D\x4E\x87\x65";
constexpr char kUtf16Be[] = "\x4E\x2D\x65\x87";

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

struct EncodingFiles : ::testing::Test {
  test::TempDir dir;
  test::RecordingUi ui;
  std::filesystem::path File(const std::string& name, const std::string& bytes) {
    test::WriteBytes(dir / name, bytes);
    return dir / name;
  }
  std::string Load(const std::string& bytes) { return LoadTextAsAnsi(File("in.txt", bytes)); }
};

using Encoding = ::telqor::TextEncoding;
using TextEncoding = EncodingFiles;
using EncodingTools = EncodingFiles;

TEST_F(TextEncoding, EachMarkIsReadAndDropped) {
  const std::string gbk = std::string(kGbk) + "\r\n1\n";
  EXPECT_EQ(Load(std::string(kUtf8Mark) + kUtf8 + "\r\n1\n"), gbk);
  EXPECT_EQ(Load(std::string(kUtf16LeMark) + kUtf16Le + Bytes({13, 0, 10, 0, '1', 0, 10, 0})), gbk);
  EXPECT_EQ(Load(std::string(kUtf16BeMark) + kUtf16Be + Bytes({0, 13, 0, 10, 0, '1', 0, 10})), gbk);
  // Without a mark the bytes are taken as they are, whatever they hold.
  const std::string raw = Bytes({0xFF, 0x80, 0, 'a', '\r', 0xEF, 0xBB});
  EXPECT_EQ(Load(raw), raw);
  EXPECT_EQ(Load(""), "");
  EXPECT_EQ(Load(std::string(kUtf8Mark)), "");
}

TEST_F(TextEncoding, Utf16OddBytesAndSurrogates) {
  EXPECT_EQ(Load(std::string(kUtf16LeMark) + kUtf16Le + "A"), std::string(kGbk) + "A");
  EXPECT_EQ(Load(std::string(kUtf16BeMark) + kUtf16Be + "A"), std::string(kGbk) + "A");
  // A mark with less than a whole character after it holds no text.
  EXPECT_EQ(Load(std::string(kUtf16LeMark) + "A"), "");
  EXPECT_EQ(Load(std::string(kUtf16BeMark)), "");
  // U+1F600 as a pair, then a lone high and a lone low surrogate, U+20AC, U+0000.
  EXPECT_EQ(Utf16ToGbk(Bytes({0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8, 'x', 0, 0x00, 0xDC, 0xAC, 0x20, 0, 0}), false),
            std::string("??x?\x80\0", 6));
  // A high surrogate whose low half would be the lone last byte.
  EXPECT_EQ(Utf16ToGbk(Bytes({0xD8, 0x00, 0x41}), true), "?A");
  // U+10FF0A is a character GBK cannot hold, never the byte 0A.
  EXPECT_EQ(Utf16ToGbk(Bytes({0xFF, 0xDB, 0x0A, 0xDF}), false), "?");
}

TEST_F(TextEncoding, Utf8ThatGbkCannotHoldBecomesQuestionMarks) {
  // A stray continuation byte, Thai U+0E01, and U+10FF0A.
  EXPECT_EQ(Load(std::string(kUtf8Mark) + "a\x80" + "\xE0\xB8\x81" + "\xF4\x8F\xBC\x8A" + kUtf8),
            "a???" + std::string(kGbk));
}

TEST_F(TextEncoding, SavesWithAndWithoutMark) {
  const auto out = dir / "out.txt";
  SaveAsUtf8(out, std::string(kGbk) + "\n", true);
  EXPECT_EQ(test::ReadBytes(out), std::string(kUtf8Mark) + kUtf8 + "\n");
  SaveAsUtf8(out, "12\r\n", false);
  EXPECT_EQ(test::ReadBytes(out), "12\r\n");
  SaveAsUtf16(out, std::string(kGbk) + "\r", true);
  EXPECT_EQ(test::ReadBytes(out), std::string(kUtf16LeMark) + kUtf16Le + Bytes({13, 0}));
  // A byte that starts no GBK character becomes U+FFFD.
  SaveAsUtf16(out,
              "\x81"
              "1",
              false);
  EXPECT_EQ(test::ReadBytes(out), Bytes({0xFD, 0xFF, '1', 0}));
  SaveAsUtf8(out,
             "\x81"
             "1",
             false);
  EXPECT_EQ(test::ReadBytes(out),
            "\xEF\xBF\xBD"
            "1");
}

TEST_F(TextEncoding, EmptyTextWritesNothing) {
  SaveAsUtf8(dir / "new.txt", "", true);
  SaveAsUtf16(dir / "new.txt", "", true);
  EXPECT_EQ(test::FileNames(dir.path()), Strings{});
  auto old = File("old.txt", "old");
  SaveAsUtf8(old, "", true);
  SaveAsUtf16(old, "", false);
  EXPECT_EQ(test::ReadBytes(old), "old");
}

// Large texts are converted in pieces: no character may be cut where one piece ends.
TEST_F(TextEncoding, LargeTextsRoundTripAcrossPieces) {
  // Pieces are about 256 KiB: here a character straddles that mark, and no byte after it may end a piece.
  std::string broken = std::string((1 << 18) - 2, '1') + "A";
  for (int i = 0; i < 100'000; ++i) broken += kGbk;
  std::string lines;
  for (int i = 0; i < 200'000; ++i) lines += std::string(kGbk) + std::to_string(i % 10) + (i % 7 ? "" : "\r\n");
  for (const std::string& text : {broken, lines}) {
    SaveAsUtf16(dir / "16.txt", text, true);
    size_t pairs = std::count_if(text.begin(), text.end(), [](char c) { return c < 0; }) / 2;
    EXPECT_EQ(test::ReadBytes(dir / "16.txt").size(), 2 + 2 * (text.size() - pairs));
    EXPECT_TRUE(LoadTextAsAnsi(dir / "16.txt") == text);
    SaveAsUtf8(dir / "8.txt", text, false);
    EXPECT_TRUE(Utf16ToGbk(GbkToUtf16(text), false) == text);
    EXPECT_TRUE(LoadTextAsAnsi(File("8m.txt", std::string(kUtf8Mark) + test::ReadBytes(dir / "8.txt"))) == text);
  }
}

TEST_F(TextEncoding, MissingFileAndConcurrentReads) {
  EXPECT_THROW(
      {
        try {
          LoadTextAsAnsi(dir / "missing.txt");
        } catch (const FileError& e) {
          EXPECT_EQ(std::string(e.what()),
                    "Cannot open file \"" + (dir / "missing.txt").string() + "\". No such file or directory");
          throw;
        }
      },
      FileError);
  std::string text;
  for (int i = 0; i < 5000; ++i) text += std::string(kGbk) + "13800138000\r\n";
  SaveAsUtf16(dir / "shared.txt", text, true);
  std::vector<int> same(4, 0);
  std::vector<std::thread> readers;
  for (int t = 0; t < 4; ++t)
    readers.emplace_back([&, t] {
      for (int k = 0; k < 20; ++k) same[t] += LoadTextAsAnsi(dir / "shared.txt") == text;
    });
  for (auto& r : readers) r.join();
  EXPECT_EQ(same, std::vector<int>(4, 20));
}

// ---- Files without a mark: UTF-8 or GBK, decided on the whole file ----------------------------

// U+1F600 and Thai U+0E01, which GBK cannot hold.
constexpr char kEmoji[] = "\xF0\x9F\x98\x80";
constexpr char kThai[] = "\xE0\xB8\x81";

TEST_F(TextEncoding, UnmarkedTextIsUtf8OnlyWhenTheWholeFileIs) {
  EXPECT_EQ(DetectTextEncoding(std::string(kUtf8) + "\r\n"), Encoding::kUtf8);
  EXPECT_EQ(DetectTextEncoding(std::string(kGbk) + "\r\n"), Encoding::kGbk);
  EXPECT_EQ(DetectTextEncoding("13800138000\r\n"), Encoding::kGbk);  // ASCII reads alike either way
  EXPECT_EQ(DetectTextEncoding(""), Encoding::kGbk);
  EXPECT_EQ(DetectTextEncoding(std::string(kUtf8Mark) + "1"), Encoding::kUtf8Marked);
  EXPECT_EQ(DetectTextEncoding(std::string(kUtf16LeMark) + kUtf16Le), Encoding::kUtf16Le);
  EXPECT_EQ(DetectTextEncoding(std::string(kUtf16BeMark) + kUtf16Be), Encoding::kUtf16Be);
  // A character across the eight-byte steps of the ASCII scan, and at the very end.
  EXPECT_EQ(DetectTextEncoding("1234567" + std::string(kUtf8)), Encoding::kUtf8);
  // Byte sequences that look like UTF-8 but are not: overlong, surrogate, beyond U+10FFFF, cut
  // short at the end, a lone continuation byte.
  for (std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8", "\x80"})
    EXPECT_EQ(DetectTextEncoding(std::string(kUtf8) + "1234567890" + bad), Encoding::kGbk) << bad;

  EXPECT_EQ(Load(std::string(kUtf8) + "\r\n1\n"), std::string(kGbk) + "\r\n1\n");
  // GBK whose first megabyte happens to be valid UTF-8: one GBK character late in the file keeps
  // the whole of it GBK, byte for byte.
  std::string late;
  for (int i = 0; i < 100'000; ++i) late += std::string(kUtf8) + "13800\r\n";
  late += kGbk;
  EXPECT_TRUE(Load(late) == late);
}

// A file is judged a megabyte at a time: a character across that mark is still one, and a
// sequence cut short or ill-formed there still makes the file GBK.
TEST_F(TextEncoding, FileEncodingAcrossTheReadingPieces) {
  const size_t mark = size_t{1} << 20;
  for (size_t before = 1; before <= 3; ++before) {
    const std::string ascii(mark - before, '1');
    EXPECT_EQ(DetectFileEncoding(File("3.txt", ascii + kUtf8 + "\r\n")), Encoding::kUtf8) << before;
    EXPECT_EQ(DetectFileEncoding(File("4.txt", ascii + kEmoji)), Encoding::kUtf8) << before;
    EXPECT_EQ(DetectFileEncoding(File("cut.txt", ascii + std::string(kEmoji, before))), Encoding::kGbk) << before;
    EXPECT_EQ(DetectFileEncoding(File("gbk.txt", ascii + kGbk + "\r\n")), Encoding::kGbk) << before;
  }
  // Ill-formed however it goes on: an overlong form, a surrogate, a lead byte no sequence has.
  for (std::string bad : {"\xE0\x80\x80", "\xED\xA0\x80", "\xF5\x80\x80"})
    EXPECT_EQ(DetectFileEncoding(File("bad.txt", std::string(mark - 2, '1') + bad + kUtf8)), Encoding::kGbk) << bad;
  EXPECT_EQ(DetectFileEncoding(File("small.txt", kUtf8)), Encoding::kUtf8);
  EXPECT_EQ(DetectFileEncoding(File("empty.txt", "")), Encoding::kGbk);
}

// Between the Unicode encodings each ill-formed byte and each lone surrogate is one U+FFFD.
TEST_F(TextEncoding, UnicodeToUnicodeEdges) {
  EXPECT_EQ(Utf8ToUtf16Le("a" + std::string(kEmoji) + "\xE4\xB8"),
            Bytes({'a', 0, 0x3D, 0xD8, 0x00, 0xDE, 0xFD, 0xFF, 0xFD, 0xFF}));
  EXPECT_EQ(Utf8ToUtf16Le("\xF4\x8F\xBF\xBF\xC0\xAF"), Bytes({0xFF, 0xDB, 0xFF, 0xDF, 0xFD, 0xFF, 0xFD, 0xFF}));
  const std::string replacement = "\xEF\xBF\xBD";
  // A pair, a lone low surrogate, "A", a high surrogate at the end.
  EXPECT_EQ(Utf16ToUtf8(Bytes({0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC, 'A', 0, 0x00, 0xD8}), false),
            kEmoji + replacement + "A" + replacement);
  // Two high surrogates, then the low half of the second: the first is lone.
  EXPECT_EQ(Utf16ToUtf8(Bytes({0xD8, 0x3D, 0xD8, 0x3D, 0xDE, 0x00, 0x41}), true), replacement + kEmoji + "A");
  EXPECT_EQ(Utf16ToUtf8(Bytes({0xFF, 0xDB, 0xFF, 0xDF}), false), "\xF4\x8F\xBF\xBF");
}

TEST_F(TextEncoding, CharactersGbkCannotHoldAreCounted) {
  size_t lost = 0;
  EXPECT_EQ(LoadTextAsAnsi(File("a.txt", std::string(kUtf8) + kEmoji + "?" + kThai), &lost), std::string(kGbk) + "???");
  EXPECT_EQ(lost, 2u);  // the text's own "?" is no loss
  EXPECT_EQ(LoadTextAsAnsi(File("b.txt", std::string(kUtf8Mark) + "a\x80" + kThai), &lost), "a??");
  EXPECT_EQ(lost, 4u);
  // UTF-16: a pair GBK cannot hold and a lone surrogate.
  EXPECT_EQ(
      LoadTextAsAnsi(File("c.txt", std::string(kUtf16LeMark) + Bytes({0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8})), &lost),
      "??");
  EXPECT_EQ(lost, 6u);
  EXPECT_EQ(UnconvertibleText(3), "3个字符无法转换为GBK");
}

TEST_F(EncodingTools, UnicodeTargetsNeverPassThroughGbk) {
  const std::string utf8 = std::string(kUtf8) + kEmoji + "\r\n";
  const std::string utf16 = std::string(kUtf16Le) + Bytes({0x3D, 0xD8, 0x00, 0xDE, 13, 0, 10, 0});
  auto file = File("a.txt", utf8);
  RewriteFileAs(file, TextTarget::kUtf8);  // the mark before the very same bytes
  EXPECT_EQ(test::ReadBytes(file), std::string(kUtf8Mark) + utf8);
  RewriteFileAs(file, TextTarget::kUtf16);
  EXPECT_EQ(test::ReadBytes(file), std::string(kUtf16LeMark) + utf16);
  RewriteFileAs(file, TextTarget::kUtf8);
  EXPECT_EQ(test::ReadBytes(file), std::string(kUtf8Mark) + utf8);
  auto unmarked = File("b.txt", utf8);
  RewriteFileAs(unmarked, TextTarget::kUtf16);
  EXPECT_EQ(test::ReadBytes(unmarked), std::string(kUtf16LeMark) + utf16);
  // Big-endian becomes little-endian unit for unit, an odd last byte a unit of its own.
  auto big = File("c.txt", std::string(kUtf16BeMark) + Bytes({0xD8, 0x3D, 0xDE, 0x00, 0, 'a', 'b'}));
  RewriteFileAs(big, TextTarget::kUtf16);
  EXPECT_EQ(test::ReadBytes(big), std::string(kUtf16LeMark) + Bytes({0x3D, 0xD8, 0x00, 0xDE, 'a', 0, 'b', 0}));
  // Files already in the target with their mark are left as they are, invalid bytes and all.
  const std::string odd = std::string(kUtf8Mark) + "a\x80";
  auto kept = File("d.txt", odd);
  RewriteFileAs(kept, TextTarget::kUtf8);
  EXPECT_EQ(test::ReadBytes(kept), odd);
  RewriteFileAs(kept, TextTarget::kUtf16);  // a byte that is no UTF-8 becomes U+FFFD
  EXPECT_EQ(test::ReadBytes(kept), std::string(kUtf16LeMark) + Bytes({'a', 0, 0xFD, 0xFF}));
}

TEST_F(EncodingTools, AnsiTargetCountsWhatGbkCannotHold) {
  auto a = File("a.txt", std::string(kUtf8) + kEmoji + kThai);
  auto b = File("b.txt", std::string(kUtf8) + "\n");
  auto c = File("c.txt", std::string(kUtf16LeMark) + Bytes({0x00, 0xD8, '1', 0}));
  EXPECT_EQ(RewriteFileAs(c, TextTarget::kAnsi), 1u);
  EXPECT_EQ(test::ReadBytes(c), "?1\r\n");
  RewriteFilesAs({a, b}, TextTarget::kAnsi, ui);
  EXPECT_EQ(test::ReadBytes(a), std::string(kGbk) + "??\r\n");
  EXPECT_EQ(test::ReadBytes(b), std::string(kGbk) + "\r\n");
  EXPECT_EQ(ui.statuses, Strings{a.string() + "：2个字符无法转换为GBK"});
  EXPECT_EQ(ui.messages, Strings{"文件格式转换完成！\n2个字符无法转换为GBK"});
}

TEST_F(EncodingTools, AnsiTargetEndsEveryLineWithCrLf) {
  auto file = File("a.txt", std::string(kUtf8Mark) + kUtf8);
  RewriteFileAs(file, TextTarget::kAnsi);
  EXPECT_EQ(test::ReadBytes(file), std::string(kGbk) + "\r\n");
  auto mixed = File("b.txt", std::string(kUtf16BeMark) + Bytes({0, 'a', 0, 13, 0, 'b', 0, 10, 0, 'c', 0, 13, 0, 10}));
  RewriteFileAs(mixed, TextTarget::kAnsi);
  EXPECT_EQ(test::ReadBytes(mixed), "a\r\nb\r\nc\r\n");
}

TEST_F(EncodingTools, UnicodeTargetsKeepBreaksAndAreStable) {
  auto file = File("a.txt", std::string(kGbk) + "\n1");
  RewriteFileAs(file, TextTarget::kUtf8);
  const std::string utf8 = std::string(kUtf8Mark) + kUtf8 + "\n1";
  EXPECT_EQ(test::ReadBytes(file), utf8);
  RewriteFileAs(file, TextTarget::kUtf8);
  EXPECT_EQ(test::ReadBytes(file), utf8);
  RewriteFileAs(file, TextTarget::kUtf16);
  const std::string utf16 = std::string(kUtf16LeMark) + kUtf16Le + Bytes({10, 0, '1', 0});
  EXPECT_EQ(test::ReadBytes(file), utf16);
  RewriteFileAs(file, TextTarget::kUtf16);
  EXPECT_EQ(test::ReadBytes(file), utf16);
  RewriteFileAs(file, TextTarget::kAnsi);
  EXPECT_EQ(test::ReadBytes(file), std::string(kGbk) + "\r\n1\r\n");
}

TEST_F(EncodingTools, FilesWithoutTextStayAsTheyAre) {
  for (TextTarget target : {TextTarget::kAnsi, TextTarget::kUtf8, TextTarget::kUtf16}) {
    auto empty = File("empty.txt", "");
    RewriteFileAs(empty, target);
    EXPECT_EQ(test::ReadBytes(empty), "");
  }
  auto markOnly = File("mark.txt", std::string(kUtf16LeMark));
  RewriteFileAs(markOnly, TextTarget::kUtf8);
  EXPECT_EQ(test::ReadBytes(markOnly), std::string(kUtf16LeMark));
  // UTF-16 without its mark reads as bytes with zeros: as ANSI lines it would end at the first.
  const std::string unmarked = Bytes({'1', 0, '3', 0, '8', 0});
  auto wide = File("wide.txt", unmarked);
  EXPECT_THROW(RewriteFileAs(wide, TextTarget::kAnsi), FileError);
  EXPECT_EQ(test::ReadBytes(wide), unmarked);
}

TEST_F(EncodingTools, FailedRewriteKeepsTheOriginal) {
  // UTF-8 without its mark: every target writes a new file.
  const std::string original = std::string(kUtf8) + "\r\n";
  auto file = File("a.txt", original);
  test::TestEnv env;
  env.failWritesAfter = 3;
  for (TextTarget target : {TextTarget::kAnsi, TextTarget::kUtf8, TextTarget::kUtf16}) {
    EXPECT_THROW(RewriteFileAs(file, target), FileError);
    EXPECT_EQ(test::ReadBytes(file), original);
  }
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"a.txt"});
}

TEST_F(EncodingTools, RunStopsAtTheFirstFailure) {
  auto a = File("a.txt", "1");
  auto c = File("c.txt", "3");
  EXPECT_THROW(RewriteFilesAs({a, dir / "b.txt", c}, TextTarget::kUtf8, ui), FileError);
  EXPECT_EQ(test::ReadBytes(a), std::string(kUtf8Mark) + "1");
  EXPECT_EQ(test::ReadBytes(c), "3");
  EXPECT_EQ(ui.messages, Strings{});
  RewriteFilesAs({}, TextTarget::kAnsi, ui);
  EXPECT_EQ(ui.messages, Strings{});
  RewriteFilesAs({a, c}, TextTarget::kAnsi, ui);
  EXPECT_EQ(test::ReadBytes(a), "1\r\n");
  EXPECT_EQ(test::ReadBytes(c), "3\r\n");
  EXPECT_EQ(ui.messages, Strings{"文件格式转换完成！"});
}

TEST_F(EncodingTools, CleanBytesKeepsOneTo128) {
  auto file = File("Data.BIN", Bytes({0x00, 0x31, 0x80, 0x81, 0xFF, 0x0D, 0x0A}));
  EXPECT_EQ(CleanBytesPath(file), dir / "Data.BIN.txt");
  CleanBytesFile(file);
  EXPECT_EQ(test::ReadBytes(dir / "Data.BIN.txt"), Bytes({0x20, 0x31, 0x80, 0x20, 0x20, 0x0D, 0x0A}));
  EXPECT_THROW(CleanBytesFile(dir / "missing"), FileError);
}

TEST_F(EncodingTools, CleanBytesFilesSkipsFailuresSilently) {
  auto a = File("a", "a\x01");
  auto b = File("b", "");
  EXPECT_EQ(CleanBytesFiles({a, dir / "missing", dir.path(), b}, ui),
            (std::vector<std::filesystem::path>{dir / "a.txt", dir / "b.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "a\x01");
  EXPECT_EQ(test::ReadBytes(dir / "b.txt"), "");
  EXPECT_EQ(ui.statuses, Strings(4, "转换完成！请在文档目录查看"));
  EXPECT_EQ(ui.messages, Strings{});
  test::TestEnv env;
  env.failWritesAfter = 0;
  EXPECT_EQ(CleanBytesFiles({a}, ui), std::vector<std::filesystem::path>{});
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "a\x01");
}

}  // namespace
}  // namespace telqor
