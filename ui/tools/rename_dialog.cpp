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

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

// Names are in the file system's encoding, as paths are: shown and typed like paths.
QString Shown(const std::string& name) { return PathText(fs::path(name)); }
std::string Typed(const QString& text) { return PathOf(text).string(); }

}  // namespace

// The rename list as lv1 shows it: the old name, then the new one. Only visible rows are read,
// so a list of many thousand files costs nothing to show.
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
  setObjectName(u"frmRename"_s);
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
  StatusBar = Named<QStatusBar>(u"StatusBar"_s);
  StatusBar->setSizeGripEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(StatusBar);
  resize(900, 600);
  Connect();
  ShowSourceFolder();
}

QWidget* RenameDialog::BuildFolders() {
  STVData = Named<QTreeView>(u"STVData"_s);
  STVData->setHeaderHidden(true);
  SLVData = Named<QListWidget>(u"SLVData"_s);
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(STVData);
  splitter->addWidget(SLVData);
  return splitter;
}

QGroupBox* RenameDialog::BuildTaking() {
  GroupBox1 = Named<QGroupBox>(u"GroupBox1"_s, u"源文件输入设置-文件名匹配"_s);
  EditA = Named<QLineEdit>(u"EditA"_s);
  CBAppend = Named<QCheckBox>(u"CBAppend"_s, u"累加"_s);
  SpeedButton1 = Button(u"SpeedButton1"_s, u"选取"_s);
  SpeedButton5 = Button(u"SpeedButton5"_s, u"清空"_s);
  lv1 = Named<QTableView>(u"lv1"_s);
  model_ = new RenameListModel(entries_, lv1);
  lv1->setModel(model_);
  lv1->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv1->setSelectionMode(QAbstractItemView::SingleSelection);
  lv1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv1->verticalHeader()->hide();
  lv1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lv1->verticalHeader()->setDefaultSectionSize(lv1->fontMetrics().height() + 6);
  lv1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  EditRaw = Named<QLineEdit>(u"EditRaw"_s);
  EditDest = Named<QLineEdit>(u"EditDest"_s);
  SBEditData = Button(u"SBEditData"_s, u"设置"_s);
  auto* edits = new QHBoxLayout;
  edits->addWidget(EditRaw, 1);
  edits->addWidget(Named<QLabel>(u"Label3"_s, u"->"_s));
  edits->addWidget(EditDest, 1);
  edits->addWidget(SBEditData);
  auto* box = new QVBoxLayout(GroupBox1);
  box->addLayout(Row({Named<QLabel>(u"Label1"_s, u"文件名匹配"_s), EditA, CBAppend, SpeedButton1, SpeedButton5}));
  box->addWidget(lv1, 1);
  box->addLayout(edits);
  return GroupBox1;
}

