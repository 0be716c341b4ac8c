// The Ui of the program: the main window's status line and progress bar, message boxes
// captioned "提示", and the file browser (through the Env in force).
//
// Message boxes, the file and folder dialogs and modal dialogs go through MessageHooks, which
// tests replace so that nothing modal ever opens offscreen. Forms that ask or inform outside
// an engine call use AskYesNoBox / InformBox / ChooseFilesToOpen / ChooseFolder / ExecDialog,
// which honour the same hooks. User-interface thread only.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/program/ui.h"

class QDialog;
class QProgressBar;
class QTimer;
class QWidget;

namespace telqor {

struct MessageHooks {
  std::function<bool(const QString& question)> askYesNo;  // true for Yes
  std::function<void(const QString& message)> inform;
  std::function<std::vector<std::filesystem::path>()> openFiles;  // the files chosen; none on Cancel
  std::function<int(QDialog* dialog)> execDialog;                 // a modal dialog's result
  std::function<std::filesystem::path()> saveFile;                // the file chosen; empty on Cancel
  std::function<std::filesystem::path(const std::filesystem::path& start)> chooseFolder;  // empty on Cancel
  std::function<std::string(const std::filesystem::path& file)> moveToTrash;              // why not; empty when done
};

// The hooks in force; an empty hook means the real box or dialog.
MessageHooks& Hooks();

// A Yes/No message box, captioned "提示" unless another caption is given.
bool AskYesNoBox(QWidget* parent, const QString& question, const QString& caption = QStringLiteral("提示"));
// The answer a Return gives: No where Yes would lose data for good.
enum class DefaultAnswer { kYes, kNo };
bool AskYesNoBox(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer);
// An information message box, captioned "提示" unless another caption is given.
void InformBox(QWidget* parent, const QString& message, const QString& caption = QStringLiteral("提示"));
// The open dialog (several files may be chosen), starting in the folder of the last file chosen
// in an open or save dialog, else in folder; empty on Cancel.
std::vector<std::filesystem::path> ChooseFilesToOpen(QWidget* parent, const std::filesystem::path& folder);
// The save dialog with a filter such as "txt|*.txt" (description|patterns), starting where the
// open dialog would; empty on Cancel. The name is taken as chosen: no extension is added.
std::filesystem::path ChooseFileToSave(QWidget* parent, const std::filesystem::path& folder, const QString& filter);
// The save dialog for a file the user names and keeps: it starts with suggestedName in the
// folder the open dialog would, offers filters such as "Excel 工作簿|*.xlsx" (the first chosen
// at first), adds the chosen filter's extension to a name without one and asks before a file
// is replaced; empty on Cancel.
std::filesystem::path ChooseFileToWrite(QWidget* parent, const std::filesystem::path& folder,
                                        const QString& suggestedName, const QStringList& filters);
// The folder picker (it may create a folder), starting in start; empty on Cancel.
std::filesystem::path ChooseFolder(QWidget* parent, const std::filesystem::path& start);
// Moves a file to the desktop's trash: an empty text when done, else why not (UTF-8).
std::string MoveToTrash(const std::filesystem::path& file);
// Shows a dialog modally and answers its result (QDialog::Accepted or Rejected).
int ExecDialog(QDialog* dialog);

class QtUi : public Ui {
 public:
  // status shows a text in the status line (and repaints); progress is the status bar's bar,
  // shown by a long loop and hidden again once the user action that ran it has ended, however
  // far the loop got; parent owns the message boxes.
  QtUi(QWidget* parent, std::function<void(const QString&)> status, QProgressBar* progress);

  void ShowStatus(std::string_view text) override;
  void Progress(int64_t done, int64_t total) override;
  bool Cancelled() override { return false; }
  bool AskYesNo(std::string_view question) override;
  void Inform(std::string_view message) override;
  // Opens the folder; when that cannot be done, says why in the status line.
  void OpenFolder(const std::filesystem::path& folder) override;

 private:
  QWidget* parent_;
  std::function<void(const QString&)> status_;
  QProgressBar* progress_;
  QTimer* hideProgress_ = nullptr;  // hides the bar after the action
};

}  // namespace telqor
