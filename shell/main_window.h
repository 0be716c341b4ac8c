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

#include "core/program/data_folders.h"
#include "core/program/dropped_files.h"
#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
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
class HelpDialog;
class AboutDialog;
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

 protected:
  // Performs a confirmed drop with the dropped-file list, on the timer tick after the drop:
  // 1 load into the workspace list, 2 into the source list, 3 hand to the validity check,
  // 4 to the format conversion, 5 to the data analysis.
  virtual void PerformDropAction(int action, const std::vector<std::filesystem::path>& files);
  // The close box does nothing while a user action runs, but an extraction run is stopped and
  // the window closes when it has ended.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The pictures of the documentation show the tabs and the settings dialog.
  friend bool SaveScreenshots(MainWindow& window, const QString& folder);

  void BuildMenu();
  QMenu* AddMenu(const QString& name, const QString& caption);
  void BuildToolsMenu();
  void ConnectMenu();
  void BuildStatusBar();
  void BuildTabs();
  void RunStartUp(const std::filesystem::path& programFolder);
  void OfferDefaultData();
  void CreateDialogs();
  void LoadSegments();
  void LoadAreaCodes();
  void ShowClock();
  void ShowTool(QWidget* dialog);

  // Handlers.
  void TimerTicked();
  void ExitClicked();
  void SettingsClicked();
  void RegionLookupClicked();
  void ValidityCheckClicked();
  void FormatConversionClicked();
  void DataAnalysisClicked();
  void AreaCodeTableClicked();
  void BatchRenameClicked();
  void MyDataFolderClicked();
  void ProgramFolderClicked();
  void HelpGuideClicked();
  void AboutClicked();

  ProgramState program_;
  std::vector<std::filesystem::path> namedPatternFiles_;
  NumberLists lists_;
  SegmentDatabase segments_;
  std::unique_ptr<QtUi> ui_;
  std::unique_ptr<AppContext> context_;
  DropRouter* drops_ = nullptr;
  bool closeAfterRun_ = false;

  // The controls, named as main_window_names.h says.
  QMenuBar* menuBar_;
  QAction* exitItem_;
  QAction* settingsItem_;
  QAction* regionLookupItem_;
  QAction* validityCheckItem_;
  QAction* formatConversionItem_;
  QAction* dataAnalysisItem_;
  QAction* areaCodeTableItem_;
  QAction* officeToTextItem_;
  QAction* toAnsiItem_;
  QAction* toUtf8Item_;
  QAction* toUnicodeItem_;
  QAction* cleanBytesItem_;
  QAction* batchRenameItem_;
  QAction* myDataFolderItem_;
  QAction* programFolderItem_;
  QAction* helpGuideItem_;
  QAction* aboutItem_;
  QStatusBar* statusBar_;
  QLabel* clockPanel_;   // the clock
  QLabel* statusPanel_;  // the status text
  QProgressBar* progressBar_;
  QPushButton* stopWorkButton_;  // stops a list operation that may stop
  QTimer* timer_;                // the clock and the pending drops
  QTabWidget* tabs_;

  ExtractionPanel* extraction_ = nullptr;
  WorkspacePanel* workspace_ = nullptr;
  GenerationPanel* generation_ = nullptr;
  ListsTab* listsTab_ = nullptr;
  FileManagerTab* filesTab_ = nullptr;

  // The dialogs, created once in this order.
  SettingsDialog* settingsDialog_ = nullptr;
  SegmentLibraryDialog* segmentLibraryDialog_ = nullptr;
  SegmentInputDialog* segmentInputDialog_ = nullptr;
  SaveCountDialog* saveCountDialog_ = nullptr;
  NumberTypeDialog* numberTypeDialog_ = nullptr;
  FeaturePatternDialog* featurePatternDialog_ = nullptr;
  RegionLookupDialog* regionLookupDialog_ = nullptr;
  ValidityDialog* validityDialog_ = nullptr;
  FormatDialog* formatDialog_ = nullptr;
  AreaCodeTableDialog* areaCodeTableDialog_ = nullptr;
  RenameDialog* renameDialog_ = nullptr;
  AnalysisDialog* analysisDialog_ = nullptr;
  // Made on first use from the "帮助" menu.
  HelpDialog* helpDialog_ = nullptr;
  AboutDialog* aboutDialog_ = nullptr;
};

}  // namespace telqor
