// telqor-cli end to end: run the program on files in a temporary folder and compare bytes.
#include <algorithm>
#include <iterator>
#include <sstream>

#include "core/text/gbk.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/test_env.h"

namespace telqor {
namespace {

using test::Result;
using Cli = test::CliFixture;

TEST_F(Cli, SortAppendsFilesThenSortsToStdoutOrFile) {
  auto a = File("a.txt", "13900000000\r\n13700000000\r\n");
  auto b = File("b.txt", "13800000000\n13700000000");  // no final line break
  Result r = Run({"sort", a, b});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "13700000000\r\n13700000000\r\n13800000000\r\n13900000000\r\n");
  r = Run({"sort", a, b, "-o", Path("out.txt")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ReadBytes(dir / "out.txt"), "13700000000\r\n13700000000\r\n13800000000\r\n13900000000\r\n");
}

TEST_F(Cli, DedupeByMode) {
  auto in = File("in.txt", "3\r\n\r\n1\r\n3\r\n13363463632\r\n13377114254\r\n");
  Result a = Run({"--mode", "A", "dedupe", in});
  EXPECT_EQ(a.out, "1\r\n13363463632\r\n13377114254\r\n3\r\n");
  // Mode B keeps first occurrences in order, also of two numbers that share a BKDR hash.
  Result b = Run({"dedupe", "--mode", "B", in});
  EXPECT_EQ(b.out, "3\r\n\r\n1\r\n13363463632\r\n13377114254\r\n");
  EXPECT_EQ(Run({"dedupe", in}).out, a.out);  // A with first-run settings
}

TEST_F(Cli, ShuffleKeepsEveryLine) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += std::to_string(13800000000LL + i) + "\r\n";
  auto in = File("in.txt", text);
  Result r = Run({"shuffle", in});
  ASSERT_EQ(r.status, 0);
  EXPECT_NE(r.out, text);
  auto lines = [](const std::string& t) {
    std::vector<std::string> v;
    for (size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2) v.push_back(t.substr(p, q - p));
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(lines(r.out), lines(text));
}

TEST_F(Cli, FilterOutKeepsOrder) {
  auto in = File("in.txt", "5\r\n1\r\n4\r\n1\r\n2\r\n");
  auto r1 = File("r1.txt", "1\r\n");
  auto r2 = File("r2.txt", "4\r\n13377114254\r\n");
  for (const char* mode : {"A", "B"}) {
    Result r = Run({"--mode", mode, "filter-out", in, "--exclude", r1, r2, "-o", Path("out.txt")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / "out.txt"), "5\r\n2\r\n") << mode;
  }
  EXPECT_NE(Run({"filter-out", in}).status, 0);
}

TEST_F(Cli, OddInputsComeBackByteExact) {
  EXPECT_EQ(Run({"sort", File("empty.txt", "")}).out, "");
  EXPECT_EQ(Run({"sort", File("cr.txt", "b\ra\r")}).out, "a\r\nb\r\n");
  EXPECT_EQ(Run({"sort", File("zero.txt", std::string("2\n1\0"
                                                      "0\n",
                                                      5))})
                .out,
            "1\r\n2\r\n");
  std::string longLine(10240, '8');
  EXPECT_EQ(Run({"sort", File("long.txt", longLine + "\n1")}).out, "1\r\n" + longLine + "\r\n");
  std::string gbk = "\xB1\xB1\xBE\xA9\r\n\xFF\x81\r\n";
  EXPECT_EQ(Run({"--mode", "B", "dedupe", File("gbk.txt", gbk + gbk)}).out, gbk);
  // UTF-8 lists come out in GBK, and a character GBK lacks is told on stderr.
  Result utf8 = Run({"sort", File("utf8.txt", "\xE5\x8C\x97\xE4\xBA\xAC\n\xF0\x9F\x98\x80\n")});
  EXPECT_EQ(utf8.out, "?\r\n\xB1\xB1\xBE\xA9\r\n");
  EXPECT_NE(utf8.err.find("1个字符无法转换为GBK"), std::string::npos) << utf8.err;
}

TEST_F(Cli, ErrorsGoToStderrWithStatus1) {
  Result r = Run({"sort", Path("missing.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot open file \"" + Path("missing.txt") + "\". No such file or directory\n");
  EXPECT_EQ(r.out, "");

  r = Run({"sort", File("in.txt", "1"), "-o", Path("no/such/out.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot create file \"" + Path("no/such/out.txt") + "\". No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "no"));

  r = Run({"frobnicate"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Unknown verb 'frobnicate'"), std::string::npos);
  r = Run({"sort", "--fast", Path("in.txt")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Unknown option '--fast'"), std::string::npos);
  r = Run({"--mode", "C", "sort"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(test::FirstLine(Run({"sort"}).err), "No input files\n");
  EXPECT_EQ(Run({}).status, 2);
}

bool HasTemporaryFile(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(".telqor-")) return true;
  return false;
}

TEST_F(Cli, OutputIsReplacedOnlyBySuccess) {
  auto in = File("in.txt", "2\r\n1\r\n");
  auto out = File("out/out.txt", "old\r\n");
  for (const std::vector<std::string>& failing : {std::vector<std::string>{"sort", in, Path("missing.txt"), "-o", out},
                                                  {"replace", "--pattern", "(", "--with", "x", in, "-o", out},
                                                  {"affix", "--length", "seven", in, "-o", out}}) {
    Result r = Run(failing);
    EXPECT_EQ(r.status, 1) << failing[0];
    EXPECT_EQ(test::ReadBytes(out), "old\r\n") << failing[0];
  }
  Result ok = Run({"sort", in, "-o", out});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(test::ReadBytes(out), "1\r\n2\r\n");
  EXPECT_FALSE(HasTemporaryFile(dir / "out"));
}

TEST_F(Cli, FullDeviceFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Result r = Run({"sort", File("in.txt", "1\r\n"), "-o", "/dev/full"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot write file \"/dev/full\". No space left on device\n");
  // Whatever prints to standard output fails alike when it cannot be written.
  std::string in = File("n.txt", "13800001234\r\n");
  File("home/基础数据/地区.txt", Utf8ToGbk("北京|北京\r\n"));
  File("home/基础数据/手机号段.txt", Utf8ToGbk("1380000|北京|北京\r\n"));
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--help"},
                                                                                    {"settings"},
                                                                                    {"carrier", "13800001234"},
                                                                                    {"regions"},
                                                                                    {"lookup", "13800001234"},
                                                                                    {"sort", in},
                                                                                    {"split", "--lines", "1", in}}) {
    r = RunWithOutput(args, "/dev/full");
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_EQ(r.err, "Cannot write file \"standard output\". No space left on device\n") << args[0];
  }
}

// A reader that closes the pipe early (| head) has what it wanted: the verb ends quietly with
// status 0, leaving no temporary file, while a full disk stays an error (above).
TEST_F(Cli, AReaderThatClosesThePipeEndsTheVerbQuietly) {
#ifdef _WIN32
  GTEST_SKIP() << "a shell pipe";
#else
  std::string lines;
  for (int i = 0; i < 200000; ++i) lines += std::to_string(13800000000LL + i) + "\r\n";
  const std::string in = File("in.txt", lines);
  const std::string command = "cd " + test::Quote((dir / "").string()) +
                              " && TELQOR_HOME=" + test::Quote(home().string()) + " bash -c " +
                              test::Quote(test::Quote(TELQOR_CLI) + " sort " + test::Quote(in) +
                                          " 2>err | head -c 10 >/dev/null; echo ${PIPESTATUS[0]} >status");
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(test::ReadBytes(dir / "status"), "0\n");
  EXPECT_EQ(test::ReadBytes(dir / "err"), "");
  EXPECT_EQ(test::FileNames(dir.path()), (std::vector<std::string>{"err", "home", "in.txt", "status"}));
#endif
}

TEST_F(Cli, OptionsAreCheckedAgainstTheVerb) {
  auto in = File("in.txt", "0755-12345678\r\n");
  auto error = [&](const std::vector<std::string>& args) {
    Result r = Run(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    return test::FirstLine(r.err);
  };
  EXPECT_EQ(error({"sort", in, "-o", Path("a"), "--output", Path("b")}), "--output given twice\n");
  EXPECT_EQ(error({"--mode", "A", "dedupe", in, "--mode", "B"}), "--mode given twice\n");
  EXPECT_EQ(error({"sort", in, "-o"}), "-o needs a value\n");
  EXPECT_EQ(error({"filter-out", in, "--exclude", "-o", Path("a")}), "--exclude needs at least one file\n");
  EXPECT_EQ(error({"replace", "--pattern", "a", in}), "replace needs --with R\n");
  EXPECT_EQ(error({"replace", in}), "replace needs --pattern P and --with R\n");
  EXPECT_EQ(error({"sort", in, "--mode", "C"}), "--mode takes A or B, not 'C'\n");
  EXPECT_EQ(error({"settings", "--save"}), "Unknown option '--save'\n");
  // After "--" even --help names a file.
  Result literal = Run({"sort", "--", "--help"});
  EXPECT_EQ(literal.status, 1);
  EXPECT_EQ(literal.err, "Cannot open file \"--help\". No such file or directory\n");
  // Also right after a list's files; a "--" that is an option's value ends nothing.
  File("-x", "13363463632\r\n");
  EXPECT_EQ(Run({"filter-out", "--exclude", File("r.txt", "1\r\n"), "--", "-x"}).out, "13363463632\r\n");
  EXPECT_EQ(Run({"replace", "--pattern", "0755", "--with", "--", in}).out, "---12345678\r\n");

  // A value is the next argument, whatever it looks like.
  EXPECT_EQ(Run({"replace", "--pattern", "0755", "--with", "-x", in}).out, "-x-12345678\r\n");
  EXPECT_EQ(Run({"affix", "--length", "-1", "--prefix", "9", in}).out, "0755-12345678\r\n");
  // Global options after the verb; generate tells its own --mode from the processing mode.
  EXPECT_EQ(Run({"sort", in, "--home", Path("prog"), "-y"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "prog" / "Telqor.ini"));
  EXPECT_EQ(Run({"generate", "--mode", "B", "--base", "5", "--count", "2", "--mode", "1"}).out, "5\r\n6\r\n");
  // --help wins over the mistakes around it.
  EXPECT_EQ(Run({"keep", "--fast", "--help"}).status, 0);
}

TEST_F(Cli, ValuesAfterAnEqualsSignOrJoinedToAShortOption) {
  auto in = File("in.txt", "3\r\n1\r\n3\r\n13363463632\r\n13377114254\r\n");
  EXPECT_EQ(Run({"sort", in, "--output=" + Path("a.txt")}).status, 0);
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "1\r\n13363463632\r\n13377114254\r\n3\r\n3\r\n");
  EXPECT_EQ(Run({"sort", in, "-o" + Path("b.txt")}).status, 0);
  EXPECT_EQ(test::ReadBytes(dir / "b.txt"), test::ReadBytes(dir / "a.txt"));
  // A list given with "=" still takes the files after it.
  EXPECT_EQ(Run({"filter-out", in, "--exclude=" + File("r1.txt", "1\r\n"), File("r2.txt", "3\r\n")}).out,
            "13363463632\r\n13377114254\r\n");
  // The processing mode, also beside generate's own --mode: a mistake would be "given twice".
  EXPECT_EQ(Run({"dedupe", "--mode=B", in}).out, "3\r\n1\r\n13363463632\r\n13377114254\r\n");
  EXPECT_EQ(Run({"generate", "--mode=B", "--base=5", "--count=2", "--mode=1"}).out, "5\r\n6\r\n");
  // CLI11 alone would take --save=false for no --save.
  Result flag = Run({"generate", "--base", "5", "--save=false"});
  EXPECT_EQ(flag.status, 2);
  EXPECT_EQ(test::FirstLine(flag.err), "--save takes no value\n");
}

// A command line that cannot be run says why and how the verb is called, status 2; a run that
// fails says only why, status 1.
TEST_F(Cli, UsageErrorsShowTheUsageLineFailedRunsDoNot) {
  auto in = File("in.txt", "1\r\n");
  Result r = Run({"sort", in, "--fast"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Unknown option '--fast'\nUsage: telqor-cli [global options] sort FILE... [-o OUT]\n");
  r = Run({"keep", "--kind", "fax", in});  // the verb's own check of a value
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("Unknown kind 'fax'\nUsage: telqor-cli [global options] keep FILE... --kind")) << r.err;
  r = Run({"--home"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "--home needs a value\nUsage: telqor-cli [global options] VERB [ARGS...]\n       telqor-cli VERB --help\n");
  r = Run({"--yes"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("\nVerbs:\n  sort "), std::string::npos);

  r = Run({"replace", "--pattern", "(", "--with", "x", in});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.find("Usage:"), std::string::npos) << r.err;
  // --help wins over a value missing after it, but is a value where one is due.
  EXPECT_EQ(Run({"sort", "--help", "-o"}).status, 0);
  EXPECT_EQ(Run({"replace", "--pattern", "1", "--with", "--help", in}).out, "--help\r\n");
}

// Every verb's help shows the global options, and every option it shows is read: an option
// unknown to the parser would be the first problem, before --no-such-option.
TEST_F(Cli, EveryVerbsHelpShowsWhatItReads) {
  std::string text = Run({"--help"}).out;
  std::istringstream usage(text.substr(text.find("\nVerbs:\n") + 8));
  std::vector<std::string> verbs;
  for (std::string line; std::getline(usage, line) && !line.empty();)
    verbs.push_back(line.substr(2, line.find(' ', 2) - 2));
  ASSERT_GT(verbs.size(), 20u);
  for (const std::string& verb : verbs) {
    Result help = Run({verb, "--help"});
    EXPECT_EQ(help.status, 0);
    std::string first = help.out.substr(0, help.out.find('\n')) + " ";
    EXPECT_TRUE(first.starts_with("Usage: telqor-cli [global options] " + verb + " ")) << first;
    size_t global = help.out.find("\nGlobal options:\n");
    ASSERT_NE(global, std::string::npos) << verb;
    for (const char* option : {"--home DIR", "--mode A|B", "-y, --yes", "-h, --help"})
      EXPECT_NE(help.out.find(option, global), std::string::npos) << verb << " " << option;
    size_t options = help.out.find("\nOptions:\n");
    std::istringstream lines(options < global ? help.out.substr(options, global - options) : "");
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("  -")) continue;  // a help text on its own line
      std::istringstream left(line.substr(0, line.find("  ", 2)));
      std::vector<std::string> words{std::istream_iterator<std::string>(left), {}};
      bool value = !words.back().starts_with("-");
      for (std::string name : words) {
        if (!name.starts_with("-")) continue;
        if (name.ends_with(",")) name.pop_back();
        std::vector<std::string> args = {verb, name};
        if (value) args.push_back("1");
        args.push_back("--no-such-option");
        EXPECT_EQ(test::FirstLine(Run(args).err), "Unknown option '--no-such-option'\n") << verb << " " << name;
      }
    }
  }
}

TEST_F(Cli, SettingsVerbPreparesTheProgramFolder) {
  Result r = Run({"--home", Path("prog"), "settings"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* folder :
       {"基础数据", "我的数据/临时数据", "我的数据/使用过文件", "我的数据/待使用文件", "我的数据/其它数据"})
    EXPECT_TRUE(std::filesystem::is_directory(dir / "prog" / PathFromUtf8(folder))) << folder;
  EXPECT_NE(r.out.find("CalMode=0"), std::string::npos);
  EXPECT_NE(r.out.find("Processing mode: A"), std::string::npos);
  std::string ini = test::ReadBytes(dir / "prog" / "Telqor.ini");
  EXPECT_EQ(ini.substr(0, 38), "[SYSTEM]\r\ntelecomtag=133;153;180;189\r\n");
  // Any verb prepares the folder the same way (TELQOR_HOME here).
  Run({"sort", File("x.txt", "")});
  EXPECT_TRUE(std::filesystem::exists(dir / "home" / "Telqor.ini"));
}

TEST_F(Cli, ModeComesFromTheSettingsUnlessGiven) {
  std::filesystem::create_directories(dir / "home");
  test::WriteBytes(dir / "home" / "Telqor.ini", "[SYSTEM]\r\nCalMode=5\r\n");
  auto in = File("in.txt", "2\r\n1\r\n2\r\n");
  EXPECT_EQ(Run({"dedupe", in}).out, "2\r\n1\r\n");  // any non-zero CalMode is B
  EXPECT_EQ(Run({"dedupe", in, "--mode", "A"}).out, "1\r\n2\r\n");
  EXPECT_NE(Run({"settings"}).out.find("Processing mode: B"), std::string::npos);
}

TEST_F(Cli, KeepReplaceAffix) {
  auto in = File("in.txt", "13800138000\r\n0755-12345678\r\nhello\r\n1234567\r\n");
  EXPECT_EQ(Run({"keep", "--kind", "mobile", in}).out, "13800138000\r\n");
  EXPECT_EQ(Run({"keep", "--kind", "non-mobile", in}).out, "0755-12345678\r\nhello\r\n1234567\r\n");
  Result bad = Run({"keep", "--kind", "custom2", in});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "GbkRegex.Compile() - Please specify a regular expression in RegEx first\n");
  EXPECT_EQ(Run({"keep", "--kind", "fax", in}).status, 2);

  EXPECT_EQ(Run({"replace", "--pattern", "(\\d{3})(\\d{4})$", "--with", "$2-$1", in}).out,
            "13808000-013\r\n0755-15678-234\r\nhello\r\n4567-123\r\n");
  // UTF-8 on the command line, GBK in the file.
  EXPECT_EQ(Run({"replace", "--pattern", "hello", "--with", "北京", in}).out.substr(28, 6), "\xB1\xB1\xBE\xA9\r\n");
  EXPECT_EQ(Run({"affix", "--length", "7", "--prefix", " 0 ", "--suffix", "#", in}).out,
            "13800138000\r\n0755-12345678\r\nhello\r\n01234567#\r\n");
  Result notANumber = Run({"affix", "--length", "seven", in});
  EXPECT_EQ(notANumber.err, "'seven' is not a valid integer value\n");
}

TEST_F(Cli, GenerateRangeAndExpansion) {
  EXPECT_EQ(Run({"generate", "--start", "13800000000", "--end", "13800000003"}).out,
            "13800000001\r\n13800000002\r\n13800000003\r\n");
  EXPECT_EQ(Run({"generate", "--base", "100", "--count", "3", "--direction", "backward"}).out, "97\r\n98\r\n99\r\n");
  EXPECT_EQ(Run({"generate", "--step", "0", "--start", "1", "--end", "2"}).err, "Division by zero\n");
  EXPECT_EQ(Run({"generate", "--mode", "7"}).status, 2);

  Result saved = Run({"generate", "--base", "5", "--count", "2", "--save"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  std::filesystem::path file = PathFromUtf8(saved.out.substr(0, saved.out.size() - 1));
  EXPECT_EQ(file.parent_path().parent_path(), dir / "home" / u8"我的数据" / u8"其它数据");
  EXPECT_EQ(test::ReadBytes(file), "5\r\n6\r\n");
}

// Nobody answers a question on the command line: without --yes it is a failure, and a script
// must not take the missing numbers for an empty result.
TEST_F(Cli, RefusedQuestionFailsAndWritesNothing) {
  auto out = File("out.txt", "old\r\n");
  Result big = Run({"generate", "--start", "138", "--end", "139", "-o", out});
  EXPECT_EQ(big.status, 1);
  EXPECT_EQ(big.out, "");
  EXPECT_NE(big.err.find("--yes"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(out), "old\r\n");
  // Refusing the range also stops the expansion beside it from being saved on its own.
  Result saved = Run({"generate", "--start", "138", "--end", "139", "--base", "5", "--count", "2", "--save"});
  EXPECT_EQ(saved.status, 1);
  EXPECT_EQ(saved.out, "");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir / "home" / u8"我的数据" / u8"其它数据"))
    EXPECT_FALSE(entry.is_regular_file()) << entry.path();
}

TEST_F(Cli, SaveWholeOrInBatches) {
  auto in = File("in.txt", "1\r\n2\r\n3\r\n");
  Result whole = Run({"save", in});
  ASSERT_EQ(whole.status, 0) << whole.err;
  EXPECT_EQ(test::ReadBytes(whole.out.substr(0, whole.out.size() - 1)), "1\r\n2\r\n3\r\n");
  Result batches = Run({"save", "--batch", "2", in});
  EXPECT_EQ(std::count(batches.out.begin(), batches.out.end(), '\n'), 2);
  EXPECT_NE(batches.out.find("-2-0001.txt\n"), std::string::npos);
  EXPECT_NE(batches.out.find("-1-0002.txt\n"), std::string::npos);
  EXPECT_EQ(Run({"save", "--batch", "0", in}).err, "Division by zero\n");
}

TEST_F(Cli, HelpOnEveryVerb) {
  Result r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* verb :
       {"sort", "shuffle", "dedupe", "filter-out", "keep", "replace", "affix", "generate", "save", "settings"}) {
    EXPECT_NE(r.out.find(verb), std::string::npos);
    Result v = Run({verb, "--help"});
    EXPECT_EQ(v.status, 0);
    EXPECT_NE(v.out.find(std::string("telqor-cli")), std::string::npos);
    EXPECT_NE(v.out.find("--home DIR"), std::string::npos) << verb;
  }
  // The options come from the verb's table.
  Result filterOut = Run({"filter-out", "--help"});
  EXPECT_NE(filterOut.out.find("filter-out FILE... --exclude REF... [-o OUT]"), std::string::npos);
  EXPECT_NE(filterOut.out.find("-o, --output OUT"), std::string::npos);
}

}  // namespace
}  // namespace telqor
