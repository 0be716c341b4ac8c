#include "files/saved_files.h"

#include "core/program/data_folders.h"
#include "core/io/file_io.h"

namespace telqor {

std::string SavedCounts(const SavedFiles& saved, std::string_view unit) {
  std::string text = "共" + std::to_string(saved.written.size()) + "个文件，" + std::to_string(saved.items);
  text += unit;
  if (!saved.written.empty()) text += "，保存在 " + FolderToUtf8(saved.folder);
  return text;
}

std::string SavedNames(const SavedFiles& saved) {
  std::string names;
  for (const std::filesystem::path& file : saved.written)
    names += "\r\n" + PathToUtf8(file.lexically_relative(saved.folder));
  return names;
}

void OfferSavedFolder(std::string_view message, const SavedFiles& saved, Ui& ui) {
  if (saved.written.empty()) {
    ui.Inform(message);
    return;
  }
  if (ui.AskYesNo(std::string(message) + "\r\n\r\n是否打开保存目录?")) ui.OpenFolder(saved.folder);
}

}  // namespace telqor
