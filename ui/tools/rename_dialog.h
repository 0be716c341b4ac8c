// RenameDialog: the batch file renamer. A folder chosen in the tree, its names taken into the
// rename list (all, or those containing a text), new names computed by the preview or edited
// one by one, and the rename, which copies each file to its new name and may delete the source.
// Created once at start-up by the main window and kept until exit, with its list; the "工具"
// menu shows it modeless. User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>

#include "tools/batch_rename.h"
#include "ui/kit/app_context.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QShowEvent;
class QStatusBar;
class QTableView;
class QTreeView;

namespace telqor {

class RenameListModel;

class RenameDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RenameDialog(AppContext& context, QWidget* parent = nullptr);

  void STVDataClick();
  void SpeedButton1Click();
  void SpeedButton5Click();
  void lv1Click();
  void SBEditDataClick();
  void lv1DblClick();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton6Click();
  void SpeedButton7Click();

 protected:
  // The folder tree is made on the first showing: reading the file system is not start-up's work.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildFolders();
  QGroupBox* BuildTaking();
  QGroupBox* BuildDefinition();
  void Connect();
  void MakeFolderTree();
  void ShowSourceFolder();
  // Runs change on the list while the view reads nothing, then shows the list anew (also when
  // change fails).
  void ChangeEntries(const std::function<void()>& change);
  std::filesystem::path OutputFolder() const;
  NameDefinition Definition() const;

  AppContext& context_;
  QMetaObject::Connection opening_;  // opens the tree down to the source folder while it loads
  RenameList entries_;
  std::filesystem::path source_;  // the folder selected in the tree
  int remembered_ = 0;            // the row last clicked, which "设置" replaces
  RenameListModel* model_;
  QFileSystemModel* folders_ = nullptr;

  QTreeView* STVData;
  QListWidget* SLVData;
  QStatusBar* StatusBar;
  QGroupBox* GroupBox1;
  QLineEdit* EditA;
  QCheckBox* CBAppend;
  QPushButton* SpeedButton1;
  QPushButton* SpeedButton5;
  QTableView* lv1;
  QLineEdit* EditRaw;
  QLineEdit* EditDest;
  QPushButton* SBEditData;
  QGroupBox* GroupBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CBA;
  QLineEdit* EditR1;
  QLineEdit* EditR2;
  QGroupBox* GroupBox4;
  QCheckBox* CBB;
  QComboBox* CBT;
  QLineEdit* EditNumCC;
  QComboBox* CBFF;
  QCheckBox* CBUseNewPath;
  QLineEdit* EditURL;
  QPushButton* SpeedButton6;
  QPushButton* SpeedButton7;
  QCheckBox* CBD;
  QPushButton* SpeedButton2;
  QPushButton* SpeedButton3;
};

}  // namespace telqor
