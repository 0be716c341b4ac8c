// FileManagerTab: the tab "文件管理": the two managed folders "§待使用文件§" and "§使用过文件§",
// the general file list with its output folder, and the file comparison. The main window
// routes files dropped on the file list and the two comparison fields here, and tells the
// tab when the folders changed. User-interface thread only.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string_view>

#include "files/selection_operations.h"
#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace telqor {

class ManagedFolder;
class SaveCountDialog;

class FileManagerTab : public QWidget {
  Q_OBJECT
 public:
  // frmhmsave asks for the line count of splits. Both managed folders are listed at once.
  FileManagerTab(AppContext& context, SaveCountDialog* frmhmsave, QWidget* parent = nullptr);

  DropSites Drops() const;
  // The folders in use changed (settings dialog): the managed folders are listed anew and the
  // output row shows the output folder.
  void FoldersChanged();

  // Handlers: the to-use folder's menu.
  void N15Click();
  void N8Click();
  void N10Click();
  void N12Click();
  void N13Click();
  void N7Click();
  void N35Click();
  void N37Click();
  void N6Click();
  void N17Click();
  void N9Click();
  // The used-files folder's menu.
  void MenuItem1Click();
  void MenuItem3Click();
  void MenuItem4Click();
  void MenuItem6Click();
  void MenuItem7Click();
  void MenuItem8Click();
  void N36Click();
  void N38Click();
  void MenuItem11Click();
  // The general file list and the output folder.
  void SpeedButton12Click();
  void SpeedButton19Click();
  void SpeedButton20Click();
  void SpeedButton21Click();
  void SpeedButton1Click();
  void SpeedButton4Click();
  void N39Click();
  void RBSelAClick();
  void RBSelBClick();
  void SpeedButton28Click();
  void SpeedButton31Click();
  // The comparison.
  void SpeedButton10Click();
  void SpeedButton11Click();
  void BitBtn2Click();
  void BitBtn1Click();

 private:
  void BuildManagedFolders();
  void BuildComparison();
  void BuildGeneralFiles();
  void Connect();
  // EditURL, which shows the output folder, is enabled exactly while "固定文件目录" is chosen,
  // from the start on.
  void UpdateEditURL();
  void ShowOutputFolder();

  FileSelection ManagedSelection(ManagedFolder* folder) const;
  FileSelection GeneralSelection() const;
  // Asks for the line count first, then takes the selection.
  void Split(const std::function<FileSelection()>& select, std::string_view done);
  bool ModeB() const;
  // A file chosen with the open dialog into a comparison field.
  void Browse(QLineEdit* field);

  AppContext& context_;
  SaveCountDialog* frmhmsave_;

  ManagedFolder* toUse_;  // GroupBox7 "§待使用文件§": CLBwilluse, SpeedButton26/29/32, PopupMenu1
  ManagedFolder* used_;   // GroupBox8 "§使用过文件§": CLBused, SpeedButton25/30/33, PopupMenu2
  QGroupBox* GroupBox1;
  QLineEdit* EditA;
  QPushButton* SpeedButton10;
  QLineEdit* EditB;
  QPushButton* SpeedButton11;
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;
  QGroupBox* GroupBox6;
  QListWidget* LB1;
  QPushButton* SpeedButton12;
  QPushButton* SpeedButton19;
  QPushButton* SpeedButton20;
  QPushButton* SpeedButton21;
  QPushButton* SpeedButton1;
  QPushButton* SpeedButton4;
  QMenu* PopupMenu7;
  QAction* N39;
  QLabel* Label11;
  QLineEdit* EditURL;
  QRadioButton* RBSelA;
  QRadioButton* RBSelB;
  QPushButton* SpeedButton28;
  QPushButton* SpeedButton31;
};

}  // namespace telqor
