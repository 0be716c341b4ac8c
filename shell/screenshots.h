// Pictures of the program for the documentation: each tab of the main window and the settings
// dialog, laid out at 1280×800.
#pragma once

#include <QString>

namespace telqor {

class MainWindow;

// Saves main-tab1.png … main-tab3.png and settings.png into folder; true when every file was
// written.
bool SaveScreenshots(MainWindow& window, const QString& folder);

}  // namespace telqor
