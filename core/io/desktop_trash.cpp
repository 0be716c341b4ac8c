#include "core/io/desktop_trash.h"

#include <system_error>

#include "core/platform/env.h"
#include "core/io/file_io.h"
#include "core/io/output_names.h"
#include "core/text/text.h"

namespace telqor {
namespace fs = std::filesystem;
namespace {

// Makes folder and the folders above it that are missing, through the Env.
void MakeFolders(const fs::path& folder) {
  std::error_code error;
  if (folder.empty() || fs::is_directory(folder, error)) return;
  if (folder.has_parent_path() && folder.parent_path() != folder) MakeFolders(folder.parent_path());
  CurrentEnv().CreateFolder(folder);
}

// "name", "name.2", "name.3", ...: the n-th name tried for a trashed file.
fs::path TrashName(const fs::path& name, int n) {
  if (n == 1) return name;
  return PathFromUtf8(PathToUtf8(name.stem()) + "." + std::to_string(n) + PathToUtf8(name.extension()));
}

}  // namespace

fs::path HomeTrashFolder() {
  Env& env = CurrentEnv();
  if (auto data = env.Variable("XDG_DATA_HOME")) return PathFromUtf8(*data) / "Trash";
  if (auto home = env.Variable("HOME")) return PathFromUtf8(*home) / ".local" / "share" / "Trash";
  return {};
}

std::string MoveToHomeTrash(const fs::path& file) {
  const fs::path trash = HomeTrashFolder();
  if (trash.empty()) return "没有找到回收站(HOME未设置)";
  std::error_code error;
  const fs::path source = fs::absolute(file, error);
  if (error) return error.message();
  if (!fs::exists(fs::symlink_status(source, error))) return "文件不存在";
  try {
    MakeFolders(trash / "files");
    MakeFolders(trash / "info");
    fs::permissions(trash, fs::perms::owner_all, fs::perm_options::replace, error);  // the trash is private
    Env& env = CurrentEnv();
    const std::string record = "[Trash Info]\nPath=" + PercentEscaped(source.generic_string(), "-_.~/") +
                               "\nDeletionDate=" + IsoLocalTime(env.Now()) + "\n";
    for (int n = 1; n < 10000; ++n) {
      const fs::path name = TrashName(source.filename(), n);
      const fs::path info = trash / "info" / (name.native() + fs::path(".trashinfo").native());
      // The .trashinfo file is made first and exclusively: it claims the name.
      std::unique_ptr<WritableFile> out;
      try {
        out = env.NewFile(info);
      } catch (const std::system_error& e) {
        if (e.code() == std::errc::file_exists) continue;
        throw;
      }
      try {
        out->Append(record);
        out->Close();
        out.reset();
        if (env.RenameNoReplace(source, trash / "files" / name)) return {};
      } catch (...) {
        out.reset();
        env.Remove(info);
        throw;
      }
      env.Remove(info);  // a trashed file of that name without its record: try the next name
    }
    return "回收站中同名文件过多";
  } catch (const std::system_error& e) {
    if (e.code() == std::errc::cross_device_link) return "文件与回收站不在同一个磁盘分区";
    return e.code().message();
  }
}

}  // namespace telqor
