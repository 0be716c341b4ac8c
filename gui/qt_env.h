// The Env of the program: the platform's, with folders opened the desktop's way (Qt's desktop
// services: the file manager on Linux through xdg-open, Explorer on Windows).
#pragma once

#include "core/env.h"

namespace telqor {

class QtEnv : public EnvWrapper {
 public:
  explicit QtEnv(Env& target) : EnvWrapper(target) {}
  std::string OpenFolder(const std::filesystem::path& folder) override;
};

}  // namespace telqor
