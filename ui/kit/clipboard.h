// The system clipboard as item data. The clipboard holds Unicode text; the lists hold GBK.
#pragma once

#include <string>

namespace telqor {

// Puts GBK text on the clipboard. Bytes that start no GBK character travel as private-use
// characters that GbkFromClipboard turns back into the same bytes, so nothing is lost.
void CopyGbkToClipboard(const std::string& gbk);
// The clipboard's text as GBK (a character GBK cannot hold becomes "?").
std::string GbkFromClipboard();

}  // namespace telqor
