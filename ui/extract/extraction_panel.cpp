#include "ui/extract/extraction_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dropped_files.h"
#include "core/file_io.h"
#include "core/text.h"
#include "extract/area_codes.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

ExtractionPanel::ExtractionPanel(AppContext& context, NumberList& workspace, QWidget* parent)
    : QWidget(parent), context_(context), workspace_(workspace) {
  setObjectName(u"ExtractionPanel"_s);
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
  N19 = MenuItem(PopupMenu4, u"N19"_s, u"导入文件"_s);
  N21 = MenuItem(PopupMenu4, u"N21"_s, u"清空文件"_s);
  N20 = MenuItem(PopupMenu4, u"N20"_s, u"删除选择文件"_s);
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
  SBStopSearch = Button(u"SBStopSearch"_s, u"停止"_s);
  SBStopSearch->setToolTip(u"结束正在进行的提取，保留已找到的号码"_s);

  auto* extract = new QVBoxLayout(GroupBox12);
  extract->addWidget(GroupBox11, 3);
  extract->addWidget(GroupBox4, 2);
  extract->addLayout(Row({CBMobile, CBTels, CBZoneKind, EditZone}));
  auto* regexRow = Row({CBEmails, CBReg}, false);
  regexRow->addWidget(EditReg, 1);
  extract->addLayout(regexRow);
  extract->addLayout(Row({SBhmSearchOut, SBHmSearchSave, SBStopSearch}, false));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(GroupBox12);
  setMinimumWidth(300);
  setMaximumWidth(400);

  Wire(SBLoadFiles, this, &ExtractionPanel::SBLoadFilesClick);
  Wire(N19, this, &ExtractionPanel::SBLoadFilesClick);
  Wire(SBLoadDirs, this, &ExtractionPanel::SBLoadDirsClick);
  Wire(SBDeleteSelFiles, this, &ExtractionPanel::SBDeleteSelFilesClick);
  Wire(N20, this, &ExtractionPanel::SBDeleteSelFilesClick);
  Wire(SBClearfiles, this, &ExtractionPanel::SBClearfilesClick);
  Wire(N21, this, &ExtractionPanel::SBClearfilesClick);
  OnDoubleClick(ListBoxF->viewport(), [this] { ListBoxFDblClick(); });
  OnDoubleClick(MemoNoInput->viewport(), [this] { MemoNoInputDblClick(); });
  Wire(CBTels, this, &ExtractionPanel::CBTelsClick);
  Wire(CBReg, this, &ExtractionPanel::CBRegClick);
  connect(CBZoneKind, &QComboBox::currentIndexChanged, this, Guarded([this] { CBZoneKindChange(); }));
  Wire(SBhmSearchOut, this, [this] { SBHmSearchSaveClick(SBhmSearchOut); });
  Wire(SBHmSearchSave, this, [this] { SBHmSearchSaveClick(SBHmSearchSave); });
  // "停止" works while the run's action waits, so it is no action itself.
  connect(SBStopSearch, &QPushButton::clicked, this, [this] { SBStopSearchClick(); });
  AcceptInputDuringActions(SBStopSearch);
  SBStopSearch->setEnabled(false);

  search_.OnStatus = [this](const std::string& text) {
    std::lock_guard lock(statusLock_);
    workerStatus_ = text;
    statusPending_ = true;
  };
}

ExtractionPanel::~ExtractionPanel() { search_.Stop(); }

DropSites ExtractionPanel::Drops() const { return {{ListBoxF, DropTarget::kListBoxF}}; }

void ExtractionPanel::LoadAreaCodes() {
  areaCodes_.Clear();
  telqor::LoadAreaCodes(context_.Folders().baseData, areaCodes_);
}

// ---- The file list and the paste box --------------------------------------------------------

void ExtractionPanel::SBLoadFilesClick() {
  for (const fs::path& file : ChooseFilesToOpen(this, context_.OpenDialogFolder())) ListBoxF->addItem(PathText(file));
}

void ExtractionPanel::SBLoadDirsClick() {
  fs::path folder = ChooseFolder(this, context_.Folders().program);
  if (folder.empty()) return;
  DroppedFileList found;  // sorted, each path once
  found.AddDropped(folder);
  for (const fs::path& file : found.Paths()) ListBoxF->addItem(PathText(file));
}

void ExtractionPanel::SBDeleteSelFilesClick() {
  for (int row = ListBoxF->count() - 1; row >= 0; --row)
    if (ListBoxF->item(row)->isSelected()) delete ListBoxF->takeItem(row);
}

void ExtractionPanel::SBClearfilesClick() { ListBoxF->clear(); }

