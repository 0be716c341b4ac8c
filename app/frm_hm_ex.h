// TfrmhmEx: the main window. It owns, for the whole run, the settings in memory and the data
// folders, the number lists (workspace, source, target, scratch, filter) and their view
// models, the named-pattern file names, the dropped-file list with its pending action, the
// status line with its clock, and the twelve dialogs, which it creates once after itself.
//
// Controls are public members named as their object names; handlers are public members named
// after their control and event. Everything runs on the user-interface thread. Handlers let
// exceptions leave them: the error hook (TelqorApplication) shows the message with ShowStatus.
#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/data_folders.h"
#include "app/drop_files.h"
#include "app/settings.h"
#include "core/ts_list.h"
#include "workspace/number_list.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;
class QUrl;

namespace telqor {

class NumberListModel;
class QtUi;
class Ui;
class UpDown;
class Tfrmhmsetting;
class Tfrmhdmanager;
class Tfrmhdinput;
class Tfrmhmsave;
class Tfrmhdsel;
class TfrmhmRegex;
class TfrmhdSearch;
class TfrmhmInvail;
class Tfrmhmformat;
class TfrmtelInfo;
class TfrmRename;
class TfrmAataAnalysis;

class TfrmhmEx : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window, runs the start-up of the program folder (data tree, settings, managed
  // folders, dated output folder) and creates the dialogs.
  explicit TfrmhmEx(const std::filesystem::path& programFolder, QWidget* parent = nullptr);
  ~TfrmhmEx() override;

  // ---- Status line ----------------------------------------------------------------------
  // Panel 1 := one space + text; then pending events run, so views repaint in long loops.
  void ShowStatus(const QString& text);
  void ShowStatus(std::string_view utf8);
  QString StatusText() const;
  // A status text sent from another thread (the extraction workers): the user-interface thread
  // shows it before the call returns, as a synchronous window message would; an error while
  // showing it is swallowed. The caller must hold no lock that the user-interface thread may
  // wait for. On the user-interface thread it is ShowStatus.
  void ShowStatusFromThread(const std::string& utf8);
  // The Ui for engine calls: this status line, the progress bar, message boxes, the browser.
  Ui& AppUi();
  // Opens a folder in the file browser (the status line says so when it cannot).
  void OpenFolder(const std::filesystem::path& folder);

  // ---- Settings and folders -------------------------------------------------------------
  Settings& CurrentSettings() { return startup_.settings; }
  const DataFolders& Folders() const { return startup_.folders; }
  DataFolders& Folders() { return startup_.folders; }
  const std::filesystem::path& IniFile() const { return startup_.iniFile; }
  // Saves every setting to Telqor.ini now.
  void SaveCurrentSettings();
  // The folder the open-file dialogs start in.
  const std::filesystem::path& OpenDialogFolder() const { return openDialogFolder_; }
  // Bare names of the files of the named-pattern folder, listed at start.
  const std::vector<std::filesystem::path>& NamedPatternFiles() const { return namedPatternFiles_; }

  // ---- Number lists ---------------------------------------------------------------------
  NumberList& Workspace() { return workspace_; }
  NumberList& Source() { return source_; }
  NumberList& Target() { return target_; }
  TSList& WorkspaceList() { return workspace_.Items(); }
  TSList& SourceList() { return source_.Items(); }
  TSList& TargetList() { return target_.Items(); }
  TSList& ScratchList() { return scratchList_; }
  TSList& FilterList() { return filterList_; }
  // The models of lv0, lv1, lv2; each carries its list's view-suspend flag.
  NumberListModel& WorkspaceModel() { return *workspaceModel_; }
  NumberListModel& SourceModel() { return *sourceModel_; }
  NumberListModel& TargetModel() { return *targetModel_; }

  // ---- File drops -----------------------------------------------------------------------
  DroppedFileList& DroppedFiles() { return droppedFiles_; }
  int PendingDropAction() const { return pendingDropAction_; }
  // Handles files dropped on a target widget as the drop event does (tests and imports use it).
  void DropFiles(QWidget* target, const std::vector<std::filesystem::path>& entries);

  // ---- Handlers -------------------------------------------------------------------------
  void TimerTimer();
  void N2Click();
  void N33Click();
  void N65Click();
  void N68Click();
  void N69Click();
  void N76Click();
  void N70Click();
  void N28Click();
  void N62Click();
  void N34Click();
  void RBSelAClick();
  void RBSelBClick();

  // Number lists (workspace lv0, source lv1, target lv2).
  // The view shows the list's new count: model reset, group caption with the count.
  void RefreshView(NumberList& list);
  void SBLoadDataClick();
  void ToolButton3Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton8Click();
  void ToolButton16Click();
  void ToolButton18Click();
  void ToolButton20Click();
  void ToolButton30Click();
  void ToolButton32Click();
  void ToolButton34Click();
  void N18Click();
  void ToolButton6Click();
  void N52Click();
  void N27Click();
  void ToolButton5Click();
  void N56Click();
  void N57Click();
  void N61Click();
  void ii1Click();
  void N55Click();
  void N59Click();
  void N73Click();
  void N58Click();
  void N60Click();
  void SpeedButton17Click();
  void SpeedButton18Click();
  void N23Click();
  void N24Click();
  void N43Click();
  void N44Click();
  void N45Click();
  void N25Click();
  void N26Click();
  void ToolButton43Click();
  void ToolButton36Click();
  void SpeedButton34Click();

  // Replacement and affixes (Panelhmprex).
  void SpeedButton22Click();
  void SpeedButton35Click();
  void N40Click();

  // Range and expansion generation.
  void SBHmExOutClick();
  void SBHmExSaveClick();

  // Export of the lists.
  void SpeedButton23Click();
  void N46Click();
  void N30Click();
  void N31Click();
  void SpeedButton2Click();

  // ---- Dialogs, created once in this order ----------------------------------------------
  Tfrmhmsetting* frmhmsetting = nullptr;
  Tfrmhdmanager* frmhdmanager = nullptr;
  Tfrmhdinput* frmhdinput = nullptr;
  Tfrmhmsave* frmhmsave = nullptr;
  Tfrmhdsel* frmhdsel = nullptr;
  TfrmhmRegex* frmhmRegex = nullptr;
  TfrmhdSearch* frmhdSearch = nullptr;
  TfrmhmInvail* frmhmInvail = nullptr;
  Tfrmhmformat* frmhmformat = nullptr;
  TfrmtelInfo* frmtelInfo = nullptr;
  TfrmRename* frmRename = nullptr;
  TfrmAataAnalysis* frmAataAnalysis = nullptr;

  // ---- Window, menu, status bar, timer --------------------------------------------------
  QMenuBar* MainMenu1;
  QAction* N2;
  QAction* N33;
  QAction* N65;
  QAction* N68;
  QAction* N69;
  QAction* N76;
  QAction* N70;
  QAction* wordexceltxt1;
  QAction* Ansi1;
  QAction* Ansi2;
  QAction* Ansi3;
  QAction* N41;
  QAction* N28;
  QAction* N62;
  QAction* N34;
  QStatusBar* StatusBar;
  QLabel* StatusPanel0;  // the clock
  QLabel* StatusPanel1;  // the status text
  QProgressBar* StatusProgress;
  QTimer* Timer;
  QTabWidget* PageControl1;

  // ---- Tab "号码生成㈠": extraction ------------------------------------------------------
  QGroupBox* GroupBox12;
  QGroupBox* GroupBox11;
  QListWidget* ListBoxF;
  QPushButton* SBLoadFiles;
  QPushButton* SBClearfiles;
  QPushButton* SBLoadDirs;
  QPushButton* SBDeleteSelFiles;
  QGroupBox* GroupBox4;
  QPlainTextEdit* MemoNoInput;
  QPushButton* SBhmSearchOut;
  QPushButton* SBHmSearchSave;
  QCheckBox* CBMobile;
  QCheckBox* CBTels;
  QCheckBox* CBEmails;
  QCheckBox* CBReg;
  QComboBox* CBZoneKind;
  QLineEdit* EditZone;
  QLineEdit* EditReg;
  QMenu* PopupMenu4;
  QAction* N19;
  QAction* N21;
  QAction* N20;

  // ---- Tab "号码生成㈠": workspace list, replacement and affixes --------------------------
  QGroupBox* GroupBoxHmInfo;
  QTableView* lv0;
  QPushButton* SpeedButton5;
  QPushButton* SpeedButton6;
  QPushButton* SpeedButton8;
  QPushButton* SpeedButton7;
  QPushButton* SpeedButton9;
  QPushButton* SpeedButton34;
  QPushButton* SBLoadData;
  QMenu* PopupMenu3;
  QMenu* MenuDataKindFilter;  // "数据类型过滤"
  QAction* N23;
  QAction* N24;
  QAction* N43;
  QAction* N44;
  QAction* N45;
  QAction* N40;
  QAction* N56;
  QAction* ii1;
  QAction* N73;
  QAction* N27;
  QAction* N18;
  QMenu* PopupMenu6;
  QAction* N30;
  QAction* N31;
  QAction* N50;
  QAction* N53;
  QAction* N64;
  QAction* N74;
  QFrame* Panelhmprex;
  QGroupBox* GroupBox5;
  QComboBox* CBA;
  QLabel* Label8;
  QComboBox* CBB;
  QPushButton* SpeedButton22;
  QGroupBox* GroupBox9;
  QLabel* Label13;
  QComboBox* CBDataLen;
  QLabel* Label12;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* SpeedButton35;

  // ---- Tab "号码生成㈠": range and expansion ---------------------------------------------
  QGroupBox* GroupBox10;
  QLineEdit* EditStartNo_;
  QLineEdit* EditEndNo_;
  QLineEdit* EditHMLEN;
  UpDown* UpDown1;
  QLineEdit* EditHMStep;
  UpDown* UpDown2;
  QComboBox* CBBaseNo;
  QComboBox* CBExtendMode;
  QComboBox* CBExtendStep;
  QComboBox* CBExtendNum;
  QPushButton* SBHmExSave;
  QPushButton* SBHmExOut;

  // ---- Tab "号码生成㈡": source list, moves, target list, export --------------------------
  QGroupBox* GBRawData;
  QToolButton* ToolButton2;
  QToolButton* ToolButton1;
  QToolButton* ToolButton3;
  QToolButton* ToolButton5;
  QToolButton* ToolButton6;
  QToolButton* ToolButton16;
  QToolButton* ToolButton18;
  QToolButton* ToolButton20;
  QToolButton* ToolButton43;
  QToolButton* ToolButton23;
  QTableView* lv1;
  QMenu* PopupMenu5;
  QAction* N25;
  QAction* N26;
  QAction* N55;
  QAction* N58;
  QAction* N57;
  QFrame* Panel4;
  QToolButton* SpeedButton13;
  QToolButton* SpeedButton14;
  QToolButton* SpeedButton15;
  QToolButton* SpeedButton16;
  QToolButton* SpeedButton17;
  QToolButton* SpeedButton18;
  QGroupBox* GBDestData;
  QToolButton* ToolButton30;
  QToolButton* ToolButton32;
  QToolButton* ToolButton34;
  QToolButton* ToolButton36;
  QToolButton* ToolButton44;
  QTableView* lv2;
  QMenu* PopupMenu9;
  QAction* N59;
  QAction* N60;
  QAction* N61;
  QAction* N52;
  QGroupBox* GroupBox3;
  QRadioButton* RBRaw;
  QRadioButton* RBDest;
  QPushButton* SpeedButton23;
  QPushButton* SpeedButton24;
  QPushButton* SpeedButton2;
  QMenu* PopupMenu10;
  QAction* N46;
  QAction* N48;
  QAction* N49;
  QAction* N63;
  QAction* N75;

  // ---- Tab "文件管理" ---------------------------------------------------------------------
  QGroupBox* GroupBox7;
  QListWidget* CLBwilluse;
  QPushButton* SpeedButton26;
  QPushButton* SpeedButton29;
  QPushButton* SpeedButton32;
  QMenu* PopupMenu1;
  QAction* N15;
  QAction* N8;
  QAction* N10;
  QAction* N12;
  QAction* N13;
  QAction* N7;
  QAction* N35;
  QAction* N37;
  QAction* N6;
  QAction* N17;
  QAction* N9;
  QGroupBox* GroupBox8;
  QListWidget* CLBused;
  QPushButton* SpeedButton25;
  QPushButton* SpeedButton30;
  QPushButton* SpeedButton33;
  QMenu* PopupMenu2;
  QAction* MenuItem1;
  QAction* MenuItem3;
  QAction* MenuItem4;
  QAction* MenuItem6;
  QAction* MenuItem7;
  QAction* MenuItem8;
  QAction* N36;
  QAction* N38;
  QAction* MenuItem11;
  QGroupBox* GroupBox1;
  QLabel* Label4;
  QLineEdit* EditA;
  QPushButton* SpeedButton10;
  QLabel* Label5;
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

 protected:
  // Performs a confirmed drop with the dropped-file list, on the timer tick after the drop:
  // 1 load into the workspace list, 2 into the source list, 3 hand to the validity check,
  // 4 to the format conversion, 5 to the data analysis.
  virtual void PerformDropAction(int action, const std::vector<std::filesystem::path>& files);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct DropSite {
    QWidget* widget;
    DropTarget target;
  };

  void BuildMenu();
  void BuildStatusBar();
  QWidget* BuildFirstTab();
  QWidget* BuildSecondTab();
  QWidget* BuildThirdTab();
  void FormCreate(const std::filesystem::path& programFolder);
  void CreateForms();
  void RegisterDropTarget(QWidget* widget, DropTarget target);
  void UnregisterDropTargets();
  const DropSite* DropSiteOf(QObject* watched) const;
  void ShowClock();
  void UpdateEditURL();
  void ShowTool(QWidget* dialog);
  void ConnectListHandlers();
  void ConnectEditorHandlers();
  void ConnectGenerationHandlers();
  void ConnectExportHandlers();
  NumberListModel& ModelOf(const NumberList& list);
  QTableView* ViewOf(const NumberList& list);
  // Rows selected in the view of list.
  std::vector<int> SelectedRows(const NumberList& list);
  // Copies a GBK text to the system clipboard (as Unicode).
  void CopyToClipboard(const std::string& gbk);
  // The list the export tool bar works on: source (RBRaw) or target (RBDest).
  NumberList& ExportList();

  Startup startup_;
  std::filesystem::path openDialogFolder_;
  std::vector<std::filesystem::path> namedPatternFiles_;

  NumberList workspace_{ListKind::Workspace};
  NumberList source_{ListKind::Source};
  NumberList target_{ListKind::Target};
  TSList scratchList_;
  TSList filterList_;
  // After the lists, so that they go first; the views let go of a model when it is destroyed.
  std::unique_ptr<NumberListModel> workspaceModel_;
  std::unique_ptr<NumberListModel> sourceModel_;
  std::unique_ptr<NumberListModel> targetModel_;

  DroppedFileList droppedFiles_;
  int pendingDropAction_ = kDropNone;
  std::vector<DropSite> dropSites_;

  std::unique_ptr<QtUi> ui_;
};

}  // namespace telqor
