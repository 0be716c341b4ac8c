#include "ui/workspace/workspace_panel.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "files/batch_save.h"
#include "ui/kit/save_count_dialog.h"
#include "ui/kit/clipboard.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/workspace/export_items.h"
#include "ui/workspace/number_list_box.h"
#include "ui/workspace/workspace_panel_names.h"
#include "workspace/kind_filter.h"
#include "workspace/list_operations.h"
#include "workspace/replacement.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::workspace;

WorkspacePanel::WorkspacePanel(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent)
    : QWidget(parent), context_(context), lists_(lists), countDialog_(countDialog) {
  setObjectName(kWorkspacePanel);
  BuildList();
  BuildEditors();
  auto* workspace = new QVBoxLayout(workspaceGroup_);
  workspace->addWidget(workspaceView_, 1);
  workspace->addLayout(
      Row({sortButton_, shuffleButton_, dedupeButton_, moreButton_, saveButton_, outputFolderButton_, importButton_}));
  workspace->addWidget(editorsPanel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(workspaceGroup_);

  box_ = std::make_unique<NumberListBox>(lists_.workspace, workspaceGroup_, workspaceView_, context_.ui);
  Connect();
}

WorkspacePanel::~WorkspacePanel() = default;

void WorkspacePanel::BuildList() {
  workspaceGroup_ = Named<QGroupBox>(kWorkspaceGroup, u"号码整理框"_s);
  workspaceView_ = NumberView(kWorkspaceList);
  sortButton_ = Button(kSortButton, u"排序"_s);
  shuffleButton_ = Button(kShuffleButton, u"乱序"_s);
  dedupeButton_ = Button(kDedupeButton, u"去重"_s);
  moreButton_ = Button(kMoreButton, u"其它操作"_s);
  saveButton_ = Button(kSaveButton, u"保存"_s);
  outputFolderButton_ = Button(kOutputFolderButton, u"目录"_s);
  importButton_ = Button(kImportDataButton, u"导入数据"_s);

  moreMenu_ = Named<QMenu>(kMoreMenu, this);
  kindFilterMenu_ = moreMenu_->addMenu(u"数据类型过滤"_s);
  kindFilterMenu_->setObjectName(kKindFilterMenu);
  keepMobileItem_ = MenuItem(kindFilterMenu_, kKeepMobileItem, u"保留手机号码"_s);
  keepNonMobileItem_ = MenuItem(kindFilterMenu_, kKeepNonMobileItem, u"保留非手机号码"_s);
  keepLandlineItem_ = MenuItem(kindFilterMenu_, kKeepLandlineItem, u"保留电话号码"_s);
  keepCustom1Item_ = MenuItem(kindFilterMenu_, kKeepCustom1Item, u"保留自定义Ⅰ"_s);
  keepCustom2Item_ = MenuItem(kindFilterMenu_, kKeepCustom2Item, u"保留自定义Ⅱ"_s);
  moreMenu_->addSeparator();
  editorsItem_ = MenuItem(moreMenu_, kEditorsItem, u"前后缀和内容替换"_s);
  normalizeItem_ = MenuItem(moreMenu_, kNormalizeItem, u"号码规范化"_s);
  deleteSelectedItem_ = MenuItem(moreMenu_, kDeleteSelectedItem, u"删除选择的数据"_s);
  moreMenu_->addSeparator();
  copyAllItem_ = MenuItem(moreMenu_, kCopyAllItem, u"复制全部数据"_s);
  copySelectedItem_ = MenuItem(moreMenu_, kCopySelectedItem, u"复制选择数据"_s);
  pasteItem_ = MenuItem(moreMenu_, kPasteItem, u"粘帖数据"_s);
  clearItem_ = MenuItem(moreMenu_, kClearItem, u"清空数据"_s);
  moreMenu_->addSeparator();
  statsItem_ = MenuItem(moreMenu_, kStatsItem, u"号码统计"_s);
  lookupTableItem_ = MenuItem(moreMenu_, kLookupTableItem, u"归属地查询表"_s);
  ContextMenu(workspaceView_, moreMenu_);
  PopupAtMouse(moreButton_, moreMenu_);

  saveMenu_ = Named<QMenu>(kSaveMenu, this);
  batchSaveItem_ = MenuItem(saveMenu_, kBatchSaveItem, u"分批保存号码"_s);
  saveAllItem_ = MenuItem(saveMenu_, kSaveAllItem, u"全部保存号码"_s);
  saveMenu_->addSeparator();
  byRegionItem_ = MenuItem(saveMenu_, kSaveByRegionItem, u"按地区保存号码"_s);
  byCarrierItem_ = MenuItem(saveMenu_, kSaveByCarrierItem, u"按号码类型(移动,联通等)保存号码"_s);
  byRegionCarrierItem_ = MenuItem(saveMenu_, kSaveByRegionCarrierItem, u"按地区和号码类型(移动,联通等)保存号码"_s);
  byRegionCarrierSegmentItem_ = MenuItem(saveMenu_, kSaveByRegionCarrierSegmentItem, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(saveButton_, saveMenu_);
}

void WorkspacePanel::BuildEditors() {
  editorsPanel_ = Named<QFrame>(kEditorsPanel);
  replaceGroup_ = Named<QGroupBox>(kReplaceGroup, u"数据内容替换-支持正则表达式"_s);
  patternCombo_ = EditableCombo(kPatternCombo);
  patternCombo_->addItems({u"-"_s, u"  "_s});
  patternCombo_->setCurrentIndex(-1);
  patternCombo_->setEditText(QString());
  auto* arrow = Named<QLabel>(kReplaceArrowLabel, u"->"_s);
  replacementCombo_ = EditableCombo(kReplacementCombo);
  replaceButton_ = Button(kReplaceButton, u"替换"_s);
  auto* replaceRow = new QHBoxLayout(replaceGroup_);
  replaceRow->addWidget(patternCombo_, 1);
  replaceRow->addWidget(arrow);
  replaceRow->addWidget(replacementCombo_, 1);
  replaceRow->addWidget(replaceButton_);

  affixGroup_ = Named<QGroupBox>(kAffixGroup, u"前后缀附加(在选择的长度数据前增加,0表示没有限制)"_s);
  auto* lengthLabel = Named<QLabel>(kLengthLabel, u"数据长度"_s);
  lengthCombo_ = EditableCombo(kLengthCombo);
  lengthCombo_->addItems({u"0"_s, u"7"_s, u"8"_s});
  lengthCombo_->setCurrentIndex(0);
  // Room for a length of a few digits beside the drop-down arrow.
  lengthCombo_->setMinimumWidth(lengthCombo_->fontMetrics().horizontalAdvance(u"00000"_s) + 36);
  auto* affixLabel = Named<QLabel>(kAffixLabel, u"前后缀"_s);
  prefixEdit_ = Named<QLineEdit>(kPrefixEdit);
  suffixEdit_ = Named<QLineEdit>(kSuffixEdit);
  // A prefix such as an area code with a separator, or "+86 ", fits in full.
  for (QLineEdit* edit : {prefixEdit_, suffixEdit_})
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(u"0000000000"_s));
  affixButton_ = Button(kAffixButton, u"附加"_s);
  auto* affixRow = new QHBoxLayout(affixGroup_);
  affixRow->addWidget(lengthLabel);
  affixRow->addWidget(lengthCombo_);
  affixRow->addWidget(affixLabel);
  affixRow->addWidget(prefixEdit_, 1);
  affixRow->addWidget(suffixEdit_, 1);
  affixRow->addWidget(affixButton_);

  auto* prex = new QVBoxLayout(editorsPanel_);
  prex->setContentsMargins(0, 0, 0, 0);
  prex->addWidget(replaceGroup_);
  prex->addWidget(affixGroup_);
}

void WorkspacePanel::Connect() {
  Wire(importButton_, this, &WorkspacePanel::ImportDataClicked);
  Wire(sortButton_, this, &WorkspacePanel::SortClicked);
  Wire(shuffleButton_, this, &WorkspacePanel::ShuffleClicked);
  Wire(dedupeButton_, this, &WorkspacePanel::DedupeClicked);
  Wire(outputFolderButton_, this, &WorkspacePanel::OutputFolderClicked);
  Wire(keepMobileItem_, this, &WorkspacePanel::KeepMobileClicked);
  Wire(keepNonMobileItem_, this, &WorkspacePanel::KeepNonMobileClicked);
  Wire(keepLandlineItem_, this, &WorkspacePanel::KeepLandlineClicked);
  Wire(keepCustom1Item_, this, &WorkspacePanel::KeepCustom1Clicked);
  Wire(keepCustom2Item_, this, &WorkspacePanel::KeepCustom2Clicked);
  Wire(editorsItem_, this, &WorkspacePanel::ToggleEditorsClicked);
  Wire(normalizeItem_, this, &WorkspacePanel::NormalizeClicked);
  Wire(deleteSelectedItem_, this, &WorkspacePanel::DeleteSelectedClicked);
  Wire(copyAllItem_, this, &WorkspacePanel::CopyAllClicked);
  Wire(copySelectedItem_, this, &WorkspacePanel::CopySelectedClicked);
  Wire(pasteItem_, this, &WorkspacePanel::PasteClicked);
  Wire(clearItem_, this, &WorkspacePanel::ClearClicked);
  Wire(statsItem_, this, [this] { emit StatsRequested(lists_.workspace); });
  Wire(lookupTableItem_, this, [this] { emit LookupTableRequested(lists_.workspace); });
  Wire(batchSaveItem_, this, &WorkspacePanel::BatchSaveClicked);
  Wire(saveAllItem_, this, &WorkspacePanel::SaveAllClicked);
  WireExportItems(byRegionItem_, byCarrierItem_, byRegionCarrierItem_, byRegionCarrierSegmentItem_, this,
                  &WorkspacePanel::ExportByKindClicked);
  Wire(replaceButton_, this, &WorkspacePanel::ReplaceClicked);
  Wire(affixButton_, this, &WorkspacePanel::AddAffixesClicked);
  // A double click empties a field; on the editors panel or its groups it hides the panel.
  OnDoubleClick(patternCombo_->lineEdit(), [this] { patternCombo_->setEditText(QString()); });
  OnDoubleClick(replacementCombo_->lineEdit(), [this] { replacementCombo_->setEditText(QString()); });
  OnDoubleClick(prefixEdit_, [this] { prefixEdit_->clear(); });
  OnDoubleClick(suffixEdit_, [this] { suffixEdit_->clear(); });
  for (QWidget* w : std::initializer_list<QWidget*>{replaceGroup_, affixGroup_, editorsPanel_})
    OnDoubleClick(w, [this] { ToggleEditorsClicked(); });
}

DropSites WorkspacePanel::Drops() const { return {{workspaceView_, DropTarget::kWorkspaceList}}; }

void WorkspacePanel::ImportDataClicked() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  context_.InBackground(
      {&lists_.workspace}, [&](Ui& ui) { LoadFilesInto(lists_.workspace, files, ui); }, Stoppable::kYes);
}

