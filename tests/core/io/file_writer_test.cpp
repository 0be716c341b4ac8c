// The safe writer: a file appears under its name whole or not at all, and what was there
// survives a failed write.
#include "core/io/file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/lists/item_list.h"
#include "core/platform/parallel.h"
#include "core/program/settings.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using Strings = std::vector<std::string>;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

struct Writing : ::testing::Test {
  test::TempDir dir;
  test::TestEnv env;
  std::filesystem::path file = dir / "numbers.txt";

  void Write(const std::filesystem::path& path, const std::string& bytes) {
    FileWriter out(path);
    out.Write(bytes);
    out.Commit();
  }
};

TEST_F(Writing, ReplacesWholeAndLeavesNothingBeside) {
  test::WriteBytes(file, "old\r\n");
  FileWriter out(file);
  out.Write("new\r\n");
  // Until the commit the old file stands, and the new one is hidden beside it.
  EXPECT_EQ(test::ReadBytes(file), "old\r\n");
  out.Commit();
  EXPECT_EQ(test::ReadBytes(file), "new\r\n");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
}

TEST_F(Writing, AFailedWriteKeepsTheOldFileAndNamesTheFinalOne) {
  test::WriteBytes(file, "old\r\n");
  env.failWritesAfter = 3;
  ItemList list;
  for (int i = 0; i < 1000; ++i) list.Add(std::to_string(13800000000LL + i));
  EXPECT_EQ(ErrorOf([&] { list.SaveToFile(file); }),
            "Cannot write file \"" + file.string() + "\". No space left on device");
  EXPECT_EQ(test::ReadBytes(file), "old\r\n");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
  // A new name that fails leaves no file at all.
  EXPECT_THROW(list.SaveToFile(dir / "fresh.txt"), FileError);
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
}

TEST_F(Writing, AFailedMoveIntoPlaceKeepsTheOldFile) {
  test::WriteBytes(file, "old\r\n");
  env.failRenames = true;
  EXPECT_EQ(ErrorOf([&] { Write(file, "new\r\n"); }),
            "Cannot write file \"" + file.string() + "\". Input/output error");
  EXPECT_EQ(test::ReadBytes(file), "old\r\n");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
}

TEST_F(Writing, AWriterDroppedOnAnErrorLeavesNothing) {
  try {
    FileWriter out(file);
    out.Write("half");
    throw Error("stopped");
  } catch (const Error&) {
  }
  EXPECT_TRUE(test::FileNames(dir.path()).empty());
}

