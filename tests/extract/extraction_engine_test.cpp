#include "extract/extraction_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <stdexcept>
#include <thread>

#include "core/platform/child_process.h"
#include "core/text/gbk.h"
#include "extract/extraction_results.h"
#include "extract/half_width.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::TempDir;
using test::WriteBytes;
using Strings = std::vector<std::string>;

// The items of a kind in the order they are handed out.
Strings Items(const FoundItems& found) {
  Strings items;
  found.ForEach([&](std::string_view item) { items.emplace_back(item); });
  return items;
}

// What a run tells its sink: every status in order, and how often it ended.
struct RecordingSink : ExtractionReport {
  void Status(const std::string& text) override {
    ExtractionReport::Status(text);
    std::lock_guard lock(mutex);
    statuses.push_back(text);
  }
  void Done() override { ++done; }

  std::mutex mutex;
  Strings statuses;
  std::atomic<int> done{0};
};

// One run to its end, on the calling thread's terms.
struct ExtractionRun {
  ExtractionRun() {
    request.mobile = request.landline = true;
    codes.SetSorted(true);
    request.areaCodes = &codes;
  }
  void Start() {
    extraction.SetCutSizes(sizes);
    extraction.SetFileReader(reader);
    extraction.Start(request, sink);
  }
  void Go() {
    Start();
    extraction.Wait();
  }
  void Text(const std::string& utf8) {
    request.text = Utf8ToGbk(utf8);
    Go();
  }
  const ExtractionResults& results() const { return sink.Found(); }

  ExtractionRequest request;
  ExtractionEngine::CutSizes sizes;
  ExtractionEngine::FileReader reader;
  RecordingSink sink;
  ItemList codes;
  ExtractionEngine extraction;  // ends before what it reports to
};

TEST(ExtractionNumbers, AreaCodesPrefixLocalNumbersByAreaCodeMode) {
  ExtractionRun run;
  test::Fill(run.codes, {"010", "021", "0755"});
  run.Text("先打23456789, 电话:0755-23456789 或 075587654321 再 33334444, 北京 010 66667777, 0102345678");
  EXPECT_EQ(Items(run.results().landline),
            (Strings{"0102345678", "01066667777", "075523456789", "075533334444", "075587654321", "23456789"}));
  EXPECT_EQ(run.sink.done.load(), 1);

  ExtractionRun fixed;
  test::Fill(fixed.codes, {"0755"});
  fixed.request.areaCodeMode = AreaCodeMode::kFixed;
  fixed.request.fixedAreaCode = "021";
  fixed.Text("0755 23456789");
  EXPECT_EQ(Items(fixed.results().landline), Strings{"02123456789"});

  ExtractionRun none;
  test::Fill(none.codes, {"0755"});
  none.request.areaCodeMode = AreaCodeMode::kNone;
  none.Text("0755 23456789");
  EXPECT_EQ(Items(none.results().landline), Strings{"23456789"});
}

TEST(ExtractionNumbers, MobileAndUnknownRuns) {
  const char* text =
      "13812345678,14712345678;17012345678 16612345678 19912345678 12345678901 12345 19876543 98 1 13812345678";
  ExtractionRun run;  // today's numbering plan, 13x to 19x
  run.Text(text);
  EXPECT_EQ(Items(run.results().mobile),
            (Strings{"13812345678", "14712345678", "16612345678", "17012345678", "19912345678"}));
  EXPECT_EQ(Items(run.results().unknown), (Strings{"12345", "12345678901", "19876543"}));
  EXPECT_TRUE(run.results().landline.Count() == 0);

  ExtractionRun old;  // the plan the program started with
  old.request.mobileSecondDigits = "34578";
  old.Text(text);
  EXPECT_EQ(Items(old.results().mobile), (Strings{"13812345678", "14712345678", "17012345678"}));
  EXPECT_EQ(Items(old.results().unknown), (Strings{"12345", "12345678901", "16612345678", "19876543", "19912345678"}));

  ExtractionRun blank;  // no digit at all: the current plan rather than no mobile number
  blank.request.mobileSecondDigits = " ";
  blank.Text("16612345678");
  EXPECT_EQ(Items(blank.results().mobile), Strings{"16612345678"});

  // Without area codes no run is an area code: 0755 is unknown and the local number stays bare.
  ExtractionRun bare;
  bare.Text("0755-23456789");
  EXPECT_EQ(Items(bare.results().landline), Strings{"23456789"});
  EXPECT_EQ(Items(bare.results().unknown), Strings{"0755"});
}

