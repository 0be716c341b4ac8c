#include "core/program/settings.h"

#include <gtest/gtest.h>

#include <map>

#include "core/program/data_folders.h"
#include "core/platform/env.h"
#include "core/text/gbk.h"
#include "core/program/ini_file.h"
#include "core/io/list_files.h"
#include "core/io/output_names.h"
#include "core/text/str_to_int.h"
#include "tests/support/first_run_ini.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

using test::kFirstRunIni;

TEST(Settings, FirstRunWritesEveryKeyAndReadsThemBack) {
  test::TempDir dir;
  Settings s = LoadSettings(dir / "Telqor.ini");
  EXPECT_EQ(test::ReadBytes(dir / "Telqor.ini"), kFirstRunIni);
  EXPECT_EQ(s.numberPattern, FirstRunSettings().numberPattern);
  EXPECT_EQ(s.analysisReplace1, "\"");
  EXPECT_EQ(s.analysisBoundB, 1000);
  EXPECT_EQ(s.mobileSeparators, 1);
  SaveSettings(dir / "Telqor.ini", s);
  EXPECT_EQ(test::ReadBytes(dir / "Telqor.ini"), kFirstRunIni);
  s.mobileSeparators = 0;  // the old rule stays chosen
  SaveSettings(dir / "Telqor.ini", s);
  EXPECT_EQ(LoadSettings(dir / "Telqor.ini").mobileSeparators, 0);
}

TEST(Settings, HandWrittenAndDamagedFiles) {
  test::TempDir dir;
  test::WriteBytes(dir / "Telqor.ini",
                   "garbage line\n[other]\nCalMode=9\n[system]\nno equals sign\n calmode = 5 \nMapCacheSize=12ab\n"
                   "mobiletag=138;139   \nDADataA=0x10\n");
  Settings s = LoadSettings(dir / "Telqor.ini");
  EXPECT_EQ(s.Comparison(), CompareMode::kByHash);
  EXPECT_EQ(Settings{}.Comparison(), CompareMode::kExact);  // 0 is mode A
  EXPECT_EQ(s.processingMode, 5);
  EXPECT_EQ(s.compareBuckets, 10000000);  // not a number: the default
  EXPECT_EQ(s.mobilePrefixes, "138;139");
  EXPECT_EQ(s.unicomPrefixes, "");  // missing: its missing value
  EXPECT_EQ(s.analysisDelimiter, ",");
  EXPECT_EQ(s.analysisBoundA, 16);
  EXPECT_EQ(s.mobileSeparators, 1);  // missing: grouped mobile numbers are taken
  s.processingMode = 1;
  SaveSettings(dir / "Telqor.ini", s);
  std::string text = test::ReadBytes(dir / "Telqor.ini");
  EXPECT_EQ(text.substr(0, 44), "garbage line\r\n[other]\r\nCalMode=9\r\n[system]\r\n");
  EXPECT_NE(text.find("CalMode=1\r\n"), std::string::npos);
  EXPECT_EQ(LoadSettings(dir / "Telqor.ini").processingMode, 1);
  EXPECT_NE(text.find("DAOutColumnNo=0\r\n"), std::string::npos);
}

TEST(Settings, IntegersAreStoredAs32Bits) {
  EXPECT_EQ(IniInteger("2147483647"), 2147483647);
  EXPECT_EQ(IniInteger("-2147483648"), INT32_MIN);
  EXPECT_FALSE(IniInteger("2147483648"));
  EXPECT_FALSE(IniInteger(""));
  EXPECT_EQ(IniInteger("$FFFFFFFF"), -1);
  IniFile ini;
  ini.WriteInteger("SYSTEM", "DADataA", 4294967297LL);
  EXPECT_EQ(ini.ReadInteger("SYSTEM", "DADataA", 0), 1);
}

TEST(Settings, AnalysisBoundsKeepAll64Bits) {
  test::TempDir dir;
  Settings s = LoadSettings(dir / "Telqor.ini");
  s.analysisBoundA = 4294967297LL;
  s.analysisBoundB = INT64_MIN;
  s.analysisColumn = 4294967297LL;  // any other integer key stays 32 bits
  SaveSettings(dir / "Telqor.ini", s);
  std::string text = test::ReadBytes(dir / "Telqor.ini");
  EXPECT_NE(text.find("DADataA=4294967297\r\nDADataB=-9223372036854775808\r\n"), std::string::npos);
  EXPECT_NE(text.find("DAColumnNo=1\r\n"), std::string::npos);
  Settings back = LoadSettings(dir / "Telqor.ini");
  EXPECT_EQ(back.analysisBoundA, 4294967297LL);
  EXPECT_EQ(back.analysisBoundB, INT64_MIN);
  // Values written by hand read as before: hexadecimal wraps to 32 bits, beyond 64 is no number.
  test::WriteBytes(dir / "Telqor.ini", "[SYSTEM]\r\nDADataA=$FFFFFFFF\r\nDADataB=99999999999999999999\r\n");
  back = LoadSettings(dir / "Telqor.ini");
  EXPECT_EQ(back.analysisBoundA, -1);
  EXPECT_EQ(back.analysisBoundB, 0);
}