TEST_F(Writing, WhatCannotBeReplacedIsRefusedOrWrittenDirectly) {
  SKIP_ON_WINDOWS("devices and pipes by POSIX names");
  EXPECT_EQ(ErrorOf([&] { Write(dir.path(), "x"); }),
            "Cannot create file \"" + dir.path().string() + "\". Is a directory");
  EXPECT_EQ(ErrorOf([&] { Write(dir / "no" / "x.txt", "x"); }),
            "Cannot create file \"" + (dir / "no" / "x.txt").string() + "\". No such file or directory");
  // A device is written into, never replaced.
  EXPECT_EQ(ErrorOf([&] { Write("/dev/full", "x"); }), "Cannot write file \"/dev/full\". No space left on device");
  Write("/dev/null", "x");
  struct stat st;
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST_F(Writing, ALinkIsWrittenThrough) {
  SKIP_ON_WINDOWS("symbolic links need a privilege there");
  test::WriteBytes(dir / "real.txt", "old\r\n");
  std::filesystem::create_symlink(dir / "real.txt", dir / "link.txt");
  Write(dir / "link.txt", "new\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
  EXPECT_EQ(test::ReadBytes(dir / "real.txt"), "new\r\n");
}

// A private list stays private when it is replaced; a new file follows the umask.
TEST_F(Writing, AReplacementKeepsTheModeOfTheFileItReplaces) {
  SKIP_ON_WINDOWS("POSIX modes");
  namespace fs = std::filesystem;
  Write(file, "old\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  Write(file, "new\r\n");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(test::ReadBytes(file), "new\r\n");

  mode_t mask = ::umask(0027);
  Write(dir / "fresh.txt", "x");
  ::umask(mask);
  EXPECT_EQ(fs::status(dir / "fresh.txt").permissions(), static_cast<fs::perms>(0640));
}

TEST_F(Writing, UniqueCommitsNeverReplace) {
  test::WriteBytes(file, "first\r\n");
  test::WriteBytes(dir / "numbers-2.txt", "second\r\n");
  FileWriter out(file);
  out.Write("third\r\n");
  EXPECT_EQ(out.CommitUnique(), dir / "numbers-3.txt");
  EXPECT_EQ(test::ReadBytes(file), "first\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "numbers-3.txt"), "third\r\n");
}

// A library that writes by name (libxlsxwriter) writes the file beside, which reaches the final
// name only on Commit, and goes when the writer is dropped or the move fails.
TEST_F(Writing, AFileALibraryWritesBesideMovesIntoPlaceOnlyOnCommit) {
  auto libraryWrites = [](const std::filesystem::path& path, const char* text) {
    std::FILE* f = std::fopen(NarrowPath(path).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(text, f);
    std::fclose(f);
  };
  test::WriteBytes(file, "old\r\n");
  {
    FileWriter out(file);
    const std::filesystem::path beside = out.HandToLibrary();
    EXPECT_EQ(beside.parent_path(), file.parent_path());
    EXPECT_NE(beside, file);
    libraryWrites(beside, "table");
    EXPECT_EQ(test::ReadBytes(file), "old\r\n");
    out.Commit();
  }
  EXPECT_EQ(test::ReadBytes(file), "table");
  {
    FileWriter out(file);
    libraryWrites(out.HandToLibrary(), "half a table");
  }
  EXPECT_EQ(test::ReadBytes(file), "table");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
  env.failRenames = true;
  EXPECT_EQ(ErrorOf([&] {
              FileWriter out(file);
              libraryWrites(out.HandToLibrary(), "new table");
              out.Commit();
            }),
            "Cannot write file \"" + file.string() + "\". Input/output error");
  EXPECT_EQ(test::ReadBytes(file), "table");
  EXPECT_EQ(test::FileNames(dir.path()), Strings{"numbers.txt"});
}

// The narrow name a C library opens is the same file, in a folder of Chinese characters too
// (the ANSI code page of Chinese Windows holds them) and of characters no code page of China
// holds (the folder's short name on Windows).
TEST(NarrowPath, NamesTheFileForTheCLibrary) {
  test::TempDir dir;
  for (const char8_t* folder : {u8"号码表", u8"ąę ŵ"}) {
    const std::filesystem::path path = dir.path() / folder / u8"统计.csv";
    std::filesystem::create_directories(path.parent_path());
    const std::string narrow = NarrowPath(path);
    ASSERT_FALSE(narrow.empty()) << PathToUtf8(path);
    std::FILE* f = std::fopen(narrow.c_str(), "wb");
    ASSERT_NE(f, nullptr) << PathToUtf8(path);
    std::fputs("13800138000", f);
    std::fclose(f);
    EXPECT_EQ(test::ReadBytes(path), "13800138000");
  }
}

TEST_F(Writing, ASettingsFileThatCannotBeWrittenKeepsEverySetting) {
  auto ini = dir / "Telqor.ini";
  Settings s = LoadSettings(ini);
  const std::string before = test::ReadBytes(ini);
  s.processingMode = 1;
  env.failWritesAfter = 10;
  EXPECT_THROW(SaveSettings(ini, s), FileError);
  EXPECT_EQ(test::ReadBytes(ini), before);
  env.failWritesAfter = -1;
  SaveSettings(ini, s);
  EXPECT_EQ(LoadSettings(ini).processingMode, 1);
}

// A file another program cuts short while it is read gives its error; nothing maps it, so
// nothing dies of a bus error.
TEST(Reading, AFileCutShortMeanwhileGivesItsError) {
  namespace fs = std::filesystem;
  test::TempDir dir;
  const fs::path file = dir / "moving.txt";
  test::WriteBytes(file, std::string(1 << 20, 'x'));
  RandomAccessFile open(file);
  fs::resize_file(file, 100);
  std::string buffer(1 << 20, '\0');
  EXPECT_THROW(open.ReadAt(0, buffer.data(), buffer.size()), FileError);
  EXPECT_EQ(open.ReadAt(0, buffer.data(), 100), 100u);

  std::atomic<bool> done{false};
  std::thread cutter([&] {
    while (!done) {
      fs::resize_file(file, 0);
      fs::resize_file(file, 1 << 20);
    }
  });
  int whole = 0, refused = 0;  // read as it was at some moment, or refused with the error
  for (int i = 0; i < 300; ++i) {
    try {
      FileContents contents(file);
      // The cutter's file grows back as zero bytes.
      whole += contents.view().find_first_not_of(std::string_view("x\0", 2)) == std::string_view::npos;
    } catch (const FileError& e) {
      refused += std::string(e.what()).find(kShortenedWhileRead) != std::string::npos;
    }
  }
  done = true;
  cutter.join();
  EXPECT_EQ(whole + refused, 300);
}

// The same while the file is read in parts side by side, and by the pieces of a list's load.
TEST(Reading, AFileCutShortWhileReadInPartsGivesItsError) {
  namespace fs = std::filesystem;
  ScopedParallelism pin(3, 1 << 16);
  test::TempDir dir;
  const fs::path file = dir / "moving.txt";
  const std::string lines = [] {
    std::string text;
    while (text.size() < (1 << 20)) text += "13800138000\r\n";
    return text;
  }();
  test::WriteBytes(file, lines);
  std::atomic<bool> done{false};
  std::thread cutter([&] {
    while (!done) {
      fs::resize_file(file, 100);
      test::WriteBytes(file, lines);
    }
  });
  // Read as it was at some moment, or refused with the error; never anything else.
  for (int i = 0; i < 100; ++i) {
    try {
      FileContents contents(file);
      ItemList list;
      list.AppendFile(file);
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(kShortenedWhileRead), std::string::npos) << e.what();
    }
  }
  done = true;
  cutter.join();
}

TEST(Reading, PartsAndPipesGiveEveryByte) {
  test::TempDir dir;
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += static_cast<char>(i * 7 % 256);
  test::WriteBytes(dir / "bytes.bin", bytes);
  for (int threads : {1, 2, 3}) {
    ScopedParallelism pin(threads, 100);
    EXPECT_EQ(FileContents(dir / "bytes.bin").view(), bytes);
  }
  SKIP_ON_WINDOWS("a named pipe");
#ifndef _WIN32
  const auto pipe = dir / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::thread writer([&] { test::WriteBytes(pipe, bytes); });
  std::string read(FileContents(pipe).view());
  writer.join();
  EXPECT_EQ(read, bytes);
#endif
}

}  // namespace
}  // namespace telqor
