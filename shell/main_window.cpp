#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QTabWidget>
#include <QThread>
#include <QTime>
#include <QTimer>

#include "core/io/list_files.h"
#include "segments/default_data.h"
#include "shell/drop_router.h"
#include "shell/main_window_names.h"
#include "ui/extract/area_code_table_dialog.h"
#include "ui/extract/extraction_panel.h"
#include "ui/files/file_manager_tab.h"
#include "ui/kit/save_count_dialog.h"
#include "ui/generate/generation_panel.h"
#include "ui/segments/segment_generation_actions.h"
#include "ui/segments/segment_input_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/help/help_dialog.h"
#include "ui/kit/background_work.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/report/report_actions.h"
#include "ui/segments/feature_pattern_dialog.h"
#include "ui/segments/number_type_dialog.h"
#include "ui/segments/region_lookup_dialog.h"
#include "ui/segments/segment_actions.h"
#include "ui/segments/segment_library_dialog.h"
#include "ui/segments/validity_dialog.h"
#include "ui/settings/settings_dialog.h"
#include "ui/tools/analysis_dialog.h"
#include "ui/tools/converter_actions.h"
#include "ui/tools/format_dialog.h"
#include "ui/tools/rename_dialog.h"
#include "ui/workspace/lists_tab.h"
#include "ui/workspace/workspace_panel.h"
#include "workspace/list_operations.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::window;
namespace fs = std::filesystem;

MainWindow::MainWindow(const fs::path& programFolder, QWidget* parent) : QMainWindow(parent) {
  setObjectName(kMainWindow);
  setWindowTitle(u"Telqor "_s + ProgramVersion());
  BuildMenu();
  BuildStatusBar();
  ui_ = std::make_unique<QtUi>(
      this, [this](const QString& text) { ShowStatus(text); }, progressBar_);
  drops_ = new DropRouter(*ui_, this);
  RunStartUp(programFolder);
  CreateDialogs();
  BuildTabs();
  // The converters of the "工具" menu work with the context, which the start-up made.
  auto* converters = new ConverterActions(*context_, this);
  Wire(officeToTextItem_, converters, &ConverterActions::ConvertOfficeFiles);
  Wire(toAnsiItem_, converters, &ConverterActions::RewriteAsAnsi);
  Wire(toUtf8Item_, converters, &ConverterActions::RewriteAsUtf8);
  Wire(toUnicodeItem_, converters, &ConverterActions::RewriteAsUnicode);
  Wire(cleanBytesItem_, converters, &ConverterActions::CleanBinaryFiles);
  DisableUnwired(menuBar_);
  LoadAreaCodes();

  // Centred on the screen, within it. The question at start-up may already have made the
  // window at a default place (Windows), from where the full size would run off the screen.
  QSize size(1280, 800);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size.boundedTo(available.size()), available));
  } else {
    resize(size);
  }
}

MainWindow::~MainWindow() {
  SetErrorStatusSink(nullptr);
  SetBackgroundControls(nullptr, nullptr);
  // The panels and their views go before the lists they show.
  delete drops_;
  delete takeCentralWidget();
}

// ---- Building the window ------------------------------------------------------------------

// The menus 系统, 设置, 工具 and 帮助; the converters of 工具 are wired once the context exists.
void MainWindow::BuildMenu() {
  menuBar_ = Named<QMenuBar>(kMenuBar);
  setMenuBar(menuBar_);
  QMenu* system = AddMenu(kSystemMenu, u"系统"_s);
  exitItem_ = MenuItem(system, kExitItem, u"退出"_s);
  QMenu* setup = AddMenu(kSetupMenu, u"设置"_s);
  settingsItem_ = MenuItem(setup, kSettingsItem, u"参数设置"_s);
  BuildToolsMenu();
  QMenu* help = AddMenu(kHelpMenu, u"帮助"_s);
  helpGuideItem_ = MenuItem(help, kHelpGuideItem, u"使用说明"_s);
  aboutItem_ = MenuItem(help, kAboutItem, u"关于 Telqor"_s);
  ConnectMenu();
}

