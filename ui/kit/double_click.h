// Double-click handlers for widgets that have no double-click signal of their own (line
// edits, combo boxes, group boxes, the viewport of a list view).
#pragma once

#include <functional>

class QWidget;

namespace telqor {

// Runs handler (guarded: an error goes to the status line) when widget is double-clicked.
void OnDoubleClick(QWidget* widget, std::function<void()> handler);

}  // namespace telqor
