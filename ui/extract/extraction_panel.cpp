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

#include "core/program/dropped_files.h"
#include "core/io/file_io.h"
#include "core/text/text.h"
#include "extract/area_codes.h"
#include "ui/extract/extraction_panel_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::extraction;

namespace fs = std::filesystem;

ExtractionPanel::ExtractionPanel(AppContext& context, NumberList& workspace, QWidget* parent)
    : QWidget(parent), context_(context), workspace_(workspace) {
  setObjectName(kExtractionPanel);
  BuildFiles();
  BuildPasteBox();
  BuildOptions();
  extractionGroup_ = Named<QGroupBox>(kExtractionGroup, u"搜索号码-支持拖放文件(夹) "_s);
  auto* extract = new QVBoxLayout(extractionGroup_);
  extract->addWidget(filesGroup_, 3);
  extract->addWidget(pasteGroup_, 2);
  extract->addLayout(Row({mobileCheck_, landlineCheck_, areaCodeModeCombo_, areaCodeEdit_}));
  auto* regexRow = Row({emailCheck_, regexCheck_}, false);
  regexRow->addWidget(regexEdit_, 1);
  extract->addLayout(regexRow);
  extract->addLayout(Row({extractToWorkspaceButton_, extractToFilesButton_, stopButton_}, false));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(extractionGroup_);
  setMinimumWidth(300);
  setMaximumWidth(400);
  Connect();
}

void ExtractionPanel::BuildFiles() {
  filesGroup_ = Named<QGroupBox>(kExtractionFilesGroup, u"带号码文件解析(txt|html|Doc|Excel...)"_s);
  fileList_ = Named<QListWidget>(kExtractionFileList);
  fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  importFilesButton_ = Button(kImportFilesButton, u"导入文件"_s);
  importFolderButton_ = Button(kImportFolderButton, u"导入文件夹"_s);
  deleteFilesButton_ = Button(kDeleteFilesButton, u"删除选择文件"_s);
  clearFilesButton_ = Button(kClearFilesButton, u"清空"_s);
  auto* filesBox = new QVBoxLayout(filesGroup_);
  filesBox->addWidget(fileList_, 1);
  filesBox->addLayout(Row({importFilesButton_, importFolderButton_, deleteFilesButton_, clearFilesButton_}, false));
  fileListMenu_ = Named<QMenu>(kExtractionFileMenu, this);
  importFilesItem_ = MenuItem(fileListMenu_, kImportFilesItem, u"导入文件"_s);
  clearFilesItem_ = MenuItem(fileListMenu_, kClearFilesItem, u"清空文件"_s);
  deleteFilesItem_ = MenuItem(fileListMenu_, kDeleteFilesItem, u"删除选择文件"_s);
  ContextMenu(fileList_, fileListMenu_);
}

void ExtractionPanel::BuildPasteBox() {
  pasteGroup_ = Named<QGroupBox>(kPasteGroup, u"号码内容 粘帖在此处"_s);
  pasteBox_ = Named<QPlainTextEdit>(kPasteBox);
  pasteBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  pasteBox_->setTabChangesFocus(false);
  auto* pasteLayout = new QVBoxLayout(pasteGroup_);
  pasteLayout->addWidget(pasteBox_);
}