// Mobile numbers in groups of 3-4-4: each group a whole digit run, one separator between groups,
// "86", "+86" or "0086" before. A "-" to another digit makes a longer number; a blank to another
// digit parts two words, so the number beside it stays a number.
TEST(ExtractionNumbers, GroupedMobilesAsPeopleWriteThem) {
  const Strings taken{"138 0013 8000",
                      "138-0013-8001",
                      "+86 186 1234 5678",
                      "0086-138-0013-8002",
                      "86 138 0013 8003",
                      "+86138 0013 8004",
                      "0086138-0013-8005",
                      "+86-139 0013-8006",
                      "１３８　００１３　８００７",
                      "１３８－００１３－８００８",
                      "1 138 0013 8009",
                      "138 0013 8010 5",
                      "手机:138 0013 8011。",
                      "138 0013 8012-",
                      "138 0013 8013 139 0013 8014"};
  const Strings refused{"1138 0013 8100",       "138 0013 81001",  "138  0013 8102",   "138 00130 8103",
                        "2024-138-0013-8104",   "138-0013-8105-1", "138 0013 8106-12", "120 0013 8107",
                        "138 0013 8108@qq.com", "+86 13800138109", "86138 0013 811",   "010 8888 6666"};
  for (const std::string& text : taken) {
    ExtractionRun run;
    run.Text(text);
    EXPECT_EQ(Items(run.results().mobile).size(), text == taken.back() ? 2u : 1u) << text;
    EXPECT_EQ(run.results().unknown.Count(), 0u) << text;  // the groups are no runs of their own
  }
  for (const std::string& text : refused) {
    ExtractionRun run;
    run.request.output = ExtractionOutput::kFilePerKind;
    run.Text(text);
    const Strings mobile = Items(run.results().mobile);
    // "+86 13800138109" is an 11-digit run, a mobile number by the plain rule.
    EXPECT_EQ(mobile, text == "+86 13800138109" ? Strings{"13800138109"} : Strings{}) << text;
  }
  ExtractionRun all;
  std::string text;
  for (const std::string& t : taken) text += t + "\n";
  all.Text(text);
  EXPECT_EQ(Items(all.results().mobile),
            (Strings{"13800138000", "13800138001", "13800138002", "13800138003", "13800138004", "13800138005",
                     "13800138007", "13800138008", "13800138009", "13800138010", "13800138011", "13800138012",
                     "13800138013", "13900138006", "13900138014", "18612345678"}));

  // Off: the groups are digit runs of no kind, as they always were.
  ExtractionRun off;
  off.request.mobileSeparators = false;
  off.request.output = ExtractionOutput::kFilePerKind;
  off.Text("138 0013 8000 +86 186-1234-5678 13900000000");
  EXPECT_EQ(Items(off.results().mobile), Strings{"13900000000"});
  EXPECT_EQ(Items(off.results().unknown), (Strings{"0013", "1234", "138", "186", "5678", "8000"}));

  // The mobile rule holds: 16x is no mobile number in the old plan.
  ExtractionRun old;
  old.request.mobileSecondDigits = "34578";
  old.Text("166 1234 5678 / 134 1234 5678");
  EXPECT_EQ(Items(old.results().mobile), Strings{"13412345678"});
}

// The digits after a digit and "." are a decimal's fraction: a digit run of no kind, never a
// number or an area code. The digits before the point, and runs after a "." that follows no
// digit, are what they always were.
TEST(ExtractionNumbers, DigitsAfterADecimalPointAreNoNumber) {
  ExtractionRun run;
  test::Fill(run.codes, {"021", "0755"});
  run.request.output = ExtractionOutput::kFilePerKind;
  run.Text(
      "金额 324374.15999999997 元, 比例 0.13912345678; 单价 12.5元，联系13912345678。"
      "0.0755 23456789, 3.021-33334444, 1.138 0013 8000, 0.86 137 0013 8000, v2.0.13812345678, "
      "No.13612345678 .13512345678 13412345678.5 ０．１３３１２３４５６７８ 电话 0755-26543210");
  EXPECT_EQ(Items(run.results().mobile),
            (Strings{"13412345678", "13512345678", "13612345678", "13700138000", "13912345678"}));
  EXPECT_EQ(Items(run.results().landline), (Strings{"075526543210", "23456789", "33334444"}));
  EXPECT_EQ(Items(run.results().unknown), (Strings{"0013", "021", "0755", "13312345678", "138", "13812345678",
                                                   "13912345678", "15999999997", "324374", "8000"}));
}