QMenu* MainWindow::AddMenu(const QString& name, const QString& caption) {
  QMenu* menu = menuBar_->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

void MainWindow::BuildToolsMenu() {
  QMenu* tools = AddMenu(kToolsMenu, u"工具"_s);
  regionLookupItem_ = MenuItem(tools, kRegionLookupItem, u"手机号码地区速查"_s);
  validityCheckItem_ = MenuItem(tools, kValidityCheckItem, u"手机号码格式有效性检查"_s);
  formatConversionItem_ = MenuItem(tools, kFormatConversionItem, u"数据输出格式转换"_s);
  dataAnalysisItem_ = MenuItem(tools, kDataAnalysisItem, u"固定格式数据分析"_s);
  tools->addSeparator();
  areaCodeTableItem_ = MenuItem(tools, kAreaCodeTableItem, u"固话区号对照表"_s);
  tools->addSeparator();
  officeToTextItem_ = MenuItem(tools, kOfficeToTextItem, u"word/excel->txt"_s);
  toAnsiItem_ = MenuItem(tools, kToAnsiItem, u"文本->ANSI文本"_s);
  toUtf8Item_ = MenuItem(tools, kToUtf8Item, u"文本->UTF8文本"_s);
  toUnicodeItem_ = MenuItem(tools, kToUnicodeItem, u"文本->Unicode文本"_s);
  cleanBytesItem_ = MenuItem(tools, kCleanBytesItem, u"二進制数据流预处理-(0~128)"_s);
  tools->addSeparator();
  batchRenameItem_ = MenuItem(tools, kBatchRenameItem, u"文件批量改名"_s);
  tools->addSeparator();
  myDataFolderItem_ = MenuItem(tools, kMyDataFolderItem, u"我的数据目录"_s);
  programFolderItem_ = MenuItem(tools, kProgramFolderItem, u"系统目录"_s);
}

void MainWindow::ConnectMenu() {
  Wire(exitItem_, this, &MainWindow::ExitClicked);
  Wire(settingsItem_, this, &MainWindow::SettingsClicked);
  Wire(regionLookupItem_, this, &MainWindow::RegionLookupClicked);
  Wire(validityCheckItem_, this, &MainWindow::ValidityCheckClicked);
  Wire(formatConversionItem_, this, &MainWindow::FormatConversionClicked);
  Wire(dataAnalysisItem_, this, &MainWindow::DataAnalysisClicked);
  Wire(areaCodeTableItem_, this, &MainWindow::AreaCodeTableClicked);
  Wire(batchRenameItem_, this, &MainWindow::BatchRenameClicked);
  Wire(myDataFolderItem_, this, &MainWindow::MyDataFolderClicked);
  Wire(programFolderItem_, this, &MainWindow::ProgramFolderClicked);
  Wire(helpGuideItem_, this, &MainWindow::HelpGuideClicked);
  Wire(aboutItem_, this, &MainWindow::AboutClicked);
}

void MainWindow::BuildStatusBar() {
  statusBar_ = Named<QStatusBar>(kStatusBar);
  setStatusBar(statusBar_);
  clockPanel_ = Named<QLabel>(kClockPanel);
  clockPanel_->setFixedWidth(120);
  clockPanel_->setAlignment(Qt::AlignCenter);
  clockPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusPanel_ = Named<QLabel>(kStatusPanel, u"  程序启动"_s);
  statusPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusPanel_->setMinimumWidth(1);  // a long message must not widen the window
  progressBar_ = Named<QProgressBar>(kProgressBar);
  progressBar_->setFixedWidth(200);
  progressBar_->setTextVisible(false);
  progressBar_->hide();
  statusBar_->addWidget(clockPanel_);
  statusBar_->addWidget(statusPanel_, 1);
  stopWorkButton_ = Button(kStopWorkButton, u"停止"_s);
  stopWorkButton_->setToolTip(u"停止正在进行的操作，列表保持操作前的样子"_s);
  statusBar_->addPermanentWidget(progressBar_);
  statusBar_->addPermanentWidget(stopWorkButton_);
  SetBackgroundControls(progressBar_, stopWorkButton_);

  timer_ = Named<QTimer>(kTimer, this);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &MainWindow::TimerTicked);
  ShowClock();
  timer_->start();
}

