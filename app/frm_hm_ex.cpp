#include "app/frm_hm_ex.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDropEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/frm_hm_setting.h"
#include "app/list_files.h"
#include "app/named.h"
#include "app/number_view.h"
#include "app/qt_ui.h"
#include "workspace/kind_filter.h"
#include "app/telqor_application.h"
#include "app/up_down.h"
#include "core/gbk.h"
#include "extract/frm_tel_info.h"
#include "files/frm_hm_save.h"
#include "generate/frm_hd_input.h"
#include "segments/frm_hd_manager.h"
#include "segments/frm_hd_search.h"
#include "segments/frm_hd_sel.h"
#include "segments/frm_hm_invail.h"
#include "segments/frm_hm_regex.h"
#include "tools/frm_aata_analysis.h"
#include "tools/frm_hm_format.h"
#include "tools/frm_rename.h"
#include "workspace/number_list_model.h"

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

// A push button that may shrink to its caption when the window is narrow (the style's
// minimum of some 80 pixels would make a row of seven short captions push the window wide).
QPushButton* Button(const QString& name, const QString& caption) {
  auto* b = Named<QPushButton>(name, caption);
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(caption) + 16);
  return b;
}

QToolButton* ToolButton(const QString& name, const QString& caption) {
  auto* b = Named<QToolButton>(name);
  b->setText(caption);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

QAction* Item(QMenu* menu, const QString& name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w);
  if (stretchAtEnd) row->addStretch();
  return row;
}

// Every item of a popup whose action is still to come is shown disabled; sub-menus stay open.
void DisableItems(QMenu* menu) {
  for (QAction* a : menu->actions()) {
    if (QMenu* sub = a->menu()) {
      DisableItems(sub);
    } else if (!a->isSeparator()) {
      a->setEnabled(false);
    }
  }
}

// A button whose function is still to come is shown disabled.
void Later(std::initializer_list<QWidget*> widgets) {
  for (QWidget* w : widgets) w->setEnabled(false);
}

void PopupAtMouse(QAbstractButton* button, QMenu* menu) {
  QObject::connect(button, &QAbstractButton::clicked, menu, [menu] { menu->popup(QCursor::pos()); });
}

void ContextMenu(QAbstractScrollArea* view, QMenu* menu) {
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                   [view, menu](const QPoint& pos) { menu->popup(view->viewport()->mapToGlobal(pos)); });
}

QTableView* NumberView(const QString& name) {
  auto* view = Named<QTableView>(name);
  ConfigureNumberView(view);
  return view;
}

QString PathText(const fs::path& path) { return QString::fromStdString(path.string()); }

std::vector<fs::path> LocalPaths(const QMimeData* data) {
  std::vector<fs::path> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.emplace_back(url.toLocalFile().toStdString());
  return paths;
}

}  // namespace

TfrmhmEx::TfrmhmEx(const fs::path& programFolder, QWidget* parent) : QMainWindow(parent) {
  setObjectName(u"frmhmEx"_s);
  setWindowTitle(u"Telqor 1.1"_s);

  workspaceModel_ = std::make_unique<NumberListModel>(&workspace_);
  sourceModel_ = std::make_unique<NumberListModel>(&source_);
  targetModel_ = std::make_unique<NumberListModel>(&target_);

  BuildMenu();
  BuildStatusBar();
  PageControl1 = Named<QTabWidget>(u"PageControl1"_s);
  PageControl1->setTabPosition(QTabWidget::South);
  PageControl1->addTab(BuildFirstTab(), u"号码生成㈠"_s);
  PageControl1->addTab(BuildSecondTab(), u"号码生成㈡"_s);
  PageControl1->addTab(BuildThirdTab(), u"文件管理"_s);
  PageControl1->setCurrentIndex(0);
  setCentralWidget(PageControl1);

  ui_ = std::make_unique<QtUi>(
      this, [this](const QString& text) { ShowStatus(text); }, StatusProgress);

  FormCreate(programFolder);
  CreateForms();
  ConnectListHandlers();
  ConnectEditorHandlers();
  ConnectGenerationHandlers();
  ConnectExportHandlers();

  QSize size(1280, 800);
  if (QScreen* screen = QGuiApplication::primaryScreen()) size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
}

TfrmhmEx::~TfrmhmEx() {
  UnregisterDropTargets();
  SetErrorStatusSink(nullptr);
}

// ---- Building the window ------------------------------------------------------------------

void TfrmhmEx::BuildMenu() {
  MainMenu1 = Named<QMenuBar>(u"MainMenu1"_s);
  setMenuBar(MainMenu1);

  QMenu* system = MainMenu1->addMenu(u"系统"_s);
  system->setObjectName(u"MenuSystem"_s);
  N2 = Item(system, u"N2"_s, u"退出"_s);

  QMenu* setup = MainMenu1->addMenu(u"设置"_s);
  setup->setObjectName(u"MenuSetup"_s);
  N33 = Item(setup, u"N33"_s, u"参数设置"_s);

  QMenu* tools = MainMenu1->addMenu(u"工具"_s);
  tools->setObjectName(u"MenuTools"_s);
  N65 = Item(tools, u"N65"_s, u"手机号码地区速查"_s);
  N68 = Item(tools, u"N68"_s, u"手机号码格式有效性检查"_s);
  N69 = Item(tools, u"N69"_s, u"数据输出格式转换"_s);
  N76 = Item(tools, u"N76"_s, u"固定格式数据分析"_s);
  tools->addSeparator();
  N70 = Item(tools, u"N70"_s, u"固话区号对照表"_s);
  tools->addSeparator();
  wordexceltxt1 = Item(tools, u"wordexceltxt1"_s, u"word/excel->txt"_s);
  Ansi1 = Item(tools, u"Ansi1"_s, u"文本->ANSI文本"_s);
  Ansi2 = Item(tools, u"Ansi2"_s, u"文本->UTF8文本"_s);
  Ansi3 = Item(tools, u"Ansi3"_s, u"文本->Unicode文本"_s);
  N41 = Item(tools, u"N41"_s, u"二進制数据流预处理-(0~128)"_s);
  tools->addSeparator();
  N28 = Item(tools, u"N28"_s, u"文件批量改名"_s);
  tools->addSeparator();
  N62 = Item(tools, u"N62"_s, u"我的数据目录"_s);
  N34 = Item(tools, u"N34"_s, u"系统目录"_s);

  QMenu* help = MainMenu1->addMenu(u"帮助"_s);
  help->setObjectName(u"MenuHelp"_s);

  for (QAction* later : {wordexceltxt1, Ansi1, Ansi2, Ansi3, N41}) later->setEnabled(false);

  connect(N2, &QAction::triggered, this, Guarded([this] { N2Click(); }));
  connect(N33, &QAction::triggered, this, Guarded([this] { N33Click(); }));
  connect(N65, &QAction::triggered, this, Guarded([this] { N65Click(); }));
  connect(N68, &QAction::triggered, this, Guarded([this] { N68Click(); }));
  connect(N69, &QAction::triggered, this, Guarded([this] { N69Click(); }));
  connect(N76, &QAction::triggered, this, Guarded([this] { N76Click(); }));
  connect(N70, &QAction::triggered, this, Guarded([this] { N70Click(); }));
  connect(N28, &QAction::triggered, this, Guarded([this] { N28Click(); }));
  connect(N62, &QAction::triggered, this, Guarded([this] { N62Click(); }));
  connect(N34, &QAction::triggered, this, Guarded([this] { N34Click(); }));
}

