#include "ui/workspace/lists_tab.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "files/batch_save.h"
#include "ui/kit/save_count_dialog.h"
#include "ui/kit/clipboard.h"
#include "ui/kit/controls.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/workspace/export_items.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/number_list_box.h"
#include "workspace/kind_filter.h"
#include "workspace/list_operations.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::lists;

ListsTab::ListsTab(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent)
    : QWidget(parent), context_(context), lists_(lists), countDialog_(countDialog) {
  setObjectName(kListsTab);
  BuildSource();
  BuildMoves();
  BuildTarget();
  BuildExport();
  auto* sides = new QHBoxLayout;
  sides->addWidget(sourceGroup_, 1);
  sides->addWidget(movesPanel_, 0);
  sides->addWidget(targetGroup_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sides, 1);
  layout->addWidget(exportGroup_);

  sourceBox_ = std::make_unique<NumberListBox>(lists_.source, sourceGroup_, sourceView_, context_.ui);
  targetBox_ = std::make_unique<NumberListBox>(lists_.target, targetGroup_, targetView_, context_.ui);
  Connect();
}

ListsTab::~ListsTab() = default;

void ListsTab::BuildSource() {
  sourceGroup_ = Named<QGroupBox>(kSourceGroup, u"【原始号码】"_s);
  importSegmentsButton_ = ToolButton(kImportSegmentsButton, u"   导入号段   "_s);
  inputSegmentsButton_ = ToolButton(kInputSegmentsButton, u"  输入号段   "_s);
  importFilesButton_ = ToolButton(kImportSourceFilesButton, u"导入文件"_s);
  pasteSourceButton_ = ToolButton(kPasteSourceButton, u"粘贴"_s);
  clearSourceButton_ = ToolButton(kClearSourceButton, u"清空"_s);
  sortSourceButton_ = ToolButton(kSortSourceButton, u"   号码排序   "_s);
  shuffleSourceButton_ = ToolButton(kShuffleSourceButton, u"号码乱序"_s);
  dedupeSourceButton_ = ToolButton(kDedupeSourceButton, u"去除重号"_s);
  filterOutSourceButton_ = ToolButton(kFilterOutSourceButton, u"滤除号码"_s);
  moreSourceButton_ = ToolButton(kMoreSourceButton, u"其它操作"_s);
  sourceView_ = NumberView(kSourceList);
  auto* raw = new QVBoxLayout(sourceGroup_);
  raw->addLayout(
      Row({importSegmentsButton_, inputSegmentsButton_, importFilesButton_, pasteSourceButton_, clearSourceButton_}));
  raw->addLayout(
      Row({sortSourceButton_, shuffleSourceButton_, dedupeSourceButton_, filterOutSourceButton_, moreSourceButton_}));
  raw->addWidget(sourceView_, 1);
  sourceMenu_ = Named<QMenu>(kSourceMenu, this);
  keepSourceMobileItem_ = MenuItem(sourceMenu_, kKeepSourceMobileItem, u"保留手机号码"_s);
  keepSourceNonMobileItem_ = MenuItem(sourceMenu_, kKeepSourceNonMobileItem, u"保留非手机号码"_s);
  normalizeSourceItem_ = MenuItem(sourceMenu_, kNormalizeSourceItem, u"号码规范化"_s);
  sourceMenu_->addSeparator();
  copyAllSourceItem_ = MenuItem(sourceMenu_, kCopyAllSourceItem, u"复制所有号码"_s);
  copySourceSelectionItem_ = MenuItem(sourceMenu_, kCopySourceSelectionItem, u"复制选择的号码"_s);
  deleteSourceSelectionItem_ = MenuItem(sourceMenu_, kDeleteSourceSelectionItem, u"删除选择的号码"_s);
  sourceMenu_->addSeparator();
  statsSourceItem_ = MenuItem(sourceMenu_, kSourceStatsItem, u"号码统计"_s);
  lookupTableSourceItem_ = MenuItem(sourceMenu_, kSourceLookupTableItem, u"归属地查询表"_s);
  ContextMenu(sourceView_, sourceMenu_);
  PopupAtMouse(moreSourceButton_, sourceMenu_);
}