// The kinds of number wanted, the area code of local numbers, the pattern, and the runs.
void ExtractionPanel::BuildOptions() {
  mobileCheck_ = Named<QCheckBox>(kMobileCheck, u"手机"_s);
  mobileCheck_->setChecked(true);
  landlineCheck_ = Named<QCheckBox>(kLandlineCheck, u"固话"_s);
  landlineCheck_->setChecked(true);
  emailCheck_ = Named<QCheckBox>(kEmailCheck, u"Email"_s);
  regexCheck_ = Named<QCheckBox>(kRegexCheck, u"正则"_s);
  areaCodeModeCombo_ = Named<QComboBox>(kAreaCodeModeCombo);
  areaCodeModeCombo_->addItems({u"附加前一区号"_s, u"指定区号"_s, u"不处理"_s});
  areaCodeModeCombo_->setCurrentIndex(0);
  areaCodeEdit_ = Named<QLineEdit>(kAreaCodeEdit);
  areaCodeEdit_->setMaximumWidth(70);
  areaCodeEdit_->hide();
  regexEdit_ = Named<QLineEdit>(kRegexEdit, u"输入正则表达式"_s);
  regexEdit_->setEnabled(false);
  extractToWorkspaceButton_ = Button(kExtractToWorkspaceButton, u"提取到号码整理框"_s);
  extractToWorkspaceButton_->setProperty("Tag", 1);
  extractToFilesButton_ = Button(kExtractToFilesButton, u"提取保存到文件"_s);
  extractToFilesButton_->setProperty("Tag", 0);
  stopButton_ = Button(kStopExtractionButton, u"停止"_s);
  stopButton_->setToolTip(u"结束正在进行的提取，保留已找到的号码"_s);
}

void ExtractionPanel::Connect() {
  Wire(importFilesButton_, this, &ExtractionPanel::ImportFilesClicked);
  Wire(importFilesItem_, this, &ExtractionPanel::ImportFilesClicked);
  Wire(importFolderButton_, this, &ExtractionPanel::ImportFolderClicked);
  Wire(deleteFilesButton_, this, &ExtractionPanel::DeleteSelectedFilesClicked);
  Wire(deleteFilesItem_, this, &ExtractionPanel::DeleteSelectedFilesClicked);
  Wire(clearFilesButton_, this, &ExtractionPanel::ClearFilesClicked);
  Wire(clearFilesItem_, this, &ExtractionPanel::ClearFilesClicked);
  OnDoubleClick(fileList_->viewport(), [this] { FileListDoubleClicked(); });
  OnDoubleClick(pasteBox_->viewport(), [this] { PasteBoxDoubleClicked(); });
  Wire(landlineCheck_, this, &ExtractionPanel::LandlineClicked);
  Wire(regexCheck_, this, &ExtractionPanel::RegexClicked);
  connect(areaCodeModeCombo_, &QComboBox::currentIndexChanged, this, Guarded([this] { AreaCodeModeChanged(); }));
  Wire(extractToWorkspaceButton_, this, [this] { ExtractClicked(extractToWorkspaceButton_); });
  Wire(extractToFilesButton_, this, [this] { ExtractClicked(extractToFilesButton_); });
  // "停止" works while the run's action waits, so it is no action itself.
  connect(stopButton_, &QPushButton::clicked, this, [this] { StopClicked(); });
  AcceptInputDuringActions(stopButton_);
  stopButton_->setEnabled(false);
}

ExtractionPanel::~ExtractionPanel() { extraction_.Stop(); }

DropSites ExtractionPanel::Drops() const { return {{fileList_, DropTarget::kExtractionFiles}}; }

void ExtractionPanel::LoadAreaCodes() {
  areaCodes_.Clear();
  areaCodeTableMissing_ = !telqor::LoadAreaCodes(context_.Folders().baseData, areaCodes_);
}

// ---- The file list and the paste box --------------------------------------------------------

void ExtractionPanel::ImportFilesClicked() {
  for (const fs::path& file : ChooseFilesToOpen(this, context_.OpenDialogFolder())) fileList_->addItem(PathToQString(file));
}

void ExtractionPanel::ImportFolderClicked() {
  fs::path folder = ChooseFolder(this, context_.Folders().program);
  if (folder.empty()) return;
  DroppedFileList found;  // sorted, each path once
  found.AddDropped(folder);
  for (const fs::path& file : found.Paths()) fileList_->addItem(PathToQString(file));
}