TEST(ExtractionNumbers, FullWidthDigitsAndSpacesFold) {
  ExtractionRun run;
  run.Text("手机：１３８１２３４５６７８，座机０２１　６６６６７７７７");
  EXPECT_EQ(Items(run.results().mobile), Strings{"13812345678"});
  EXPECT_EQ(Items(run.results().landline), Strings{"66667777"});

  std::string text = Utf8ToGbk("Ａｂ！～　中") + "\x81";  // a lead byte at the end stays
  ToHalfWidth(text);
  EXPECT_EQ(text, "Ab!~ " + Utf8ToGbk("中") + "\x81");
}

TEST(ExtractionEmails, AddressesBesideChineseTextAndNeverInsideACharacter) {
  ExtractionRun run;
  run.request.email = true;
  // 0xB0 0x41 is one character whose second byte looks like "A": no address starts in it.
  run.request.text = Utf8ToGbk("联系abc.def@mail.example.com谢谢; x-y+z@a.b.cn,") + "\xB0\x41@mail.com";
  run.Go();
  EXPECT_EQ(Items(run.results().email), (Strings{"abc.def@mail.example.com", "x-y+z@a.b.cn"}));
}

// The digits of an address are never a landline, nor a local number given the area code before
// it, whether addresses are wanted or not; an address that is a mobile number still gives it.
TEST(ExtractionEmails, DigitsOfAnAddressAreNoNumbers) {
  const std::string text = "座机 0531-88886666 / 邮箱 87654321@qq.com / 备用 li2345678@163.com";
  for (bool emails : {false, true}) {
    ExtractionRun run;
    test::Fill(run.codes, {"0531", "0755"});
    run.request.email = emails;
    run.request.output = ExtractionOutput::kFilePerKind;
    run.Text(text + " 0755@x.cn 23456789 13812345678@163.com a13912345678@b.cn 12345@qq.com x@126.com");
    EXPECT_EQ(Items(run.results().landline), (Strings{"053123456789", "053188886666"})) << emails;
    EXPECT_EQ(Items(run.results().mobile), Strings{"13812345678"});
    EXPECT_EQ(Items(run.results().unknown), Strings{});
    EXPECT_EQ(Items(run.results().email).size(), emails ? 7u : 0u);
  }
  // As the panel appends them: landlines only.
  ExtractionRun landlines;
  test::Fill(landlines.codes, {"0531"});
  landlines.request.mobile = false;
  landlines.request.output = ExtractionOutput::kAppendWanted;
  landlines.Text(text);
  EXPECT_EQ(Items(landlines.results().landline), Strings{"053188886666"});
  // A full-width address is folded first, so its digits are an address's too.
  ExtractionRun wide;
  wide.Text("１３８１２３４５６７８＠ｑｑ．ｃｏｍ ２３４５６７８＠ｑｑ．ｃｏｍ");
  EXPECT_EQ(Items(wide.results().mobile), Strings{"13812345678"});
  EXPECT_EQ(wide.results().landline.Count(), 0u);
}

TEST(ExtractionPattern, UserPatternMatchesAndAnInvalidOneKeepsTheNumbers) {
  ExtractionRun run;
  run.request.pattern = true;
  run.request.patternText = Utf8ToGbk("编号\\d+");
  run.Text("编号12, 编号7 和 编号12 13812345678");
  EXPECT_EQ(Items(run.results().regex), (Strings{Utf8ToGbk("编号12"), Utf8ToGbk("编号7")}));

  ExtractionRun lines;
  lines.request.pattern = true;
  lines.request.patternText = "a\\r?\\nb";
  lines.Text("xa\r\nby");
  EXPECT_EQ(Items(lines.results().regex), (Strings{"a", "b"}));

  ExtractionRun invalid;
  invalid.request.pattern = true;
  invalid.request.patternText = "(";
  invalid.Text("13812345678");
  EXPECT_EQ(Items(invalid.results().mobile), Strings{"13812345678"});
  EXPECT_EQ(invalid.results().regex.Count(), 0u);
  EXPECT_EQ(invalid.sink.done.load(), 1);
}

