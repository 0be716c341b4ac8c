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
  // saveCountDialog asks for the line count of splits. Both managed folders are listed at once.
  FileManagerTab(AppContext& context, SaveCountDialog* saveCountDialog, QWidget* parent = nullptr);

  DropSites Drops() const;
  // The folders in use changed (settings dialog): the managed folders are listed anew and the
  // output row shows the output folder.
  void FoldersChanged();

 private:
  void BuildManagedFolders();
  void BuildComparison();
  void BuildGeneralFiles();
  void Connect();
  // The output folder field is enabled exactly while "固定文件目录" is chosen, from the start on.
  void UpdateOutputFolderField();
  void ShowOutputFolder();

  FileSelection ManagedSelection(ManagedFolder* folder) const;
  FileSelection GeneralSelection() const;
  // Asks for the line count first, then takes the selection.
  void Split(const std::function<FileSelection()>& select, std::string_view done);
  bool ModeB() const;
  // A file chosen with the open dialog into a comparison field.
  void Browse(QLineEdit* field);

  // Handlers: the to-use folder's menu.
  void RefreshToUseClicked();
  void CheckAllToUseClicked();
  void CheckNoneToUseClicked();
  void MergeToUseClicked();
  void DeleteToUseClicked();
  void DedupeToUseClicked();
  void ShuffleToUseClicked();
  void SplitToUseClicked();
  void CompareWithUsedClicked();
  void MarkAsUsedClicked();
  void OpenToUseFolderClicked();
  // The used-files folder's menu.
  void RefreshUsedClicked();
  void CheckAllUsedClicked();
  void CheckNoneUsedClicked();
  void MergeUsedClicked();
  void DeleteUsedClicked();
  void DedupeUsedClicked();
  void ShuffleUsedClicked();
  void SplitUsedClicked();
  void OpenUsedFolderClicked();
  // The general file list and the output folder.
  void AddFilesClicked();
  void RemoveFilesClicked();
  void MergeFilesClicked();
  void SplitFilesClicked();
  void DedupeFilesClicked();
  void ShuffleFilesClicked();
  void OpenFileFolderClicked();
  void OutputFolderChoiceClicked();
  void SetOutputFolderClicked();
  void OpenOutputFolderClicked();
  // The comparison.
  void BrowseNewFileClicked();
  void BrowseReferenceFileClicked();
  void CompareClicked();
  void OpenComparisonFolderClicked();

  AppContext& context_;
  SaveCountDialog* saveCountDialog_;

  ManagedFolder* toUse_;              // "GroupBox7" §待使用文件§: CLBwilluse, SpeedButton26/29/32, PopupMenu1
  ManagedFolder* used_;               // "GroupBox8" §使用过文件§: CLBused, SpeedButton25/30/33, PopupMenu2
  QGroupBox* comparisonGroup_;        // "GroupBox1" 文件比对
  QLineEdit* newFileEdit_;            // "EditA" 新文件
  QPushButton* browseNewFileButton_;  // "SpeedButton10" 浏览
  QLineEdit* referenceFileEdit_;      // "EditB" 原文件
  QPushButton* browseReferenceFileButton_;  // "SpeedButton11" 浏览
  QPushButton* compareButton_;              // "BitBtn2" 比对生成
  QPushButton* comparisonFolderButton_;     // "BitBtn1" 浏览生成文件夹
  QGroupBox* filesGroup_;                   // "GroupBox6" 要转换文件
  QListWidget* fileList_;                   // "LB1"
  QPushButton* addFilesButton_;             // "SpeedButton12" 加入文件
  QPushButton* removeFilesButton_;          // "SpeedButton19" 删除文件
  QPushButton* mergeFilesButton_;           // "SpeedButton20" 合并文件
  QPushButton* splitFilesButton_;           // "SpeedButton21" 分割文件
  QPushButton* dedupeFilesButton_;          // "SpeedButton1" 去重文件
  QPushButton* shuffleFilesButton_;         // "SpeedButton4" 乱序文件
  QMenu* fileListMenu_;                     // "PopupMenu7"
  QAction* openFileFolderItem_;             // "N39" 打开当前文件的目录
  QLineEdit* outputFolderEdit_;             // "EditURL"
  QRadioButton* besideFilesRadio_;          // "RBSelA" 转换文件目录
  QRadioButton* fixedFolderRadio_;          // "RBSelB" 固定文件目录
  QPushButton* setOutputFolderButton_;      // "SpeedButton28" 设定
  QPushButton* openOutputFolderButton_;     // "SpeedButton31" 打开
};

}  // namespace telqor
