#include "core/platform/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/platform/system_error.h"
#include "core/text/path_text.h"

extern char** environ;

namespace telqor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

bool IsExecutableFile(const fs::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// posix_spawn's attributes and file actions, released however the spawn ends.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_init(&actions);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;
};

// The child's own group, an empty signal mask and every signal at its default action: the
// caller may block or ignore signals (SIGPIPE) that the helper expects to work.
void SetAttributes(posix_spawnattr_t& attributes) {
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  sigdelset(&all, SIGKILL);
  sigdelset(&all, SIGSTOP);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

// The three standard descriptors, the working folder, and no other descriptor. The child's
// output and errors are its own streams, opened by the spawn into files of the caller's scratch
// folder (never a user's file), so they cannot go through the safe writer. Another
// thread may have opened one without O_CLOEXEC, and a pipe end kept open in a helper that
// runs for minutes would hold back whoever waits for that pipe's end.
void SetActions(posix_spawn_file_actions_t& actions, const ChildOptions& options) {
  constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;
  const char* out = options.outputFile.empty() ? "/dev/null" : options.outputFile.c_str();
  const char* err = options.errorFile.empty() ? "/dev/null" : options.errorFile.c_str();
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out, kWrite, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err, kWrite, 0644);
  if (!options.workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.workingFolder.c_str());
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
}

pid_t Spawn(const ChildOptions& options) {
  std::vector<std::string> argv{options.program.string()};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  SpawnSetup setup;
  SetAttributes(setup.attributes);
  SetActions(setup.actions, options);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, options.program.c_str(), &setup.actions, &setup.attributes, pointers.data(), environ);
  if (rc != 0) throw Error("Cannot run program \"" + PathToUtf8(options.program) + "\". " + SystemErrorText(rc));
  return pid;
}

// Waits until the child ended (left unreaped, so that its pid and group id stay taken), the
// stop flag was raised or the time ran out. nullopt when the child was reaped elsewhere (a
// SIGCHLD set to be ignored): its status and group are gone.
std::optional<ChildEnd> WaitForEnd(pid_t pid, const ChildOptions& options) {
  const steady_clock::time_point start = steady_clock::now();
  milliseconds pause{1};  // short at first: most helpers end within a fraction of a second
  for (;;) {
    siginfo_t info{};
    int rc = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    if (rc == 0 && info.si_pid == pid) return ChildEnd::kExited;
    if (rc != 0 && errno != EINTR) return std::nullopt;
    if (options.stop && options.stop->load()) return ChildEnd::kStopped;
    const milliseconds ran = std::chrono::duration_cast<milliseconds>(steady_clock::now() - start);
    if (options.timeout.count() > 0 && ran >= options.timeout) return ChildEnd::kTimedOut;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::max(options.poll, milliseconds{1}));
  }
}

// Whether a process of the group still runs (zombies have ended). Read from /proc: kill()
// cannot tell a zombie, and the group's unreaped leader is one.
bool GroupRuns(pid_t group) {
  std::error_code error;
  for (fs::directory_iterator entry("/proc", error), end; !error && entry != end; entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry->path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // "pid (name) state ppid pgrp ...": the name may hold anything, so read after its last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    char state = 0;
    long parent = 0, processGroup = 0;
    if (fields >> state >> parent >> processGroup && processGroup == group && state != 'Z' && state != 'X') return true;
  }
  return false;
}

// A killed process takes a moment to end, and may still write meanwhile: waits (a while at
// most) until none of the group runs, so that the caller may remove what they worked on.
void AwaitGroupEnd(pid_t group) {
  const steady_clock::time_point deadline = steady_clock::now() + std::chrono::seconds(5);
  while (GroupRuns(group) && steady_clock::now() < deadline) std::this_thread::sleep_for(milliseconds(2));
}

}  // namespace

std::optional<fs::path> FindProgram(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.find('/') != std::string_view::npos) {
    fs::path path{std::string(name)};
    return IsExecutableFile(path) ? std::optional<fs::path>(path) : std::nullopt;
  }
  const std::string folders = CurrentEnv().Variable("PATH").value_or("/usr/local/bin:/usr/bin:/bin");
  std::string_view rest = folders;
  for (;;) {
    const size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    fs::path candidate = fs::path(folder.empty() ? "." : std::string(folder)) / std::string(name);
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(colon + 1);
  }
}

ChildResult RunChild(const ChildOptions& options) {
  const pid_t pid = Spawn(options);
  const std::optional<ChildEnd> end = WaitForEnd(pid, options);
  if (!end) return {ChildEnd::kExited, -1};
  ::kill(-pid, SIGKILL);  // after a stop, the whole group; after an end, whatever it left running
  AwaitGroupEnd(pid);     // before the leader is reaped, so that the group's id stays ours
  int raw = 0;
  while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
  }
  if (*end != ChildEnd::kExited) return {*end, 0};
  if (WIFSIGNALED(raw)) return {ChildEnd::kSignalled, WTERMSIG(raw)};
  return {ChildEnd::kExited, WIFEXITED(raw) ? WEXITSTATUS(raw) : 0};
}

}  // namespace telqor