void TfrmhmEx::BuildStatusBar() {
  StatusBar = Named<QStatusBar>(u"StatusBar"_s);
  setStatusBar(StatusBar);
  StatusPanel0 = Named<QLabel>(u"StatusPanel0"_s);
  StatusPanel0->setFixedWidth(120);
  StatusPanel0->setAlignment(Qt::AlignCenter);
  StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusPanel1 = Named<QLabel>(u"StatusPanel1"_s, u"  程序启动"_s);
  StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusPanel1->setMinimumWidth(1);  // a long message must not widen the window
  StatusProgress = Named<QProgressBar>(u"StatusProgress"_s);
  StatusProgress->setFixedWidth(200);
  StatusProgress->setTextVisible(false);
  StatusProgress->hide();
  StatusBar->addWidget(StatusPanel0);
  StatusBar->addWidget(StatusPanel1, 1);
  StatusBar->addPermanentWidget(StatusProgress);

  Timer = Named<QTimer>(u"Timer"_s, this);
  Timer->setInterval(1000);
  connect(Timer, &QTimer::timeout, this, &TfrmhmEx::TimerTimer);
  ShowClock();
  Timer->start();
}

QWidget* TfrmhmEx::BuildFirstTab() {
  auto* page = Named<QWidget>(u"TabSheet1"_s);

  // Extraction: files and pasted text to search.
  GroupBox12 = Named<QGroupBox>(u"GroupBox12"_s, u"搜索号码-支持拖放文件(夹) "_s);
  GroupBox11 = Named<QGroupBox>(u"GroupBox11"_s, u"带号码文件解析(txt|html|Doc|Excel...)"_s);
  ListBoxF = Named<QListWidget>(u"ListBoxF"_s);
  ListBoxF->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SBLoadFiles = Button(u"SBLoadFiles"_s, u"导入文件"_s);
  SBLoadDirs = Button(u"SBLoadDirs"_s, u"导入文件夹"_s);
  SBDeleteSelFiles = Button(u"SBDeleteSelFiles"_s, u"删除选择文件"_s);
  SBClearfiles = Button(u"SBClearfiles"_s, u"清空"_s);
  auto* filesBox = new QVBoxLayout(GroupBox11);
  filesBox->addWidget(ListBoxF, 1);
  filesBox->addLayout(Row({SBLoadFiles, SBLoadDirs, SBDeleteSelFiles, SBClearfiles}, false));
  PopupMenu4 = Named<QMenu>(u"PopupMenu4"_s, this);
  N19 = Item(PopupMenu4, u"N19"_s, u"导入文件"_s);
  N21 = Item(PopupMenu4, u"N21"_s, u"清空文件"_s);
  N20 = Item(PopupMenu4, u"N20"_s, u"删除选择文件"_s);
  ContextMenu(ListBoxF, PopupMenu4);

  GroupBox4 = Named<QGroupBox>(u"GroupBox4"_s, u"号码内容 粘帖在此处"_s);
  MemoNoInput = Named<QPlainTextEdit>(u"MemoNoInput"_s);
  MemoNoInput->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoNoInput->setTabChangesFocus(false);
  auto* memoBox = new QVBoxLayout(GroupBox4);
  memoBox->addWidget(MemoNoInput);

  CBMobile = Named<QCheckBox>(u"CBMobile"_s, u"手机"_s);
  CBMobile->setChecked(true);
  CBTels = Named<QCheckBox>(u"CBTels"_s, u"固话"_s);
  CBTels->setChecked(true);
  CBEmails = Named<QCheckBox>(u"CBEmails"_s, u"Email"_s);
  CBReg = Named<QCheckBox>(u"CBReg"_s, u"正则"_s);
  CBZoneKind = Named<QComboBox>(u"CBZoneKind"_s);
  CBZoneKind->addItems({u"附加前一区号"_s, u"指定区号"_s, u"不处理"_s});
  CBZoneKind->setCurrentIndex(0);
  EditZone = Named<QLineEdit>(u"EditZone"_s);
  EditZone->setMaximumWidth(70);
  EditZone->hide();
  EditReg = Named<QLineEdit>(u"EditReg"_s, u"输入正则表达式"_s);
  EditReg->setEnabled(false);
  SBhmSearchOut = Button(u"SBhmSearchOut"_s, u"提取到号码整理框"_s);
  SBhmSearchOut->setProperty("Tag", 1);
  SBHmSearchSave = Button(u"SBHmSearchSave"_s, u"提取保存到文件"_s);
  SBHmSearchSave->setProperty("Tag", 0);

  auto* extract = new QVBoxLayout(GroupBox12);
  extract->addWidget(GroupBox11, 3);
  extract->addWidget(GroupBox4, 2);
  extract->addLayout(Row({CBMobile, CBTels, CBZoneKind, EditZone}));
  auto* regexRow = Row({CBEmails, CBReg}, false);
  regexRow->addWidget(EditReg, 1);
  extract->addLayout(regexRow);
  extract->addLayout(Row({SBhmSearchOut, SBHmSearchSave}, false));

  // The workspace list with its buttons, and the replacement panel under it.
  GroupBoxHmInfo = Named<QGroupBox>(u"GroupBoxHmInfo"_s, u"号码整理框"_s);
  lv0 = NumberView(u"lv0"_s);
  lv0->setModel(workspaceModel_.get());
  SpeedButton5 = Button(u"SpeedButton5"_s, u"排序"_s);
  SpeedButton6 = Button(u"SpeedButton6"_s, u"乱序"_s);
  SpeedButton8 = Button(u"SpeedButton8"_s, u"去重"_s);
  SpeedButton7 = Button(u"SpeedButton7"_s, u"其它操作"_s);
  SpeedButton9 = Button(u"SpeedButton9"_s, u"保存"_s);
  SpeedButton34 = Button(u"SpeedButton34"_s, u"目录"_s);
  SBLoadData = Button(u"SBLoadData"_s, u"导入数据"_s);

  PopupMenu3 = Named<QMenu>(u"PopupMenu3"_s, this);
  MenuDataKindFilter = PopupMenu3->addMenu(u"数据类型过滤"_s);
  MenuDataKindFilter->setObjectName(u"MenuDataKindFilter"_s);
  N23 = Item(MenuDataKindFilter, u"N23"_s, u"保留手机号码"_s);
  N24 = Item(MenuDataKindFilter, u"N24"_s, u"保留非手机号码"_s);
  N43 = Item(MenuDataKindFilter, u"N43"_s, u"保留电话号码"_s);
  N44 = Item(MenuDataKindFilter, u"N44"_s, u"保留自定义Ⅰ"_s);
  N45 = Item(MenuDataKindFilter, u"N45"_s, u"保留自定义Ⅱ"_s);
  PopupMenu3->addSeparator();
  N40 = Item(PopupMenu3, u"N40"_s, u"前后缀和内容替换"_s);
  N56 = Item(PopupMenu3, u"N56"_s, u"删除选择的数据"_s);
  PopupMenu3->addSeparator();
  ii1 = Item(PopupMenu3, u"ii1"_s, u"复制全部数据"_s);
  N73 = Item(PopupMenu3, u"N73"_s, u"复制选择数据"_s);
  N27 = Item(PopupMenu3, u"N27"_s, u"粘帖数据"_s);
  N18 = Item(PopupMenu3, u"N18"_s, u"清空数据"_s);
  ContextMenu(lv0, PopupMenu3);
  PopupAtMouse(SpeedButton7, PopupMenu3);

  PopupMenu6 = Named<QMenu>(u"PopupMenu6"_s, this);
  N30 = Item(PopupMenu6, u"N30"_s, u"分批保存号码"_s);
  N31 = Item(PopupMenu6, u"N31"_s, u"全部保存号码"_s);
  PopupMenu6->addSeparator();
  N50 = Item(PopupMenu6, u"N50"_s, u"按地区保存号码"_s);
  N53 = Item(PopupMenu6, u"N53"_s, u"按号码类型(移动,联通等)保存号码"_s);
  N64 = Item(PopupMenu6, u"N64"_s, u"按地区和号码类型(移动,联通等)保存号码"_s);
  N74 = Item(PopupMenu6, u"N74"_s, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(SpeedButton9, PopupMenu6);

  Panelhmprex = Named<QFrame>(u"Panelhmprex"_s);
  GroupBox5 = Named<QGroupBox>(u"GroupBox5"_s, u"数据内容替换-支持正则表达式"_s);
  CBA = Named<QComboBox>(u"CBA"_s);
  CBA->setEditable(true);
  CBA->addItems({u"-"_s, u"  "_s});
  CBA->setCurrentIndex(-1);
  CBA->setEditText(QString());
  Label8 = Named<QLabel>(u"Label8"_s, u"->"_s);
  CBB = Named<QComboBox>(u"CBB"_s);
  CBB->setEditable(true);
  SpeedButton22 = Button(u"SpeedButton22"_s, u"替换"_s);
  auto* replaceRow = new QHBoxLayout(GroupBox5);
  replaceRow->addWidget(CBA, 1);
  replaceRow->addWidget(Label8);
  replaceRow->addWidget(CBB, 1);
  replaceRow->addWidget(SpeedButton22);

  GroupBox9 = Named<QGroupBox>(u"GroupBox9"_s, u"前后缀附加(在选择的长度数据前增加,0表示没有限制)"_s);
  Label13 = Named<QLabel>(u"Label13"_s, u"数据长度"_s);
  CBDataLen = Named<QComboBox>(u"CBDataLen"_s);
  CBDataLen->setEditable(true);
  CBDataLen->addItems({u"0"_s, u"7"_s, u"8"_s});
  CBDataLen->setCurrentIndex(0);
  Label12 = Named<QLabel>(u"Label12"_s, u"前后缀"_s);
  Edit3 = Named<QLineEdit>(u"Edit3"_s);
  Edit4 = Named<QLineEdit>(u"Edit4"_s);
  SpeedButton35 = Button(u"SpeedButton35"_s, u"附加"_s);
  auto* affixRow = new QHBoxLayout(GroupBox9);
  affixRow->addWidget(Label13);
  affixRow->addWidget(CBDataLen);
  affixRow->addWidget(Label12);
  affixRow->addWidget(Edit3, 1);
  affixRow->addWidget(Edit4, 1);
  affixRow->addWidget(SpeedButton35);

  auto* prex = new QVBoxLayout(Panelhmprex);
  prex->setContentsMargins(0, 0, 0, 0);
  prex->addWidget(GroupBox5);
  prex->addWidget(GroupBox9);

  auto* workspace = new QVBoxLayout(GroupBoxHmInfo);
  workspace->addWidget(lv0, 1);
  workspace->addLayout(
      Row({SpeedButton5, SpeedButton6, SpeedButton8, SpeedButton7, SpeedButton9, SpeedButton34, SBLoadData}));
  workspace->addWidget(Panelhmprex);

  // Range and expansion generation.
  GroupBox10 = Named<QGroupBox>(u"GroupBox10"_s, u"号码段◇号码扩展"_s);
  EditStartNo_ = Named<QLineEdit>(u"EditStartNo_"_s);
  EditEndNo_ = Named<QLineEdit>(u"EditEndNo_"_s);
  EditHMLEN = Named<QLineEdit>(u"EditHMLEN"_s);
  UpDown1 = new UpDown(EditHMLEN, 0, 100, 11);
  UpDown1->setObjectName(u"UpDown1"_s);
  EditHMStep = Named<QLineEdit>(u"EditHMStep"_s);
  UpDown2 = new UpDown(EditHMStep, 0, 100, 1);
  UpDown2->setObjectName(u"UpDown2"_s);
  CBBaseNo = Named<QComboBox>(u"CBBaseNo"_s);
  CBBaseNo->setEditable(true);
  CBExtendMode = Named<QComboBox>(u"CBExtendMode"_s);
  CBExtendMode->addItems({u"全部"_s, u"1/2"_s, u"1/3"_s, u"1/4"_s, u"1/5"_s});
  CBExtendMode->setCurrentIndex(0);
  CBExtendStep = Named<QComboBox>(u"CBExtendStep"_s);
  CBExtendStep->addItems({u"双向"_s, u"向前"_s, u"向后"_s});
  CBExtendStep->setCurrentIndex(1);
  CBExtendNum = Named<QComboBox>(u"CBExtendNum"_s);
  CBExtendNum->setEditable(true);
  CBExtendNum->addItems({u"1000"_s, u"2000"_s, u"5000"_s, u"10000"_s});
  CBExtendNum->setCurrentIndex(0);
  SBHmExSave = Button(u"SBHmExSave"_s, u"生成保存到文件"_s);
  SBHmExOut = Button(u"SBHmExOut"_s, u"生成到号码整理框"_s);

  auto withUpDown = [](QLineEdit* edit, QWidget* upDown) {
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit, 1);
    row->addWidget(upDown);
    return w;
  };
  auto* modeRow = new QWidget;
  auto* modeLayout = new QHBoxLayout(modeRow);
  modeLayout->setContentsMargins(0, 0, 0, 0);
  modeLayout->addWidget(CBExtendMode, 1);
  modeLayout->addWidget(CBExtendStep, 1);
  auto* generation = new QVBoxLayout(GroupBox10);
  auto* fields = new QFormLayout;
  fields->addRow(u"开始号码"_s, EditStartNo_);
  fields->addRow(u"结束号码"_s, EditEndNo_);
  fields->addRow(u"长度"_s, withUpDown(EditHMLEN, UpDown1));
  fields->addRow(u"步進"_s, withUpDown(EditHMStep, UpDown2));
  auto* separator = new QFrame;
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  fields->addRow(separator);
  fields->addRow(u"基础号码"_s, CBBaseNo);
  fields->addRow(u"扩展模式"_s, modeRow);
  fields->addRow(u"数量"_s, CBExtendNum);
  generation->addLayout(fields);
  generation->addSpacing(8);
  generation->addWidget(SBHmExSave);
  generation->addWidget(SBHmExOut);
  generation->addStretch();

  Later({SBLoadFiles, SBClearfiles, SBLoadDirs, SBDeleteSelFiles, SBhmSearchOut, SBHmSearchSave, SpeedButton5,
         SpeedButton6, SpeedButton8, SpeedButton34, SBLoadData, SpeedButton22, SpeedButton35, SBHmExSave, SBHmExOut});
  DisableItems(PopupMenu4);
  DisableItems(PopupMenu3);
  DisableItems(PopupMenu6);

  GroupBox12->setMinimumWidth(300);
  GroupBox12->setMaximumWidth(400);
  GroupBox10->setFixedWidth(250);
  auto* columns = new QHBoxLayout(page);
  columns->addWidget(GroupBox12, 0);
  columns->addWidget(GroupBoxHmInfo, 1);
  columns->addWidget(GroupBox10, 0);
  return page;
}

