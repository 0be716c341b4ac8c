// The look of a number list view: a one-column QTableView with hidden headers, grid lines,
// whole-row and multi-row selection, read-only, and a fixed row height, so that a view of ten
// million rows lays out nothing but its visible rows.
#pragma once

#include <QString>

class QTableView;

namespace telqor {

void ConfigureNumberView(QTableView* view);
// A new number view with its object name.
QTableView* NumberView(const QString& name);

}  // namespace telqor