void MainWindow::BuildTabs() {
  auto* first = Named<QWidget>(kFirstTab);
  extraction_ = new ExtractionPanel(*context_, lists_.workspace);
  workspace_ = new WorkspacePanel(*context_, lists_, saveCountDialog_);
  generation_ = new GenerationPanel(*context_, lists_.workspace);
  auto* columns = new QHBoxLayout(first);
  columns->addWidget(extraction_, 0);
  columns->addWidget(workspace_, 1);
  columns->addWidget(generation_, 0);
  listsTab_ = new ListsTab(*context_, lists_, saveCountDialog_);
  filesTab_ = new FileManagerTab(*context_, saveCountDialog_);

  tabs_ = Named<QTabWidget>(kTabs);
  tabs_->setTabPosition(QTabWidget::South);
  tabs_->addTab(first, u"号码生成㈠"_s);
  tabs_->addTab(listsTab_, u"号码生成㈡"_s);
  tabs_->addTab(filesTab_, u"文件管理"_s);
  tabs_->setCurrentIndex(0);
  setCentralWidget(tabs_);
  // The segment subsystems do the work that some controls of the panels ask for.
  auto* segmentActions =
      new SegmentActions(*context_, lists_.scratch, segments_, numberTypeDialog_, featurePatternDialog_, this);
  ConnectRequest(workspace_, &WorkspacePanel::ExportRequested, segmentActions, &SegmentActions::Export);
  ConnectRequest(listsTab_, &ListsTab::ExportRequested, segmentActions, &SegmentActions::Export);
  ConnectRequest(listsTab_, &ListsTab::MoveByFeatureRequested, segmentActions, &SegmentActions::MoveByFeature);
  ConnectRequest(listsTab_, &ListsTab::MoveByTypeRequested, segmentActions, &SegmentActions::MoveByType);
  auto* reports = new ReportActions(*context_, segments_, this);
  ConnectRequest(workspace_, &WorkspacePanel::StatsRequested, reports, &ReportActions::ShowStats);
  ConnectRequest(workspace_, &WorkspacePanel::LookupTableRequested, reports, &ReportActions::SaveLookupTable);
  ConnectRequest(listsTab_, &ListsTab::StatsRequested, reports, &ReportActions::ShowStats);
  ConnectRequest(listsTab_, &ListsTab::LookupTableRequested, reports, &ReportActions::SaveLookupTable);
  auto* segmentGeneration =
      new SegmentGenerationActions(*context_, lists_.source, segmentInputDialog_, segmentLibraryDialog_, this);
  ConnectRequest(listsTab_, &ListsTab::InputSegmentsRequested, segmentGeneration,
                 &SegmentGenerationActions::InputSegments);
  ConnectRequest(listsTab_, &ListsTab::ImportSegmentsRequested, segmentGeneration,
                 &SegmentGenerationActions::ImportSegments);
  DisableUnwired(tabs_);

  for (const DropSites& sites : {extraction_->Drops(), workspace_->Drops(), listsTab_->Drops(), filesTab_->Drops()})
    drops_->Register(sites);
  drops_->Register({{validityDialog_->DropList(), DropTarget::kValidityList},
                    {formatDialog_->DropList(), DropTarget::kFormatList},
                    {analysisDialog_->DropList(), DropTarget::kAnalysisList}});
}

// ---- Start-up -----------------------------------------------------------------------------

void MainWindow::RunStartUp(const fs::path& programFolder) {
  SetErrorStatusSink([this](const QString& message) { ShowStatus(message); });
  program_ = StartUp(programFolder);
  for (const std::string& problem : program_.problems) ShowStatus(std::string_view(problem));
  OfferDefaultData();
  ListFiles(program_.folders.namedPatterns, "*.*", namedPatternFiles_, false, false);
  context_ = std::make_unique<AppContext>(AppContext{program_, *ui_});
}