TEST(StartUp, FirstStartMakesTheTree) {
  test::TempDir dir;
  ProgramState s = StartUp(dir.path());
  EXPECT_TRUE(s.problems.empty());
  for (const char* f : {"基础数据", "我的数据/临时数据", "我的数据/使用过文件", "我的数据/待使用文件"})
    EXPECT_TRUE(fs::is_directory(dir / f)) << f;
  EXPECT_EQ(s.folders.datedOutput, dir / u8"我的数据" / u8"其它数据" / (DateStamp() + "/"));
  EXPECT_TRUE(fs::is_directory(s.folders.datedOutput));
  EXPECT_EQ(test::ReadBytes(dir / "Telqor.ini"), kFirstRunIni);
}

TEST(StartUp, MissingFolderSettingFallsBackForTheRun) {
  test::TempDir dir;
  fs::create_directories(dir / "out");
  test::WriteBytes(dir / "Telqor.ini",
                   "[SYSTEM]\r\nMyUsedDataPath=/no/such/folder/\r\nMyOtherDataPath=" + (dir / "out").string() + "\r\n");
  ProgramState s = StartUp(dir.path());
  EXPECT_EQ(s.folders.usedFiles, dir / u8"我的数据" / u8"使用过文件/");
  // Held as GBK, relative to the program folder.
  EXPECT_EQ(s.settings.usedFilesFolder, Utf8ToGbk(test::Printed(fs::path(u8"我的数据") / u8"使用过文件" / "")));
  EXPECT_EQ(s.folders.otherData, dir / "out/");
  EXPECT_EQ(s.settings.otherDataFolder, test::Printed(fs::path("out") / ""));
  EXPECT_TRUE(fs::is_directory(dir / "out" / DateStamp()));
  EXPECT_NE(test::ReadBytes(dir / "Telqor.ini").find("/no/such/folder/"), std::string::npos);
}

// A program folder copied whole uses its own folders: those inside it are kept relative to it,
// and an earlier version's absolute setting naming the old folder's default means the copy's.
// A folder elsewhere stays absolute, and one GBK cannot hold reads back the same.
TEST(StartUp, AProgramFolderTravels) {
  test::TempDir dir;
  const fs::path first = dir / u8"程序", copy = dir / u8"副本", outside = dir / u8"外面 é😀";
  fs::create_directories(first);
  fs::create_directories(outside);
  ProgramState s = StartUp(first);
  s.settings.otherDataFolder = FolderSettingOf(outside, first);
  EXPECT_TRUE(FollowFolderSettings(s.settings, s.folders).empty());
  EXPECT_EQ(s.folders.otherData, outside / "");
  SaveSettings(s.iniFile, s.settings);
  EXPECT_EQ(test::ReadBytes(s.iniFile).find(test::Printed(first)), std::string::npos);  // nothing names it

  fs::copy(first, copy, fs::copy_options::recursive);
  std::string ini = test::ReadBytes(copy / "Telqor.ini");
  const size_t key = ini.find("MywillUseDataPath="), end = ini.find("\r\n", key);
  ini.replace(key, end - key, "MywillUseDataPath=" + Utf8ToGbk(test::Printed(first / u8"我的数据" / u8"待使用文件" / "")));
  test::WriteBytes(copy / "Telqor.ini", ini);
  ProgramState c = StartUp(copy);
  EXPECT_EQ(c.folders.usedFiles, copy / u8"我的数据" / u8"使用过文件" / "");
  EXPECT_EQ(c.folders.toUse, copy / u8"我的数据" / u8"待使用文件" / "");
  EXPECT_EQ(c.folders.otherData, outside / "");
  EXPECT_EQ(FolderOfSetting(c.settings.otherDataFolder, copy), outside / "");
  EXPECT_EQ(FolderOfSetting(TypedFolderSetting("", copy), copy), fs::path());
  EXPECT_EQ(FolderOfSetting(TypedFolderSetting("sub", copy), copy), copy / "sub" / "");
}

TEST(StartUp, AnUnwritableProgramFolderStillStarts) {
  test::TempDir dir;
  // A plain file where the folder should be: nothing can be created below it, even by root.
  test::WriteBytes(dir / "blocked", "");
  ProgramState s = StartUp(dir / "blocked");
  EXPECT_FALSE(s.problems.empty());
  EXPECT_NE(s.problems[0].find("Cannot create folder"), std::string::npos);
  EXPECT_EQ(s.settings.mobilePattern, "(1\\d{10})");  // first-run values in memory
}

