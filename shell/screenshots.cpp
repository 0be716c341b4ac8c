#include "shell/screenshots.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "shell/main_window.h"
#include "ui/help/help_dialog.h"
#include "ui/settings/settings_dialog.h"
#include "ui/tools/format_dialog.h"

namespace telqor {

using namespace Qt::StringLiterals;

bool SaveScreenshots(MainWindow& window, const QString& folder) {
  QDir().mkpath(folder);
  window.resize(1280, 800);
  window.show();
  bool ok = true;
  QTabWidget* tabs = window.tabs_;
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();
    ok &= window.grab().save(QDir(folder).filePath(u"main-tab%1.png"_s.arg(i + 1)));
  }
  tabs->setCurrentIndex(0);
  QDialog* settings = window.settingsDialog_;
  settings->show();
  QCoreApplication::processEvents();
  ok &= settings->grab().save(QDir(folder).filePath(u"settings.png"_s));
  settings->hide();
  // A tool of the "工具" menu and the guide, as the menus open them.
  QDialog* format = window.formatDialog_;
  format->show();
  QCoreApplication::processEvents();
  ok &= format->grab().save(QDir(folder).filePath(u"format.png"_s));
  format->hide();
  window.HelpGuideClicked();
  QCoreApplication::processEvents();
  ok &= window.helpDialog_->grab().save(QDir(folder).filePath(u"help.png"_s));
  window.helpDialog_->hide();
  return ok;
}

}  // namespace telqor
