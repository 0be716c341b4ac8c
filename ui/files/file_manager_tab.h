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
  void BuildToUseFolder();
  void BuildUsedFolder();
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
  CompareMode Comparison() const;
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

  // The controls, named as file_manager_tab_names.h says.
  ManagedFolder* toUse_;  // §待使用文件§
  ManagedFolder* used_;   // §使用过文件§
  QGroupBox* comparisonGroup_;
  QLineEdit* newFileEdit_;
  QPushButton* browseNewFileButton_;
  QLineEdit* referenceFileEdit_;
  QPushButton* browseReferenceFileButton_;
  QPushButton* compareButton_;
  QPushButton* comparisonFolderButton_;
  QGroupBox* filesGroup_;
  QListWidget* fileList_;
  QPushButton* addFilesButton_;
  QPushButton* removeFilesButton_;
  QPushButton* mergeFilesButton_;
  QPushButton* splitFilesButton_;
  QPushButton* dedupeFilesButton_;
  QPushButton* shuffleFilesButton_;
  QMenu* fileListMenu_;
  QAction* openFileFolderItem_;
  QLineEdit* outputFolderEdit_;
  QRadioButton* besideFilesRadio_;
  QRadioButton* fixedFolderRadio_;
  QPushButton* setOutputFolderButton_;
  QPushButton* openOutputFolderButton_;
};

}  // namespace telqor