// Where the program keeps its data when no folder is named: beside a writable executable (a
// folder copied anywhere), else in the user's data folder, always so for an executable a
// package put below /usr, even when the user may write there (root).
TEST(ProgramFolder, BesideAWritableExecutableUnlessInstalled) {
#ifdef _WIN32
  GTEST_SKIP() << "the paths here are POSIX ones; on Windows a package puts nothing below /usr";
#endif
  struct Placed : EnvWrapper {
    Placed() : EnvWrapper(CurrentEnv()) {}
    std::filesystem::path exe;
    bool writable = true;
    std::filesystem::path ExecutableFolder() override { return exe; }
    bool Writable(const std::filesystem::path&) override { return writable; }
    std::map<std::string, std::string> variables;
    std::optional<std::string> Variable(const char* name) override {
      if (std::string_view(name) == "HOME") return "/home/li";
      if (auto at = variables.find(name); at != variables.end()) return at->second;
      return std::nullopt;
    }
  } env;
  ScopedEnv scoped(env);
  const fs::path user = "/home/li/.local/share/Telqor/";
  env.exe = "/opt/telqor";
  EXPECT_EQ(ProgramFolder(), "/opt/telqor/");
  EXPECT_EQ(ProgramFolder(fs::path("/data/x")), "/data/x/");
  env.writable = false;
  EXPECT_EQ(ProgramFolder(), user);
  env.writable = true;
  for (const char* installed : {"/usr/bin", "/usr/local/bin", "/usr"}) {
    env.exe = installed;
    EXPECT_EQ(ProgramFolder(), user) << installed;
  }
  env.exe = "/usrdata/bin";  // only the folder /usr itself is the system's
  EXPECT_EQ(ProgramFolder(), "/usrdata/bin/");
  // Installed by the setup program below the program folders: the data go to the user's profile.
  env.variables = {{"ProgramFiles", "/progs"}, {"LOCALAPPDATA", "/home/li/AppData/Local"}};
  env.exe = "/progs/Telqor";
  EXPECT_EQ(ProgramFolder(), "/home/li/AppData/Local/Telqor/");
  env.exe = "/progsx/Telqor";
  EXPECT_EQ(ProgramFolder(), "/progsx/Telqor/");
}

// A folder setting that names a file, or a path below one, is refused before it is taken.
TEST(StartUp, AFolderSettingMustNotNameAFile) {
  test::TempDir dir;
  test::WriteBytes(dir / "list.txt", "1\r\n");
  fs::create_directories(dir / "out");
  const std::string file = (dir / "list.txt").string();
  EXPECT_EQ(FolderSettingProblem(file + "/"), "“" + file + "”是文件，不是文件夹");
  EXPECT_EQ(FolderSettingProblem(file + "/sub/"), "“" + file + "”是文件，不能在其中建立文件夹");
  for (const std::string& ok : {std::string(), (dir / "out").string(), Utf8ToGbk((dir / u8"新/下层/").string())})
    EXPECT_EQ(FolderSettingProblem(ok), "") << ok;
}

// A folder that cannot be made keeps the one in use, and its setting names that one, so the
// settings file never holds a folder the program did not use.
TEST(StartUp, AFolderThatCannotBeMadeKeepsTheOneInUse) {
  test::TempDir dir;
  ProgramState s = StartUp(dir.path());
  const fs::path before = s.folders.otherData;
  test::WriteBytes(dir / "list.txt", "1\r\n");
  s.settings.otherDataFolder = (dir / "list.txt").string();
  std::vector<std::string> problems = FollowFolderSettings(s.settings, s.folders);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("输出文件夹无法使用，仍用“" + before.string() + "”: Cannot create folder", 0), 0u);
  EXPECT_EQ(s.folders.otherData, before);
  EXPECT_EQ(s.settings.otherDataFolder, Utf8ToGbk(test::Printed(fs::path(u8"我的数据") / u8"其它数据" / "")));
  EXPECT_EQ(s.folders.datedOutput, before / (DateStamp() + "/"));
}

TEST(ListFiles, NamesWithADotSortedAndRecursive) {
  test::TempDir dir;
  fs::create_directories(dir / "sub.d" / "deep");
  fs::create_directories(dir / "plain");
  // Windows drops a name's closing dot: "x." is "x" there, with no dot left.
#ifdef _WIN32
  const char* closingDot = "sub.d/deep/x";
#else
  const char* closingDot = "sub.d/deep/x.";
#endif
  for (const char* f : {"b.txt", "a.TXT", "noext", "sub.d/c.txt", closingDot, "plain/hidden.txt"})
    test::WriteBytes(dir / f, "");
  std::vector<fs::path> out;
  ListFiles(dir.path(), "*.*", out, false, false);
  EXPECT_EQ(out, (std::vector<fs::path>{"a.TXT", "b.txt", "sub.d"}));
  out.clear();
  ListFiles(dir.path(), "*.*", out, true, true);
  std::vector<fs::path> all{dir / "a.TXT", dir / "b.txt", dir / "sub.d", dir / "plain" / "hidden.txt",
                            dir / "sub.d" / "c.txt"};
#ifndef _WIN32
  all.push_back(dir / "sub.d" / "deep" / "x.");
#endif
  EXPECT_EQ(out, all);
  EXPECT_TRUE(MatchesMask("A.TXT", "*.txt"));
  EXPECT_FALSE(MatchesMask("a.txt1", "*.txt"));
  EXPECT_TRUE(MatchesMask("ab.c", "a?.*"));
}

}  // namespace
}  // namespace telqor
