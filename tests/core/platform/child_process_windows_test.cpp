// RunChild on Windows, with the system's own command interpreter for a helper (the POSIX tests
// of documents/office_text_test.cpp run sh).
#include <gtest/gtest.h>

#include <chrono>

#include "core/platform/child_process.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

ChildOptions Cmd(const std::string& script, const test::TempDir& dir) {
  ChildOptions options;
  options.program = *FindProgram("cmd");
  options.arguments = {"/c", script};
  options.outputFile = dir / "out";
  options.errorFile = dir / "err";
  return options;
}

TEST(ChildProcessWindows, RunsInItsFolderWithItsStreamsAndGivesItsExitCode) {
  test::TempDir dir;
  fs::create_directory(dir / "work");
  ChildOptions options = Cmd("cd & echo oops 1>&2 & exit 3", dir);
  options.workingFolder = dir / "work";
  const ChildResult result = RunChild(options);
  EXPECT_EQ(result.end, ChildEnd::kExited);
  EXPECT_EQ(result.status, 3);
  const std::string out = test::ReadBytes(dir / "out");
  EXPECT_TRUE(out.ends_with("work\r\n")) << out;
  EXPECT_EQ(test::ReadBytes(dir / "err").substr(0, 4), "oops");
}

TEST(ChildProcessWindows, ATimeLimitOrAStopEndsAHelperThatRunsOn) {
  test::TempDir dir;
  ChildOptions options = Cmd("for /L %i in (1,0,2) do @rem", dir);  // counts for ever
  options.timeout = milliseconds(200);
  steady_clock::time_point start = steady_clock::now();
  EXPECT_EQ(RunChild(options).end, ChildEnd::kTimedOut);
  EXPECT_LT(steady_clock::now() - start, milliseconds(5000));

  std::atomic<bool> stop = true;
  options.timeout = milliseconds(0);
  options.stop = &stop;
  EXPECT_EQ(RunChild(options).end, ChildEnd::kStopped);
}

TEST(ChildProcessWindows, ProgramsThatCannotRunAreTold) {
  test::TempDir dir;
  ChildOptions options = Cmd("exit 0", dir);
  options.program = dir / "missing.exe";
  try {
    RunChild(options);
    ADD_FAILURE() << "a missing program ran";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot run program \"" + PathToUtf8(options.program) + "\". No such file or directory");
  }
  options = Cmd("exit 0", dir);
  options.outputFile = dir / "no-folder" / "out";
  EXPECT_THROW(RunChild(options), Error);

  EXPECT_TRUE(FindProgram("cmd").has_value());
  EXPECT_TRUE(FindProgram("cmd.exe").has_value());
  EXPECT_FALSE(FindProgram("telqor-no-such-program").has_value());
  EXPECT_FALSE(FindProgram(PathToUtf8(dir.path())).has_value());  // a folder is no program
}

}  // namespace
}  // namespace telqor
