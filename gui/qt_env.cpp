#include "gui/qt_env.h"

#include <QDesktopServices>
#include <QUrl>

#include "gui/gbk_text.h"

namespace telqor {

std::string QtEnv::OpenFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return "the folder does not exist";
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(PathText(folder))))
    return "no file manager could be started (is xdg-utils installed?)";
  return {};
}

}  // namespace telqor