void ExtractionPanel::DeleteSelectedFilesClicked() {
  for (int row = fileList_->count() - 1; row >= 0; --row)
    if (fileList_->item(row)->isSelected()) delete fileList_->takeItem(row);
}

void ExtractionPanel::ClearFilesClicked() { fileList_->clear(); }

void ExtractionPanel::FileListDoubleClicked() {
  if (fileList_->selectedItems().isEmpty()) return;
  if (!AskYesNoBox(this, u"确定删除当前选择文件?"_s, u"删除提示"_s)) return;
  if (QListWidgetItem* focused = fileList_->currentItem()) delete fileList_->takeItem(fileList_->row(focused));
}

void ExtractionPanel::PasteBoxDoubleClicked() { pasteBox_->clear(); }

void ExtractionPanel::LandlineClicked() { areaCodeModeCombo_->setEnabled(landlineCheck_->isChecked()); }

void ExtractionPanel::AreaCodeModeChanged() { areaCodeEdit_->setVisible(areaCodeModeCombo_->currentIndex() == 1); }

void ExtractionPanel::RegexClicked() {
  if (regexCheck_->isChecked()) {
    regexEdit_->setEnabled(true);
    if (regexEdit_->text() == u"输入正则表达式"_s) regexEdit_->clear();
  } else {
    regexEdit_->setEnabled(false);
  }
}

// ---- A run ----------------------------------------------------------------------------------

namespace {

// The entries of the area-code box, in order: "附加前一区号", "指定区号", "不处理".
AreaCodeMode AreaCodeModeAt(int index) {
  switch (index) {
    case 1:
      return AreaCodeMode::kFixed;
    case 2:
      return AreaCodeMode::kNone;
    default:
      return AreaCodeMode::kLastSeen;
  }
}

// The start buttons' Tag: 1 appends to the workspace list, 0 saves one file per kind.
ExtractionOutput OutputOfTag(int tag) {
  return tag == 1 ? ExtractionOutput::kAppendWanted : ExtractionOutput::kFilePerKind;
}

}  // namespace

void ExtractionPanel::ExtractClicked(QAbstractButton* sender) {
  if (extraction_.Active()) return;  // refused while a run goes (the action rule keeps it so)
  report_.Clear();
  output_ = OutputOfTag(sender->property("Tag").toInt());
  ExtractionRequest request;
  for (int row = 0; row < fileList_->count(); ++row) request.files.push_back(PathFromQString(fileList_->item(row)->text()));
  request.text = std::string(TrimBlanks(ToGbk(pasteBox_->toPlainText())));
  if (!request.HasSources()) return;
  request.mobile = mobileCheck_->isChecked();
  request.email = emailCheck_->isChecked();
  request.landline = landlineCheck_->isChecked();
  request.areaCodeMode = AreaCodeModeAt(areaCodeModeCombo_->currentIndex());
  request.fixedAreaCode = std::string(TrimBlanks(ToGbk(areaCodeEdit_->text())));
  request.areaCodes = &areaCodes_;
  request.areaCodeTableMissing = areaCodeTableMissing_;
  request.pattern = regexCheck_->isChecked();
  request.patternText = ToGbk(regexEdit_->text());
  request.output = output_;  // appending never uses the digit runs of no kind
  request.mobileSecondDigits = context_.CurrentSettings().mobileSecondDigits;
  request.mobileSeparators = context_.CurrentSettings().mobileSeparators != 0;
  abandoned_ = false;
  missingTableNote_ = toldMissingTable_ ? std::string() : request.MissingAreaCodeTableNote();
  extraction_.Start(std::move(request), report_);
  WaitForRun();
  if (!abandoned_) ExtractionDone();
}

void ExtractionPanel::StopClicked() { extraction_.RequestStop(); }

void ExtractionPanel::AbandonRun() {
  abandoned_ = true;
  extraction_.RequestStop();
}

void ExtractionPanel::ShowWorkerStatus() {
  if (std::optional<std::string> text = report_.TakeStatus()) context_.ui.ShowStatus(*text);
}

