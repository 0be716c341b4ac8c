// FileManagerTab: the tab "文件管理": the two managed folders "§待使用文件§" and "§使用过文件§",
// the general file list with its output folder, and the file comparison. The main window
// routes files dropped on the file list and the two comparison fields here, and tells the
// tab when the folders changed. User-interface thread only.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "gui/app_context.h"
#include "gui/drop_site.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace telqor {

class FileManagerTab : public QWidget {
  Q_OBJECT
 public:
  explicit FileManagerTab(AppContext& context, QWidget* parent = nullptr);

  DropSites Drops() const;
  // The folders in use changed (settings dialog): the output row shows the output folder.
  void FoldersChanged();

  void RBSelAClick();
  void RBSelBClick();

 private:
  // The controls of one managed folder, and their object names.
  struct ManagedFolder {
    QGroupBox* group = nullptr;
    QListWidget* list = nullptr;
    QPushButton* toolbar = nullptr;
    QPushButton* setFolder = nullptr;
    QPushButton* open = nullptr;
    QMenu* menu = nullptr;
  };
  struct ManagedFolderNames {
    QString group, caption, list, toolbar, setFolder, open, menu;
  };
  ManagedFolder BuildManagedFolder(const ManagedFolderNames& names,
                                   std::initializer_list<std::pair<QString, QString>> items);
  void BuildManagedFolders();
  void BuildComparison();
  void BuildGeneralFiles();
  // EditURL is editable exactly while "固定文件目录" is chosen.
  void UpdateEditURL();

  AppContext& context_;

  ManagedFolder toUse_;  // GroupBox7 "§待使用文件§": CLBwilluse, SpeedButton26/29/32, PopupMenu1
  ManagedFolder used_;   // GroupBox8 "§使用过文件§": CLBused, SpeedButton25/30/33, PopupMenu2
  QGroupBox* GroupBox1;
  QLineEdit* EditA;
  QPushButton* SpeedButton10;
  QLineEdit* EditB;
  QPushButton* SpeedButton11;
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;
  QGroupBox* GroupBox6;
  QListWidget* LB1;
  QMenu* PopupMenu7;
  QLabel* Label11;
  QLineEdit* EditURL;
  QRadioButton* RBSelA;
  QRadioButton* RBSelB;
  QPushButton* SpeedButton28;
  QPushButton* SpeedButton31;
};

}  // namespace telqor
