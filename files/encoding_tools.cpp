#include "files/encoding_tools.h"

#include <exception>
#include <string>

#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/lists/item_list.h"
#include "core/io/text_encoding.h"

namespace telqor {

namespace {

void WriteMarked(const std::filesystem::path& file, std::string_view mark, std::string_view body) {
  FileWriter out(file);
  out.Write(mark);
  out.Write(body);
  out.Commit();
}

// Lines end at a zero byte, so such a text (UTF-16 without its mark, a binary file) would be
// cut short: it is refused and the file stays as it is.
size_t RewriteAsAnsi(const std::filesystem::path& file, std::string bytes, TextEncoding encoding) {
  size_t lost = 0;
  std::string text = encoding == TextEncoding::kGbk ? std::move(bytes) : DecodeToAnsi(bytes, encoding, &lost);
  std::string().swap(bytes);
  if (text.find('\0') != std::string::npos)
    throw FileError("\"" + PathToUtf8(file) + "\" 含有零字节，不是 ANSI 或带标记的 Unicode 文本，未转换");
  ItemList lines;
  lines.SetText(text);
  std::string().swap(text);  // the lines hold the text now; a large file need not be held twice
  lines.SaveToFile(file);
  return lost;
}

void RewriteAsUtf8(const std::filesystem::path& file, std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kGbk:
      return SaveAsUtf8(file, bytes, true);
    case TextEncoding::kUtf8:
      return WriteMarked(file, kUtf8Mark, bytes);
    case TextEncoding::kUtf8Marked:
      return;  // already UTF-8 with its mark
    case TextEncoding::kUtf16Le:
    case TextEncoding::kUtf16Be: {
      std::string_view body = bytes.substr(2);
      // A mark followed by less than one whole character holds no text.
      if (body.size() >= 2) WriteMarked(file, kUtf8Mark, Utf16ToUtf8(body, encoding == TextEncoding::kUtf16Be));
      return;
    }
  }
}

void RewriteAsUtf16(const std::filesystem::path& file, std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kGbk:
      return SaveAsUtf16(file, bytes, true);
    case TextEncoding::kUtf8:
      return WriteMarked(file, kUtf16LeMark, Utf8ToUtf16Le(bytes));
    case TextEncoding::kUtf8Marked:
      if (bytes.size() > kUtf8Mark.size())
        WriteMarked(file, kUtf16LeMark, Utf8ToUtf16Le(bytes.substr(kUtf8Mark.size())));
      return;
    case TextEncoding::kUtf16Le:
      return;  // already UTF-16 little-endian with its mark
    case TextEncoding::kUtf16Be:
      if (bytes.size() >= 4) WriteMarked(file, kUtf16LeMark, Utf16BeToLe(bytes.substr(2)));
      return;
  }
}

}  // namespace

size_t RewriteFileAs(const std::filesystem::path& file, TextTarget target) {
  std::string bytes = ReadWholeFile(file);
  const TextEncoding encoding = DetectTextEncoding(bytes);
  switch (target) {
    case TextTarget::kAnsi:
      return RewriteAsAnsi(file, std::move(bytes), encoding);
    case TextTarget::kUtf8:
      RewriteAsUtf8(file, bytes, encoding);
      break;
    case TextTarget::kUtf16:
      RewriteAsUtf16(file, bytes, encoding);
      break;
  }
  return 0;
}

void RewriteFilesAs(const std::vector<std::filesystem::path>& files, TextTarget target, Ui& ui) {
  size_t lost = 0;
  for (const auto& file : files) {
    const size_t fileLost = RewriteFileAs(file, target);
    if (fileLost) ui.ShowStatus(PathToUtf8(file) + "：" + UnconvertibleText(fileLost));
    lost += fileLost;
  }
  if (files.empty()) return;
  ui.Inform(lost ? std::string(kConvertedMessage) + "\n" + UnconvertibleText(lost) : std::string(kConvertedMessage));
}

std::filesystem::path CleanBytesPath(const std::filesystem::path& file) {
  std::filesystem::path copy = file;
  copy += ".txt";
  return copy;
}

void CleanBytesFile(const std::filesystem::path& file) {
  std::string bytes = ReadWholeFile(file);
  for (char& c : bytes) {
    auto b = static_cast<unsigned char>(c);
    if (b == 0 || b > 128) c = ' ';
  }
  FileWriter out(CleanBytesPath(file));
  out.Write(bytes);
  out.Commit();
}

std::vector<std::filesystem::path> CleanBytesFiles(const std::vector<std::filesystem::path>& files, Ui& ui) {
  std::vector<std::filesystem::path> written;
  for (const auto& file : files) {
    try {
      CleanBytesFile(file);
      written.push_back(CleanBytesPath(file));
    } catch (const std::exception&) {
      // The tool is silent about a file it cannot convert; the status below still shows.
    }
    ui.ShowStatus(kCleanedStatus);
  }
  return written;
}

}  // namespace telqor
