#include "ui/tools/rename_dialog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/tools/rename_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::rename;
namespace fs = std::filesystem;

namespace {

// Names are UTF-8, as the engine's paths print.
QString Shown(const std::string& name) { return FromUtf8(name); }
std::string Typed(const QString& text) { return text.toStdString(); }

}  // namespace

// The rename list as its view shows it: the old name, then the new one. Only visible rows are
// read, so a list of many thousand files costs nothing to show.
class RenameListModel : public QAbstractTableModel {
 public:
  RenameListModel(const RenameList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() || busy_ ? 0 : static_cast<int>(list_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (busy_ || role != Qt::DisplayRole || !index.isValid() || static_cast<size_t>(index.row()) >= list_.size())
      return {};
    const RenameEntry& entry = list_[static_cast<size_t>(index.row())];
    return Shown(index.column() == 0 ? entry.oldName : entry.newName);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? u"原始文件名"_s : u"新文件名"_s;
  }

  void Change(const std::function<void()>& change) {
    beginResetModel();
    busy_ = true;
    struct Done {
      RenameListModel* model;
      ~Done() {
        model->busy_ = false;
        model->endResetModel();
      }
    } done{this};
    change();
  }

 private:
  const RenameList& list_;
  bool busy_ = false;
};

RenameDialog::RenameDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), source_(context.Folders().datedOutput) {
  setObjectName(kRenameDialog);
  setWindowTitle(u"文件批量改名"_s);
  QWidget* folders = BuildFolders();
  auto* right = new QVBoxLayout;
  right->addWidget(BuildTaking(), 1);
  right->addWidget(BuildDefinition());
  auto* work = new QWidget;
  work->setLayout(right);
  auto* splitter = new QSplitter;
  splitter->addWidget(folders);
  splitter->addWidget(work);
  splitter->setStretchFactor(1, 1);
  statusBar_ = Named<QStatusBar>(kStatusBar);
  statusBar_->setSizeGripEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(statusBar_);
  resize(900, 600);
  WireControls();
  ShowSourceFolder();
}

QWidget* RenameDialog::BuildFolders() {
  folderTree_ = Named<QTreeView>(kFolderTree);
  folderTree_->setHeaderHidden(true);
  folderContents_ = Named<QListWidget>(kFolderContents);
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(folderTree_);
  splitter->addWidget(folderContents_);
  return splitter;
}

QGroupBox* RenameDialog::BuildTaking() {
  takingGroup_ = Named<QGroupBox>(kTakingGroup, u"源文件输入设置-文件名匹配"_s);
  matchEdit_ = Named<QLineEdit>(kMatchEdit);
  appendCheck_ = Named<QCheckBox>(kAppendCheck, u"累加"_s);
  takeButton_ = Button(kTakeButton, u"选取"_s);
  clearButton_ = Button(kClearButton, u"清空"_s);
  renameView_ = Named<QTableView>(kRenameList);
  model_ = new RenameListModel(entries_, renameView_);
  renameView_->setModel(model_);
  renameView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  renameView_->setSelectionMode(QAbstractItemView::SingleSelection);
  renameView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  renameView_->verticalHeader()->hide();
  renameView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  renameView_->verticalHeader()->setDefaultSectionSize(renameView_->fontMetrics().height() + 6);
  renameView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  oldNameEdit_ = Named<QLineEdit>(kOldNameEdit);
  newNameEdit_ = Named<QLineEdit>(kNewNameEdit);
  setEntryButton_ = Button(kSetEntryButton, u"设置"_s);
  auto* edits = new QHBoxLayout;
  edits->addWidget(oldNameEdit_, 1);
  edits->addWidget(Named<QLabel>(kEntryArrowLabel, u"->"_s));
  edits->addWidget(newNameEdit_, 1);
  edits->addWidget(setEntryButton_);
  auto* box = new QVBoxLayout(takingGroup_);
  box->addLayout(
      Row({Named<QLabel>(kMatchLabel, u"文件名匹配"_s), matchEdit_, appendCheck_, takeButton_, clearButton_}));
  box->addWidget(renameView_, 1);
  box->addLayout(edits);
  return takingGroup_;
}

