// ExtractionPanel: the group "搜索号码-支持拖放文件(夹) " of the first tab: the files and the
// pasted text to search, the kinds of number wanted, and the two start buttons. The main
// window routes files dropped on the file list here.
//
// The panel owns the extraction engine, its five result lists and the area codes. A run is one
// user action: it starts the workers and waits for them while the window keeps painting, the
// status line shows the item being read and the progress bar the items done. Other input is
// held off meanwhile, except for "停止", which ends the run early keeping what was found. When
// the workers are done the results go to the workspace list (button Tag 1) or to one file per
// kind in the dated output folder (Tag 0). User-interface thread only.
#pragma once

#include <QWidget>
#include <mutex>
#include <string>

#include "core/item_list.h"
#include "extract/extraction_engine.h"
#include "extract/search_results.h"
#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/number_list.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace telqor {

class ExtractionPanel : public QWidget {
  Q_OBJECT
 public:
  ExtractionPanel(AppContext& context, NumberList& workspace, QWidget* parent = nullptr);
  ~ExtractionPanel() override;

  DropSites Drops() const;

  // Reads the area codes from the base-data folder (once, at start-up). A table that cannot be
  // read leaves the codes empty; the error propagates.
  void LoadAreaCodes();
  const ItemList& AreaCodes() const { return areaCodes_; }
  const SearchResults& Results() const { return results_; }

  // Whether a run is going.
  bool Running() const { return search_.Active(); }
  // Stops a run for the program's exit: the workers end, and nothing is shown or saved.
  void AbandonRun();

 private:
  void ImportFilesClicked();
  void ImportFolderClicked();
  void DeleteSelectedFilesClicked();
  void ClearFilesClicked();
  // Removes the file double-clicked, after asking.
  void FileListDoubleClicked();
  // Empties the paste box.
  void PasteBoxDoubleClicked();
  void LandlineClicked();
  void ZoneKindChanged();
  void RegexClicked();
  // Both extract buttons: the button's Tag says where the results go.
  void ExtractClicked(QAbstractButton* sender);
  void StopClicked();

  void WaitForRun();
  void SearchDone();
  void ShowWorkerStatus();

  AppContext& context_;
  NumberList& workspace_;
  ItemList areaCodes_;
  SearchResults results_;
  int runMode_ = 1;
  bool abandoned_ = false;
  // The last status text of a worker, shown by the waiting user-interface thread.
  std::mutex statusLock_;
  std::string workerStatus_;
  bool statusPending_ = false;
  ExtractionEngine search_;  // after what its workers report to, so that they end first

  QGroupBox* extractionGroup_;             // "GroupBox12" 搜索号码-支持拖放文件(夹)
  QGroupBox* filesGroup_;                  // "GroupBox11" 带号码文件解析(txt|html|Doc|Excel...)
  QListWidget* fileList_;                  // "ListBoxF", takes file drops
  QPushButton* importFilesButton_;         // "SBLoadFiles" 导入文件
  QPushButton* clearFilesButton_;          // "SBClearfiles" 清空
  QPushButton* importFolderButton_;        // "SBLoadDirs" 导入文件夹
  QPushButton* deleteFilesButton_;         // "SBDeleteSelFiles" 删除选择文件
  QGroupBox* pasteGroup_;                  // "GroupBox4" 号码内容 粘帖在此处
  QPlainTextEdit* pasteBox_;               // "MemoNoInput"
  QPushButton* extractToWorkspaceButton_;  // "SBhmSearchOut" 提取到号码整理框, Tag 1
  QPushButton* extractToFilesButton_;      // "SBHmSearchSave" 提取保存到文件, Tag 0
  QPushButton* stopButton_;                // "SBStopSearch" 停止
  QCheckBox* mobileCheck_;                 // "CBMobile" 手机
  QCheckBox* landlineCheck_;               // "CBTels" 固话
  QCheckBox* emailCheck_;                  // "CBEmails" Email
  QCheckBox* regexCheck_;                  // "CBReg" 正则
  QComboBox* zoneKindCombo_;               // "CBZoneKind" 附加前一区号 / 指定区号 / 不处理
  QLineEdit* zoneEdit_;                    // "EditZone", the area code given
  QLineEdit* regexEdit_;                   // "EditReg" 输入正则表达式
  QMenu* fileListMenu_;                    // "PopupMenu4"
  QAction* importFilesItem_;               // "N19" 导入文件
  QAction* clearFilesItem_;                // "N21" 清空文件
  QAction* deleteFilesItem_;               // "N20" 删除选择文件
};

}  // namespace telqor
