#include "app/qt_ui.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>

#include "app/data_folders.h"

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

MessageHooks& Hooks() {
  static MessageHooks hooks;
  return hooks;
}

bool AskYesNoBox(QWidget* parent, const QString& question) {
  if (Hooks().askYesNo) return Hooks().askYesNo(question);
  return QMessageBox::question(parent, u"提示"_s, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

void InformBox(QWidget* parent, const QString& message) {
  if (Hooks().inform) return Hooks().inform(message);
  QMessageBox::information(parent, u"提示"_s, message);
}

std::vector<std::filesystem::path> ChooseFilesToOpen(QWidget* parent, const std::filesystem::path& folder) {
  if (Hooks().openFiles) return Hooks().openFiles();
  std::vector<std::filesystem::path> files;
  for (const QString& f : QFileDialog::getOpenFileNames(parent, QString(), FolderDisplayText(folder)))
    files.emplace_back(f.toStdString());
  return files;
}

int ExecDialog(QDialog* dialog) {
  if (Hooks().execDialog) return Hooks().execDialog(dialog);
  return dialog->exec();
}

bool StartFolderBrowser(const QString& folder) {
  if (Hooks().openFolder) return Hooks().openFolder(folder);
  return QProcess::startDetached(u"xdg-open"_s, {folder});
}

QString FolderDisplayText(const std::filesystem::path& folder) { return QString::fromStdString(FolderText(folder)); }

QtUi::QtUi(QWidget* parent, std::function<void(const QString&)> status, QProgressBar* progress)
    : parent_(parent), status_(std::move(status)), progress_(progress) {}

void QtUi::ShowStatus(std::string_view text) { status_(FromUtf8(text)); }

void QtUi::Progress(int64_t done, int64_t total) {
  if (!progress_) return;
  if (total <= 0 || done >= total) {
    progress_->hide();
    return;
  }
  // Per mille, so that a long loop repaints only when the bar visibly moves.
  int value = static_cast<int>(done * 1000 / total);
  if (progress_->isVisible() && progress_->value() == value) return;
  progress_->setRange(0, 1000);
  progress_->setValue(value);
  progress_->show();
  QCoreApplication::processEvents();
}

bool QtUi::AskYesNo(std::string_view question) { return AskYesNoBox(parent_, FromUtf8(question)); }

void QtUi::Inform(std::string_view message) { InformBox(parent_, FromUtf8(message)); }

void QtUi::OpenFolder(const std::filesystem::path& folder) {
  QString text = FolderDisplayText(folder);
  if (!StartFolderBrowser(text)) status_(u"Cannot open folder \"%1\": xdg-open could not be started"_s.arg(text));
}

}  // namespace telqor