// A new program folder has no segment database and no area-code table, so lookups, exports by
// region and landline area codes give nothing. The program offers the data it carries at every
// start while one of the files is missing; what the user has is never replaced.
void MainWindow::OfferDefaultData() {
  std::vector<std::string_view> missing = MissingDefaultDataFiles(program_.folders.baseData);
  if (missing.empty()) return;
  QStringList names;
  for (std::string_view name : missing) names << FromUtf8(name);
  QString question =
      u"基础数据缺少 %1。\n是否写入程序附带的默认数据(2025年公开号段库：517,258个号段，31个省、343个城市(按2023年行政区划)，"
      u"及各城市的固话区号)？"_s.arg(names.join(u"、"_s));
  if (WouldWriteCurrentPrefixes(program_, false)) question += u"\n运营商号段设置也将更新为当前号段(含16x、19x)。"_s;
  question += u"\n已有的文件不会被覆盖，以后可以换成您自己的数据。"_s;
  // Asked before the window is shown: without a parent the box stands centred on the screen.
  if (!AskYesNoBox(nullptr, question)) return;
  try {
    DefaultDataResult result = WriteDefaultData(program_, false);
    ShowStatus(u"已写入默认数据：%1"_s.arg(names.join(u"、"_s)) +
               (result.prefixesWritten ? u"，并更新了运营商号段"_s : QString()));
  } catch (const std::exception& error) {
    ShowStatus(std::string_view(error.what()));
  }
}

void MainWindow::CreateDialogs() {
  settingsDialog_ = new SettingsDialog(this);
  settingsDialog_->Bind(&program_.settings, &program_.folders);
  segmentLibraryDialog_ = new SegmentLibraryDialog(*context_, segments_, this);
  LoadSegments();
  segmentInputDialog_ = new SegmentInputDialog(segments_, this);
  saveCountDialog_ = new SaveCountDialog(this);
  numberTypeDialog_ = new NumberTypeDialog(this);
  featurePatternDialog_ = new FeaturePatternDialog(*context_, namedPatternFiles_, this);
  regionLookupDialog_ = new RegionLookupDialog(segments_, this);
  regionLookupDialog_->Bind(&program_.settings);  // the carrier beside the region
  validityDialog_ = new ValidityDialog(*context_, segments_, this);
  formatDialog_ = new FormatDialog(*context_, this);
  areaCodeTableDialog_ = new AreaCodeTableDialog(*context_, this);
  renameDialog_ = new RenameDialog(*context_, this);
  analysisDialog_ = new AnalysisDialog(*context_, this);
}

// The segment database is read once, as the segment library dialog is made; a file that
// cannot be read leaves the database as far as it came and says why in the status line.
void MainWindow::LoadSegments() {
  SegmentLoadReport report;
  try {
    report = segments_.Load(program_.folders.baseData, program_.folders.myData);
    for (const std::string& message : report.messages) ShowStatus(std::string_view(message));
  } catch (const std::exception& error) {
    ShowStatus(std::string_view(error.what()));
  }
  segmentLibraryDialog_->ShowLoadReport(report);
}

// The landline area codes, read once at the end of the start-up; a table that cannot be read
// leaves none and says why.
void MainWindow::LoadAreaCodes() {
  try {
    extraction_->LoadAreaCodes();
  } catch (const std::exception& error) {
    ShowStatus(std::string_view(error.what()));
  }
}

// ---- Status line and clock ----------------------------------------------------------------

void MainWindow::ShowStatus(const QString& text) {
  statusPanel_->setText(u" "_s + text);
  KeepPainting();
}

void MainWindow::ShowStatus(std::string_view utf8) { ShowStatus(FromUtf8(utf8)); }

QString MainWindow::StatusText() const { return statusPanel_->text(); }

void MainWindow::ShowStatusFromThread(const std::string& utf8) {
  auto show = [this, text = QString::fromStdString(utf8)] {
    try {
      ShowStatus(text);
    } catch (...) {
    }
  };
  if (QThread::currentThread() == thread()) {
    show();
  } else {
    QMetaObject::invokeMethod(this, show, Qt::QueuedConnection);
  }
}