void WorkspacePanel::ChangeInBackground(const std::function<void(NumberList&, Ui&)>& work) {
  context_.InBackground({&lists_.workspace}, [&](Ui& ui) { work(lists_.workspace, ui); });
}

void WorkspacePanel::SortClicked() { ChangeInBackground(SortNumbers); }
void WorkspacePanel::ShuffleClicked() { ChangeInBackground(ShuffleNumbers); }
void WorkspacePanel::DedupeClicked() {
  const CompareMode mode = context_.CurrentSettings().Comparison();
  ChangeInBackground([mode](NumberList& list, Ui& ui) { DedupeNumbers(list, mode, ui); });
}
void WorkspacePanel::OutputFolderClicked() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

void WorkspacePanel::KeepMobileClicked() { KeepKindInBackground(NumberKind::Mobile); }
void WorkspacePanel::KeepNonMobileClicked() { KeepKindInBackground(NumberKind::NonMobile); }
void WorkspacePanel::KeepLandlineClicked() { KeepKindInBackground(NumberKind::Landline); }
void WorkspacePanel::KeepCustom1Clicked() { KeepKindInBackground(NumberKind::Custom1); }
void WorkspacePanel::KeepCustom2Clicked() { KeepKindInBackground(NumberKind::Custom2); }

void WorkspacePanel::KeepKindInBackground(NumberKind kind) {
  const Settings& settings = context_.CurrentSettings();
  ChangeInBackground([&](NumberList& list, Ui& ui) { KeepKind(list, kind, settings, ui); });
}

