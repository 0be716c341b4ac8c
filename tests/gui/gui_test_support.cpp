#include "tests/gui/gui_test_support.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include "core/text/errors.h"
#include "shell/main_window_names.h"
#include "ui/kit/qt_ui.h"

namespace telqor::test {

namespace fs = std::filesystem;
using namespace names::window;

ScriptedHooks& Scripted() {
  static ScriptedHooks hooks;
  return hooks;
}

TestEnv& GuiEnv() {
  static TestEnv env;
  return env;
}

void ResetHooks() {
  Scripted() = ScriptedHooks{};
  Hooks() = MessageHooks{};
  Hooks().askYesNo = [](const QString& question) {
    Scripted().questions.push_back(question);
    return Scripted().answer;
  };
  Hooks().inform = [](const QString& message) { Scripted().messages.push_back(message); };
  TestEnv& env = GuiEnv();
  env.openedFolders.clear();
  env.browserStarts = true;
  env.failWritesAfter = -1;
  env.failRenames = false;
  env.FixClock(2026, 12, 7, 9, 5, 3);
}

void RecordingWindow::PerformDropAction(int action, const std::vector<fs::path>& files) {
  performed.emplace_back(action, files);
  if (std::exchange(failNextAction, false)) throw FileError("Cannot open file \"x.txt\". No such file or directory");
}

TempHome::TempHome() : path_(fs::path(dir_.path().toStdString()) / "") {}

std::unique_ptr<RecordingWindow> TempHome::OpenWindow(bool writeDefaultData) const {
  // The offer of the default data at start is answered here, and forgotten, so that a test
  // sees only the questions of what it does.
  bool answer = std::exchange(Scripted().answer, writeDefaultData);
  auto window = std::make_unique<RecordingWindow>(path_);
  Scripted().answer = answer;
  Scripted().questions.clear();
  Control<QTimer>(window.get(), kTimer)->stop();
  return window;
}

bool InsideDialog(const QObject* object, const QObject* root) {
  for (const QObject* o = object; o && o != root; o = o->parent())
    if (qobject_cast<const QDialog*>(o)) return true;
  return false;
}

void NoSuchControl(const QString& name, qsizetype found) {
  qFatal("expected one control named %s, found %d", qPrintable(name), static_cast<int>(found));
}

std::map<std::string, SuiteRun>& Suites() {
  static std::map<std::string, SuiteRun> suites;
  return suites;
}

bool RegisterSuite(const char* name, SuiteRun run) { return Suites().emplace(name, run).second; }

QDialog* Dialog(const std::unique_ptr<RecordingWindow>& w, const QString& name) {
  return w->findChild<QDialog*>(name, Qt::FindDirectChildrenOnly);
}

void Tick(const std::unique_ptr<RecordingWindow>& w) {
  QMetaObject::invokeMethod(Control<QTimer>(w, kTimer), "timeout", Qt::DirectConnection);
}

void Click(const std::unique_ptr<RecordingWindow>& w, const QString& name) {
  Control<QAbstractButton>(w, name)->click();
}

void Trigger(const std::unique_ptr<RecordingWindow>& w, const QString& name) { Control<QAction>(w, name)->trigger(); }

QStringList Rows(QTableView* view) {
  QStringList rows;
  for (int r = 0; r < view->model()->rowCount(); ++r) rows << view->model()->index(r, 0).data().toString();
  return rows;
}

QStringList Rows(const std::unique_ptr<RecordingWindow>& w, const QString& view) {
  return Rows(Control<QTableView>(w, view));
}

QString Title(const std::unique_ptr<RecordingWindow>& w, const QString& group) {
  return Control<QGroupBox>(w, group)->title();
}

void Touch(const fs::path& file) { WriteBytes(file, "13800000000\r\n"); }

fs::path U8Path(const char* utf8) { return fs::path(utf8); }

QString PathToQString(const fs::path& path) { return QString::fromStdString(path.string()); }

void DropOn(QWidget* target, const std::vector<fs::path>& entries) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const fs::path& entry : entries) urls << QUrl::fromLocalFile(PathToQString(entry));
  mime.setUrls(urls);
  QWidget* receiver = target;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) receiver = area->viewport();
  const QPoint pos(4, 4);
  QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(receiver, &enter);
  QDropEvent drop(QPointF(pos), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(receiver, &drop);
  QCoreApplication::processEvents();
}

}  // namespace telqor::test
