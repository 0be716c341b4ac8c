// ManagedFolder: one of the two managed folders of the tab "文件管理" ("§待使用文件§" and
// "§使用过文件§"): a group with the check list of the folder's file names, its buttons
// ("工具栏" pops the menu up, "目录设定", "打开") and the list's pop-up menu.
//
// The names checked are kept apart from the list, so a refresh, which fills the list anew,
// keeps every check, and a later file of a checked name comes up checked. The folder wires its
// own buttons; the tab gives the menu items their handlers, whose operations reach across both
// folders.
// User-interface thread only.
#pragma once

#include <QGroupBox>
#include <QString>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/kit/app_context.h"

class QFileSystemWatcher;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTimer;

namespace telqor {

// Makes chosen the folder of a managed-folder setting, in effect at once (the dated output
// folder follows the output folder); what could not be done goes to the status line. The
// caller saves the settings.
void UseFolder(AppContext& context, std::string Settings::*setting, const std::filesystem::path& chosen);

class ManagedFolder : public QGroupBox {
  Q_OBJECT
 public:
  // The object names of the folder's controls, and where its folder comes from.
  struct Names {
    QString group, caption, list, toolbar, setFolder, open, menu;
    std::filesystem::path DataFolders::*folder;
    std::string Settings::*setting;
    bool hintOnList;  // the list carries the group's hint too
  };

  // An item of the list's pop-up menu, wired to its handler; an item named "-" is a separator.
  struct MenuEntry {
    QString name, caption;
    std::function<void()> handler;
  };

  // The menu holds menu in order. The list is empty until the first Refresh.
  ManagedFolder(AppContext& context, const Names& names, std::initializer_list<MenuEntry> menu,
                QWidget* parent = nullptr);

  const std::filesystem::path& Folder() const;

  // The folder's files, in name order, each checked when its name is. The list also follows the
  // folder by itself: a file made, renamed or removed there by anyone shows within a second,
  // once no user action runs (an operation never sees its files change under it).
  void Refresh();
  void CheckAll();
  void CheckNone();
  // The full paths of the checked files, last item first.
  std::vector<std::filesystem::path> Selected() const;
  // Moves the checked files to the desktop's trash; those it does not take are removed for good
  // after one question (No by default). The list is refilled, and the status line says done,
  // or what was kept and what failed.
  void DeleteChecked(std::string_view done);
  void OpenFolder();

 private:
  // Handlers.
  void SetFolderClicked();
  void FileCheckChanged(QListWidgetItem* item);
  // The folder changed on disk: refresh when no action runs, else try again a moment later.
  void FolderChangedOnDisk();

  AppContext& context_;
  std::filesystem::path DataFolders::*folder_;
  std::string Settings::*setting_;
  QListWidget* fileList_;                     // names.list: the folder's files, with check boxes
  QPushButton* toolbarButton_;                // names.toolbar 工具栏: pops the menu up
  QPushButton* setFolderButton_;              // names.setFolder 目录设定
  QPushButton* openButton_;                   // names.open 打开
  QMenu* menu_;                               // names.menu
  QFileSystemWatcher* watcher_;               // the folder shown
  QTimer* changed_;                           // gathers a burst of changes into one refresh
  std::vector<std::filesystem::path> names_;  // the file name of each row of the list
  std::set<std::filesystem::path> checked_;   // the names checked, kept across refreshes
};

}  // namespace telqor