// Moves between the lists: the upper three copy source to target, the lower three back.
void ListsTab::BuildMoves() {
  movesPanel_ = Named<QFrame>(kMovesPanel);
  auto move = [](const QString& name, const QString& caption, Qt::ArrowType arrow) {
    QToolButton* b = ToolButton(name, caption);
    b->setArrowType(arrow);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
  };
  featureToTargetButton_ = move(kFeatureToTargetButton, u"组合特征"_s, Qt::RightArrow);
  typeToTargetButton_ = move(kTypeToTargetButton, u"号码类型"_s, Qt::RightArrow);
  allToTargetButton_ = move(kAllToTargetButton, u"全部号码"_s, Qt::RightArrow);
  featureToSourceButton_ = move(kFeatureToSourceButton, u"组合特征"_s, Qt::LeftArrow);
  typeToSourceButton_ = move(kTypeToSourceButton, u"号码类型"_s, Qt::LeftArrow);
  allToSourceButton_ = move(kAllToSourceButton, u"全部号码"_s, Qt::LeftArrow);
  auto* moves = new QVBoxLayout(movesPanel_);
  moves->addStretch();
  for (QToolButton* b : {featureToTargetButton_, typeToTargetButton_, allToTargetButton_}) moves->addWidget(b);
  moves->addSpacing(24);
  for (QToolButton* b : {featureToSourceButton_, typeToSourceButton_, allToSourceButton_}) moves->addWidget(b);
  moves->addStretch();
  movesPanel_->setFixedWidth(120);
}

void ListsTab::BuildTarget() {
  targetGroup_ = Named<QGroupBox>(kTargetGroup, u"【目标号码】"_s);
  sortTargetButton_ = ToolButton(kSortTargetButton, u"   号码排序   "_s);
  shuffleTargetButton_ = ToolButton(kShuffleTargetButton, u"号码乱序"_s);
  dedupeTargetButton_ = ToolButton(kDedupeTargetButton, u"去除重号"_s);
  filterOutTargetButton_ = ToolButton(kFilterOutTargetButton, u"滤除号码"_s);
  moreTargetButton_ = ToolButton(kMoreTargetButton, u"其它操作"_s);
  targetView_ = NumberView(kTargetList);
  auto* dest = new QVBoxLayout(targetGroup_);
  dest->addLayout(
      Row({sortTargetButton_, shuffleTargetButton_, dedupeTargetButton_, filterOutTargetButton_, moreTargetButton_}));
  dest->addWidget(targetView_, 1);
  targetMenu_ = Named<QMenu>(kTargetMenu, this);
  normalizeTargetItem_ = MenuItem(targetMenu_, kNormalizeTargetItem, u"号码规范化"_s);
  targetMenu_->addSeparator();
  copyAllTargetItem_ = MenuItem(targetMenu_, kCopyAllTargetItem, u"复制所有号码"_s);
  copyTargetSelectionItem_ = MenuItem(targetMenu_, kCopyTargetSelectionItem, u"复制选择的号码"_s);
  targetMenu_->addSeparator();
  deleteTargetSelectionItem_ = MenuItem(targetMenu_, kDeleteTargetSelectionItem, u"删除选择的号码"_s);
  clearTargetItem_ = MenuItem(targetMenu_, kClearTargetItem, u"清空号码"_s);
  targetMenu_->addSeparator();
  statsTargetItem_ = MenuItem(targetMenu_, kTargetStatsItem, u"号码统计"_s);
  lookupTableTargetItem_ = MenuItem(targetMenu_, kTargetLookupTableItem, u"归属地查询表"_s);
  ContextMenu(targetView_, targetMenu_);
  PopupAtMouse(moreTargetButton_, targetMenu_);
}

