#include "core/io/file_io.h"

#include <cerrno>
#include <cstring>

#include "core/platform/env.h"
#include "core/text/errors.h"

namespace telqor {

void CreateFolders(const std::filesystem::path& folder) {
  std::error_code ec;
  int error = 0;
  // Each missing folder below the root from the top down, through the Env. The root is never
  // made: Windows does not even see "C:" alone as a folder.
  std::filesystem::path made = folder.root_path();
  for (const std::filesystem::path& part : folder.relative_path()) {
    made /= part;
    if (part.empty() || std::filesystem::is_directory(made, ec)) continue;
    try {
      CurrentEnv().CreateFolder(made);
    } catch (const std::system_error& e) {
      error = e.code().value();
      break;
    }
  }
  if (error || !std::filesystem::is_directory(folder, ec))
    throw FileError("Cannot create folder \"" + PathToUtf8(folder) + "\". " +
                    SystemErrorText(error ? error : ENOTDIR));
}

std::string ReadWholeFile(const std::filesystem::path& path) { return std::string(FileContents(path).view()); }

FileContents::FileContents(const std::filesystem::path& path) : pieces_(path, 0) {
  while (pieces_.ReadMore()) {
  }
  pieces_.CloseFile();
}

}  // namespace telqor
