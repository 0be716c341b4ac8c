// What a console can be shown of the bytes a program wrote for it. The command line writes
// messages in UTF-8 and some results in GBK (a list as its file would hold it), and a stream may
// be flushed in the middle of a character; a console shown wide text (WriteConsoleW) must get
// whole characters in the right encoding, or it shows "�".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telqor {

struct ConsoleText {
  std::string utf8;  // what to show now
  size_t used = 0;   // the bytes it stands for; the rest (a character cut short) waits for more
};

// The bytes up to the last whole character, as UTF-8: taken as UTF-8 when they are well-formed
// UTF-8 (ASCII included), else as GBK. With final, nothing waits: a character cut short is shown
// as the replacement character.
ConsoleText ConsoleTextOf(std::string_view bytes, bool final = false);

}  // namespace telqor