void ListsTab::BuildExport() {
  exportGroup_ = Named<QGroupBox>(kExportGroup, u"【导出号码】"_s);
  exportSourceRadio_ = Named<QRadioButton>(kExportSourceRadio, u"原始号码"_s);
  exportSourceRadio_->setChecked(true);
  exportTargetRadio_ = Named<QRadioButton>(kExportTargetRadio, u"目标号码"_s);
  batchExportButton_ = Button(kBatchExportButton, u"分批导出号码"_s);
  exportButton_ = Button(kExportButton, u"全部导出号码"_s);
  exportFolderButton_ = Button(kExportFolderButton, u"浏览导出目录"_s);
  auto* exportRow = new QHBoxLayout(exportGroup_);
  for (QWidget* w : std::initializer_list<QWidget*>{exportSourceRadio_, exportTargetRadio_, batchExportButton_,
                                                    exportButton_, exportFolderButton_})
    exportRow->addWidget(w);
  exportRow->addStretch();
  exportMenu_ = Named<QMenu>(kExportMenu, this);
  exportAllItem_ = MenuItem(exportMenu_, kExportAllItem, u"全部导出号码"_s);
  exportMenu_->addSeparator();
  byRegionItem_ = MenuItem(exportMenu_, kExportByRegionItem, u"按地区导出"_s);
  byCarrierItem_ = MenuItem(exportMenu_, kExportByCarrierItem, u"按号码类型(移动,联通等)导出"_s);
  byRegionCarrierItem_ = MenuItem(exportMenu_, kExportByRegionCarrierItem, u"按地区和号码类型(移动,联通等)导出"_s);
  byRegionCarrierSegmentItem_ =
      MenuItem(exportMenu_, kExportByRegionCarrierSegmentItem, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(exportButton_, exportMenu_);
}

void ListsTab::Connect() {
  Wire(inputSegmentsButton_, this, &ListsTab::InputSegmentsClicked);
  Wire(importSegmentsButton_, this, &ListsTab::ImportSegmentsClicked);
  Wire(importFilesButton_, this, &ListsTab::ImportSourceFilesClicked);
  Wire(pasteSourceButton_, this, &ListsTab::PasteSourceClicked);
  Wire(clearSourceButton_, this, &ListsTab::ClearSourceClicked);
  Wire(sortSourceButton_, this, &ListsTab::SortSourceClicked);
  Wire(shuffleSourceButton_, this, &ListsTab::ShuffleSourceClicked);
  Wire(dedupeSourceButton_, this, &ListsTab::DedupeSourceClicked);
  Wire(filterOutSourceButton_, this, &ListsTab::FilterOutSourceClicked);
  Wire(keepSourceMobileItem_, this, &ListsTab::KeepSourceMobileClicked);
  Wire(keepSourceNonMobileItem_, this, &ListsTab::KeepSourceNonMobileClicked);
  Wire(normalizeSourceItem_, this, &ListsTab::NormalizeSourceClicked);
  Wire(copyAllSourceItem_, this, &ListsTab::CopyAllSourceClicked);
  Wire(copySourceSelectionItem_, this, &ListsTab::CopySourceSelectionClicked);
  Wire(deleteSourceSelectionItem_, this, &ListsTab::DeleteSourceSelectionClicked);
  Wire(sortTargetButton_, this, &ListsTab::SortTargetClicked);
  Wire(shuffleTargetButton_, this, &ListsTab::ShuffleTargetClicked);
  Wire(dedupeTargetButton_, this, &ListsTab::DedupeTargetClicked);
  Wire(filterOutTargetButton_, this, &ListsTab::FilterOutTargetClicked);
  Wire(copyAllTargetItem_, this, &ListsTab::CopyAllTargetClicked);
  Wire(copyTargetSelectionItem_, this, &ListsTab::CopyTargetSelectionClicked);
  Wire(deleteTargetSelectionItem_, this, &ListsTab::DeleteTargetSelectionClicked);
  Wire(clearTargetItem_, this, &ListsTab::ClearTargetClicked);
  Wire(statsSourceItem_, this, [this] { emit StatsRequested(lists_.source); });
  Wire(lookupTableSourceItem_, this, [this] { emit LookupTableRequested(lists_.source); });
  Wire(statsTargetItem_, this, [this] { emit StatsRequested(lists_.target); });
  Wire(lookupTableTargetItem_, this, [this] { emit LookupTableRequested(lists_.target); });
  Wire(normalizeTargetItem_, this, &ListsTab::NormalizeTargetClicked);
  Wire(featureToTargetButton_, this, &ListsTab::FeatureToTargetClicked);
  Wire(featureToSourceButton_, this, &ListsTab::FeatureToSourceClicked);
  Wire(typeToTargetButton_, this, &ListsTab::TypeToTargetClicked);
  Wire(typeToSourceButton_, this, &ListsTab::TypeToSourceClicked);
  Wire(allToTargetButton_, this, &ListsTab::AllToTargetClicked);
  Wire(allToSourceButton_, this, &ListsTab::AllToSourceClicked);
  Wire(batchExportButton_, this, &ListsTab::BatchExportClicked);
  Wire(exportAllItem_, this, &ListsTab::ExportAllClicked);
  WireExportItems(byRegionItem_, byCarrierItem_, byRegionCarrierItem_, byRegionCarrierSegmentItem_, this,
                  &ListsTab::ExportByKindClicked);
  Wire(exportFolderButton_, this, &ListsTab::ExportFolderClicked);
}

DropSites ListsTab::Drops() const { return {{sourceView_, DropTarget::kSourceList}}; }

NumberList& ListsTab::ChosenList() { return exportTargetRadio_->isChecked() ? lists_.target : lists_.source; }

void ListsTab::FilterOutFromFiles(NumberList& list, const char* loadingPrefix) {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  const CompareMode mode = context_.CurrentSettings().Comparison();
  context_.InBackground(
      {&list}, [&](Ui& ui) { FilterOut(list, lists_.filter, files, loadingPrefix, mode, ui); }, Stoppable::kYes);
}

void ListsTab::ImportSourceFilesClicked() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  context_.InBackground(
      {&lists_.source}, [&](Ui& ui) { LoadFilesInto(lists_.source, files, ui); }, Stoppable::kYes);
}

