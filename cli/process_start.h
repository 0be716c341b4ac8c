// What the command line's main needs of the platform before a verb runs.
#pragma once

#include <string>
#include <vector>

namespace telqor::cli {

// Standard streams as the verbs expect them: bytes passed as they are, and a closed pipe told
// as a failed write rather than ending the program.
void PrepareStandardStreams();

// The arguments after the program's name, in the program's text: UTF-8 names and values as a
// UTF-8 terminal gives them (on Windows decoded from the wide command line, never through the
// ANSI code page, which would lose what it cannot hold).
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace telqor::cli
