// What the main window shares with its panels for the whole run: the program's settings and
// folders, and the Ui (status line, progress, message boxes, file browser). The main window
// owns all of it.
#pragma once

#include <filesystem>

#include "core/data_folders.h"
#include "core/ui.h"

namespace telqor {

struct AppContext {
  ProgramState& program;
  Ui& ui;

  Settings& CurrentSettings() const { return program.settings; }
  const DataFolders& Folders() const { return program.folders; }
  // The folder the open dialogs start in.
  const std::filesystem::path& OpenDialogFolder() const { return program.folders.program; }
};

}  // namespace telqor
