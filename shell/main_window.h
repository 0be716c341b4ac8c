// MainWindow: the main window. It runs the start-up of the program folder and owns, for the
// whole run, the settings in memory and the data folders, the number lists, the Ui of the
// status line, the drops and their pending action, and the twelve dialogs, created once after
// itself. It composes the three tabs from the panels of the subsystems, which own their
// controls and handlers; the window keeps the menu, the status bar with its clock and the
// routing of drops. Everything runs on the user-interface thread.
#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_folders.h"
#include "core/dropped_files.h"
#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QAction;
class QLabel;
class QMenuBar;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace telqor {

class DropRouter;
class ExtractionPanel;
class FileManagerTab;
class GenerationPanel;
class ListsTab;
class QtUi;
class AnalysisDialog;
class RenameDialog;
class SegmentInputDialog;
class SegmentLibraryDialog;
class RegionLookupDialog;
class NumberTypeDialog;
class ValidityDialog;
class FormatDialog;
class FeaturePatternDialog;
class SaveCountDialog;
class SettingsDialog;
class AreaCodeTableDialog;
class Ui;
class WorkspacePanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window, runs the start-up of the program folder (data tree, settings, managed
  // folders, dated output folder) and creates the dialogs.
  explicit MainWindow(const std::filesystem::path& programFolder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // ---- Status line ----------------------------------------------------------------------
  // Panel 1 := one space + text; then the window repaints (KeepPainting).
  void ShowStatus(const QString& text);
  void ShowStatus(std::string_view utf8);
  QString StatusText() const;
  // A status text sent from another thread: the user-interface thread shows it at the next
  // turn of its event loop; the call never waits for it (that thread may be waiting for the
  // caller to end). An error while showing it is swallowed. On the user-interface thread it
  // is ShowStatus.
  void ShowStatusFromThread(const std::string& utf8);
  // The Ui for engine calls: this status line, the progress bar, message boxes, the browser.
  Ui& AppUi();

  // ---- Program state and lists ----------------------------------------------------------
  Settings& CurrentSettings() { return program_.settings; }
  const DataFolders& Folders() const { return program_.folders; }
  // Bare names of the files of the named-pattern folder, listed at start.
  const std::vector<std::filesystem::path>& NamedPatternFiles() const { return namedPatternFiles_; }
  NumberLists& Lists() { return lists_; }

  // ---- File drops -----------------------------------------------------------------------
  DroppedFileList& DroppedFiles();
  int PendingDropAction() const;

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

 protected:
  // Performs a confirmed drop with the dropped-file list, on the timer tick after the drop:
  // 1 load into the workspace list, 2 into the source list, 3 hand to the validity check,
  // 4 to the format conversion, 5 to the data analysis.
  virtual void PerformDropAction(int action, const std::vector<std::filesystem::path>& files);
  // The close box does nothing while a user action runs, but an extraction run is stopped and
  // the window closes when it has ended.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildStatusBar();
  void BuildTabs();
  void FormCreate(const std::filesystem::path& programFolder);
  void OfferDefaultData();
  void CreateForms();
  void LoadSegments();
  void LoadAreaCodes();
  void ShowClock();
  void ShowTool(QWidget* dialog);

  ProgramState program_;
  std::vector<std::filesystem::path> namedPatternFiles_;
  NumberLists lists_;
  SegmentDatabase segments_;
  std::unique_ptr<QtUi> ui_;
  std::unique_ptr<AppContext> context_;
  DropRouter* drops_ = nullptr;
  bool closeAfterRun_ = false;

  QMenuBar* MainMenu1;
  QAction* N2;
  QAction* N33;
  QAction* N65;
  QAction* N68;
  QAction* N69;
  QAction* N76;
  QAction* N70;
  QAction* officeToTextItem_;  // "wordexceltxt1" word/excel->txt
  QAction* toAnsiItem_;        // "Ansi1" 文本->ANSI文本
  QAction* toUtf8Item_;        // "Ansi2" 文本->UTF8文本
  QAction* toUnicodeItem_;     // "Ansi3" 文本->Unicode文本
  QAction* cleanBytesItem_;    // "N41" 二進制数据流预处理-(0~128)
  QAction* N28;
  QAction* N62;
  QAction* N34;
  QStatusBar* StatusBar;
  QLabel* StatusPanel0;  // the clock
  QLabel* StatusPanel1;  // the status text
  QProgressBar* StatusProgress;
  QTimer* Timer;
  QTabWidget* PageControl1;

  ExtractionPanel* extraction_ = nullptr;
  WorkspacePanel* workspace_ = nullptr;
  GenerationPanel* generation_ = nullptr;
  ListsTab* listsTab_ = nullptr;
  FileManagerTab* filesTab_ = nullptr;

  // The dialogs, created once in this order.
  SettingsDialog* frmhmsetting = nullptr;
  SegmentLibraryDialog* frmhdmanager = nullptr;
  SegmentInputDialog* frmhdinput = nullptr;
  SaveCountDialog* frmhmsave = nullptr;
  NumberTypeDialog* frmhdsel = nullptr;
  FeaturePatternDialog* frmhmRegex = nullptr;
  RegionLookupDialog* frmhdSearch = nullptr;
  ValidityDialog* frmhmInvail = nullptr;
  FormatDialog* frmhmformat = nullptr;
  AreaCodeTableDialog* frmtelInfo = nullptr;
  RenameDialog* frmRename = nullptr;
  AnalysisDialog* frmAataAnalysis = nullptr;
};

}  // namespace telqor