TEST(ExtractionRun, TextFirstThenFilesInOrderEachNumberOnce) {
  TempDir dir;
  ExtractionRun run;
  for (const char* name : {"a.txt", "b.htm", "c.txt"}) WriteBytes(dir / name, "<p>13812345678</p>\r\n");
  // UTF-16 with its mark, and a folder whose name holds digits: its path is scanned as text.
  WriteBytes(dir / "d.txt", std::string("\xFF\xFE"
                                        "1\0"
                                        "3\0"
                                        "9\0"
                                        "1\0"
                                        "2\0"
                                        "3\0"
                                        "4\0"
                                        "5\0"
                                        "6\0"
                                        "7\0"
                                        "8\0",
                                        24));
  std::filesystem::create_directories(dir / "13712345678.d");
  run.request.files = {dir / "a.txt", dir / "b.htm",         dir / "c.txt",
                       dir / "d.txt", dir / "13712345678.d", dir / "15012345678.gone"};
  run.Text("13612345678");
  EXPECT_EQ(Items(run.results().mobile),
            (Strings{"13612345678", "13712345678", "13812345678", "13912345678", "15012345678"}));
  ASSERT_EQ(run.sink.statuses.size(), 7u);
  EXPECT_EQ(run.sink.statuses[0], "处理输入内容");
  EXPECT_EQ(run.sink.statuses[1], "处理:2/7->" + (dir / "a.txt").string());
  EXPECT_EQ(run.sink.statuses[6], "处理:7/7->" + (dir / "15012345678.gone").string());
  EXPECT_EQ(run.extraction.ItemsDone(), 7);
  EXPECT_EQ(run.sink.done.load(), 1);

  // Without pasted text the first file is item 1 of 1.
  ExtractionRun files;
  files.request.files = {dir / "a.txt", dir / "c.txt"};
  files.Go();
  EXPECT_EQ(files.sink.statuses,
            (Strings{"处理:1/2->" + (dir / "a.txt").string(), "处理:2/2->" + (dir / "c.txt").string()}));
  EXPECT_EQ(files.extraction.ItemsDone(), 2);
}

// Progress counts bytes: the files' sizes and the pasted text, done in full at the end also for a
// file whose text is shorter (UTF-16 read as GBK) or that is gone; a large item moves it piece
// by piece.
TEST(ExtractionRun, ProgressFollowsTheBytesScanned) {
  TempDir dir;
  WriteBytes(dir / "a.txt", std::string(1000, 'x') + " 13812345678");
  WriteBytes(dir / "u16.txt", std::string("\xFF\xFE"
                                          "1\0"
                                          "3\0"
                                          "9\0",
                                          8));
  ExtractionRun run;
  run.request.files = {dir / "a.txt", dir / "u16.txt", dir / "gone.txt"};
  run.request.text = "13612345678";
  run.Start();
  EXPECT_EQ(run.extraction.BytesTotal(), 1012u + 8u + 11u);
  run.extraction.Wait();
  EXPECT_EQ(run.extraction.BytesDone(), run.extraction.BytesTotal());
  EXPECT_EQ(run.extraction.ItemsDone(), 4);

  ExtractionRun large;
  large.sizes.piece = 4096;
  std::string text;
  for (int i = 0; i < 1'000'000; ++i) text += "13800000000 ";
  large.request.text = text;
  std::atomic<bool> between{false};
  large.Start();
  while (large.extraction.Active()) {
    uint64_t done = large.extraction.BytesDone();
    if (done > 0 && done < text.size()) between = true;
    std::this_thread::yield();
  }
  large.extraction.Wait();
  EXPECT_TRUE(between.load());
  EXPECT_EQ(large.extraction.BytesDone(), text.size());
  EXPECT_EQ(large.extraction.ItemsDone(), 1);
}

// A reader that holds every file until released or stopped, as a long conversion would.
struct HeldReader {
  std::mutex mutex;
  std::condition_variable changed;
  bool released = false;
  std::atomic<int> waiting{0};

