// The Env of the program: the platform's, with folders opened the desktop's way.
//
// On Linux and other X11 or Wayland desktops the folder goes to xdg-open, run by the program
// itself: xdg-open often fails only after it started (no file manager set up), and its exit
// status is the only word of that, which the status line then shows. Elsewhere Qt's desktop
// services open it (Explorer on Windows).
#pragma once

#include "core/platform/env.h"

namespace telqor {

class QtEnv : public EnvWrapper {
 public:
  explicit QtEnv(Env& target) : EnvWrapper(target) {}
  std::string OpenFolder(const std::filesystem::path& folder) override;
};

}  // namespace telqor
