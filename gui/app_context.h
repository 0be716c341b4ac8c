// What the main window shares with its panels for the whole run: the program's settings and
// folders, the Ui (status line, progress, message boxes, file browser) and the folder the
// open dialogs start in. The main window owns all of it.
#pragma once

#include <filesystem>

#include "core/data_folders.h"
#include "core/ui.h"

namespace telqor {

struct AppContext {
  ProgramState& program;
  Ui& ui;
  std::filesystem::path openDialogFolder;

  Settings& CurrentSettings() const { return program.settings; }
  const DataFolders& Folders() const { return program.folders; }
};

}  // namespace telqor