Ui& MainWindow::AppUi() { return *ui_; }

void MainWindow::ShowClock() { clockPanel_->setText(QTime::currentTime().toString(u"hh:mm:ss"_s)); }

void MainWindow::TimerTicked() {
  timer_->stop();
  // A pending drop waits while another action runs.
  if (!UserActionRunning() && drops_->PendingAction() != kDropNone) {
    int action = drops_->TakePendingAction();
    RunUserAction([&] { PerformDropAction(action, drops_->DroppedFiles().Paths()); });
  }
  // The close box during an extraction run stopped the run; the window closes once it ended.
  if (closeAfterRun_ && !UserActionRunning()) close();
  ShowClock();
  timer_->start();
}

void MainWindow::PerformDropAction(int action, const std::vector<fs::path>& files) {
  if (action == kDropToWorkspace || action == kDropToSource) {
    NumberList& list = action == kDropToWorkspace ? lists_.workspace : lists_.source;
    context_->InBackground(
        {&list}, [&](Ui& ui) { LoadFilesInto(list, files, ui); }, Stoppable::kYes);
  }
  if (action == kDropToValidityCheck) validityDialog_->LoadFiles(files);
  if (action == kDropToFormatConversion) formatDialog_->LoadFiles(files);
  if (action == kDropToDataAnalysis) analysisDialog_->LoadFiles(files);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window's close box while an action works; "退出" itself is an action and may close.
  if (event->spontaneous() && UserActionRunning()) {
    if (extraction_->Running()) {
      extraction_->AbandonRun();
      closeAfterRun_ = true;
    } else if (BackgroundWorkRunning()) {
      // A list operation is not cut short: a stoppable one stops, any other is waited for.
      const bool stopping = RequestBackgroundStop();
      closeAfterRun_ = true;
      ShowStatus(stopping ? u"正在停止当前操作，停止后关闭窗口..."_s : u"正在处理数据，完成后关闭窗口..."_s);
    }
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

DroppedFileList& MainWindow::DroppedFiles() { return drops_->DroppedFiles(); }
int MainWindow::PendingDropAction() const { return drops_->PendingAction(); }

// ---- Menu ---------------------------------------------------------------------------------

void MainWindow::ExitClicked() { close(); }

void MainWindow::SettingsClicked() {
  if (ExecDialog(settingsDialog_) != QDialog::Accepted) return;
  Settings& s = program_.settings;
  settingsDialog_->CopyBack(s);
  // The folders follow the dialog at once; an emptied folder field means the default folder.
  std::vector<std::string> problems = FollowFolderSettings(s, program_.folders);
  filesTab_->FoldersChanged();
  SaveSettings(program_.iniFile, s);
  for (const std::string& problem : problems) ShowStatus(std::string_view(problem));
}

void MainWindow::ShowTool(QWidget* dialog) {
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void MainWindow::RegionLookupClicked() { ShowTool(regionLookupDialog_); }
void MainWindow::ValidityCheckClicked() { ShowTool(validityDialog_); }
void MainWindow::FormatConversionClicked() { ShowTool(formatDialog_); }
void MainWindow::DataAnalysisClicked() { ShowTool(analysisDialog_); }
void MainWindow::AreaCodeTableClicked() { ShowTool(areaCodeTableDialog_); }
void MainWindow::BatchRenameClicked() { ShowTool(renameDialog_); }
void MainWindow::MyDataFolderClicked() { ui_->OpenFolder(program_.folders.myData); }
void MainWindow::ProgramFolderClicked() { ui_->OpenFolder(program_.folders.program); }

// The help dialogs are made on first use: the guide's pages and pictures load only when asked for.
void MainWindow::HelpGuideClicked() {
  if (!helpDialog_) helpDialog_ = new HelpDialog(this);
  ShowTool(helpDialog_);
}

void MainWindow::AboutClicked() {
  if (!aboutDialog_)
    aboutDialog_ = new AboutDialog(SegmentDataFactsOf(program_.folders, segments_.SegmentCount()), this);
  ShowTool(aboutDialog_);
}

}  // namespace telqor