  ExtractionEngine::FileReader Reader() {
    return [this](const std::filesystem::path& file, const std::atomic<bool>& stop) {
      std::unique_lock lock(mutex);
      ++waiting;
      while (!released && !stop) changed.wait_for(lock, std::chrono::milliseconds(5));
      if (stop) throw std::runtime_error("stopped");
      return file.filename().string();
    };
  }
  void Release() {
    std::lock_guard lock(mutex);
    released = true;
    changed.notify_all();
  }
};

TEST(ExtractionRun, SecondStartIsRefusedAndStopKeepsWhatWasFound) {
  TempDir dir;
  HeldReader held;
  ExtractionRun run;
  run.reader = held.Reader();
  for (int i = 0; i < 8; ++i) {
    std::string name = "1381234567" + std::to_string(i) + ".txt";
    WriteBytes(dir / name, "");
    run.request.files.push_back(dir / name);
  }
  run.request.text = "13900000000";
  run.Start();
  while (held.waiting < 5) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(run.extraction.Active());
  EXPECT_THROW(run.extraction.Start(run.request, run.sink), std::runtime_error);
  run.extraction.Stop();
  EXPECT_FALSE(run.extraction.Active());
  EXPECT_EQ(run.sink.done.load(), 1);
  // The pasted text was scanned before the stop; the held files were dropped.
  EXPECT_EQ(Items(run.results().mobile), Strings{"13900000000"});

  // The engine runs again afterwards, on fresh inputs.
  run.sink.Clear();
  held.Release();
  run.request.text.clear();
  run.request.files = {dir / "13812345671.txt", dir / "13812345672.txt"};
  run.Go();
  EXPECT_EQ(Items(run.results().mobile), (Strings{"13812345671", "13812345672"}));
  EXPECT_EQ(run.sink.done.load(), 2);
}

// A stop inside a large item keeps every kind found up to the same place: the e-mails of the
// part scanned are there as well as its numbers.
TEST(ExtractionRun, AStopKeepsEveryKindUpToWhereItCame) {
  TempDir dir;
  WriteBytes(dir / "big.txt", "");
  std::string text = "13800000001 a@b.cn\n";
  text.append(std::string(40u << 20, ' ') + "\n13900000002 c@d.cn\n");
  ExtractionRun run;
  run.request.email = true;
  run.reader = [&](const std::filesystem::path&, const std::atomic<bool>&) {
    run.extraction.RequestStop();  // the stop arrives while the item is being read
    return text;
  };
  run.request.files = {dir / "big.txt"};
  run.Go();
  EXPECT_TRUE(run.extraction.Stopping());
  EXPECT_EQ(Items(run.results().mobile), Strings{"13800000001"});
  EXPECT_EQ(Items(run.results().email), Strings{"a@b.cn"});
}

// A large item is scanned in pieces; the result is that of one scan of the whole.
TEST(ExtractionRun, PiecesOfALargeItemScanAsTheWhole) {
  ExtractionRun run;
  test::Fill(run.codes, {"0755"});
  run.request.email = true;
  std::string text = "0755 ";
  text.append(std::string((16u << 20) - 10, 'x'));  // the first piece ends in the next line
  text += "x 23456789 me@x.cn 13800000001";
  text.append(std::string(17u << 20, '-'));  // no line break: the piece ends after a blank
  text += " 13900000002-";
  run.Text(text);
  EXPECT_EQ(Items(run.results().landline), Strings{"075523456789"});
  EXPECT_EQ(Items(run.results().mobile), (Strings{"13800000001", "13900000002"}));
  EXPECT_EQ(Items(run.results().email), Strings{"me@x.cn"});
}

