// Helpers of the form tests: a program folder per test, a main window that records the drop
// actions it is asked to perform, finding controls by object name, file helpers and simulated
// file drops.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

class QTableView;
class QWidget;

namespace telqor::test {

// The message boxes answer from these in every test; a question nobody expected is recorded
// and answered No.
struct ScriptedHooks {
  std::vector<QString> questions;
  std::vector<QString> messages;
  bool answer = false;
};
ScriptedHooks& Scripted();
// The Env of the form tests: its clock stands at 2026-12-07 09:05:03, and it records the
// folders the browser was asked to show.
TestEnv& GuiEnv();
// Installs the scripted hooks and a fresh Env state, forgetting what earlier tests recorded.
void ResetHooks();

class RecordingWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  std::vector<std::pair<int, std::vector<std::filesystem::path>>> performed;
  bool failNextAction = false;

 protected:
  void PerformDropAction(int action, const std::vector<std::filesystem::path>& files) override;
};

// A fresh program folder in a temporary directory.
class TempHome {
 public:
  TempHome();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& sub) const { return path_ / sub; }
  // The main window on this folder, its timer stopped so that a test decides when it ticks.
  // The offer to write the default data at start, made while base data are missing, is
  // answered with writeDefaultData and left out of the questions recorded.
  std::unique_ptr<RecordingWindow> OpenWindow(bool writeDefaultData = false) const;

 private:
  QTemporaryDir dir_;
  std::filesystem::path path_;
};

// Whether object lies inside a dialog below root (root itself may be one).
bool InsideDialog(const QObject* object, const QObject* root);
[[noreturn]] void NoSuchControl(const QString& name, qsizetype found);

// The one object of type T named name below root, leaving out the dialogs below root (so the
// main window's "lv0" is not the validity check's). Stops the tests when there is not exactly one.
template <typename T>
T* Control(const QObject* root, const QString& name) {
  QList<T*> found;
  for (T* object : root->findChildren<T*>(name))
    if (!InsideDialog(object, root)) found << object;
  if (found.size() != 1) NoSuchControl(name, found.size());
  return found.front();
}
template <typename T>
T* Control(const std::unique_ptr<RecordingWindow>& w, const QString& name) {
  return Control<T>(w.get(), name);
}
// A dialog of the main window by object name.
QDialog* Dialog(const std::unique_ptr<RecordingWindow>& w, const QString& name);

// The main window's timer ticks once, as it does every second: the clock, a pending drop.
void Tick(const std::unique_ptr<RecordingWindow>& w);
// Clicks the named button / triggers the named menu item of the main window.
void Click(const std::unique_ptr<RecordingWindow>& w, const QString& name);
void Trigger(const std::unique_ptr<RecordingWindow>& w, const QString& name);
// The rows a number view shows.
QStringList Rows(QTableView* view);
QStringList Rows(const std::unique_ptr<RecordingWindow>& w, const QString& view);
// The caption of the named group box.
QString Title(const std::unique_ptr<RecordingWindow>& w, const QString& group);

// Creates the file (and its folders) with one line.
void Touch(const std::filesystem::path& file);
std::filesystem::path U8Path(const char* utf8);
QString PathToQString(const std::filesystem::path& path);

// Drags the entries over target and drops them there, as the window system would, then lets
// the queued drop handling run.
void DropOn(QWidget* target, const std::vector<std::filesystem::path>& entries);

// The form suites by name: each registers itself with TELQOR_GUI_SUITE under the name of its
// file (report_test.cpp: "report"), which CTest passes to run it as an entry of its own.
using SuiteRun = int (*)(int argc, char** argv);
std::map<std::string, SuiteRun>& Suites();
bool RegisterSuite(const char* name, SuiteRun run);

}  // namespace telqor::test

#define TELQOR_GUI_SUITE(name, Suite)                                                         \
  static const bool registered##Suite = ::telqor::test::RegisterSuite(name, [](int argc, char** argv) { \
    Suite suite;                                                                              \
    return QTest::qExec(&suite, argc, argv);                                                  \
  });
