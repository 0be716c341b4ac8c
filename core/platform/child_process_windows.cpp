// Helper programs on Windows: CreateProcessW in a job object of its own (the process group of
// POSIX), which ends every process the helper started; standard input from NUL, and only the
// three standard handles inherited.
#include <windows.h>

#include <algorithm>
#include <thread>

#include "core/platform/child_process.h"
#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/platform/system_error.h"
#include "core/text/path_text.h"
#include "core/text/windows_text.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// One argument as the C runtime of the child splits the command line: quoted when it holds a
// space, a tab or a quote, a quote escaped, and the backslashes before a quote doubled.
void AppendQuoted(std::wstring& line, const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

// A handle the child inherits, closed however the start ends.
class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~Handle() {
    if (Valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE OpenInherited(const fs::path& file, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const std::wstring name = file.empty() ? L"NUL" : file.wstring();
  return CreateFileW(name.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

[[noreturn]] void CannotRun(const ChildOptions& options, DWORD error) {
  throw Error("Cannot run program \"" + PathToUtf8(options.program) + "\". " +
              SystemErrorText(ErrnoFromWindowsError(error)));
}

// Waits until the child ended, the stop flag was raised or the time ran out.
ChildEnd WaitForEnd(HANDLE process, const ChildOptions& options) {
  const steady_clock::time_point start = steady_clock::now();
  milliseconds pause{1};  // short at first: most helpers end within a fraction of a second
  for (;;) {
    if (WaitForSingleObject(process, static_cast<DWORD>(pause.count())) == WAIT_OBJECT_0) return ChildEnd::kExited;
    if (options.stop && options.stop->load()) return ChildEnd::kStopped;
    const milliseconds ran = std::chrono::duration_cast<milliseconds>(steady_clock::now() - start);
    if (options.timeout.count() > 0 && ran >= options.timeout) return ChildEnd::kTimedOut;
    pause = std::min(pause * 2, std::max(options.poll, milliseconds{1}));
  }
}

// A killed process takes a moment to end: waits (a while at most) until the job holds none.
void AwaitJobEnd(HANDLE job) {
  const steady_clock::time_point deadline = steady_clock::now() + std::chrono::seconds(5);
  for (;;) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr)) return;
    if (info.ActiveProcesses == 0 || steady_clock::now() >= deadline) return;
    std::this_thread::sleep_for(milliseconds(2));
  }
}

}  // namespace

std::optional<fs::path> FindProgram(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const fs::path given = PathFromUtf8(name);
  const bool hasExtension = given.has_extension();
  auto candidate = [&](const fs::path& path) -> std::optional<fs::path> {
    if (IsFile(path)) return path;
    if (!hasExtension)
      for (const char* extension : {".exe", ".com"})
        if (fs::path with = fs::path(path).concat(extension); IsFile(with)) return with;
    return std::nullopt;
  };
  if (name.find_first_of("/\\:") != std::string_view::npos) return candidate(given);
  const std::string folders = CurrentEnv().Variable("PATH").value_or("");
  std::string_view rest = folders;
  for (;;) {
    const size_t semicolon = rest.find(';');
    const std::string_view folder = rest.substr(0, semicolon);
    if (!folder.empty())
      if (auto found = candidate(PathFromUtf8(folder) / given)) return found;
    if (semicolon == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(semicolon + 1);
  }
}

ChildResult RunChild(const ChildOptions& options) {
  std::wstring line;
  AppendQuoted(line, options.program.wstring());
  for (const std::string& argument : options.arguments) {
    line += L' ';
    AppendQuoted(line, WideFromUtf8(argument));
  }

  Handle input(OpenInherited({}, false));
  Handle output(OpenInherited(options.outputFile, true));
  if (!output.Valid()) CannotRun(options, GetLastError());
  Handle errors(OpenInherited(options.errorFile, true));
  if (!errors.Valid()) CannotRun(options, GetLastError());

  // Only these three handles pass to the child, whatever another thread opened meanwhile.
  HANDLE inherited[] = {input.get(), output.get(), errors.get()};
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> attributeBytes(size);
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributeBytes.data());
  InitializeProcThreadAttributeList(attributes, 1, 0, &size);
  UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, sizeof inherited, nullptr,
                            nullptr);

  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdInput = input.get();
  startup.StartupInfo.hStdOutput = output.get();
  startup.StartupInfo.hStdError = errors.get();
  startup.lpAttributeList = attributes;

  Handle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job.Valid()) SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);

  const std::wstring folder = options.workingFolder.wstring();
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(options.program.c_str(), line.data(), nullptr, nullptr, TRUE,
                     CREATE_SUSPENDED | CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT | CREATE_UNICODE_ENVIRONMENT,
                     nullptr, folder.empty() ? nullptr : folder.c_str(), &startup.StartupInfo, &process);
  const DWORD startError = GetLastError();
  DeleteProcThreadAttributeList(attributes);
  if (!started) CannotRun(options, startError);
  Handle processHandle(process.hProcess);
  Handle thread(process.hThread);
  // In the job before it runs a single instruction, so that nothing it starts escapes.
  if (job.Valid()) AssignProcessToJobObject(job.get(), process.hProcess);
  ResumeThread(process.hThread);

  const ChildEnd end = WaitForEnd(process.hProcess, options);
  // After a stop, the whole job; after an end, whatever the helper left running.
  if (job.Valid()) {
    TerminateJobObject(job.get(), 1);
    AwaitJobEnd(job.get());
  } else if (end != ChildEnd::kExited) {
    TerminateProcess(process.hProcess, 1);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  if (end != ChildEnd::kExited) return {end, 0};
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  return {ChildEnd::kExited, static_cast<int>(status)};
}

}  // namespace telqor