void ExtractionPanel::ListBoxFDblClick() {
  if (ListBoxF->selectedItems().isEmpty()) return;
  if (!AskYesNoBox(this, u"确定删除当前选择文件?"_s, u"删除提示"_s)) return;
  if (QListWidgetItem* focused = ListBoxF->currentItem()) delete ListBoxF->takeItem(ListBoxF->row(focused));
}

void ExtractionPanel::MemoNoInputDblClick() { MemoNoInput->clear(); }

void ExtractionPanel::CBTelsClick() { CBZoneKind->setEnabled(CBTels->isChecked()); }

void ExtractionPanel::CBZoneKindChange() { EditZone->setVisible(CBZoneKind->currentIndex() == 1); }

void ExtractionPanel::CBRegClick() {
  if (CBReg->isChecked()) {
    EditReg->setEnabled(true);
    if (EditReg->text() == u"输入正则表达式"_s) EditReg->clear();
  } else {
    EditReg->setEnabled(false);
  }
}

// ---- A run ----------------------------------------------------------------------------------

void ExtractionPanel::SBHmSearchSaveClick(QAbstractButton* sender) {
  if (search_.Active()) return;  // refused while a run goes (the action rule keeps it so)
  results_.Clear();
  runMode_ = sender->property("Tag").toInt();
  search_.PendingFiles.clear();
  for (int row = 0; row < ListBoxF->count(); ++row) search_.PendingFiles.push_back(PathOf(ListBoxF->item(row)->text()));
  search_.PendingText = std::string(TrimBlanks(ToGbk(MemoNoInput->toPlainText())));
  if (search_.PendingFiles.empty() && search_.PendingText.empty()) return;
  search_.WantMobile = CBMobile->isChecked();
  search_.WantEmail = CBEmails->isChecked();
  search_.WantLandline = CBTels->isChecked();
  search_.ZoneMode = CBZoneKind->currentIndex();
  search_.FixedZone = std::string(TrimBlanks(ToGbk(EditZone->text())));
  search_.AreaCodes = &areaCodes_;
  search_.WantRegex = CBReg->isChecked();
  search_.UserPattern = ToGbk(EditReg->text());
  search_.KeepAllKinds = runMode_ == 0;  // appending never uses the digit runs of no kind
  search_.MobileSecondDigits = context_.CurrentSettings().MobileSecondDigits;
  results_.HandTo(search_);
  abandoned_ = false;
  search_.Start();
  WaitForRun();
  if (!abandoned_) SearchDone();
}

void ExtractionPanel::SBStopSearchClick() { search_.RequestStop(); }

void ExtractionPanel::AbandonRun() {
  abandoned_ = true;
  search_.RequestStop();
}

void ExtractionPanel::ShowWorkerStatus() {
  std::string text;
  {
    std::lock_guard lock(statusLock_);
    if (!statusPending_) return;
    text = std::move(workerStatus_);
    statusPending_ = false;
  }
  context_.ui.ShowStatus(text);
}

// Waits for the workers with the window painting; only "停止" takes input meanwhile.
void ExtractionPanel::WaitForRun() {
  SBStopSearch->setEnabled(true);
  KeepPainting();
  while (search_.Active()) {
    QEventLoop wait;
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    ShowWorkerStatus();
    context_.ui.Progress(search_.ItemsDone(), search_.ProgressTotal());
  }
  search_.Wait();
  ShowWorkerStatus();
  context_.ui.Progress(0, 0);
  SBStopSearch->setEnabled(false);
}

void ExtractionPanel::SearchDone() {
  // A stopped run keeps every kind found up to where each item was stopped, and says so.
  const bool stopped = search_.Stopping();
  const std::string stopNote = stopped ? "提取已停止，只保存了停止前找到的数据。" : "";
  context_.ui.ShowStatus(stopped ? "文件搜索已停止" : "文件搜索结束");
  if (runMode_ == 1) {
    // The check boxes as they are now say which kinds the user keeps.
    const WantedKinds wanted{CBReg->isChecked(), CBTels->isChecked(), CBMobile->isChecked(), CBEmails->isChecked()};
    size_t count = 0;
    ChangeList(workspace_, context_.ui, nullptr, nullptr,
               [&](TSList& items) { count = CollectResults(results_, wanted, items); });
    context_.ui.ShowStatus(stopNote + "完成！生成" + std::to_string(count) + "个数据,追加到号码整理框");
    return;
  }
  const fs::path& folder = context_.Folders().datedOutput;
  SavedResultFiles saved = SaveResultFiles(results_, folder);
  context_.ui.ShowStatus("保存文件完成");
  context_.ui.Inform("保存完成！\r\n" + DisplayPath(folder / saved.lastName) + (stopped ? "\r\n" + stopNote : ""));
  context_.ui.OpenFolder(folder);
}

}  // namespace telqor
