// A widget that takes file drops, and what kind of drop target it is. Panels and dialogs list
// theirs; the main window routes the drops.
#pragma once

#include <vector>

#include "core/dropped_files.h"

class QWidget;

namespace telqor {

struct DropSite {
  QWidget* widget;
  DropTarget target;
};

using DropSites = std::vector<DropSite>;

}  // namespace telqor
