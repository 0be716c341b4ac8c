// The Telqor program: the application object, the main window and the message loop.
//
//   telqor [--home DIR]        DIR (or TELQOR_HOME) is the program folder
//   telqor --screenshot DIR    renders each tab and the settings dialog into DIR as PNG files
#include <QCommandLineParser>
#include <optional>

#include "core/program/data_folders.h"
#include "shell/main_window.h"
#include "shell/screenshots.h"
#include "shell/telqor_application.h"
#include "ui/help/about_dialog.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/qt_env.h"
#include "ui/kit/qt_ui.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
  telqor::TelqorApplication app(argc, argv);
  QCoreApplication::setApplicationName(u"Telqor"_s + telqor::ProgramVersion());
  telqor::LoadQtTranslations(app);
  telqor::SetUpLook(app);
  telqor::QtEnv env(telqor::Env::Default());
  telqor::ScopedEnv installed(env);

  QCommandLineParser parser;
  parser.setApplicationDescription(u"Telqor: lists of Chinese telephone numbers"_s);
  parser.addHelpOption();
  const QCommandLineOption home(u"home"_s, u"The program folder (settings and data); also TELQOR_HOME."_s, u"DIR"_s);
  const QCommandLineOption screenshot(u"screenshot"_s, u"Render each tab and the settings dialog into DIR."_s,
                                      u"DIR"_s);
  parser.addOption(home);
  parser.addOption(screenshot);
  parser.process(app);

  std::optional<std::filesystem::path> folder;
  if (parser.isSet(home)) folder = telqor::PathFromQString(parser.value(home));
  // Pictures are taken unattended: the offer of the default data at start is declined.
  if (parser.isSet(screenshot)) telqor::Hooks().askYesNo = [](const QString&) { return false; };
  telqor::MainWindow window(telqor::ProgramFolder(folder));
  if (parser.isSet(screenshot)) return telqor::SaveScreenshots(window, parser.value(screenshot)) ? 0 : 1;
  window.show();
  return app.exec();
}
