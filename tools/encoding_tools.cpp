#include "tools/encoding_tools.h"

#include <exception>
#include <string>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/file_writer.h"
#include "core/ts_list.h"
#include "tools/text_encoding.h"

namespace telqor {

void RewriteFileAs(const std::filesystem::path& file, TextTarget target) {
  std::string text = LoadTextAsAnsi(file);
  switch (target) {
    case TextTarget::kAnsi: {
      // Lines end at a zero byte, so such a file (UTF-16 without its mark, a binary file) would
      // be cut short: it is refused and stays as it is.
      if (text.find('\0') != std::string::npos)
        throw EFileError("\"" + DisplayPath(file) + "\" 含有零字节，不是 ANSI 或带标记的 Unicode 文本，未转换");
      TSList lines;
      lines.SetText(text);
      std::string().swap(text);  // the lines hold the text now; a large file need not be held twice
      lines.SaveToFile(file);
      break;
    }
    case TextTarget::kUtf8:
      SaveAsUtf8(file, text, true);
      break;
    case TextTarget::kUtf16:
      SaveAsUtf16(file, text, true);
      break;
  }
}

void RewriteFilesAs(const std::vector<std::filesystem::path>& files, TextTarget target, Ui& ui) {
  for (const auto& file : files) RewriteFileAs(file, target);
  if (!files.empty()) ui.Inform(kConvertedMessage);
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
