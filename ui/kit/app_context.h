// What the main window shares with its panels for the whole run: the program's settings and
// folders, the Ui (status line, progress, message boxes, file browser) and the way to run long
// work off the window's thread. The main window
// owns all of it.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>

#include "core/program/data_folders.h"
#include "core/program/ui.h"
#include "ui/kit/background_work.h"

namespace telqor {

struct AppContext {
  ProgramState& program;
  Ui& ui;

  Settings& CurrentSettings() const { return program.settings; }
  const DataFolders& Folders() const { return program.folders; }
  // The folder the open dialogs start in.
  const std::filesystem::path& OpenDialogFolder() const { return program.folders.program; }
  // Runs a long operation off the window's thread; changed are the lists it changes.
  void InBackground(std::initializer_list<NumberList*> changed, const std::function<void(Ui&)>& work,
                    Stoppable stoppable = Stoppable::kNo) const {
    RunInBackground(ui, changed, work, stoppable);
  }
};

}  // namespace telqor
