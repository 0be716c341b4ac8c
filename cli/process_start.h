// What the command line's main needs of the platform before a verb runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telqor::cli {

// Standard streams as the verbs expect them: bytes passed as they are to a pipe or a file, and a
// closed pipe told as a failed write rather than ending the program. On Windows, what goes to a
// console is shown as the characters it holds (UTF-8 messages, GBK results), whole.
void PrepareStandardStreams();

// On Windows, when standard output is a console: shows the bytes there as the characters they
// hold (UTF-8 or GBK) and answers true. Elsewhere (POSIX, whose terminal shows bytes itself, or
// a pipe or file) false: the caller writes the bytes.
bool ShowOnOutputConsole(std::string_view bytes);

// Whether standard error is a terminal, where status and progress are shown.
bool StandardErrorIsConsole();
// Whether that terminal interprets escapes ("\033[K" clears the rest of a line); a Windows
// console before Windows 10 or Wine's does not.
bool ConsoleShowsEscapes();

// The arguments after the program's name, in the program's text: UTF-8 names and values as a
// UTF-8 terminal gives them (on Windows decoded from the wide command line, never through the
// ANSI code page, which would lose what it cannot hold).
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace telqor::cli
