#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/process_start.h"
#include "core/text/console_text.h"
#include "core/text/windows_text.h"

namespace telqor::cli {
namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// Text shown on a console as wide characters (WriteConsoleW), whole characters at a time,
// whatever the console's code page: UTF-8 messages and GBK results alike.
class ConsoleWriter {
 public:
  explicit ConsoleWriter(HANDLE console) : console_(console) {}
  bool Show(std::string_view bytes, bool final = false) {
    pending_.append(bytes);
    const ConsoleText text = ConsoleTextOf(pending_, final);
    pending_.erase(0, text.used);
    const std::wstring wide = WideFromUtf8(text.utf8);
    DWORD written = 0;
    return wide.empty() ||
           WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }

 private:
  HANDLE console_;
  std::string pending_;  // a character cut short
};

// Standard error to a console, a line (or a flush) at a time. A pipe or a file keeps the C
// runtime's stream and gets the bytes as they are.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : writer_(console) {}

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) {
      pending_ += traits_type::to_char_type(c);
      if (c == '\n') sync();
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<size_t>(n));
    if (pending_.find('\n') != std::string::npos) sync();
    return n;
  }
  int sync() override {
    const bool shown = writer_.Show(pending_);
    pending_.clear();
    return shown ? 0 : -1;
  }

 private:
  ConsoleWriter writer_;
  std::string pending_;
};

// Standard output's writer when it is a console; made once, never destroyed (std::cout flushes
// into it while the program ends).
ConsoleWriter* outputConsole = nullptr;

bool escapesShown = false;

}  // namespace

void PrepareStandardStreams() {
  // The C runtime's text mode would turn every LF into CR LF and stop reading at a ^Z: lists
  // pass through byte for byte, their CR LF written by the engine.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Text for a console goes to it as wide characters; the objects live as long as the program.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
  if (IsConsole(out)) outputConsole = new ConsoleWriter(out);
  if (IsConsole(err)) {
    std::cerr.rdbuf(new ConsoleBuffer(err));
    // Progress rewrites its line with escapes only where the console interprets them (Windows
    // 10 and later); elsewhere they would show as "□[K".
    DWORD mode = 0;
    escapesShown = GetConsoleMode(err, &mode) && SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  }
}

bool ConsoleShowsEscapes() { return escapesShown; }

bool ShowOnOutputConsole(std::string_view bytes) {
  if (!outputConsole) return false;
  if (!outputConsole->Show(bytes)) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                                           "Cannot write to the console");
  return true;
}

bool StandardErrorIsConsole() { return IsConsole(GetStdHandle(STD_ERROR_HANDLE)); }

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace telqor::cli