// Pieces and parts cut everywhere give what one scan of the whole gives: the last area code
// carried across parts (also over a part without one), nothing found twice or cut in two.
TEST(ExtractionRun, PiecesAndPartsAnywhereFindWhatTheWholeFinds) {
  const char* const tokens[] = {"0755",
                                "010",
                                " ",
                                " ",
                                "\n",
                                "\r\n",
                                ",",
                                "-",
                                "23456789",
                                "8765432",
                                "13812345678",
                                "19912345678",
                                "12345",
                                "075512345678",
                                "a@b.cn",
                                "x.y@z-w.com",
                                "@",
                                "\xD6\xD0",
                                "\xA3\xB1\xA3\xB3",
                                "\xA1\xA1",
                                "\x81\x61",
                                "号码",
                                "q",
                                "138 0013 8000",
                                "139-0013",
                                " 0013 ",
                                "86",
                                "0086 ",
                                "+",
                                "\xA3\xAD",
                                "li2345678@qq.com",
                                "13812345678@163.com",
                                ".",
                                "0.",
                                "3.14",
                                "\xA3\xAE" /* ． */};
  std::mt19937 random(11);
  TempDir dir;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int k = 5 + static_cast<int>(random() % 60); k > 0; --k) text += tokens[random() % std::size(tokens)];
    WriteBytes(dir / "t.txt", text);
    const bool separators = round % 2 == 0;
    auto all = [&](bool cut, bool asFile) {
      ExtractionRun run;
      run.request.mobileSeparators = separators;
      test::Fill(run.codes, {"010", "0755"});
      run.request.output = ExtractionOutput::kFilePerKind;
      run.request.email = true;
      if (!asFile) {
        run.request.pattern = true;  // a pattern is matched over the whole text
        run.request.patternText = "\\d+\\s+\\d+";
      }
      if (cut) run.sizes = {3 + random() % 9, 8 + random() % 40, 1, 3};
      if (asFile) {
        run.request.files = {dir / "t.txt"};
        run.Go();
      } else {
        run.request.text = text;
        run.Go();
      }
      return std::vector<Strings>{Items(run.results().landline), Items(run.results().mobile),
                                  Items(run.results().email), Items(run.results().unknown), Items(run.results().regex)};
    };
    ASSERT_EQ(all(true, false), all(false, false)) << text;
    ASSERT_EQ(all(true, true), all(false, true)) << text;
  }
}

// Addresses alone are found from each "@" without folding the text: the same addresses as a run
// that folds every piece for its numbers, however the text is cut into pieces and parts, an
// "@" or "＠" at a piece's edge included.
TEST(ExtractionRun, AddressesAloneAreTheAddressesOfAFullRun) {
  const char* const tokens[] = {"a@b.cn", "x.y@z-w.com", "@", "@@", "\xA3\xC0" /* ＠ */, "\xA3\xE1" /* ａ */,
                                "\xA3\xB7" /* ７ */, "\xA3\xAE" /* ． */, "\xA3\xAD" /* － */, "q", "7", ".", " ",
                                "\r\n", ",", "\xD6\xD0", "\xB0\xA3", "\xA1\xA1", "13812345678", "li2345678@qq.com"};
  std::mt19937 random(12);
  TempDir dir;
  for (int round = 0; round < 60; ++round) {
    std::string text;
    for (int k = 5 + static_cast<int>(random() % 60); k > 0; --k) text += tokens[random() % std::size(tokens)];
    WriteBytes(dir / "t.txt", text);
    auto emails = [&](bool alone, bool cut, bool asFile) {
      ExtractionRun run;
      run.request.email = true;
      run.request.mobile = run.request.landline = !alone;
      if (cut) run.sizes = {3 + random() % 9, 8 + random() % 40, 1, 3};
      if (asFile) {
        run.request.files = {dir / "t.txt"};
      } else {
        run.request.text = text;
      }
      run.Go();
      return Items(run.results().email);
    };
    const Strings full = emails(false, false, false);
    for (bool cut : {false, true})
      for (bool asFile : {false, true}) ASSERT_EQ(emails(true, cut, asFile), full) << testing::PrintToString(text);
  }
}

