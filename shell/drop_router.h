// DropRouter: file drops on the main window and its dialogs. It watches the registered drop
// sites, gathers each drop in the dropped-file list (sorted, folders expanded) and delivers
// it as the site's kind says: appended to a file list, the first path into a field, or, after
// the user confirmed, a pending action that the main window's timer performs.
// User-interface thread only.
#pragma once

#include <QObject>
#include <filesystem>
#include <vector>

#include "core/program/dropped_files.h"
#include "ui/kit/drop_site.h"

class QWidget;

namespace telqor {

class Ui;

class DropRouter : public QObject {
  Q_OBJECT
 public:
  DropRouter(Ui& ui, QObject* parent = nullptr);
  ~DropRouter() override;

  void Register(const DropSites& sites);
  // Handles files dropped on a registered widget as the drop event does.
  void DropFiles(QWidget* target, const std::vector<std::filesystem::path>& entries);

  DroppedFileList& DroppedFiles() { return droppedFiles_; }
  int PendingAction() const { return pendingAction_; }
  // The pending action, which is cleared.
  int TakePendingAction();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const DropSite* SiteOf(QObject* watched) const;

  Ui& ui_;
  DroppedFileList droppedFiles_;
  int pendingAction_ = kDropNone;
  DropSites sites_;
};

}  // namespace telqor