QGroupBox* RenameDialog::BuildDefinition() {
  GroupBox2 = Named<QGroupBox>(u"GroupBox2"_s, u"新文件名定义"_s);
  GroupBox3 = Named<QGroupBox>(u"GroupBox3"_s);
  CBA = Named<QCheckBox>(u"CBA"_s, u"    替换内容"_s);
  EditR1 = Named<QLineEdit>(u"EditR1"_s);
  EditR2 = Named<QLineEdit>(u"EditR2"_s);
  auto* replace = new QGridLayout(GroupBox3);
  replace->addWidget(CBA, 0, 0, 1, 3);
  replace->addWidget(EditR1, 1, 0);
  replace->addWidget(Named<QLabel>(u"Label4"_s, u"->"_s), 1, 1);
  replace->addWidget(EditR2, 1, 2);

  GroupBox4 = Named<QGroupBox>(u"GroupBox4"_s);
  CBB = Named<QCheckBox>(u"CBB"_s, u"     文件名重命名定义(#为数字)"_s);
  CBT = EditableCombo(u"CBT"_s);
  CBT->addItem(u"我的文件####.txt"_s);
  CBT->setCurrentIndex(-1);
  CBT->clearEditText();
  EditNumCC = Named<QLineEdit>(u"EditNumCC"_s, u"1"_s);
  auto* pattern = new QGridLayout(GroupBox4);
  pattern->addWidget(CBB, 0, 0, 1, 3);
  pattern->addWidget(CBT, 1, 0);
  pattern->addWidget(Named<QLabel>(u"Label5"_s, u"开始数字"_s), 1, 1);
  pattern->addWidget(EditNumCC, 1, 2);
  pattern->setColumnStretch(0, 1);

  CBFF = Named<QComboBox>(u"CBFF"_s);
  CBFF->addItems({u"大小写不变"_s, u"小写"_s, u"大写"_s});
  CBUseNewPath = Named<QCheckBox>(u"CBUseNewPath"_s, u"输出到新目录"_s);
  EditURL = Named<QLineEdit>(u"EditURL"_s);
  SpeedButton6 = Button(u"SpeedButton6"_s, u"设置"_s);
  SpeedButton7 = Button(u"SpeedButton7"_s, u"打开"_s);
  CBD = Named<QCheckBox>(u"CBD"_s, u"删除原来文件"_s);
  SpeedButton2 = Button(u"SpeedButton2"_s, u"预览"_s);
  SpeedButton3 = Button(u"SpeedButton3"_s, u"更新"_s);
  auto* output = new QHBoxLayout;
  output->addWidget(CBUseNewPath);
  output->addWidget(EditURL, 1);
  output->addWidget(SpeedButton6);
  output->addWidget(SpeedButton7);

  auto* box = new QVBoxLayout(GroupBox2);
  auto* definitions = new QHBoxLayout;
  definitions->addWidget(GroupBox3, 1);
  definitions->addWidget(GroupBox4, 1);
  box->addLayout(definitions);
  box->addLayout(output);
  box->addLayout(Row({CBFF, CBD, SpeedButton2, SpeedButton3}));
  return GroupBox2;
}

void RenameDialog::Connect() {
  Wire(SpeedButton1, this, &RenameDialog::SpeedButton1Click);
  Wire(SpeedButton5, this, &RenameDialog::SpeedButton5Click);
  Wire(SBEditData, this, &RenameDialog::SBEditDataClick);
  Wire(SpeedButton2, this, &RenameDialog::SpeedButton2Click);
  Wire(SpeedButton3, this, &RenameDialog::SpeedButton3Click);
  Wire(SpeedButton6, this, &RenameDialog::SpeedButton6Click);
  Wire(SpeedButton7, this, &RenameDialog::SpeedButton7Click);
  connect(lv1, &QTableView::clicked, this, Guarded([this] { lv1Click(); }));
  connect(lv1, &QTableView::doubleClicked, this, Guarded([this] { lv1DblClick(); }));
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
  STVData->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) STVData->hideColumn(column);
  STVData->setSortingEnabled(true);
  STVData->sortByColumn(0, Qt::AscendingOrder);
  const QString sourceText = QDir::cleanPath(PathText(source_));
  const QModelIndex source = folders_->index(sourceText);
  STVData->setCurrentIndex(source);
  STVData->scrollTo(source);
  // The model reads folders in the background: show the source folder again as each folder on
  // its way is read, so the tree opens down to it, until the user chooses a folder.
  opening_ = connect(folders_, &QFileSystemModel::directoryLoaded, this, [this, sourceText](const QString& loaded) {
    if (sourceText.startsWith(loaded))
      STVData->scrollTo(folders_->index(sourceText), QAbstractItemView::PositionAtCenter);
  });
  connect(STVData->selectionModel(), &QItemSelectionModel::currentChanged, this, Guarded([this] { STVDataClick(); }));
}

