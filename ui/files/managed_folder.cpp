#include "ui/files/managed_folder.h"

#include <QFileSystemWatcher>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "core/io/list_files.h"
#include "files/selection_operations.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

void UseFolder(AppContext& context, std::string Settings::*setting, const fs::path& chosen) {
  Settings& settings = context.program.settings;
  settings.*setting = FolderSettingOf(chosen, context.program.folders.program);
  for (const std::string& problem : FollowFolderSettings(settings, context.program.folders))
    context.ui.ShowStatus(problem);
}

ManagedFolder::ManagedFolder(AppContext& context, const Names& names, std::initializer_list<MenuEntry> menu,
                             QWidget* parent)
    : QGroupBox(names.caption, parent), context_(context), folder_(names.folder), setting_(names.setting) {
  const QString hint = u"操作:使用工具栏或者鼠标右菜单"_s;
  setObjectName(names.group);
  setToolTip(hint);
  fileList_ = Named<QListWidget>(names.list);
  if (names.hintOnList) fileList_->setToolTip(hint);
  watcher_ = new QFileSystemWatcher(this);
  changed_ = new QTimer(this);
  changed_->setSingleShot(true);
  changed_->setInterval(300);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, changed_, qOverload<>(&QTimer::start));
  connect(changed_, &QTimer::timeout, this, &ManagedFolder::FolderChangedOnDisk);
  toolbarButton_ = Button(names.toolbar, u"工具栏"_s);
  setFolderButton_ = Button(names.setFolder, u"目录设定"_s);
  openButton_ = Button(names.open, u"打开"_s);
  auto* box = new QVBoxLayout(this);
  box->addLayout(Row({toolbarButton_, setFolderButton_, openButton_}));
  box->addWidget(fileList_, 1);
  menu_ = Named<QMenu>(names.menu, this);
  for (const MenuEntry& entry : menu) {
    if (entry.name == u"-"_s) {
      menu_->addSeparator();
    } else {
      Wire(MenuItem(menu_, entry.name, entry.caption), this, entry.handler);
    }
  }
  ContextMenu(fileList_, menu_);
  PopupAtMouse(toolbarButton_, menu_);

  Wire(setFolderButton_, this, &ManagedFolder::SetFolderClicked);
  Wire(openButton_, this, &ManagedFolder::OpenFolder);
  connect(fileList_, &QListWidget::itemChanged, this,
          [this](QListWidgetItem* item) { RunUserAction([&] { FileCheckChanged(item); }); });
}

const fs::path& ManagedFolder::Folder() const { return context_.program.folders.*folder_; }

void ManagedFolder::Refresh() {
  const QString folder = PathToQString(Folder());
  if (watcher_->directories() != QStringList{folder}) {
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    watcher_->addPath(folder);
  }
  names_.clear();
  ListFiles(Folder(), "*.*", names_, false, false);
  // Checks set here are the kept ones, not the user's.
  QSignalBlocker quiet(fileList_);
  fileList_->clear();
  for (const fs::path& name : names_) {
    auto* item = new QListWidgetItem(PathToQString(name), fileList_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked_.contains(name) ? Qt::Checked : Qt::Unchecked);
  }
}

void ManagedFolder::FolderChangedOnDisk() {
  if (UserActionRunning()) {
    changed_->start();
    return;
  }
  RunUserAction([this] { Refresh(); });
}

void ManagedFolder::CheckAll() {
  QSignalBlocker quiet(fileList_);
  for (int row = 0; row < fileList_->count(); ++row) fileList_->item(row)->setCheckState(Qt::Checked);
  checked_.insert(names_.begin(), names_.end());
}

void ManagedFolder::CheckNone() {
  QSignalBlocker quiet(fileList_);
  for (int row = 0; row < fileList_->count(); ++row) fileList_->item(row)->setCheckState(Qt::Unchecked);
  checked_.clear();
}

std::vector<fs::path> ManagedFolder::Selected() const {
  std::vector<fs::path> files;
  for (int row = fileList_->count() - 1; row >= 0; --row)
    if (fileList_->item(row)->checkState() == Qt::Checked) files.push_back(Folder() / names_[static_cast<size_t>(row)]);
  return files;
}

void ManagedFolder::DeleteChecked(std::string_view done) {
  DeleteOutcome outcome = DeleteFiles(Selected(), MoveToTrash, [this](std::string_view question) {
    return AskYesNoBox(this, FromUtf8(question), DefaultAnswer::kNo);
  });
  Refresh();
  ReportDeletion(context_.ui, done, outcome);
}

void ManagedFolder::OpenFolder() { context_.ui.OpenFolder(Folder()); }

// "目录设定": the folder chosen is in use at once; the settings are saved even when the picker
// was cancelled.
void ManagedFolder::SetFolderClicked() {
  fs::path chosen = ChooseFolder(this, Folder());
  if (!chosen.empty()) UseFolder(context_, setting_, chosen);
  Refresh();
  SaveSettings(context_.program.iniFile, context_.program.settings);
}

void ManagedFolder::FileCheckChanged(QListWidgetItem* item) {
  int row = fileList_->row(item);
  if (row < 0 || row >= static_cast<int>(names_.size())) return;
  const fs::path& name = names_[static_cast<size_t>(row)];
  if (item->checkState() == Qt::Checked) {
    checked_.insert(name);
  } else {
    checked_.erase(name);
  }
}

}  // namespace telqor