void ListsTab::InputSegmentsClicked() { emit InputSegmentsRequested(); }
void ListsTab::ImportSegmentsClicked() { emit ImportSegmentsRequested(); }

void ListsTab::ChangeInBackground(NumberList& list, const std::function<void(NumberList&, Ui&)>& work) {
  context_.InBackground({&list}, [&](Ui& ui) { work(list, ui); });
}

void ListsTab::PasteSourceClicked() {
  const std::string text = GbkFromClipboard();
  ChangeInBackground(lists_.source, [&](NumberList& list, Ui& ui) { PasteNumbers(list, lists_.scratch, text, ui); });
}
void ListsTab::ClearSourceClicked() { ClearNumbers(lists_.source, context_.ui); }
void ListsTab::SortSourceClicked() { ChangeInBackground(lists_.source, SortNumbers); }
void ListsTab::ShuffleSourceClicked() { ChangeInBackground(lists_.source, ShuffleNumbers); }
void ListsTab::DedupeSourceClicked() {
  const CompareMode mode = context_.CurrentSettings().Comparison();
  ChangeInBackground(lists_.source, [mode](NumberList& list, Ui& ui) { DedupeNumbers(list, mode, ui); });
}
void ListsTab::FilterOutSourceClicked() { FilterOutFromFiles(lists_.source, "加载文件:"); }
void ListsTab::KeepSourceMobileClicked() {
  const Settings& settings = context_.CurrentSettings();
  ChangeInBackground(lists_.source,
                     [&](NumberList& list, Ui& ui) { KeepKind(list, NumberKind::Mobile, settings, ui); });
}
void ListsTab::KeepSourceNonMobileClicked() {
  const Settings& settings = context_.CurrentSettings();
  ChangeInBackground(lists_.source,
                     [&](NumberList& list, Ui& ui) { KeepKind(list, NumberKind::NonMobile, settings, ui); });
}
void ListsTab::NormalizeSourceClicked() { ChangeInBackground(lists_.source, NormalizeNumbers); }
void ListsTab::CopyAllSourceClicked() { CopyGbkToClipboard(CopyAll(lists_.source, context_.ui)); }
void ListsTab::CopySourceSelectionClicked() {
  CopyGbkToClipboard(CopySelected(lists_.source, lists_.scratch, sourceBox_->SelectedRows(), context_.ui));
}
void ListsTab::DeleteSourceSelectionClicked() {
  const std::vector<int> rows = sourceBox_->SelectedRows();
  ChangeInBackground(lists_.source, [&](NumberList& list, Ui& ui) { DeleteSelected(list, rows, ui); });
}