// The source folder on the status bar, and its folders and files in the list: folders first,
// each kind in name order, hidden ones left out as a file browser does.
void RenameDialog::ShowSourceFolder() {
  StatusBar->showMessage(PathText(source_));
  std::vector<std::pair<bool, fs::path>> entries;  // (not a folder, name)
  std::error_code ec;
  for (fs::directory_iterator it(source_, ec), end; !ec && it != end; it.increment(ec)) {
    fs::path name = it->path().filename();
    std::error_code kind;
    if (!name.string().starts_with('.')) entries.emplace_back(!it->is_directory(kind), name);
  }
  std::sort(entries.begin(), entries.end());
  SLVData->clear();
  const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon), file = style()->standardIcon(QStyle::SP_FileIcon);
  for (const auto& [isFile, name] : entries)
    SLVData->addItem(new QListWidgetItem(isFile ? file : folder, PathText(name)));
}

void RenameDialog::ChangeEntries(const std::function<void()>& change) { model_->Change(change); }

fs::path RenameDialog::OutputFolder() const {
  return RenameOutputFolder(source_, CBUseNewPath->isChecked(), Typed(EditURL->text()));
}

NameDefinition RenameDialog::Definition() const {
  static constexpr NameCase kCases[] = {NameCase::Keep, NameCase::Lower, NameCase::Upper};  // CBFF's items
  return {.replace = CBA->isChecked(),
          .from = Typed(EditR1->text()),
          .to = Typed(EditR2->text()),
          .usePattern = CBB->isChecked(),
          .pattern = Typed(CBT->currentText()),
          .start = EditNumCC->text().toStdString(),
          .letterCase = kCases[std::max(0, CBFF->currentIndex())]};
}

void RenameDialog::STVDataClick() {
  disconnect(opening_);
  const QModelIndex current = STVData->currentIndex();
  if (!current.isValid()) return;
  source_ = PathOf(folders_->filePath(current));
  ShowSourceFolder();
}

void RenameDialog::SpeedButton1Click() {
  ChangeEntries([this] { TakeNames(source_, Typed(EditA->text()), CBAppend->isChecked(), entries_); });
}

void RenameDialog::SpeedButton5Click() {
  ChangeEntries([this] { entries_.clear(); });
}

void RenameDialog::lv1Click() {
  const QModelIndex current = lv1->currentIndex();
  if (!current.isValid() || !lv1->selectionModel()->isRowSelected(current.row())) return;
  remembered_ = current.row();
  const RenameEntry& entry = entries_[static_cast<size_t>(remembered_)];
  EditRaw->setText(Shown(entry.oldName));
  EditDest->setText(Shown(entry.newName));
}

// "设置" replaces the row last clicked (the first one when none was), even after the list
// changed under it.
void RenameDialog::SBEditDataClick() {
  ChangeEntries([this] { SetEntry(entries_, remembered_, {Typed(EditRaw->text()), Typed(EditDest->text())}); });
}

void RenameDialog::lv1DblClick() {
  const QModelIndex current = lv1->currentIndex();
  if (!current.isValid() || !lv1->selectionModel()->isRowSelected(current.row())) return;
  const int row = current.row();
  ChangeEntries([this, row] { entries_.erase(entries_.begin() + row); });
}

void RenameDialog::SpeedButton2Click() {
  ChangeEntries([this] { PreviewNames(entries_, Definition()); });
}

// "更新": after the confirmation, a plan that would replace files outside the rename asks once
// more, No being the default; shared new names and a missing output folder stop it before
// anything is copied.
void RenameDialog::SpeedButton3Click() {
  if (!AskYesNoBox(this, u"确定改名吗?"_s)) return;
  const RenamePlan plan = PlanRename(entries_, source_, OutputFolder());
  if (!plan.replaced.empty() && !AskYesNoBox(this, FromUtf8(OverwriteQuestion(plan)), DefaultAnswer::kNo)) {
    context_.ui.ShowStatus("没有改名。");
    return;
  }
  RenameFiles(plan, CBD->isChecked(), context_.ui);
  ShowSourceFolder();
}

void RenameDialog::SpeedButton6Click() {
  const fs::path chosen = ChooseFolder(this, source_);
  if (!chosen.empty()) EditURL->setText(FolderDisplayText(chosen));
}

void RenameDialog::SpeedButton7Click() { context_.ui.OpenFolder(OutputFolder()); }

}  // namespace telqor