// Grouped numbers with a cut possible at every place: a piece never ends inside one, and a line
// of numbers parted by blanks is still cut into pieces.
TEST(ExtractionRun, GroupedMobilesAreNeverCutInTwo) {
  const std::string text = Utf8ToGbk(
      "a 138 0013 8000,86 139 0013 8001 5 0755 23456789 li2345678@qq.com +86 137 0013 8002 \n"
      "１３６　００１３　８００３ 9 135-0013-8004 2024-134 0013 8005-1 0086 133 0013 8006 "
      "86138 0013 8007 1234 5678 9012 13900000000 13900000001");
  TempDir dir;
  WriteBytes(dir / "t.txt", text);
  auto configure = [&](ExtractionRun& run) {
    test::Fill(run.codes, {"0755"});
    run.request.output = ExtractionOutput::kFilePerKind;
    run.request.files = {dir / "t.txt"};
  };
  ExtractionRun whole;
  configure(whole);
  whole.Go();
  ASSERT_EQ(Items(whole.results().mobile),
            (Strings{"13300138006", "13500138004", "13600138003", "13700138002", "13800138000", "13800138007",
                     "13900000000", "13900000001", "13900138001"}));
  ASSERT_EQ(Items(whole.results().landline), Strings{"075523456789"});
  ASSERT_EQ(Items(whole.results().unknown), (Strings{"0013", "1234", "134", "2024", "5678", "8005", "9012"}));
  for (bool asFile : {false, true}) {
    for (size_t piece = 1; piece < 24; ++piece) {
      ExtractionRun cut;
      configure(cut);
      cut.sizes = {piece, asFile ? 1 : piece * 2, 1, 3};
      if (!asFile) {
        cut.request.files.clear();
        cut.request.text = text;
      }
      cut.Go();
      ASSERT_EQ(Items(cut.results().mobile), Items(whole.results().mobile)) << piece << asFile;
      ASSERT_EQ(Items(cut.results().landline), Items(whole.results().landline)) << piece << asFile;
      ASSERT_EQ(Items(cut.results().unknown), Items(whole.results().unknown)) << piece << asFile;
    }
  }
}

// Stopped at any moment, a run leaves no thread behind and keeps a part of what a whole run
// finds, sorted and distinct, saved whole (no temporary file).
TEST(ExtractionRun, StoppedAtAnyMomentLeavesNothingBehind) {
  auto threads = [] {
    size_t n = 0;
    for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task")) ++n;
    return n;
  };
  TempDir dir;
  std::vector<std::filesystem::path> files;
  for (int f = 0; f < 8; ++f) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
      text += std::to_string(13000000000LL + (i * 7919LL + f) % 900000) + " a" + std::to_string(i % 97) +
              "@b.cn 0755 2345" + std::to_string(1000 + i % 9000) + "\n";
    files.push_back(dir / ("f" + std::to_string(f) + ".txt"));
    WriteBytes(files.back(), text);
  }
  auto configure = [&](ExtractionRun& run) {
    test::Fill(run.codes, {"0755"});
    run.request.email = true;
    run.request.output = ExtractionOutput::kFilePerKind;
    run.sizes.piece = 4096;
    run.request.files = files;
  };
  ExtractionRun whole;
  configure(whole);
  whole.Go();
  const std::vector<Strings> all{Items(whole.results().mobile), Items(whole.results().landline),
                                 Items(whole.results().email)};
  const size_t before = threads();
  std::mt19937 random(5);
  for (int round = 0; round < 100; ++round) {
    ExtractionRun run;
    configure(run);
    run.Start();
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
    run.extraction.Stop();
    ASSERT_FALSE(run.extraction.Active());
    ASSERT_EQ(run.sink.done.load(), 1);
    EXPECT_EQ(threads(), before);
    const std::vector<Strings> got{Items(run.results().mobile), Items(run.results().landline),
                                   Items(run.results().email)};
    for (size_t k = 0; k < got.size(); ++k) {
      ASSERT_TRUE(std::is_sorted(got[k].begin(), got[k].end()));
      ASSERT_TRUE(std::adjacent_find(got[k].begin(), got[k].end()) == got[k].end());
      ASSERT_TRUE(std::includes(all[k].begin(), all[k].end(), got[k].begin(), got[k].end()));
    }
    TempDir out;
    for (const auto& file : SaveResultFiles(run.results(), out.path()).written) {
      std::string bytes = test::ReadBytes(file);
      ASSERT_TRUE(bytes.empty() || bytes.ends_with("\r\n"));
    }
    for (const std::string& name : test::FileNames(out.path())) ASSERT_FALSE(name.starts_with(".telqor-")) << name;
  }
}

TEST(ExtractionRun, MillionsOfResultsEndSortedAndDistinct) {
  // More results than one batch, half of them repeated in a second item.
  std::string text;
  const int count = 1'200'000;
  text.reserve(count * 12);
  for (int i = 0; i < count; ++i) text.append(std::to_string(13000000000LL + (i * 7919LL) % count)).push_back(' ');
  TempDir dir;
  WriteBytes(dir / "a.txt", text);
  WriteBytes(dir / "b.txt", text.substr(0, text.size() / 2));
  ExtractionRun run;
  run.request.files = {dir / "a.txt", dir / "b.txt"};
  run.Go();
  const Strings mobile = Items(run.results().mobile);
  ASSERT_EQ(mobile.size(), static_cast<size_t>(count));
  for (size_t i = 1; i < mobile.size(); ++i) ASSERT_LT(mobile[i - 1], mobile[i]);
  EXPECT_EQ(mobile[0], "13000000000");
}

}  // namespace
}  // namespace telqor

