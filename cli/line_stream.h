// Reading the lines of a file or of standard input piece by piece, split as the lists split a
// loaded file (CR, LF or CR LF ends a line, empty lines kept, a zero byte ends the text), for
// verbs that answer line by line: memory stays one buffer whatever the input's size, and a
// pipe's lines are handled as they arrive.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace telqor::cli {

// Calls onLine for every line of the file ("-": standard input). A line is a view into the
// buffer, valid during the call. "Cannot open file" or "Cannot read file" with the name when
// the input fails.
void ForEachLineOf(const std::string& file, const std::function<void(std::string_view)>& onLine);

}  // namespace telqor::cli