void ListsTab::SortTargetClicked() { ChangeInBackground(lists_.target, SortNumbers); }
void ListsTab::ShuffleTargetClicked() { ChangeInBackground(lists_.target, ShuffleNumbers); }
void ListsTab::DedupeTargetClicked() {
  const CompareMode mode = context_.CurrentSettings().Comparison();
  ChangeInBackground(lists_.target, [mode](NumberList& list, Ui& ui) { DedupeNumbers(list, mode, ui); });
}
void ListsTab::FilterOutTargetClicked() { FilterOutFromFiles(lists_.target, "请等待,加载文件："); }
void ListsTab::CopyAllTargetClicked() { CopyGbkToClipboard(CopyAll(lists_.target, context_.ui)); }
void ListsTab::CopyTargetSelectionClicked() {
  CopyGbkToClipboard(CopySelected(lists_.target, lists_.scratch, targetBox_->SelectedRows(), context_.ui));
}
void ListsTab::DeleteTargetSelectionClicked() {
  const std::vector<int> rows = targetBox_->SelectedRows();
  ChangeInBackground(lists_.target, [&](NumberList& list, Ui& ui) { DeleteSelected(list, rows, ui); });
}
void ListsTab::ClearTargetClicked() { ClearNumbers(lists_.target, context_.ui); }
void ListsTab::NormalizeTargetClicked() { ChangeInBackground(lists_.target, NormalizeNumbers); }

void ListsTab::FeatureToTargetClicked() { emit MoveByFeatureRequested(lists_.source, lists_.target, true); }
void ListsTab::FeatureToSourceClicked() { emit MoveByFeatureRequested(lists_.target, lists_.source, false); }
void ListsTab::TypeToTargetClicked() { emit MoveByTypeRequested(lists_.source, lists_.target); }
void ListsTab::TypeToSourceClicked() { emit MoveByTypeRequested(lists_.target, lists_.source); }
void ListsTab::AllToTargetClicked() {
  context_.InBackground({&lists_.target}, [&](Ui& ui) { CopyAcross(lists_.source, lists_.target, ui); });
}
void ListsTab::AllToSourceClicked() {
  context_.InBackground({&lists_.source}, [&](Ui& ui) { CopyAcross(lists_.target, lists_.source, ui); });
}

void ListsTab::BatchExportClicked() {
  std::string count;
  if (!countDialog_->AskCount(count)) return;
  const ItemList& items = ChosenList().Items();
  context_.InBackground({}, [&](Ui& ui) { BatchSave(items, count, context_.Folders().datedOutput, ui); });
}

void ListsTab::ExportAllClicked() {
  const ItemList& items = ChosenList().Items();
  context_.InBackground({}, [&](Ui& ui) { SaveWholeList(items, context_.Folders().datedOutput, ui); });
}

void ListsTab::ExportByKindClicked(ExportKind kind) { emit ExportRequested(kind, ChosenList()); }

void ListsTab::ExportFolderClicked() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

}  // namespace telqor