namespace telqor {
namespace {

TEST(ExtractionRun, OfficeFilesAndMarkedTextAreReadAsText) {
  if (!FindProgram("soffice")) GTEST_SKIP() << "LibreOffice is not installed";
  TempDir dir;
  std::filesystem::path office = std::filesystem::path(TELQOR_TEST_DATA) / "office";
  std::filesystem::copy_file(office / "book.xls", dir / "Book.XLS");  // the extension in any case
  WriteBytes(dir / "u8.txt", "\xEF\xBB\xBF" + GbkToUtf8(Utf8ToGbk("手机：１５０１２３４５６７８")));
  // A binary file named like a document that is no document gives nothing, never its bytes.
  WriteBytes(dir / "fake.doc", std::string("\0\x01 13700000000", 14));
  ExtractionRun run;
  run.request.email = true;
  run.request.files = {office / "sample.doc", dir / "Book.XLS", dir / "u8.txt", dir / "fake.doc"};
  run.Go();
  EXPECT_EQ(Items(run.results().mobile), (Strings{"13800138000", "15012345678"}));
  EXPECT_EQ(Items(run.results().email), Strings{"zhang.san@example.com"});
  EXPECT_EQ(run.extraction.ItemsDone(), 4);
}

// A file that cannot be read is left out and told, naming it and why; the others give their
// numbers all the same, and a report cleared starts the next run with none.
TEST(ExtractionRun, UnreadFilesAreToldAndTheOthersStillRead) {
  TempDir dir;
  WriteBytes(dir / "broken.docx", "PK\x03\x04 cut short");
  WriteBytes(dir / "fake.doc", std::string("\0\x01 13700000000", 14));
  WriteBytes(dir / "list.txt", "13600000000\r\n");
  ExtractionRun run;
  run.request.files = {dir / "broken.docx", dir / "list.txt", dir / "fake.doc"};
  run.Go();
  EXPECT_EQ(Items(run.results().mobile), Strings{"13600000000"});
  Strings failures = run.sink.Failures();
  std::sort(failures.begin(), failures.end());
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_TRUE(failures[0].starts_with("无法转换文件\"" + (dir / "broken.docx").string() + "\"：")) << failures[0];
  EXPECT_EQ(failures[1], "无法转换文件\"" + (dir / "fake.doc").string() + "\"：不是文档文件");
  run.sink.Clear();
  run.request.files = {dir / "list.txt"};
  run.Go();
  EXPECT_EQ(run.sink.Failures(), Strings{});
}

TEST(ExtractionRun, UnmarkedUtf8AndTextUnderOfficeNamesAreReadAsText) {
  TempDir dir;
  // UTF-8 without a mark: read as GBK, the last byte of "：" would take the "x" with it.
  WriteBytes(dir / "mail.txt",
             "\xE7\x94\xB5\xE5\xAD\x90\xE9\x82\xAE\xE7\xAE\xB1\xEF\xBC\x9A"
             "xyz@163.com\r\n");
  // The same line in GBK stays GBK.
  WriteBytes(dir / "gbk.txt", Utf8ToGbk("邮箱：abc@qq.com"));
  // A web page saved as .doc and a UTF-8 list saved as .xls: text, whatever the name says.
  WriteBytes(dir / "page.DOC", Utf8ToGbk("<html><body>手机：13700000000</body></html>"));
  WriteBytes(dir / "list.xls", "\xE6\x89\x8B\xE6\x9C\xBA,13600000000\n");
  ExtractionRun run;
  run.request.email = true;
  run.request.files = {dir / "mail.txt", dir / "gbk.txt", dir / "page.DOC", dir / "list.xls"};
  run.Go();
  EXPECT_EQ(Items(run.results().email), (Strings{"abc@qq.com", "xyz@163.com"}));
  EXPECT_EQ(Items(run.results().mobile), (Strings{"13600000000", "13700000000"}));
}

}  // namespace
}  // namespace telqor
