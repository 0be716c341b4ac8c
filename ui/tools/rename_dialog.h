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

 protected:
  // The folder tree is made on the first showing: reading the file system is not start-up's work.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildFolders();
  QGroupBox* BuildTaking();
  QGroupBox* BuildDefinition();
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

  QTreeView* folderTree_;            // "STVData", the folders
  QListWidget* folderContents_;      // "SLVData", what the source folder holds
  QStatusBar* statusBar_;            // "StatusBar", the source folder
  QGroupBox* takingGroup_;           // "GroupBox1" 源文件输入设置-文件名匹配
  QLineEdit* matchEdit_;             // "EditA" 文件名匹配
  QCheckBox* appendCheck_;           // "CBAppend" 累加
  QPushButton* takeButton_;          // "SpeedButton1" 选取
  QPushButton* clearButton_;         // "SpeedButton5" 清空
  QTableView* renameView_;           // "lv1" 原始文件名, 新文件名
  QLineEdit* oldNameEdit_;           // "EditRaw"
  QLineEdit* newNameEdit_;           // "EditDest"
  QPushButton* setEntryButton_;      // "SBEditData" 设置
  QGroupBox* definitionGroup_;       // "GroupBox2" 新文件名定义
  QGroupBox* replaceGroup_;          // "GroupBox3"
  QCheckBox* replaceCheck_;          // "CBA" 替换内容
  QLineEdit* replaceFromEdit_;       // "EditR1"
  QLineEdit* replaceToEdit_;         // "EditR2"
  QGroupBox* patternGroup_;          // "GroupBox4"
  QCheckBox* patternCheck_;          // "CBB" 文件名重命名定义(#为数字)
  QComboBox* patternCombo_;          // "CBT"
  QLineEdit* startNumberEdit_;       // "EditNumCC" 开始数字
  QComboBox* caseCombo_;             // "CBFF" 大小写不变, 小写, 大写
  QCheckBox* newFolderCheck_;        // "CBUseNewPath" 输出到新目录
  QLineEdit* outputFolderEdit_;      // "EditURL"
  QPushButton* chooseOutputButton_;  // "SpeedButton6" 设置
  QPushButton* openOutputButton_;    // "SpeedButton7" 打开
  QCheckBox* deleteSourceCheck_;     // "CBD" 删除原来文件
  QPushButton* previewButton_;       // "SpeedButton2" 预览
  QPushButton* renameButton_;        // "SpeedButton3" 更新
};

}  // namespace telqor