// Waits for the workers with the window painting; only "停止" takes input meanwhile.
void ExtractionPanel::WaitForRun() {
  stopButton_->setEnabled(true);
  KeepPainting();
  while (extraction_.Active()) {
    QEventLoop wait;
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    ShowWorkerStatus();
    context_.ui.Progress(static_cast<int64_t>(extraction_.BytesDone()), static_cast<int64_t>(extraction_.BytesTotal()));
  }
  extraction_.Wait();
  ShowWorkerStatus();
  context_.ui.Progress(0, 0);
  stopButton_->setEnabled(false);
}

namespace {

// "2个文件无法读取".
std::string UnreadCount(const std::vector<std::string>& failures) {
  return std::to_string(failures.size()) + "个文件无法读取";
}

// The closing box's word on the files left out: how many, then each with its reason (the first
// twenty; a run over a large folder may leave out thousands).
std::string UnreadFilesNote(const std::vector<std::string>& failures) {
  if (failures.empty()) return {};
  constexpr size_t kShown = 20;
  std::string note = UnreadCount(failures) + "，没有从中提取数据：";
  for (size_t i = 0; i < failures.size() && i < kShown; ++i) note += "\r\n" + failures[i];
  if (failures.size() > kShown) note += "\r\n……另有" + std::to_string(failures.size() - kShown) + "个";
  return note;
}

}  // namespace

void ExtractionPanel::ExtractionDone() {
  // A stopped run keeps every kind found up to where each item was stopped, and says so.
  const bool stopped = extraction_.Stopping();
  const std::string stopNote = stopped ? "提取已停止，只保存了停止前找到的数据。" : "";
  // Adding or saving millions of numbers found takes seconds: the status says the run is not
  // over until they are in, so nobody takes it for idle.
  const bool append = output_ == ExtractionOutput::kAppendWanted;
  context_.ui.ShowStatus(!stopped ? "文件搜索结束，正在整理找到的数据..."
                         : append ? "提取已停止，正在把停止前找到的数据追加到号码整理框..."
                                  : "提取已停止，正在保存停止前找到的数据...");
  const std::vector<std::string> failures = report_.Failures();
  const std::string unread = UnreadFilesNote(failures);
  // The closing box's notes: the files left out, and the first time a missing area-code table.
  std::string notes = unread;
  if (!missingTableNote_.empty()) {
    notes += (notes.empty() ? "" : "\r\n\r\n") + missingTableNote_;
    toldMissingTable_ = true;
  }
  if (append) {
    // The check boxes as they are now say which kinds the user keeps.
    const WantedKinds wanted{regexCheck_->isChecked(), landlineCheck_->isChecked(), mobileCheck_->isChecked(),
                             emailCheck_->isChecked()};
    size_t count = 0;
    ChangeList(workspace_, context_.ui, nullptr, nullptr,
               [&](ItemList& items) { count = CollectResults(report_.Found(), wanted, items); });
    const std::string done = "完成！生成" + std::to_string(count) + "个数据,追加到号码整理框";
    context_.ui.ShowStatus(stopNote + done + (unread.empty() ? "" : "；" + UnreadCount(failures)));
    if (!notes.empty()) context_.ui.Inform(done + "\r\n\r\n" + notes);
    return;
  }
  SavedFiles saved = SaveResultFiles(report_.Found(), context_.Folders().datedOutput);
  context_.ui.ShowStatus(saved.closing + (unread.empty() ? "" : "；" + UnreadCount(failures)));
  // Every file by name: one of them may have been given "-2" beside an earlier run's.
  OfferSavedFolder(saved.closing + SavedNames(saved) + (stopped ? "\r\n" + stopNote : "") +
                       (notes.empty() ? "" : "\r\n\r\n" + notes),
                   saved, context_.ui);
}

}  // namespace telqor