void WorkspacePanel::ToggleEditorsClicked() { editorsPanel_->setVisible(!editorsPanel_->isVisible()); }
void WorkspacePanel::NormalizeClicked() { ChangeInBackground(NormalizeNumbers); }
void WorkspacePanel::DeleteSelectedClicked() {
  const std::vector<int> rows = box_->SelectedRows();
  ChangeInBackground([&](NumberList& list, Ui& ui) { DeleteSelected(list, rows, ui); });
}
void WorkspacePanel::CopyAllClicked() { CopyGbkToClipboard(CopyAll(lists_.workspace, context_.ui)); }
void WorkspacePanel::CopySelectedClicked() {
  CopyGbkToClipboard(CopySelected(lists_.workspace, lists_.scratch, box_->SelectedRows(), context_.ui));
}
void WorkspacePanel::PasteClicked() {
  const std::string text = GbkFromClipboard();
  ChangeInBackground([&](NumberList& list, Ui& ui) { PasteNumbers(list, lists_.scratch, text, ui); });
}
void WorkspacePanel::ClearClicked() { ClearNumbers(lists_.workspace, context_.ui); }

void WorkspacePanel::BatchSaveClicked() {
  std::string count;
  if (lists_.workspace.Items().Count() == 0 || !countDialog_->AskCount(count)) return;
  context_.InBackground(
      {}, [&](Ui& ui) { BatchSave(lists_.workspace.Items(), count, context_.Folders().datedOutput, ui); });
}

void WorkspacePanel::SaveAllClicked() {
  if (lists_.workspace.Items().Count() == 0) return;
  context_.InBackground({},
                        [&](Ui& ui) { SaveWholeList(lists_.workspace.Items(), context_.Folders().datedOutput, ui); });
}

void WorkspacePanel::ExportByKindClicked(ExportKind kind) {
  if (lists_.workspace.Items().Count() > 0) emit ExportRequested(kind, lists_.workspace);
}

void WorkspacePanel::ReplaceClicked() {
  const std::string pattern = ToGbk(patternCombo_->currentText());
  const std::string replacement = ToGbk(replacementCombo_->currentText());
  ChangeInBackground([&](NumberList& list, Ui& ui) { ReplaceContent(list, pattern, replacement, ui); });
}

void WorkspacePanel::AddAffixesClicked() {
  const std::string length = lengthCombo_->currentText().toStdString();
  const std::string prefix = ToGbk(prefixEdit_->text());
  const std::string suffix = ToGbk(suffixEdit_->text());
  ChangeInBackground([&](NumberList& list, Ui& ui) { AddAffixes(list, length, prefix, suffix, ui); });
}

}  // namespace telqor
