// The one way a name taken from data (a region of the segment file, a value of a column, any
// text read from a file) becomes a file or folder name: it always stays one name inside the
// folder it is put in.
#pragma once

#include <filesystem>
#include <string_view>

namespace telqor {

// The GBK text as one path component. Decoded as GBK first, so the second byte of a two-byte
// character never counts on its own (B1 5C is one character, not a backslash). Separators
// ("/", "\"), control characters and the characters Windows forbids in names (: * ? " < > |)
// become "_"; leading dots become "_" (so ".." and ".hidden" cannot be made) and trailing dots
// and blanks are dropped, as Windows does; a reserved device name (CON, NUL, COM1, ...) gets a
// "_" in front; a name longer than 150 bytes is cut at a character; what is left empty is "_".
// suffix (".txt", ".2.txt") is appended after all that and must be safe itself.
std::filesystem::path SafeFileName(std::string_view gbkName, std::string_view suffix = {});

}  // namespace telqor
