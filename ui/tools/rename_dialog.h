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

#include "files/batch_rename.h"
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

 protected:
  // The folder tree is made on the first showing: reading the file system is not start-up's work.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildFolders();
  QGroupBox* BuildTaking();
  QGroupBox* BuildDefinition();
  void BuildReplaceGroup();
  void BuildPatternGroup();
  void WireControls();
  void MakeFolderTree();
  void ShowSourceFolder();
  // Runs change on the list while the view reads nothing, then shows the list anew (also when
  // change fails).
  void ChangeEntries(const std::function<void()>& change);
  std::filesystem::path OutputFolder() const;
  NameDefinition Definition() const;

  // The folder chosen in the tree becomes the source folder.
  void SourceFolderChanged();
  void TakeNamesClicked();
  void ClearListClicked();
  // The clicked row into the two name fields, for "设置".
  void RenameListClicked();
  void SetEntryClicked();
  // Removes the row double-clicked.
  void RenameListDoubleClicked();
  void PreviewClicked();
  void RenameClicked();
  void ChooseOutputFolderClicked();
  void OpenOutputFolderClicked();

  AppContext& context_;
  QMetaObject::Connection opening_;  // opens the tree down to the source folder while it loads
  RenameList entries_;
  std::filesystem::path source_;  // the folder selected in the tree
  int clickedRow_ = 0;            // the row last clicked, which "设置" replaces
  RenameListModel* model_;
  QFileSystemModel* folders_ = nullptr;

  // The controls, named as rename_dialog_names.h says.
  QTreeView* folderTree_;        // the folders
  QListWidget* folderContents_;  // what the source folder holds
  QStatusBar* statusBar_;        // the source folder
  QGroupBox* takingGroup_;
  QLineEdit* matchEdit_;
  QCheckBox* appendCheck_;
  QPushButton* takeButton_;
  QPushButton* clearButton_;
  QTableView* renameView_;
  QLineEdit* oldNameEdit_;
  QLineEdit* newNameEdit_;
  QPushButton* setEntryButton_;
  QGroupBox* definitionGroup_;
  QGroupBox* replaceGroup_;
  QCheckBox* replaceCheck_;
  QLineEdit* replaceFromEdit_;
  QLineEdit* replaceToEdit_;
  QGroupBox* patternGroup_;
  QCheckBox* patternCheck_;
  QComboBox* patternCombo_;
  QLineEdit* startNumberEdit_;
  QComboBox* caseCombo_;
  QCheckBox* newFolderCheck_;
  QLineEdit* outputFolderEdit_;
  QPushButton* chooseOutputButton_;
  QPushButton* openOutputButton_;
  QCheckBox* deleteSourceCheck_;
  QPushButton* previewButton_;
  QPushButton* renameButton_;
};

}  // namespace telqor
