// The file tools of the "工具" menu that work on encodings and bytes: rewriting chosen files in
// place as ANSI (GBK), UTF-8 or UTF-16 text, and the cleaned ".txt" copy of any file that keeps
// only single-byte characters. The menu and telqor-cli call these.
#pragma once

#include <filesystem>
#include <vector>

#include "core/program/ui.h"

namespace telqor {

inline constexpr char kConvertedMessage[] = "文件格式转换完成！";
inline constexpr char kCleanedStatus[] = "转换完成！请在文档目录查看";

enum class TextTarget { kAnsi, kUtf8, kUtf16 };

// Reads the file in its encoding (its mark; without one UTF-8 when the whole file is UTF-8,
// else GBK) and writes it back over itself: as GBK lines each ended by CR LF (kAnsi), or
// keeping its line breaks as UTF-8 or UTF-16 little-endian after their mark. Between the
// Unicode encodings nothing goes through GBK, so no character is lost: UTF-8 without its mark
// gets the mark before the same bytes, UTF-16 big-endian has its bytes swapped, and a file
// already in the target encoding with its mark is left as it is. A text holding a zero byte
// is refused for kAnsi (its lines would end there) and the file is left as it is. An empty
// text leaves a UTF-8 or UTF-16 target as it was. The file is replaced only by a complete new
// one. Answers the characters GBK could not hold, written as '?' (kAnsi only; else 0).
size_t RewriteFileAs(const std::filesystem::path& file, TextTarget target);

// RewriteFileAs on each file in order. The first failure ends the run with its error: files
// before it are converted, it and those after it are untouched. A file that lost characters
// shows "path：N个字符无法转换为GBK" on the status line. After a full run of at least one file
// the user is told kConvertedMessage, followed on a line of its own by the characters lost in
// the run when there were any.
void RewriteFilesAs(const std::vector<std::filesystem::path>& files, TextTarget target, Ui& ui);

// The cleaned copy of file: its path as spelled with ".txt" appended (data.BIN: data.BIN.txt).
std::filesystem::path CleanBytesPath(const std::filesystem::path& file);

// Writes the cleaned copy: every byte 0 and every byte above 128 becomes a space, bytes 1 to
// 128 stay, the length is kept. Throws when the file cannot be read or the copy written.
void CleanBytesFile(const std::filesystem::path& file);

// CleanBytesFile on each file in order; a file that fails is skipped without a word. The
// status shows kCleanedStatus after every file, skipped or not. Answers the copies written.
std::vector<std::filesystem::path> CleanBytesFiles(const std::vector<std::filesystem::path>& files, Ui& ui);

}  // namespace telqor
