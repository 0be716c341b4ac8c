#include "ui/files/file_manager_tab.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/file_comparison.h"
#include "files/file_operations.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/files/managed_folder.h"
#include "ui/kit/save_count_dialog.h"
#include "ui/kit/background_work.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::files;
namespace fs = std::filesystem;

FileManagerTab::FileManagerTab(AppContext& context, SaveCountDialog* saveCountDialog, QWidget* parent)
    : QWidget(parent), context_(context), saveCountDialog_(saveCountDialog) {
  setObjectName(kFileManagerTab);
  BuildToUseFolder();
  BuildUsedFolder();
  BuildGeneralFiles();
  BuildComparison();
  auto* managed = new QHBoxLayout;
  managed->addWidget(toUse_, 1);
  managed->addWidget(used_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(filesGroup_, 1);
  right->addWidget(comparisonGroup_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(managed, 1);
  layout->addLayout(right, 1);
  Connect();
  FoldersChanged();
}

void FileManagerTab::BuildToUseFolder() {
  const ManagedFolder::Names toUse{.group = kToUseGroup,
                                   .caption = u"§待使用文件§"_s,
                                   .list = kToUseList,
                                   .toolbar = kToUseToolbarButton,
                                   .setFolder = kToUseSetFolderButton,
                                   .open = kToUseOpenButton,
                                   .menu = kToUseMenu,
                                   .folder = &DataFolders::toUse,
                                   .setting = &Settings::toUseFilesFolder,
                                   .hintOnList = true};
  toUse_ = new ManagedFolder(
      context_, toUse,
      {{kRefreshToUseItem, u"刷新"_s, [this] { RefreshToUseClicked(); }},
       {u"-"_s, {}, {}},
       {kCheckAllToUseItem, u"文件全选"_s, [this] { CheckAllToUseClicked(); }},
       {kCheckNoneToUseItem, u"文件全不选"_s, [this] { CheckNoneToUseClicked(); }},
       {u"-"_s, {}, {}},
       {kMergeToUseItem, u"选择文件->合并"_s, [this] { MergeToUseClicked(); }},
       {kDeleteToUseItem, u"选择文件->删除"_s, [this] { DeleteToUseClicked(); }},
       {kDedupeToUseItem, u"选择文件->去重复"_s, [this] { DedupeToUseClicked(); }},
       {kShuffleToUseItem, u"选择文件->乱序"_s, [this] { ShuffleToUseClicked(); }},
       {kSplitToUseItem, u"选择文件->分割行数"_s, [this] { SplitToUseClicked(); }},
       {u"-"_s, {}, {}},
       {kCompareWithUsedItem, u"跟已经使用文件比较生成新文件"_s, [this] { CompareWithUsedClicked(); }},
       {kMarkAsUsedItem, u"选择文件设定为已经使用过文件"_s, [this] { MarkAsUsedClicked(); }},
       {u"-"_s, {}, {}},
       {kOpenToUseFolderItem, u"打开目录"_s, [this] { OpenToUseFolderClicked(); }}});
}

void FileManagerTab::BuildUsedFolder() {
  const ManagedFolder::Names used{.group = kUsedGroup,
                                  .caption = u"§使用过文件§"_s,
                                  .list = kUsedList,
                                  .toolbar = kUsedToolbarButton,
                                  .setFolder = kUsedSetFolderButton,
                                  .open = kUsedOpenButton,
                                  .menu = kUsedMenu,
                                  .folder = &DataFolders::usedFiles,
                                  .setting = &Settings::usedFilesFolder,
                                  .hintOnList = false};
  used_ = new ManagedFolder(context_, used,
                            {{kRefreshUsedItem, u"刷新"_s, [this] { RefreshUsedClicked(); }},
                             {u"-"_s, {}, {}},
                             {kCheckAllUsedItem, u"文件全选"_s, [this] { CheckAllUsedClicked(); }},
                             {kCheckNoneUsedItem, u"文件全不选"_s, [this] { CheckNoneUsedClicked(); }},
                             {u"-"_s, {}, {}},
                             {kMergeUsedItem, u"选择文件->合并"_s, [this] { MergeUsedClicked(); }},
                             {kDeleteUsedItem, u"选择文件->删除"_s, [this] { DeleteUsedClicked(); }},
                             {kDedupeUsedItem, u"选择文件->去重复"_s, [this] { DedupeUsedClicked(); }},
                             {kShuffleUsedItem, u"选择文件->乱序"_s, [this] { ShuffleUsedClicked(); }},
                             {kSplitUsedItem, u"选择文件->分割行数"_s, [this] { SplitUsedClicked(); }},
                             {u"-"_s, {}, {}},
                             {kOpenUsedFolderItem, u"打开目录"_s, [this] { OpenUsedFolderClicked(); }}});
}

void FileManagerTab::BuildComparison() {
  comparisonGroup_ = Named<QGroupBox>(kComparisonGroup, u"文件比对"_s);
  auto* newFileLabel = Named<QLabel>(kNewFileLabel, u"新文件"_s);
  newFileEdit_ = Named<QLineEdit>(kNewFileEdit);
  browseNewFileButton_ = Button(kBrowseNewFileButton, u"浏览"_s);
  auto* referenceFileLabel = Named<QLabel>(kReferenceFileLabel, u"原文件"_s);
  referenceFileEdit_ = Named<QLineEdit>(kReferenceFileEdit);
  browseReferenceFileButton_ = Button(kBrowseReferenceFileButton, u"浏览"_s);
  compareButton_ = Button(kCompareButton, u"比对生成"_s);
  comparisonFolderButton_ = Button(kComparisonFolderButton, u"浏览生成文件夹"_s);
  auto* compare = new QGridLayout(comparisonGroup_);
  compare->addWidget(newFileLabel, 0, 0);
  compare->addWidget(newFileEdit_, 0, 1);
  compare->addWidget(browseNewFileButton_, 0, 2);
  compare->addWidget(referenceFileLabel, 1, 0);
  compare->addWidget(referenceFileEdit_, 1, 1);
  compare->addWidget(browseReferenceFileButton_, 1, 2);
  compare->addLayout(Row({compareButton_, comparisonFolderButton_}), 2, 1, 1, 2);
  compare->setColumnStretch(1, 1);
}

void FileManagerTab::BuildGeneralFiles() {
  filesGroup_ = Named<QGroupBox>(kGeneralFilesGroup, u"要转换文件"_s);
  auto* generalTitle = Named<QLabel>(kGeneralFilesTitle, u"通用文件管理-支持拖放操作"_s);
  fileList_ = Named<QListWidget>(kGeneralFileList);
  fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fileList_->setToolTip(u"操作:双击或者用鼠标右菜单打开文件目录"_s);
  addFilesButton_ = Button(kAddFilesButton, u"加入文件"_s);
  removeFilesButton_ = Button(kRemoveFilesButton, u"删除文件"_s);
  mergeFilesButton_ = Button(kMergeFilesButton, u"合并文件"_s);
  splitFilesButton_ = Button(kSplitFilesButton, u"分割文件"_s);
  dedupeFilesButton_ = Button(kDedupeFilesButton, u"去重文件"_s);
  shuffleFilesButton_ = Button(kShuffleFilesButton, u"乱序文件"_s);
  auto* fileButtons = new QVBoxLayout;
  for (QPushButton* b : {addFilesButton_, removeFilesButton_, mergeFilesButton_, splitFilesButton_, dedupeFilesButton_,
                         shuffleFilesButton_})
    fileButtons->addWidget(b);
  fileButtons->addStretch();
  fileListMenu_ = Named<QMenu>(kGeneralFileMenu, this);
  openFileFolderItem_ = MenuItem(fileListMenu_, kOpenFileFolderItem, u"打开当前文件的目录"_s);
  ContextMenu(fileList_, fileListMenu_);
  auto* outputLabel = Named<QLabel>(kOutputFolderLabel, u"输出目录指定："_s);
  outputFolderEdit_ = Named<QLineEdit>(kOutputFolderEdit);
  // It shows the output folder, which only "设定" changes: a path typed here would go unused.
  outputFolderEdit_->setReadOnly(true);
  outputFolderEdit_->setToolTip(u"输出文件夹，用“设定”更改"_s);
  besideFilesRadio_ = Named<QRadioButton>(kBesideFilesRadio, u"转换文件目录"_s);
  fixedFolderRadio_ = Named<QRadioButton>(kFixedFolderRadio, u"固定文件目录"_s);
  fixedFolderRadio_->setChecked(true);
  setOutputFolderButton_ = Button(kSetOutputFolderButton, u"设定"_s);
  openOutputFolderButton_ = Button(kOpenOutputFolderButton, u"打开"_s);
  auto* listAndButtons = new QHBoxLayout;
  listAndButtons->addWidget(fileList_, 1);
  listAndButtons->addLayout(fileButtons);
  auto* outputRow = new QHBoxLayout;
  outputRow->addWidget(outputLabel);
  outputRow->addWidget(outputFolderEdit_, 1);
  auto* general = new QVBoxLayout(filesGroup_);
  general->addWidget(generalTitle);
  general->addLayout(listAndButtons, 1);
  general->addLayout(outputRow);
  general->addLayout(Row({besideFilesRadio_, fixedFolderRadio_, setOutputFolderButton_, openOutputFolderButton_}));
}

void FileManagerTab::Connect() {
  Wire(addFilesButton_, this, &FileManagerTab::AddFilesClicked);
  Wire(removeFilesButton_, this, &FileManagerTab::RemoveFilesClicked);
  Wire(mergeFilesButton_, this, &FileManagerTab::MergeFilesClicked);
  Wire(splitFilesButton_, this, &FileManagerTab::SplitFilesClicked);
  Wire(dedupeFilesButton_, this, &FileManagerTab::DedupeFilesClicked);
  Wire(shuffleFilesButton_, this, &FileManagerTab::ShuffleFilesClicked);
  Wire(openFileFolderItem_, this, &FileManagerTab::OpenFileFolderClicked);
  OnDoubleClick(fileList_->viewport(), [this] { OpenFileFolderClicked(); });
  Wire(besideFilesRadio_, this, &FileManagerTab::OutputFolderChoiceClicked);
  Wire(fixedFolderRadio_, this, &FileManagerTab::OutputFolderChoiceClicked);
  Wire(setOutputFolderButton_, this, &FileManagerTab::SetOutputFolderClicked);
  Wire(openOutputFolderButton_, this, &FileManagerTab::OpenOutputFolderClicked);

  OnDoubleClick(newFileEdit_, [this] { newFileEdit_->clear(); });
  OnDoubleClick(referenceFileEdit_, [this] { referenceFileEdit_->clear(); });
  Wire(browseNewFileButton_, this, &FileManagerTab::BrowseNewFileClicked);
  Wire(browseReferenceFileButton_, this, &FileManagerTab::BrowseReferenceFileClicked);
  Wire(compareButton_, this, &FileManagerTab::CompareClicked);
  Wire(comparisonFolderButton_, this, &FileManagerTab::OpenComparisonFolderClicked);
}

DropSites FileManagerTab::Drops() const {
  return {{fileList_, DropTarget::kGeneralFiles},
          {newFileEdit_, DropTarget::kNewFileField},
          {referenceFileEdit_, DropTarget::kReferenceFileField}};
}

void FileManagerTab::FoldersChanged() {
  toUse_->Refresh();
  used_->Refresh();
  ShowOutputFolder();
  UpdateOutputFolderField();
}

void FileManagerTab::ShowOutputFolder() { outputFolderEdit_->setText(FolderToQString(context_.Folders().otherData)); }
void FileManagerTab::UpdateOutputFolderField() { outputFolderEdit_->setEnabled(fixedFolderRadio_->isChecked()); }

CompareMode FileManagerTab::Comparison() const { return context_.CurrentSettings().Comparison(); }

// ---- Selections -----------------------------------------------------------------------------

// A managed folder's outputs go beside their files, and its list shows them after.
FileSelection FileManagerTab::ManagedSelection(ManagedFolder* folder) const {
  return {folder->Selected(), [](const fs::path& file) { return file.parent_path(); },
          [folder] { RunOnUiThread([folder] { folder->Refresh(); }); }, true};
}

FileSelection FileManagerTab::GeneralSelection() const {
  std::vector<fs::path> files;
  for (int row = 0; row < fileList_->count(); ++row)
    if (fileList_->item(row)->isSelected()) files.push_back(PathFromQString(fileList_->item(row)->text()));
  return {files,
          [fixed = fixedFolderRadio_->isChecked(), dated = context_.Folders().datedOutput](const fs::path& file) {
            return OutputFolderFor(file, fixed, dated);
          },
          nullptr, false};
}

void FileManagerTab::Split(const std::function<FileSelection()>& select, std::string_view done) {
  std::string count;
  if (!saveCountDialog_->AskCount(count)) return;
  int lines = SplitCount(count);
  context_.InBackground({}, [&, selection = select()](Ui& ui) { SplitSelection(selection, lines, ui, done); });
}

// ---- The to-use folder --------------------------------------------------------------------

void FileManagerTab::RefreshToUseClicked() {
  toUse_->Refresh();
  context_.ui.ShowStatus("刷新完成");
}

void FileManagerTab::CheckAllToUseClicked() {
  toUse_->CheckAll();
  context_.ui.ShowStatus("文件全选完成");
}

void FileManagerTab::CheckNoneToUseClicked() {
  toUse_->CheckNone();
  context_.ui.ShowStatus("文件全不选完成");
}

void FileManagerTab::MergeToUseClicked() {
  context_.InBackground(
      {}, [&, selection = ManagedSelection(toUse_)](Ui& ui) { MergeSelection(selection, ui, "选择文件->合并完成"); });
}

void FileManagerTab::DeleteToUseClicked() { toUse_->DeleteChecked("选择文件->删除完成"); }

void FileManagerTab::DedupeToUseClicked() {
  context_.InBackground({}, [&, selection = ManagedSelection(toUse_)](Ui& ui) {
    DedupeSelection(selection, Comparison(), ui, "选择文件->去重复完成");
  });
}

void FileManagerTab::ShuffleToUseClicked() {
  context_.InBackground(
      {}, [&, selection = ManagedSelection(toUse_)](Ui& ui) { ShuffleSelection(selection, ui, "选择文件->乱序完成"); });
}

void FileManagerTab::SplitToUseClicked() {
  Split([this] { return ManagedSelection(toUse_); }, "选择文件->分割行数完成");
}

// "跟已经使用文件比较生成新文件": the one checked to-use file against the one checked used
// file; the results go into the to-use folder and show in its list.
void FileManagerTab::CompareWithUsedClicked() {
  std::vector<fs::path> newFile = toUse_->Selected();
  if (newFile.size() != 1) return InformBox(this, u"请选择一个要处理的文件\r\n如果是多个文件，请先合并后再操作"_s);
  std::vector<fs::path> reference = used_->Selected();
  if (reference.size() != 1) return InformBox(this, u"请选择一个比对源文件\r\n如果是多个文件，请先合并后再操作"_s);
  context_.InBackground({}, [&](Ui& ui) {
    CompareFiles(newFile.front(), reference.front(), toUse_->Folder(), Comparison(), ui);
  });
  toUse_->Refresh();
}

void FileManagerTab::MarkAsUsedClicked() {
  const std::vector<fs::path> files = toUse_->Selected();
  std::vector<FileFailure> failed = MoveFilesInto(files, used_->Folder());
  toUse_->Refresh();
  used_->Refresh();
  ReportFailures(context_.ui, "选择文件设定为已经使用过文件完成", "移动", std::move(failed), files.size());
}

void FileManagerTab::OpenToUseFolderClicked() { toUse_->OpenFolder(); }

// ---- The used-files folder ----------------------------------------------------------------

void FileManagerTab::RefreshUsedClicked() { used_->Refresh(); }

void FileManagerTab::CheckAllUsedClicked() {
  used_->CheckAll();
  context_.ui.ShowStatus("文件全选完成");
}

void FileManagerTab::CheckNoneUsedClicked() {
  used_->CheckNone();
  context_.ui.ShowStatus("文件全不选完成");
}

void FileManagerTab::MergeUsedClicked() {
  context_.InBackground(
      {}, [&, selection = ManagedSelection(used_)](Ui& ui) { MergeSelection(selection, ui, "选择文件->合并完成"); });
}
void FileManagerTab::DeleteUsedClicked() { used_->DeleteChecked({}); }

void FileManagerTab::DedupeUsedClicked() {
  context_.InBackground({}, [&, selection = ManagedSelection(used_)](Ui& ui) {
    DedupeSelection(selection, Comparison(), ui, "选择文件->去重复完成");
  });
}

void FileManagerTab::ShuffleUsedClicked() {
  context_.InBackground(
      {}, [&, selection = ManagedSelection(used_)](Ui& ui) { ShuffleSelection(selection, ui, "选择文件->乱序完成"); });
}
void FileManagerTab::SplitUsedClicked() {
  Split([this] { return ManagedSelection(used_); }, "选择文件->分割行数完成");
}
void FileManagerTab::OpenUsedFolderClicked() { used_->OpenFolder(); }

// ---- The general file list and the output folder ------------------------------------------

void FileManagerTab::AddFilesClicked() {
  std::vector<fs::path> files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  for (const fs::path& file : files) fileList_->addItem(PathToQString(file));
  context_.ui.ShowStatus("加入文件完成！");
}

void FileManagerTab::RemoveFilesClicked() {
  for (int row = fileList_->count() - 1; row >= 0; --row)
    if (fileList_->item(row)->isSelected()) delete fileList_->takeItem(row);
  context_.ui.ShowStatus("删除完成！");
}

void FileManagerTab::MergeFilesClicked() {
  context_.InBackground(
      {}, [&, selection = GeneralSelection()](Ui& ui) { MergeSelection(selection, ui, "合并文件完成！"); });
}
void FileManagerTab::SplitFilesClicked() {
  Split([this] { return GeneralSelection(); }, "分割完成！");
}
void FileManagerTab::DedupeFilesClicked() {
  context_.InBackground({}, [&, selection = GeneralSelection()](Ui& ui) {
    DedupeSelection(selection, Comparison(), ui, "去重复完成！");
  });
}
void FileManagerTab::ShuffleFilesClicked() {
  context_.InBackground(
      {}, [&, selection = GeneralSelection()](Ui& ui) { ShuffleSelection(selection, ui, "乱序文件完成！"); });
}

// The folder of the item with the focus, once any item is selected.
void FileManagerTab::OpenFileFolderClicked() {
  if (fileList_->selectedItems().isEmpty() || !fileList_->currentItem()) return;
  context_.ui.OpenFolder(PathFromQString(fileList_->currentItem()->text()).parent_path());
}

void FileManagerTab::OutputFolderChoiceClicked() { UpdateOutputFolderField(); }

// "设定": the folder chosen is the output folder at once, with the dated folder under it; the
// settings are saved even when the picker was cancelled.
void FileManagerTab::SetOutputFolderClicked() {
  fs::path chosen = ChooseFolder(this, context_.Folders().otherData);
  if (!chosen.empty()) {
    UseFolder(context_, &Settings::otherDataFolder, chosen);
    ShowOutputFolder();
  }
  SaveSettings(context_.program.iniFile, context_.program.settings);
}

void FileManagerTab::OpenOutputFolderClicked() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

// ---- The comparison -----------------------------------------------------------------------

void FileManagerTab::Browse(QLineEdit* field) {
  std::vector<fs::path> files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) field->setText(PathToQString(files.front()));
}

void FileManagerTab::BrowseNewFileClicked() { Browse(newFileEdit_); }
void FileManagerTab::BrowseReferenceFileClicked() { Browse(referenceFileEdit_); }

// "比对生成": the new file against the reference file; nothing when either field is blank.
void FileManagerTab::CompareClicked() {
  const QString newText = newFileEdit_->text().trimmed();
  const QString referenceText = referenceFileEdit_->text().trimmed();
  if (newText.isEmpty() || referenceText.isEmpty()) return;
  const fs::path newFile = PathFromQString(newText);
  const fs::path referenceFile = PathFromQString(referenceText);
  const fs::path folder = OutputFolderFor(newFile, fixedFolderRadio_->isChecked(), context_.Folders().datedOutput);
  context_.InBackground({}, [&](Ui& ui) {
    CompareFiles(newFile, referenceFile, folder, Comparison(), ui);
  });
}

void FileManagerTab::OpenComparisonFolderClicked() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

}  // namespace telqor
