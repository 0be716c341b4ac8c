#include "ui/kit/qt_ui.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

#include "core/io/desktop_trash.h"
#include "core/platform/env.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;

MessageHooks& Hooks() {
  static MessageHooks hooks;
  return hooks;
}

namespace {

// The folder of the last file chosen in an open or save dialog: the next one starts there.
std::filesystem::path& LastDialogFolder() {
  static std::filesystem::path folder;
  return folder;
}

const std::filesystem::path& StartFolder(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path& last = LastDialogFolder();
  return !last.empty() && std::filesystem::is_directory(last, error) ? last : folder;
}

bool Ask(QWidget* parent, const QString& question, const QString& caption, QMessageBox::StandardButton byDefault) {
  if (Hooks().askYesNo) return Hooks().askYesNo(question);
  BusyCursorPause pause;
  return QMessageBox::question(parent, caption, question, QMessageBox::Yes | QMessageBox::No, byDefault) ==
         QMessageBox::Yes;
}

}  // namespace

bool AskYesNoBox(QWidget* parent, const QString& question, const QString& caption) {
  return Ask(parent, question, caption, QMessageBox::Yes);
}

bool AskYesNoBox(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer) {
  return Ask(parent, question, u"提示"_s, defaultAnswer == DefaultAnswer::kYes ? QMessageBox::Yes : QMessageBox::No);
}

void InformBox(QWidget* parent, const QString& message, const QString& caption) {
  if (Hooks().inform) return Hooks().inform(message);
  BusyCursorPause pause;
  QMessageBox::information(parent, caption, message);
}

std::vector<std::filesystem::path> ChooseFilesToOpen(QWidget* parent, const std::filesystem::path& folder) {
  if (Hooks().openFiles) return Hooks().openFiles();
  BusyCursorPause pause;
  std::vector<std::filesystem::path> files;
  for (const QString& f : QFileDialog::getOpenFileNames(parent, QString(), FolderToQString(StartFolder(folder))))
    files.push_back(PathFromQString(f));
  if (!files.empty()) LastDialogFolder() = files.front().parent_path();
  return files;
}

std::filesystem::path ChooseFileToSave(QWidget* parent, const std::filesystem::path& folder, const QString& filter) {
  if (Hooks().saveFile) return Hooks().saveFile();
  BusyCursorPause pause;
  QStringList parts = filter.split(u'|');
  QString qtFilter = parts.size() >= 2 ? parts[0] + u" ("_s + parts[1].replace(u';', u' ') + u")"_s : filter;
  QFileDialog dialog(parent, QString(), FolderToQString(StartFolder(folder)), qtFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The name chosen is often a base for names derived from it, not the file written.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  std::filesystem::path chosen = PathFromQString(dialog.selectedFiles().front());
  LastDialogFolder() = chosen.parent_path();
  return chosen;
}

std::filesystem::path ChooseFileToWrite(QWidget* parent, const std::filesystem::path& folder,
                                        const QString& suggestedName, const QStringList& filters) {
  if (Hooks().saveFile) return Hooks().saveFile();
  BusyCursorPause pause;
  QStringList qtFilters, suffixes;
  for (const QString& filter : filters) {
    const QStringList parts = filter.split(u'|');
    qtFilters << parts.value(0) + u" ("_s + parts.value(1) + u")"_s;
    suffixes << parts.value(1).section(u'.', -1);
  }
  QFileDialog dialog(parent, QString(), FolderToQString(StartFolder(folder)));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(qtFilters);
  dialog.setDefaultSuffix(suffixes.value(0));
  // The extension follows the filter chosen, as long as the name has none of its own.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
    dialog.setDefaultSuffix(suffixes.value(qtFilters.indexOf(chosen)));
  });
  dialog.selectFile(suggestedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  std::filesystem::path chosen = PathFromQString(dialog.selectedFiles().front());
  LastDialogFolder() = chosen.parent_path();
  return chosen;
}

std::filesystem::path ChooseFolder(QWidget* parent, const std::filesystem::path& start) {
  if (Hooks().chooseFolder) return Hooks().chooseFolder(start);
  BusyCursorPause pause;
  QString chosen = QFileDialog::getExistingDirectory(parent, QString(), FolderToQString(start));
  return chosen.isEmpty() ? std::filesystem::path() : PathFromQString(chosen);
}

std::string MoveToTrash(const std::filesystem::path& file) {
  if (Hooks().moveToTrash) return Hooks().moveToTrash(file);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // Qt's own would make a trash beside a file on another disk; ours keeps to the home's.
  return MoveToHomeTrash(file);
#else
  QFile trashed(PathToQString(file));
  if (trashed.moveToTrash()) return {};
  return trashed.errorString().toStdString();
#endif
}

int ExecDialog(QDialog* dialog) {
  if (Hooks().execDialog) return Hooks().execDialog(dialog);
  BusyCursorPause pause;
  return dialog->exec();
}

QtUi::QtUi(QWidget* parent, std::function<void(const QString&)> status, QProgressBar* progress)
    : parent_(parent), status_(std::move(status)), progress_(progress) {
  if (!progress_) return;
  // A loop may end short of its total, or by an error: the bar goes once no action runs.
  hideProgress_ = new QTimer(progress_);
  hideProgress_->setInterval(50);
  QObject::connect(hideProgress_, &QTimer::timeout, progress_, [bar = progress_, timer = hideProgress_] {
    if (UserActionRunning()) return;
    timer->stop();
    bar->hide();
    bar->reset();
  });
}

void QtUi::ShowStatus(std::string_view text) { status_(FromUtf8(text)); }

void QtUi::Progress(int64_t done, int64_t total) {
  if (!progress_) return;
  if (total <= 0 || done >= total) {
    hideProgress_->stop();
    progress_->hide();
    progress_->reset();
    return;
  }
  if (!hideProgress_->isActive()) hideProgress_->start();
  // Per mille, so that a long loop repaints only when the bar visibly moves.
  int value = static_cast<int>(done * 1000 / total);
  if (progress_->isVisible() && progress_->value() == value) return;
  progress_->setRange(0, 1000);
  progress_->setValue(value);
  progress_->show();
  KeepPainting();
}

bool QtUi::AskYesNo(std::string_view question) { return AskYesNoBox(parent_, FromUtf8(question)); }

void QtUi::Inform(std::string_view message) { InformBox(parent_, FromUtf8(message)); }

void QtUi::OpenFolder(const std::filesystem::path& folder) {
  std::string why = CurrentEnv().OpenFolder(folder);
  if (!why.empty()) status_(u"无法打开文件夹\"%1\": %2"_s.arg(FolderToQString(folder), FromUtf8(why)));
}

}  // namespace telqor