QGroupBox* RenameDialog::BuildDefinition() {
  definitionGroup_ = Named<QGroupBox>(kDefinitionGroup, u"新文件名定义"_s);
  BuildReplaceGroup();
  BuildPatternGroup();
  caseCombo_ = Named<QComboBox>(kCaseCombo);
  caseCombo_->addItems({u"大小写不变"_s, u"小写"_s, u"大写"_s});
  newFolderCheck_ = Named<QCheckBox>(kNewFolderCheck, u"输出到新目录"_s);
  outputFolderEdit_ = Named<QLineEdit>(kOutputFolderEdit);
  chooseOutputButton_ = Button(kChooseOutputButton, u"设置"_s);
  openOutputButton_ = Button(kOpenOutputButton, u"打开"_s);
  deleteSourceCheck_ = Named<QCheckBox>(kDeleteSourceCheck, u"删除原来文件"_s);
  previewButton_ = Button(kPreviewButton, u"预览"_s);
  renameButton_ = Button(kRenameButton, u"更新"_s);
  auto* output = new QHBoxLayout;
  output->addWidget(newFolderCheck_);
  output->addWidget(outputFolderEdit_, 1);
  output->addWidget(chooseOutputButton_);
  output->addWidget(openOutputButton_);

  auto* box = new QVBoxLayout(definitionGroup_);
  auto* definitions = new QHBoxLayout;
  definitions->addWidget(replaceGroup_, 1);
  definitions->addWidget(patternGroup_, 1);
  box->addLayout(definitions);
  box->addLayout(output);
  box->addLayout(Row({caseCombo_, deleteSourceCheck_, previewButton_, renameButton_}));
  return definitionGroup_;
}

// "替换内容": a text of the old name replaced.
void RenameDialog::BuildReplaceGroup() {
  replaceGroup_ = Named<QGroupBox>(kReplaceGroup);
  replaceCheck_ = Named<QCheckBox>(kReplaceCheck, u"    替换内容"_s);
  replaceFromEdit_ = Named<QLineEdit>(kReplaceFromEdit);
  replaceToEdit_ = Named<QLineEdit>(kReplaceToEdit);
  auto* replace = new QGridLayout(replaceGroup_);
  replace->addWidget(replaceCheck_, 0, 0, 1, 3);
  replace->addWidget(replaceFromEdit_, 1, 0);
  replace->addWidget(Named<QLabel>(kReplaceArrowLabel, u"->"_s), 1, 1);
  replace->addWidget(replaceToEdit_, 1, 2);
}

// "文件名重命名定义": new names from a pattern, its "#"s a number counting from "开始数字".
void RenameDialog::BuildPatternGroup() {
  patternGroup_ = Named<QGroupBox>(kPatternGroup);
  patternCheck_ = Named<QCheckBox>(kPatternCheck, u"     文件名重命名定义(#为数字)"_s);
  patternCombo_ = EditableCombo(kPatternCombo);
  patternCombo_->addItem(u"我的文件####.txt"_s);
  patternCombo_->setCurrentIndex(-1);
  patternCombo_->clearEditText();
  startNumberEdit_ = Named<QLineEdit>(kStartNumberEdit, u"1"_s);
  auto* pattern = new QGridLayout(patternGroup_);
  pattern->addWidget(patternCheck_, 0, 0, 1, 3);
  pattern->addWidget(patternCombo_, 1, 0);
  pattern->addWidget(Named<QLabel>(kStartNumberLabel, u"开始数字"_s), 1, 1);
  pattern->addWidget(startNumberEdit_, 1, 2);
  pattern->setColumnStretch(0, 1);
}

void RenameDialog::WireControls() {
  Wire(takeButton_, this, &RenameDialog::TakeNamesClicked);
  Wire(clearButton_, this, &RenameDialog::ClearListClicked);
  Wire(setEntryButton_, this, &RenameDialog::SetEntryClicked);
  Wire(previewButton_, this, &RenameDialog::PreviewClicked);
  Wire(renameButton_, this, &RenameDialog::RenameClicked);
  Wire(chooseOutputButton_, this, &RenameDialog::ChooseOutputFolderClicked);
  Wire(openOutputButton_, this, &RenameDialog::OpenOutputFolderClicked);
  connect(renameView_, &QTableView::clicked, this, Guarded([this] { RenameListClicked(); }));
  connect(renameView_, &QTableView::doubleClicked, this, Guarded([this] { RenameListDoubleClicked(); }));
}

void RenameDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!folders_) MakeFolderTree();
}

// Folders only, from the root of the file system, with the source folder selected.
void RenameDialog::MakeFolderTree() {
  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QDir::rootPath());
  folderTree_->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) folderTree_->hideColumn(column);
  folderTree_->setSortingEnabled(true);
  folderTree_->sortByColumn(0, Qt::AscendingOrder);
  const QString sourceText = QDir::cleanPath(PathToQString(source_));
  const QModelIndex source = folders_->index(sourceText);
  folderTree_->setCurrentIndex(source);
  folderTree_->scrollTo(source);
  // The model reads folders in the background: show the source folder again as each folder on
  // its way is read, so the tree opens down to it, until the user chooses a folder.
  opening_ = connect(folders_, &QFileSystemModel::directoryLoaded, this, [this, sourceText](const QString& loaded) {
    if (sourceText.startsWith(loaded))
      folderTree_->scrollTo(folders_->index(sourceText), QAbstractItemView::PositionAtCenter);
  });
  connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          Guarded([this] { SourceFolderChanged(); }));
}

