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
#include "ui/files/managed_folder.h"
#include "ui/files/save_count_dialog.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

FileManagerTab::FileManagerTab(AppContext& context, SaveCountDialog* frmhmsave, QWidget* parent)
    : QWidget(parent), context_(context), frmhmsave_(frmhmsave) {
  setObjectName(u"TabSheet3"_s);
  BuildManagedFolders();
  BuildGeneralFiles();
  BuildComparison();
  auto* managed = new QHBoxLayout;
  managed->addWidget(toUse_, 1);
  managed->addWidget(used_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(GroupBox6, 1);
  right->addWidget(GroupBox1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(managed, 1);
  layout->addLayout(right, 1);
  Connect();
  FoldersChanged();
}

void FileManagerTab::BuildManagedFolders() {
  const ManagedFolder::Names toUse{.group = u"GroupBox7"_s,
                                   .caption = u"§待使用文件§"_s,
                                   .list = u"CLBwilluse"_s,
                                   .toolbar = u"SpeedButton26"_s,
                                   .setFolder = u"SpeedButton29"_s,
                                   .open = u"SpeedButton32"_s,
                                   .menu = u"PopupMenu1"_s,
                                   .folder = &DataFolders::toUse,
                                   .setting = &Settings::MywillUseDataPath,
                                   .hintOnList = true};
  toUse_ = new ManagedFolder(context_, toUse,
                             {{u"N15"_s, u"刷新"_s},
                              {u"-"_s, {}},
                              {u"N8"_s, u"文件全选"_s},
                              {u"N10"_s, u"文件全不选"_s},
                              {u"-"_s, {}},
                              {u"N12"_s, u"选择文件->合并"_s},
                              {u"N13"_s, u"选择文件->删除"_s},
                              {u"N7"_s, u"选择文件->去重复"_s},
                              {u"N35"_s, u"选择文件->乱序"_s},
                              {u"N37"_s, u"选择文件->分割行数"_s},
                              {u"-"_s, {}},
                              {u"N6"_s, u"跟已经使用文件比较生成新文件"_s},
                              {u"N17"_s, u"选择文件设定为已经使用过文件"_s},
                              {u"-"_s, {}},
                              {u"N9"_s, u"打开目录"_s}});
  const ManagedFolder::Names used{.group = u"GroupBox8"_s,
                                  .caption = u"§使用过文件§"_s,
                                  .list = u"CLBused"_s,
                                  .toolbar = u"SpeedButton25"_s,
                                  .setFolder = u"SpeedButton30"_s,
                                  .open = u"SpeedButton33"_s,
                                  .menu = u"PopupMenu2"_s,
                                  .folder = &DataFolders::usedFiles,
                                  .setting = &Settings::MyUsedDataPath,
                                  .hintOnList = false};
  used_ = new ManagedFolder(context_, used,
                            {{u"MenuItem1"_s, u"刷新"_s},
                             {u"-"_s, {}},
                             {u"MenuItem3"_s, u"文件全选"_s},
                             {u"MenuItem4"_s, u"文件全不选"_s},
                             {u"-"_s, {}},
                             {u"MenuItem6"_s, u"选择文件->合并"_s},
                             {u"MenuItem7"_s, u"选择文件->删除"_s},
                             {u"MenuItem8"_s, u"选择文件->去重复"_s},
                             {u"N36"_s, u"选择文件->乱序"_s},
                             {u"N38"_s, u"选择文件->分割行数"_s},
                             {u"-"_s, {}},
                             {u"MenuItem11"_s, u"打开目录"_s}});
}

void FileManagerTab::BuildComparison() {
  GroupBox1 = Named<QGroupBox>(u"GroupBox1"_s, u"文件比对"_s);
  auto* label4 = Named<QLabel>(u"Label4"_s, u"新文件"_s);
  EditA = Named<QLineEdit>(u"EditA"_s);
  SpeedButton10 = Button(u"SpeedButton10"_s, u"浏览"_s);
  auto* label5 = Named<QLabel>(u"Label5"_s, u"原文件"_s);
  EditB = Named<QLineEdit>(u"EditB"_s);
  SpeedButton11 = Button(u"SpeedButton11"_s, u"浏览"_s);
  BitBtn2 = Button(u"BitBtn2"_s, u"比对生成"_s);
  BitBtn1 = Button(u"BitBtn1"_s, u"浏览生成文件夹"_s);
  auto* compare = new QGridLayout(GroupBox1);
  compare->addWidget(label4, 0, 0);
  compare->addWidget(EditA, 0, 1);
  compare->addWidget(SpeedButton10, 0, 2);
  compare->addWidget(label5, 1, 0);
  compare->addWidget(EditB, 1, 1);
  compare->addWidget(SpeedButton11, 1, 2);
  compare->addLayout(Row({BitBtn2, BitBtn1}), 2, 1, 1, 2);
  compare->setColumnStretch(1, 1);
}

void FileManagerTab::BuildGeneralFiles() {
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
  auto* fileButtons = new QVBoxLayout;
  for (QPushButton* b : {SpeedButton12, SpeedButton19, SpeedButton20, SpeedButton21, SpeedButton1, SpeedButton4})
    fileButtons->addWidget(b);
  fileButtons->addStretch();
  PopupMenu7 = Named<QMenu>(u"PopupMenu7"_s, this);
  N39 = MenuItem(PopupMenu7, u"N39"_s, u"打开当前文件的目录"_s);
  ContextMenu(LB1, PopupMenu7);
  Label11 = Named<QLabel>(u"Label11"_s, u"输出目录指定："_s);
  EditURL = Named<QLineEdit>(u"EditURL"_s);
  // It shows the output folder, which only "设定" changes: a path typed here would go unused.
  EditURL->setReadOnly(true);
  EditURL->setToolTip(u"输出文件夹，用“设定”更改"_s);
  RBSelA = Named<QRadioButton>(u"RBSelA"_s, u"转换文件目录"_s);
  RBSelB = Named<QRadioButton>(u"RBSelB"_s, u"固定文件目录"_s);
  RBSelB->setChecked(true);
  SpeedButton28 = Button(u"SpeedButton28"_s, u"设定"_s);
  SpeedButton31 = Button(u"SpeedButton31"_s, u"打开"_s);
  auto* listAndButtons = new QHBoxLayout;
  listAndButtons->addWidget(LB1, 1);
  listAndButtons->addLayout(fileButtons);
  auto* outputRow = new QHBoxLayout;
  outputRow->addWidget(Label11);
  outputRow->addWidget(EditURL, 1);
  auto* general = new QVBoxLayout(GroupBox6);
  general->addWidget(generalTitle);
  general->addLayout(listAndButtons, 1);
  general->addLayout(outputRow);
  general->addLayout(Row({RBSelA, RBSelB, SpeedButton28, SpeedButton31}));
}

void FileManagerTab::Connect() {
  Wire(toUse_->Item(u"N15"_s), this, &FileManagerTab::N15Click);
  Wire(toUse_->Item(u"N8"_s), this, &FileManagerTab::N8Click);
  Wire(toUse_->Item(u"N10"_s), this, &FileManagerTab::N10Click);
  Wire(toUse_->Item(u"N12"_s), this, &FileManagerTab::N12Click);
  Wire(toUse_->Item(u"N13"_s), this, &FileManagerTab::N13Click);
  Wire(toUse_->Item(u"N7"_s), this, &FileManagerTab::N7Click);
  Wire(toUse_->Item(u"N35"_s), this, &FileManagerTab::N35Click);
  Wire(toUse_->Item(u"N37"_s), this, &FileManagerTab::N37Click);
  Wire(toUse_->Item(u"N6"_s), this, &FileManagerTab::N6Click);
  Wire(toUse_->Item(u"N17"_s), this, &FileManagerTab::N17Click);
  Wire(toUse_->Item(u"N9"_s), this, &FileManagerTab::N9Click);
  Wire(used_->Item(u"MenuItem1"_s), this, &FileManagerTab::MenuItem1Click);
  Wire(used_->Item(u"MenuItem3"_s), this, &FileManagerTab::MenuItem3Click);
  Wire(used_->Item(u"MenuItem4"_s), this, &FileManagerTab::MenuItem4Click);
  Wire(used_->Item(u"MenuItem6"_s), this, &FileManagerTab::MenuItem6Click);
  Wire(used_->Item(u"MenuItem7"_s), this, &FileManagerTab::MenuItem7Click);
  Wire(used_->Item(u"MenuItem8"_s), this, &FileManagerTab::MenuItem8Click);
  Wire(used_->Item(u"N36"_s), this, &FileManagerTab::N36Click);
  Wire(used_->Item(u"N38"_s), this, &FileManagerTab::N38Click);
  Wire(used_->Item(u"MenuItem11"_s), this, &FileManagerTab::MenuItem11Click);

  Wire(SpeedButton12, this, &FileManagerTab::SpeedButton12Click);
  Wire(SpeedButton19, this, &FileManagerTab::SpeedButton19Click);
  Wire(SpeedButton20, this, &FileManagerTab::SpeedButton20Click);
  Wire(SpeedButton21, this, &FileManagerTab::SpeedButton21Click);
  Wire(SpeedButton1, this, &FileManagerTab::SpeedButton1Click);
  Wire(SpeedButton4, this, &FileManagerTab::SpeedButton4Click);
  Wire(N39, this, &FileManagerTab::N39Click);
  OnDoubleClick(LB1->viewport(), [this] { N39Click(); });
  Wire(RBSelA, this, &FileManagerTab::RBSelAClick);
  Wire(RBSelB, this, &FileManagerTab::RBSelBClick);
  Wire(SpeedButton28, this, &FileManagerTab::SpeedButton28Click);
  Wire(SpeedButton31, this, &FileManagerTab::SpeedButton31Click);

  OnDoubleClick(EditA, [this] { EditA->clear(); });
  OnDoubleClick(EditB, [this] { EditB->clear(); });
  Wire(SpeedButton10, this, &FileManagerTab::SpeedButton10Click);
  Wire(SpeedButton11, this, &FileManagerTab::SpeedButton11Click);
  Wire(BitBtn2, this, &FileManagerTab::BitBtn2Click);
  Wire(BitBtn1, this, &FileManagerTab::BitBtn1Click);
}

DropSites FileManagerTab::Drops() const {
  return {{LB1, DropTarget::kLB1}, {EditA, DropTarget::kEditA}, {EditB, DropTarget::kEditB}};
}

void FileManagerTab::FoldersChanged() {
  toUse_->Refresh();
  used_->Refresh();
  ShowOutputFolder();
  UpdateEditURL();
}

void FileManagerTab::ShowOutputFolder() { EditURL->setText(FolderDisplayText(context_.Folders().otherData)); }
void FileManagerTab::UpdateEditURL() { EditURL->setEnabled(RBSelB->isChecked()); }

bool FileManagerTab::ModeB() const { return context_.CurrentSettings().ModeB(); }

// ---- Selections -----------------------------------------------------------------------------

// A managed folder's outputs go beside their files, and its list shows them after.
FileSelection FileManagerTab::ManagedSelection(ManagedFolder* folder) const {
  return {folder->Selected(), [](const fs::path& file) { return file.parent_path(); }, [folder] { folder->Refresh(); },
          true};
}

FileSelection FileManagerTab::GeneralSelection() const {
  std::vector<fs::path> files;
  for (int row = 0; row < LB1->count(); ++row)
    if (LB1->item(row)->isSelected()) files.push_back(PathOf(LB1->item(row)->text()));
  return {files,
          [fixed = RBSelB->isChecked(), dated = context_.Folders().datedOutput](const fs::path& file) {
            return OutputFolderFor(file, fixed, dated);
          },
          nullptr, false};
}

void FileManagerTab::Split(const std::function<FileSelection()>& select, std::string_view done) {
  std::string count;
  if (!frmhmsave_->AskCount(count)) return;
  int lines = SplitCount(count);
  SplitSelection(select(), lines, context_.ui, done);
}

// ---- The to-use folder --------------------------------------------------------------------

void FileManagerTab::N15Click() {
  toUse_->Refresh();
  context_.ui.ShowStatus("刷新完成");
}

void FileManagerTab::N8Click() {
  toUse_->CheckAll();
  context_.ui.ShowStatus("文件全选完成");
}

void FileManagerTab::N10Click() {
  toUse_->CheckNone();
  context_.ui.ShowStatus("文件全不选完成");
}

void FileManagerTab::N12Click() { MergeSelection(ManagedSelection(toUse_), context_.ui, "选择文件->合并完成"); }

void FileManagerTab::N13Click() { toUse_->DeleteChecked("选择文件->删除完成"); }

void FileManagerTab::N7Click() {
  DedupeSelection(ManagedSelection(toUse_), ModeB(), context_.ui, "选择文件->去重复完成");
}

void FileManagerTab::N35Click() { ShuffleSelection(ManagedSelection(toUse_), context_.ui, "选择文件->乱序完成"); }

void FileManagerTab::N37Click() {
  Split([this] { return ManagedSelection(toUse_); }, "选择文件->分割行数完成");
}

// "跟已经使用文件比较生成新文件": the one checked to-use file against the one checked used
// file; the results go into the to-use folder and show in its list.
void FileManagerTab::N6Click() {
  std::vector<fs::path> newFile = toUse_->Selected();
  if (newFile.size() != 1) return InformBox(this, u"请选择一个要处理的文件\r\n如果是多个文件，请先合并后再操作"_s);
  std::vector<fs::path> reference = used_->Selected();
  if (reference.size() != 1) return InformBox(this, u"请选择一个比对源文件\r\n如果是多个文件，请先合并后再操作"_s);
  CompareFiles(newFile.front(), reference.front(), toUse_->Folder(), ModeB(), context_.CurrentSettings().MapCacheSize,
               context_.ui);
  toUse_->Refresh();
}

void FileManagerTab::N17Click() {
  const std::vector<fs::path> files = toUse_->Selected();
  std::vector<FileFailure> failed = MoveFilesInto(files, used_->Folder());
  toUse_->Refresh();
  used_->Refresh();
  ReportFailures(context_.ui, "选择文件设定为已经使用过文件完成", "移动", std::move(failed), files.size());
}

void FileManagerTab::N9Click() { toUse_->OpenFolder(); }

// ---- The used-files folder ----------------------------------------------------------------

void FileManagerTab::MenuItem1Click() { used_->Refresh(); }

void FileManagerTab::MenuItem3Click() {
  used_->CheckAll();
  context_.ui.ShowStatus("文件全选完成");
}

void FileManagerTab::MenuItem4Click() {
  used_->CheckNone();
  context_.ui.ShowStatus("文件全不选完成");
}

void FileManagerTab::MenuItem6Click() { MergeSelection(ManagedSelection(used_), context_.ui, "选择文件->合并完成"); }
void FileManagerTab::MenuItem7Click() { used_->DeleteChecked({}); }

void FileManagerTab::MenuItem8Click() {
  DedupeSelection(ManagedSelection(used_), ModeB(), context_.ui, "选择文件->去重复完成");
}

void FileManagerTab::N36Click() { ShuffleSelection(ManagedSelection(used_), context_.ui, "选择文件->乱序完成"); }
void FileManagerTab::N38Click() {
  Split([this] { return ManagedSelection(used_); }, "选择文件->分割行数完成");
}
void FileManagerTab::MenuItem11Click() { used_->OpenFolder(); }

// ---- The general file list and the output folder ------------------------------------------

void FileManagerTab::SpeedButton12Click() {
  std::vector<fs::path> files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  for (const fs::path& file : files) LB1->addItem(PathText(file));
  context_.ui.ShowStatus("加入文件完成！");
}

void FileManagerTab::SpeedButton19Click() {
  for (int row = LB1->count() - 1; row >= 0; --row)
    if (LB1->item(row)->isSelected()) delete LB1->takeItem(row);
  context_.ui.ShowStatus("删除完成！");
}

void FileManagerTab::SpeedButton20Click() { MergeSelection(GeneralSelection(), context_.ui, "合并文件完成！"); }
void FileManagerTab::SpeedButton21Click() {
  Split([this] { return GeneralSelection(); }, "分割完成！");
}
void FileManagerTab::SpeedButton1Click() { DedupeSelection(GeneralSelection(), ModeB(), context_.ui, "去重复完成！"); }
void FileManagerTab::SpeedButton4Click() { ShuffleSelection(GeneralSelection(), context_.ui, "乱序文件完成！"); }

// The folder of the item with the focus, once any item is selected.
void FileManagerTab::N39Click() {
  if (LB1->selectedItems().isEmpty() || !LB1->currentItem()) return;
  context_.ui.OpenFolder(PathOf(LB1->currentItem()->text()).parent_path());
}

void FileManagerTab::RBSelAClick() { UpdateEditURL(); }
void FileManagerTab::RBSelBClick() { UpdateEditURL(); }

// "设定": the folder chosen is the output folder at once, with the dated folder under it; the
// settings are saved even when the picker was cancelled.
void FileManagerTab::SpeedButton28Click() {
  fs::path chosen = ChooseFolder(this, context_.Folders().otherData);
  if (!chosen.empty()) {
    UseFolder(context_, &Settings::MyOtherDataPath, chosen);
    ShowOutputFolder();
  }
  SaveSettings(context_.program.iniFile, context_.program.settings);
}

void FileManagerTab::SpeedButton31Click() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

// ---- The comparison -----------------------------------------------------------------------

void FileManagerTab::Browse(QLineEdit* field) {
  std::vector<fs::path> files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) field->setText(PathText(files.front()));
}

void FileManagerTab::SpeedButton10Click() { Browse(EditA); }
void FileManagerTab::SpeedButton11Click() { Browse(EditB); }

// "比对生成": EditA (new) against EditB (reference); nothing when either is blank.
void FileManagerTab::BitBtn2Click() {
  const QString newText = EditA->text().trimmed();
  const QString referenceText = EditB->text().trimmed();
  if (newText.isEmpty() || referenceText.isEmpty()) return;
  const fs::path newFile = PathOf(newText);
  CompareFiles(newFile, PathOf(referenceText),
               OutputFolderFor(newFile, RBSelB->isChecked(), context_.Folders().datedOutput), ModeB(),
               context_.CurrentSettings().MapCacheSize, context_.ui);
}

void FileManagerTab::BitBtn1Click() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

}  // namespace telqor
