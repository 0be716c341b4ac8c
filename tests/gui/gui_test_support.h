// Helpers of the form tests: a program folder per test, a main window that records the drop
// actions it is asked to perform, file helpers and simulated file drops.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/frm_hm_ex.h"

class QWidget;

namespace telqor::test {

// The message boxes and the file browser answer from these in every test; a question nobody
// expected is recorded and answered No.
struct ScriptedHooks {
  std::vector<QString> questions;
  std::vector<QString> messages;
  std::vector<QString> openedFolders;
  bool answer = false;
  bool browserStarts = true;
};
ScriptedHooks& Scripted();
// Installs the scripted hooks and forgets what earlier tests recorded.
void ResetHooks();

class RecordingWindow : public TfrmhmEx {
 public:
  using TfrmhmEx::TfrmhmEx;
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
  std::unique_ptr<RecordingWindow> OpenWindow() const;

 private:
  QTemporaryDir dir_;
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// Creates the file (and its folders) with one line.
void Touch(const std::filesystem::path& file);
std::filesystem::path U8Path(const char* utf8);
QString PathText(const std::filesystem::path& path);

// Drags the entries over target and drops them there, as the window system would, then lets
// the queued drop handling run.
void DropOn(QWidget* target, const std::vector<std::filesystem::path>& entries);

}  // namespace telqor::test
