#include "ui/kit/gbk_text.h"

#include "core/program/data_folders.h"
#include "core/io/file_io.h"
#include "core/text/gbk.h"

namespace telqor {

QString FromUtf8(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString FromGbk(std::string_view gbk) { return FromUtf8(GbkToUtf8(gbk)); }

QString FromGbkLossless(std::string_view gbk) { return FromUtf8(GbkToUtf8Lossless(gbk)); }

std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

QString PathToQString(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Qt's dialogs and drops give '/' also on Windows, where a path shows with '\'.
std::filesystem::path PathFromQString(const QString& text) { return PathFromUtf8(text.toStdString()).make_preferred(); }

QString FolderToQString(const std::filesystem::path& folder) { return QString::fromStdString(FolderToUtf8(folder)); }

}  // namespace telqor
