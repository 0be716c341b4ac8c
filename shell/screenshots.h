// Pictures of the program for the documentation: each tab of the main window laid out at
// 1280×800, the settings dialog, the output format conversion of the "工具" menu and the guide.
#pragma once

#include <QString>

namespace telqor {

class MainWindow;

// Saves main-tab1.png … main-tab3.png, settings.png, format.png and help.png into folder; true
// when every file was written.
bool SaveScreenshots(MainWindow& window, const QString& folder);

}  // namespace telqor
