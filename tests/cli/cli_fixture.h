// Running telqor-cli end to end: the program folder is a temporary one (TELQOR_HOME), not the
// build folder of the executable; standard output and error are captured as bytes.
#pragma once

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/child_process.h"
#include "tests/support/test_files.h"

namespace telqor::test {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out;
  std::string err;
};

// The first line of err with its line break: a usage error's message, before the usage line.
inline std::string FirstLine(const std::string& err) {
  size_t end = err.find('\n');
  return end == std::string::npos ? err : err.substr(0, end + 1);
}

inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

class CliFixture : public ::testing::Test {
 protected:
  std::filesystem::path home() const { return dir / "home"; }
  Result Run(const std::vector<std::string>& args) { return RunWithOutput(args, (dir / "stdout").string()); }
  // Run with standard output sent to output (/dev/full, say); out holds what that file holds.
  // It runs in the test's folder, so a relative name is one of its files.
  Result RunWithOutput(const std::vector<std::string>& args, const std::string& output) {
#ifdef _WIN32
    // No shell there: the program runs straight, its program folder passed in this process's
    // environment, which the child inherits.
    const fs::path outputFile = dir.path() / PathFromUtf8(output);
    ChildOptions options;
    options.program = PathFromUtf8(TELQOR_CLI);
    options.arguments = args;
    options.workingFolder = dir.path();
    options.outputFile = outputFile;
    options.errorFile = dir / "stderr";
    _wputenv_s(L"TELQOR_HOME", home().c_str());
    const ChildResult child = RunChild(options);
    _wputenv_s(L"TELQOR_HOME", L"");
    std::error_code regular;
    std::string out = fs::is_regular_file(outputFile, regular) ? ReadBytes(outputFile) : std::string();
    return {child.end == ChildEnd::kExited ? child.status : -1, out, ReadBytes(dir / "stderr")};
#else
    std::string command =
        "cd " + Quote((dir / "").string()) + " && TELQOR_HOME=" + Quote(home().string()) + " " + Quote(TELQOR_CLI);
    for (const auto& a : args) command.append(1, ' ').append(Quote(a));
    command.append(" > ").append(Quote(output));
    command.append(" 2> ").append(Quote((dir / "stderr").string())).append(" < /dev/null");
    int raw = std::system(command.c_str());
    std::error_code regular;
    std::string out = std::filesystem::is_regular_file(output, regular) ? ReadBytes(output) : std::string();
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ReadBytes(dir / "stderr")};
#endif
  }
  std::string File(const std::string& name, const std::string& bytes) {
    WriteBytes(dir / name, bytes);
    return (dir / name).string();
  }
  std::string Path(const std::string& name) { return Printed(dir / name); }

  TempDir dir;
};

}  // namespace telqor::test
