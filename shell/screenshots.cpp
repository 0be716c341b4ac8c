#include "shell/screenshots.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "shell/main_window.h"

namespace telqor {

using namespace Qt::StringLiterals;

bool SaveScreenshots(MainWindow& window, const QString& folder) {
  QDir().mkpath(folder);
  window.resize(1280, 800);
  window.show();
  bool ok = true;
  auto* tabs = window.findChild<QTabWidget*>(u"PageControl1"_s);
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();
    ok &= window.grab().save(QDir(folder).filePath(u"main-tab%1.png"_s.arg(i + 1)));
  }
  tabs->setCurrentIndex(0);
  auto* settings = window.findChild<QDialog*>(u"frmhmsetting"_s);
  settings->show();
  QCoreApplication::processEvents();
  ok &= settings->grab().save(QDir(folder).filePath(u"settings.png"_s));
  settings->hide();
  return ok;
}

}  // namespace telqor
