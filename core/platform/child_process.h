// Running a helper program (a document converter, say) to its end and waiting for it.
//
// The child gets no standard input (/dev/null), writes its standard output and error into the
// files given, and runs in a process group of its own, so that stopping it also ends every
// process it started. Whatever is still running in that group when the child ends is killed
// too, and the call returns once the group is gone: no helper outlives it, nor writes into a
// folder the caller removes next. Safe to call from several threads at once; the child
// inherits no descriptor but its three standard ones.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

// The program to run for name: name itself when it holds a '/' (and is an executable file),
// else the first executable file of that name in the folders of PATH (as CurrentEnv() gives
// it). nullopt when none is. The one search of PATH: helpers and the folder browser use it.
std::optional<std::filesystem::path> FindProgram(std::string_view name);

struct ChildOptions {
  std::filesystem::path program;            // run as is, not searched on PATH
  std::vector<std::string> arguments;       // after argv[0], which is the program
  std::filesystem::path workingFolder;      // empty: the caller's
  std::filesystem::path outputFile;         // standard output (created or emptied); empty: /dev/null
  std::filesystem::path errorFile;          // standard error likewise
  const std::atomic<bool>* stop = nullptr;  // polled while the child runs; true kills it
  std::chrono::milliseconds timeout{0};     // killed once it ran this long; zero: no limit
  std::chrono::milliseconds poll{50};       // how often the stop flag and the clock are read
};

enum class ChildEnd {
  kExited,     // status is the exit status
  kSignalled,  // status is the signal that ended it
  kStopped,    // killed because *stop became true
  kTimedOut,   // killed after the timeout
};

struct ChildResult {
  ChildEnd end;
  int status = 0;
  bool Succeeded() const { return end == ChildEnd::kExited && status == 0; }
};

// Runs the program and waits for its end. Raises Error ("Cannot run program "%s". %s") when
// it cannot be started: a missing program, an output file that cannot be created, ...
ChildResult RunChild(const ChildOptions& options);

}  // namespace telqor