// The source folder on the status bar, and its folders and files in the list: folders first,
// each kind in name order, hidden ones left out as a file browser does.
void RenameDialog::ShowSourceFolder() {
  statusBar_->showMessage(PathToQString(source_));
  std::vector<std::pair<bool, fs::path>> entries;  // (not a folder, name)
  std::error_code ec;
  for (fs::directory_iterator it(source_, ec), end; !ec && it != end; it.increment(ec)) {
    fs::path name = it->path().filename();
    std::error_code kind;
    if (!name.string().starts_with('.')) entries.emplace_back(!it->is_directory(kind), name);
  }
  std::sort(entries.begin(), entries.end());
  folderContents_->clear();
  const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon), file = style()->standardIcon(QStyle::SP_FileIcon);
  for (const auto& [isFile, name] : entries)
    folderContents_->addItem(new QListWidgetItem(isFile ? file : folder, PathToQString(name)));
}

void RenameDialog::ChangeEntries(const std::function<void()>& change) { model_->Change(change); }

fs::path RenameDialog::OutputFolder() const {
  return RenameOutputFolder(source_, newFolderCheck_->isChecked(), Typed(outputFolderEdit_->text()));
}

NameDefinition RenameDialog::Definition() const {
  static constexpr NameCase kCases[] = {NameCase::Keep, NameCase::Lower, NameCase::Upper};  // the case combo's items
  return {.replace = replaceCheck_->isChecked(),
          .from = Typed(replaceFromEdit_->text()),
          .to = Typed(replaceToEdit_->text()),
          .usePattern = patternCheck_->isChecked(),
          .pattern = Typed(patternCombo_->currentText()),
          .start = startNumberEdit_->text().toStdString(),
          .letterCase = kCases[std::max(0, caseCombo_->currentIndex())]};
}

void RenameDialog::SourceFolderChanged() {
  disconnect(opening_);
  const QModelIndex current = folderTree_->currentIndex();
  if (!current.isValid()) return;
  source_ = PathFromQString(folders_->filePath(current));
  ShowSourceFolder();
}

void RenameDialog::TakeNamesClicked() {
  ChangeEntries([this] { TakeNames(source_, Typed(matchEdit_->text()), appendCheck_->isChecked(), entries_); });
}

void RenameDialog::ClearListClicked() {
  ChangeEntries([this] { entries_.clear(); });
}

void RenameDialog::RenameListClicked() {
  const QModelIndex current = renameView_->currentIndex();
  if (!current.isValid() || !renameView_->selectionModel()->isRowSelected(current.row())) return;
  clickedRow_ = current.row();
  const RenameEntry& entry = entries_[static_cast<size_t>(clickedRow_)];
  oldNameEdit_->setText(Shown(entry.oldName));
  newNameEdit_->setText(Shown(entry.newName));
}

// "设置" replaces the row last clicked (the first one when none was), even after the list
// changed under it.
void RenameDialog::SetEntryClicked() {
  ChangeEntries([this] {
    SetEntry(entries_, clickedRow_, {Typed(oldNameEdit_->text()), Typed(newNameEdit_->text())});
  });
}

void RenameDialog::RenameListDoubleClicked() {
  const QModelIndex current = renameView_->currentIndex();
  if (!current.isValid() || !renameView_->selectionModel()->isRowSelected(current.row())) return;
  const int row = current.row();
  ChangeEntries([this, row] { entries_.erase(entries_.begin() + row); });
}

void RenameDialog::PreviewClicked() {
  ChangeEntries([this] { PreviewNames(entries_, Definition()); });
}

// "更新": after the confirmation, a plan that would replace files outside the rename asks once
// more, No being the default; shared new names and a missing output folder stop it before
// anything is copied.
void RenameDialog::RenameClicked() {
  if (!AskYesNoBox(this, u"确定改名吗?"_s)) return;
  const RenamePlan plan = PlanRename(entries_, source_, OutputFolder());
  if (!plan.replaced.empty() && !AskYesNoBox(this, FromUtf8(OverwriteQuestion(plan)), DefaultAnswer::kNo)) {
    context_.ui.ShowStatus("没有改名。");
    return;
  }
  RenameFiles(plan, deleteSourceCheck_->isChecked(), context_.ui);
  ShowSourceFolder();
}

void RenameDialog::ChooseOutputFolderClicked() {
  const fs::path chosen = ChooseFolder(this, source_);
  if (!chosen.empty()) outputFolderEdit_->setText(FolderToQString(chosen));
}

void RenameDialog::OpenOutputFolderClicked() { context_.ui.OpenFolder(OutputFolder()); }

}  // namespace telqor