QWidget* TfrmhmEx::BuildSecondTab() {
  auto* page = Named<QWidget>(u"TabSheet2"_s);

  GBRawData = Named<QGroupBox>(u"GBRawData"_s, u"【原始号码】"_s);
  ToolButton2 = ToolButton(u"ToolButton2"_s, u"   导入号段   "_s);
  ToolButton1 = ToolButton(u"ToolButton1"_s, u"  输入号段   "_s);
  ToolButton3 = ToolButton(u"ToolButton3"_s, u"导入文件"_s);
  ToolButton5 = ToolButton(u"ToolButton5"_s, u"粘贴"_s);
  ToolButton6 = ToolButton(u"ToolButton6"_s, u"清空"_s);
  ToolButton16 = ToolButton(u"ToolButton16"_s, u"   号码排序   "_s);
  ToolButton18 = ToolButton(u"ToolButton18"_s, u"号码乱序"_s);
  ToolButton20 = ToolButton(u"ToolButton20"_s, u"去除重号"_s);
  ToolButton43 = ToolButton(u"ToolButton43"_s, u"滤除号码"_s);
  ToolButton23 = ToolButton(u"ToolButton23"_s, u"其它操作"_s);
  lv1 = NumberView(u"lv1"_s);
  lv1->setModel(sourceModel_.get());
  auto* raw = new QVBoxLayout(GBRawData);
  raw->addLayout(Row({ToolButton2, ToolButton1, ToolButton3, ToolButton5, ToolButton6}));
  raw->addLayout(Row({ToolButton16, ToolButton18, ToolButton20, ToolButton43, ToolButton23}));
  raw->addWidget(lv1, 1);
  PopupMenu5 = Named<QMenu>(u"PopupMenu5"_s, this);
  N25 = Item(PopupMenu5, u"N25"_s, u"保留手机号码"_s);
  N26 = Item(PopupMenu5, u"N26"_s, u"保留非手机号码"_s);
  PopupMenu5->addSeparator();
  N55 = Item(PopupMenu5, u"N55"_s, u"复制所有号码"_s);
  N58 = Item(PopupMenu5, u"N58"_s, u"复制选择的号码"_s);
  N57 = Item(PopupMenu5, u"N57"_s, u"删除选择的号码"_s);
  ContextMenu(lv1, PopupMenu5);
  PopupAtMouse(ToolButton23, PopupMenu5);

  // Moves between the lists: the upper three copy source to target, the lower three back.
  Panel4 = Named<QFrame>(u"Panel4"_s);
  auto move = [](const QString& name, const QString& caption, Qt::ArrowType arrow) {
    QToolButton* b = ToolButton(name, caption);
    b->setArrowType(arrow);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
  };
  SpeedButton13 = move(u"SpeedButton13"_s, u"组合特征"_s, Qt::RightArrow);
  SpeedButton15 = move(u"SpeedButton15"_s, u"号码类型"_s, Qt::RightArrow);
  SpeedButton17 = move(u"SpeedButton17"_s, u"全部号码"_s, Qt::RightArrow);
  SpeedButton14 = move(u"SpeedButton14"_s, u"组合特征"_s, Qt::LeftArrow);
  SpeedButton16 = move(u"SpeedButton16"_s, u"号码类型"_s, Qt::LeftArrow);
  SpeedButton18 = move(u"SpeedButton18"_s, u"全部号码"_s, Qt::LeftArrow);
  auto* moves = new QVBoxLayout(Panel4);
  moves->addStretch();
  for (QToolButton* b : {SpeedButton13, SpeedButton15, SpeedButton17}) moves->addWidget(b);
  moves->addSpacing(24);
  for (QToolButton* b : {SpeedButton14, SpeedButton16, SpeedButton18}) moves->addWidget(b);
  moves->addStretch();
  Panel4->setFixedWidth(120);

  GBDestData = Named<QGroupBox>(u"GBDestData"_s, u"【目标号码】"_s);
  ToolButton30 = ToolButton(u"ToolButton30"_s, u"   号码排序   "_s);
  ToolButton32 = ToolButton(u"ToolButton32"_s, u"号码乱序"_s);
  ToolButton34 = ToolButton(u"ToolButton34"_s, u"去除重号"_s);
  ToolButton36 = ToolButton(u"ToolButton36"_s, u"滤除号码"_s);
  ToolButton44 = ToolButton(u"ToolButton44"_s, u"其它操作"_s);
  lv2 = NumberView(u"lv2"_s);
  lv2->setModel(targetModel_.get());
  auto* dest = new QVBoxLayout(GBDestData);
  dest->addLayout(Row({ToolButton30, ToolButton32, ToolButton34, ToolButton36, ToolButton44}));
  dest->addWidget(lv2, 1);
  PopupMenu9 = Named<QMenu>(u"PopupMenu9"_s, this);
  N59 = Item(PopupMenu9, u"N59"_s, u"复制所有号码"_s);
  N60 = Item(PopupMenu9, u"N60"_s, u"复制选择的号码"_s);
  PopupMenu9->addSeparator();
  N61 = Item(PopupMenu9, u"N61"_s, u"删除选择的号码"_s);
  N52 = Item(PopupMenu9, u"N52"_s, u"清空号码"_s);
  ContextMenu(lv2, PopupMenu9);
  PopupAtMouse(ToolButton44, PopupMenu9);

  GroupBox3 = Named<QGroupBox>(u"GroupBox3"_s, u"【导出号码】"_s);
  RBRaw = Named<QRadioButton>(u"RBRaw"_s, u"原始号码"_s);
  RBRaw->setChecked(true);
  RBDest = Named<QRadioButton>(u"RBDest"_s, u"目标号码"_s);
  SpeedButton23 = Button(u"SpeedButton23"_s, u"分批导出号码"_s);
  SpeedButton24 = Button(u"SpeedButton24"_s, u"全部导出号码"_s);
  SpeedButton2 = Button(u"SpeedButton2"_s, u"浏览导出目录"_s);
  auto* exportRow = new QHBoxLayout(GroupBox3);
  for (QWidget* w : std::initializer_list<QWidget*>{RBRaw, RBDest, SpeedButton23, SpeedButton24, SpeedButton2})
    exportRow->addWidget(w);
  exportRow->addStretch();
  PopupMenu10 = Named<QMenu>(u"PopupMenu10"_s, this);
  N46 = Item(PopupMenu10, u"N46"_s, u"全部导出号码"_s);
  PopupMenu10->addSeparator();
  N48 = Item(PopupMenu10, u"N48"_s, u"按地区导出"_s);
  N49 = Item(PopupMenu10, u"N49"_s, u"按号码类型(移动,联通等)导出"_s);
  N63 = Item(PopupMenu10, u"N63"_s, u"按地区和号码类型(移动,联通等)导出"_s);
  N75 = Item(PopupMenu10, u"N75"_s, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(SpeedButton24, PopupMenu10);

  Later({ToolButton2,   ToolButton1,  ToolButton3,   ToolButton5,   ToolButton6,   ToolButton16,  ToolButton18,
         ToolButton20,  ToolButton43, SpeedButton13, SpeedButton14, SpeedButton15, SpeedButton16, SpeedButton17,
         SpeedButton18, ToolButton30, ToolButton32,  ToolButton34,  ToolButton36,  SpeedButton23, SpeedButton2});
  DisableItems(PopupMenu5);
  DisableItems(PopupMenu9);
  DisableItems(PopupMenu10);

  auto* lists = new QHBoxLayout;
  lists->addWidget(GBRawData, 1);
  lists->addWidget(Panel4, 0);
  lists->addWidget(GBDestData, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(lists, 1);
  layout->addWidget(GroupBox3);
  return page;
}

QWidget* TfrmhmEx::BuildThirdTab() {
  auto* page = Named<QWidget>(u"TabSheet3"_s);
  const QString managedHint = u"操作:使用工具栏或者鼠标右菜单"_s;

  GroupBox7 = Named<QGroupBox>(u"GroupBox7"_s, u"§待使用文件§"_s);
  GroupBox7->setToolTip(managedHint);
  CLBwilluse = Named<QListWidget>(u"CLBwilluse"_s);
  CLBwilluse->setToolTip(managedHint);
  SpeedButton26 = Button(u"SpeedButton26"_s, u"工具栏"_s);
  SpeedButton29 = Button(u"SpeedButton29"_s, u"目录设定"_s);
  SpeedButton32 = Button(u"SpeedButton32"_s, u"打开"_s);
  auto* toUse = new QVBoxLayout(GroupBox7);
  toUse->addLayout(Row({SpeedButton26, SpeedButton29, SpeedButton32}));
  toUse->addWidget(CLBwilluse, 1);
  PopupMenu1 = Named<QMenu>(u"PopupMenu1"_s, this);
  N15 = Item(PopupMenu1, u"N15"_s, u"刷新"_s);
  PopupMenu1->addSeparator();
  N8 = Item(PopupMenu1, u"N8"_s, u"文件全选"_s);
  N10 = Item(PopupMenu1, u"N10"_s, u"文件全不选"_s);
  PopupMenu1->addSeparator();
  N12 = Item(PopupMenu1, u"N12"_s, u"选择文件->合并"_s);
  N13 = Item(PopupMenu1, u"N13"_s, u"选择文件->删除"_s);
  N7 = Item(PopupMenu1, u"N7"_s, u"选择文件->去重复"_s);
  N35 = Item(PopupMenu1, u"N35"_s, u"选择文件->乱序"_s);
  N37 = Item(PopupMenu1, u"N37"_s, u"选择文件->分割行数"_s);
  PopupMenu1->addSeparator();
  N6 = Item(PopupMenu1, u"N6"_s, u"跟已经使用文件比较生成新文件"_s);
  N17 = Item(PopupMenu1, u"N17"_s, u"选择文件设定为已经使用过文件"_s);
  PopupMenu1->addSeparator();
  N9 = Item(PopupMenu1, u"N9"_s, u"打开目录"_s);
  ContextMenu(CLBwilluse, PopupMenu1);
  PopupAtMouse(SpeedButton26, PopupMenu1);

  GroupBox8 = Named<QGroupBox>(u"GroupBox8"_s, u"§使用过文件§"_s);
  GroupBox8->setToolTip(managedHint);
  CLBused = Named<QListWidget>(u"CLBused"_s);
  SpeedButton25 = Button(u"SpeedButton25"_s, u"工具栏"_s);
  SpeedButton30 = Button(u"SpeedButton30"_s, u"目录设定"_s);
  SpeedButton33 = Button(u"SpeedButton33"_s, u"打开"_s);
  auto* used = new QVBoxLayout(GroupBox8);
  used->addLayout(Row({SpeedButton25, SpeedButton30, SpeedButton33}));
  used->addWidget(CLBused, 1);
  PopupMenu2 = Named<QMenu>(u"PopupMenu2"_s, this);
  MenuItem1 = Item(PopupMenu2, u"MenuItem1"_s, u"刷新"_s);
  PopupMenu2->addSeparator();
  MenuItem3 = Item(PopupMenu2, u"MenuItem3"_s, u"文件全选"_s);
  MenuItem4 = Item(PopupMenu2, u"MenuItem4"_s, u"文件全不选"_s);
  PopupMenu2->addSeparator();
  MenuItem6 = Item(PopupMenu2, u"MenuItem6"_s, u"选择文件->合并"_s);
  MenuItem7 = Item(PopupMenu2, u"MenuItem7"_s, u"选择文件->删除"_s);
  MenuItem8 = Item(PopupMenu2, u"MenuItem8"_s, u"选择文件->去重复"_s);
  N36 = Item(PopupMenu2, u"N36"_s, u"选择文件->乱序"_s);
  N38 = Item(PopupMenu2, u"N38"_s, u"选择文件->分割行数"_s);
  PopupMenu2->addSeparator();
  MenuItem11 = Item(PopupMenu2, u"MenuItem11"_s, u"打开目录"_s);
  ContextMenu(CLBused, PopupMenu2);
  PopupAtMouse(SpeedButton25, PopupMenu2);

  GroupBox1 = Named<QGroupBox>(u"GroupBox1"_s, u"文件比对"_s);
  Label4 = Named<QLabel>(u"Label4"_s, u"新文件"_s);
  EditA = Named<QLineEdit>(u"EditA"_s);
  SpeedButton10 = Button(u"SpeedButton10"_s, u"浏览"_s);
  Label5 = Named<QLabel>(u"Label5"_s, u"原文件"_s);
  EditB = Named<QLineEdit>(u"EditB"_s);
  SpeedButton11 = Button(u"SpeedButton11"_s, u"浏览"_s);
  BitBtn2 = Button(u"BitBtn2"_s, u"比对生成"_s);
  BitBtn1 = Button(u"BitBtn1"_s, u"浏览生成文件夹"_s);
  auto* compare = new QGridLayout(GroupBox1);
  compare->addWidget(Label4, 0, 0);
  compare->addWidget(EditA, 0, 1);
  compare->addWidget(SpeedButton10, 0, 2);
  compare->addWidget(Label5, 1, 0);
  compare->addWidget(EditB, 1, 1);
  compare->addWidget(SpeedButton11, 1, 2);
  compare->addLayout(Row({BitBtn2, BitBtn1}), 2, 1, 1, 2);
  compare->setColumnStretch(1, 1);

  GroupBox6 = Named<QGroupBox>(u"GroupBox6"_s, u"要转换文件"_s);
  auto* generalTitle = Named<QLabel>(u"LabelLB1"_s, u"通用文件管理-支持拖放操作"_s);
  LB1 = Named<QListWidget>(u"LB1"_s);
  LB1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LB1->setToolTip(u"操作:双击或者用鼠标右菜单打开文件目录"_s);
  SpeedButton12 = Button(u"SpeedButton12"_s, u"加入文件"_s);
  SpeedButton19 = Button(u"SpeedButton19"_s, u"删除文件"_s);
  SpeedButton20 = Button(u"SpeedButton20"_s, u"合并文件"_s);
  SpeedButton21 = Button(u"SpeedButton21"_s, u"分割文件"_s);
  SpeedButton1 = Button(u"SpeedButton1"_s, u"去重文件"_s);
  SpeedButton4 = Button(u"SpeedButton4"_s, u"乱序文件"_s);
  PopupMenu7 = Named<QMenu>(u"PopupMenu7"_s, this);
  N39 = Item(PopupMenu7, u"N39"_s, u"打开当前文件的目录"_s);
  ContextMenu(LB1, PopupMenu7);
  Label11 = Named<QLabel>(u"Label11"_s, u"输出目录指定："_s);
  EditURL = Named<QLineEdit>(u"EditURL"_s);
  RBSelA = Named<QRadioButton>(u"RBSelA"_s, u"转换文件目录"_s);
  RBSelB = Named<QRadioButton>(u"RBSelB"_s, u"固定文件目录"_s);
  RBSelB->setChecked(true);
  SpeedButton28 = Button(u"SpeedButton28"_s, u"设定"_s);
  SpeedButton31 = Button(u"SpeedButton31"_s, u"打开"_s);
  auto* fileButtons = new QVBoxLayout;
  for (QPushButton* b : {SpeedButton12, SpeedButton19, SpeedButton20, SpeedButton21, SpeedButton1, SpeedButton4})
    fileButtons->addWidget(b);
  fileButtons->addStretch();
  auto* listAndButtons = new QHBoxLayout;
  listAndButtons->addWidget(LB1, 1);
  listAndButtons->addLayout(fileButtons);
  auto* outputRow = new QHBoxLayout;
  outputRow->addWidget(Label11);
  outputRow->addWidget(EditURL, 1);
  auto* outputChoice = Row({RBSelA, RBSelB, SpeedButton28, SpeedButton31});
  auto* general = new QVBoxLayout(GroupBox6);
  general->addWidget(generalTitle);
  general->addLayout(listAndButtons, 1);
  general->addLayout(outputRow);
  general->addLayout(outputChoice);
  connect(RBSelA, &QRadioButton::clicked, this, Guarded([this] { RBSelAClick(); }));
  connect(RBSelB, &QRadioButton::clicked, this, Guarded([this] { RBSelBClick(); }));

  Later({SpeedButton29, SpeedButton32, SpeedButton30, SpeedButton33, SpeedButton10, SpeedButton11, BitBtn2, BitBtn1,
         SpeedButton12, SpeedButton19, SpeedButton20, SpeedButton21, SpeedButton1, SpeedButton4, SpeedButton28,
         SpeedButton31});
  DisableItems(PopupMenu1);
  DisableItems(PopupMenu2);
  DisableItems(PopupMenu7);

  auto* managed = new QHBoxLayout;
  managed->addWidget(GroupBox7, 1);
  managed->addWidget(GroupBox8, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(GroupBox6, 1);
  right->addWidget(GroupBox1);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(managed, 1);
  layout->addLayout(right, 1);
  return page;
}

// ---- Start-up -----------------------------------------------------------------------------

void TfrmhmEx::FormCreate(const fs::path& programFolder) {
  SetErrorStatusSink([this](const QString& message) { ShowStatus(message); });
  startup_ = StartUp(programFolder);
  for (const std::string& problem : startup_.problems) ShowStatus(std::string_view(problem));

  ListFiles(startup_.folders.namedPatterns, "*.*", namedPatternFiles_, false, false);

  workspace_.SetSuspended(false);
  source_.SetSuspended(false);
  target_.SetSuspended(false);

  RegisterDropTarget(ListBoxF, DropTarget::kListBoxF);
  RegisterDropTarget(lv0, DropTarget::kLv0);
  RegisterDropTarget(lv1, DropTarget::kLv1);
  RegisterDropTarget(LB1, DropTarget::kLB1);
  RegisterDropTarget(EditA, DropTarget::kEditA);
  RegisterDropTarget(EditB, DropTarget::kEditB);

  openDialogFolder_ = startup_.folders.program;

  EditURL->setText(FolderDisplayText(startup_.folders.otherData));
  UpdateEditURL();
}

void TfrmhmEx::CreateForms() {
  frmhmsetting = new Tfrmhmsetting(this);
  frmhmsetting->Bind(&startup_.settings, &startup_.folders);
  frmhdmanager = new Tfrmhdmanager(this);
  frmhdinput = new Tfrmhdinput(this);
  frmhmsave = new Tfrmhmsave(this);
  frmhdsel = new Tfrmhdsel(this);
  frmhmRegex = new TfrmhmRegex(this);
  frmhdSearch = new TfrmhdSearch(this);
  frmhmInvail = new TfrmhmInvail(this);
  frmhmformat = new Tfrmhmformat(this);
  frmtelInfo = new TfrmtelInfo(this);
  frmRename = new TfrmRename(this);
  frmAataAnalysis = new TfrmAataAnalysis(this);

  RegisterDropTarget(frmhmformat->lv0, DropTarget::kFormatLv0);
  RegisterDropTarget(frmAataAnalysis->lv1, DropTarget::kAnalysisLv1);
  RegisterDropTarget(frmhmInvail->lv0, DropTarget::kInvailLv0);
}

// ---- Status line and clock ----------------------------------------------------------------

void TfrmhmEx::ShowStatus(const QString& text) {
  StatusPanel1->setText(u" "_s + text);
  QCoreApplication::processEvents();
}

void TfrmhmEx::ShowStatus(std::string_view utf8) {
  ShowStatus(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString TfrmhmEx::StatusText() const { return StatusPanel1->text(); }

void TfrmhmEx::ShowStatusFromThread(const std::string& utf8) {
  auto show = [this, text = QString::fromStdString(utf8)] {
    try {
      ShowStatus(text);
    } catch (...) {
    }
  };
  if (QThread::currentThread() == thread()) {
    show();
  } else {
    QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
  }
}

Ui& TfrmhmEx::AppUi() { return *ui_; }

void TfrmhmEx::OpenFolder(const fs::path& folder) { ui_->OpenFolder(folder); }

void TfrmhmEx::SaveCurrentSettings() { SaveSettings(startup_.iniFile, startup_.settings); }

void TfrmhmEx::ShowClock() { StatusPanel0->setText(QTime::currentTime().toString(u"hh:mm:ss"_s)); }

void TfrmhmEx::TimerTimer() {
  Timer->stop();
  if (int action = std::exchange(pendingDropAction_, kDropNone); action != kDropNone) {
    try {
      PerformDropAction(action, droppedFiles_.Paths());
    } catch (...) {
      ReportCurrentException();
    }
  }
  ShowClock();
  Timer->start();
}

void TfrmhmEx::PerformDropAction(int action, const std::vector<fs::path>& files) {
  // The validity check (3), the format conversion (4) and the data analysis (5) take their
  // files once those dialogs are built.
  if (action == kDropToWorkspace) LoadFilesInto(workspace_, files, AppUi());
  if (action == kDropToSource) LoadFilesInto(source_, files, AppUi());
}

// ---- Menu ---------------------------------------------------------------------------------

void TfrmhmEx::N2Click() { close(); }

void TfrmhmEx::N33Click() {
  if (frmhmsetting->exec() != QDialog::Accepted) return;
  Settings& s = startup_.settings;
  frmhmsetting->CopyBack(s);
  SaveSettings(startup_.iniFile, s);
  // The folders follow the dialog for the rest of the run (an empty field keeps the folder in
  // effect; the next start replaces a missing folder by its default).
  DataFolders& f = startup_.folders;
  auto follow = [](const std::string& setting, fs::path& folder) {
    if (!setting.empty()) folder = AsFolder(GbkToPath(setting));
  };
  follow(s.MywillUseDataPath, f.toUse);
  follow(s.MyUsedDataPath, f.usedFiles);
  follow(s.MyOtherDataPath, f.otherData);
  EditURL->setText(FolderDisplayText(f.otherData));
  f.datedOutput = BuildDatedOutputFolder(f.otherData);
}

void TfrmhmEx::ShowTool(QWidget* dialog) {
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void TfrmhmEx::N65Click() { ShowTool(frmhdSearch); }
void TfrmhmEx::N68Click() { ShowTool(frmhmInvail); }
void TfrmhmEx::N69Click() { ShowTool(frmhmformat); }
void TfrmhmEx::N76Click() { ShowTool(frmAataAnalysis); }
void TfrmhmEx::N70Click() { ShowTool(frmtelInfo); }
void TfrmhmEx::N28Click() { ShowTool(frmRename); }
void TfrmhmEx::N62Click() { OpenFolder(startup_.folders.myData); }
void TfrmhmEx::N34Click() { OpenFolder(startup_.folders.program); }

void TfrmhmEx::UpdateEditURL() { EditURL->setEnabled(RBSelB->isChecked()); }
void TfrmhmEx::RBSelAClick() { UpdateEditURL(); }
void TfrmhmEx::RBSelBClick() { UpdateEditURL(); }

// ---- File drops ---------------------------------------------------------------------------

void TfrmhmEx::RegisterDropTarget(QWidget* widget, DropTarget target) {
  dropSites_.push_back({widget, target});
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
  // Item views receive drops on their viewport.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
    area->viewport()->setAcceptDrops(true);
    area->viewport()->installEventFilter(this);
  }
}

void TfrmhmEx::UnregisterDropTargets() {
  for (const DropSite& site : dropSites_) {
    site.widget->removeEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(site.widget)) area->viewport()->removeEventFilter(this);
  }
  dropSites_.clear();
}

const TfrmhmEx::DropSite* TfrmhmEx::DropSiteOf(QObject* watched) const {
  for (const DropSite& site : dropSites_) {
    if (site.widget == watched) return &site;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(site.widget); area && area->viewport() == watched) return &site;
  }
  return nullptr;
}

bool TfrmhmEx::eventFilter(QObject* watched, QEvent* event) {
  QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QMainWindow::eventFilter(watched, event);
  const DropSite* site = DropSiteOf(watched);
  auto* drop = static_cast<QDropEvent*>(event);  // drag enter and drag move events are drop events
  std::vector<fs::path> entries = LocalPaths(drop->mimeData());
  if (!site || entries.empty()) return QMainWindow::eventFilter(watched, event);
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    // Handled after the drop returns, so that the drag source is released before the
    // question is asked.
    QTimer::singleShot(
        0, this, Guarded([this, target = site->widget, entries = std::move(entries)] { DropFiles(target, entries); }));
  }
  return true;
}

void TfrmhmEx::DropFiles(QWidget* target, const std::vector<fs::path>& entries) {
  auto site = std::find_if(dropSites_.begin(), dropSites_.end(), [&](const DropSite& s) { return s.widget == target; });
  if (site == dropSites_.end()) return;
  droppedFiles_.Clear();
  for (const fs::path& entry : entries) droppedFiles_.AddDropped(entry);

  DropDelivery delivery = DropDeliveryFor(site->target);
  switch (delivery.kind) {
    case DropDelivery::Kind::kAppendAll: {
      QStringList items;
      for (const fs::path& path : droppedFiles_.Paths()) items << PathText(path);
      qobject_cast<QListWidget*>(target)->addItems(items);
      break;
    }
    case DropDelivery::Kind::kFirstPath: {
      std::vector<fs::path> paths = droppedFiles_.Paths();
      if (!paths.empty()) qobject_cast<QLineEdit*>(target)->setText(PathText(paths.front()));
      break;
    }
    case DropDelivery::Kind::kConfirmThenPending:
      if (ui_->AskYesNo(kDropImportQuestion)) pendingDropAction_ = delivery.pendingAction;
      break;
  }
}

}  // namespace telqor
