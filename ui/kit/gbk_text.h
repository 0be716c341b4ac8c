// The forms' side of the three kinds of text: QString for what the user sees and types, GBK
// bytes for item data and patterns, UTF-8 for engine messages, paths for files.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace telqor {

QString FromUtf8(std::string_view utf8);
// Item data for display; a byte that starts no GBK character shows as U+FFFD.
QString FromGbk(std::string_view gbk);
// Item data for the clipboard: a byte that starts no GBK character becomes a private-use
// character that ToGbk turns back into the byte, so copy and paste lose nothing.
QString FromGbkLossless(std::string_view gbk);
// Typed text as item data or a pattern; a character GBK cannot hold becomes "?".
std::string ToGbk(const QString& text);

QString PathToQString(const std::filesystem::path& path);
std::filesystem::path PathFromQString(const QString& text);
// A folder as text, ending with the separator.
QString FolderToQString(const std::filesystem::path& folder);

}  // namespace telqor
