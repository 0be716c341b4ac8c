#include "tests/gui/gui_test_support.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <iterator>

#include "app/qt_ui.h"
#include "core/errors.h"

namespace telqor::test {

namespace fs = std::filesystem;

ScriptedHooks& Scripted() {
  static ScriptedHooks hooks;
  return hooks;
}

void ResetHooks() {
  Scripted() = ScriptedHooks{};
  Hooks().askYesNo = [](const QString& question) {
    Scripted().questions.push_back(question);
    return Scripted().answer;
  };
  Hooks().inform = [](const QString& message) { Scripted().messages.push_back(message); };
  Hooks().openFolder = [](const QString& folder) {
    Scripted().openedFolders.push_back(folder);
    return Scripted().browserStarts;
  };
}

void RecordingWindow::PerformDropAction(int action, const std::vector<fs::path>& files) {
  performed.emplace_back(action, files);
  if (std::exchange(failNextAction, false)) throw EFileError("Cannot open file \"x.txt\". No such file or directory");
}

TempHome::TempHome() : path_(fs::path(dir_.path().toStdString()) / "") {}

std::unique_ptr<RecordingWindow> TempHome::OpenWindow() const {
  auto window = std::make_unique<RecordingWindow>(path_);
  window->Timer->stop();
  return window;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

void Touch(const fs::path& file) { WriteBytes(file, "13800000000\r\n"); }

fs::path U8Path(const char* utf8) { return fs::path(utf8); }

QString PathText(const fs::path& path) { return QString::fromStdString(path.string()); }

void DropOn(QWidget* target, const std::vector<fs::path>& entries) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const fs::path& entry : entries) urls << QUrl::fromLocalFile(PathText(entry));
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
