// The Telqor program: the application object, the main window and the message loop.
//
//   telqor [--home DIR]        DIR (or TELQOR_HOME) is the program folder
//   telqor --screenshot DIR    renders each tab and the settings dialog into DIR as PNG files
#include <QDir>
#include <QPixmap>
#include <QStringList>
#include <QTabWidget>
#include <optional>

#include "app/data_folders.h"
#include "app/frm_hm_ex.h"
#include "app/frm_hm_setting.h"
#include "app/telqor_application.h"

using namespace Qt::StringLiterals;

namespace {

QString OptionValue(const QStringList& args, const QString& name) {
  qsizetype i = args.indexOf(name);
  return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

// Lays the window out at 1280×800 and saves one picture per tab and one of the settings
// dialog; true when every file was written.
bool SaveScreenshots(telqor::TfrmhmEx& window, const QString& folder) {
  QDir().mkpath(folder);
  window.resize(1280, 800);
  window.show();
  bool ok = true;
  const QStringList names = {u"main-tab1.png"_s, u"main-tab2.png"_s, u"main-tab3.png"_s};
  for (int i = 0; i < window.PageControl1->count(); ++i) {
    window.PageControl1->setCurrentIndex(i);
    QCoreApplication::processEvents();
    ok &= window.grab().save(QDir(folder).filePath(names.value(i, u"main-tab%1.png"_s.arg(i + 1))));
  }
  window.PageControl1->setCurrentIndex(0);
  window.frmhmsetting->show();
  QCoreApplication::processEvents();
  ok &= window.frmhmsetting->grab().save(QDir(folder).filePath(u"settings.png"_s));
  window.frmhmsetting->hide();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  telqor::TelqorApplication app(argc, argv);
  QCoreApplication::setApplicationName(u"Telqor1.1"_s);
  telqor::SetUpLook(app);

  const QStringList args = QCoreApplication::arguments();
  std::optional<std::filesystem::path> home;
  if (QString dir = OptionValue(args, u"--home"_s); !dir.isEmpty()) home = std::filesystem::path(dir.toStdString());

  telqor::TfrmhmEx window(telqor::ProgramFolder(home));
  if (QString dir = OptionValue(args, u"--screenshot"_s); !dir.isEmpty()) return SaveScreenshots(window, dir) ? 0 : 1;
  window.show();
  return app.exec();
}
