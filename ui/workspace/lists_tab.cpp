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

#include "files/batch_save.h"
#include "ui/files/save_count_dialog.h"
#include "ui/kit/clipboard.h"
#include "ui/kit/controls.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/workspace/number_list_box.h"
#include "workspace/kind_filter.h"
#include "workspace/list_operations.h"

namespace telqor {

using namespace Qt::StringLiterals;

ListsTab::ListsTab(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent)
    : QWidget(parent), context_(context), lists_(lists), countDialog_(countDialog) {
  setObjectName(u"TabSheet2"_s);
  BuildSource();
  BuildMoves();
  BuildTarget();
  BuildExport();
  auto* sides = new QHBoxLayout;
  sides->addWidget(GBRawData, 1);
  sides->addWidget(Panel4, 0);
  sides->addWidget(GBDestData, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sides, 1);
  layout->addWidget(GroupBox3);

  sourceBox_ = std::make_unique<NumberListBox>(lists_.source, GBRawData, lv1, context_.ui);
  targetBox_ = std::make_unique<NumberListBox>(lists_.target, GBDestData, lv2, context_.ui);
  Connect();
}

ListsTab::~ListsTab() = default;

void ListsTab::BuildSource() {
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
  auto* raw = new QVBoxLayout(GBRawData);
  raw->addLayout(Row({ToolButton2, ToolButton1, ToolButton3, ToolButton5, ToolButton6}));
  raw->addLayout(Row({ToolButton16, ToolButton18, ToolButton20, ToolButton43, ToolButton23}));
  raw->addWidget(lv1, 1);
  PopupMenu5 = Named<QMenu>(u"PopupMenu5"_s, this);
  N25 = MenuItem(PopupMenu5, u"N25"_s, u"保留手机号码"_s);
  N26 = MenuItem(PopupMenu5, u"N26"_s, u"保留非手机号码"_s);
  NNormalize1 = MenuItem(PopupMenu5, u"NNormalize1"_s, u"号码规范化"_s);
  PopupMenu5->addSeparator();
  N55 = MenuItem(PopupMenu5, u"N55"_s, u"复制所有号码"_s);
  N58 = MenuItem(PopupMenu5, u"N58"_s, u"复制选择的号码"_s);
  N57 = MenuItem(PopupMenu5, u"N57"_s, u"删除选择的号码"_s);
  ContextMenu(lv1, PopupMenu5);
  PopupAtMouse(ToolButton23, PopupMenu5);
}

// Moves between the lists: the upper three copy source to target, the lower three back.
void ListsTab::BuildMoves() {
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
}

void ListsTab::BuildTarget() {
  GBDestData = Named<QGroupBox>(u"GBDestData"_s, u"【目标号码】"_s);
  ToolButton30 = ToolButton(u"ToolButton30"_s, u"   号码排序   "_s);
  ToolButton32 = ToolButton(u"ToolButton32"_s, u"号码乱序"_s);
  ToolButton34 = ToolButton(u"ToolButton34"_s, u"去除重号"_s);
  ToolButton36 = ToolButton(u"ToolButton36"_s, u"滤除号码"_s);
  ToolButton44 = ToolButton(u"ToolButton44"_s, u"其它操作"_s);
  lv2 = NumberView(u"lv2"_s);
  auto* dest = new QVBoxLayout(GBDestData);
  dest->addLayout(Row({ToolButton30, ToolButton32, ToolButton34, ToolButton36, ToolButton44}));
  dest->addWidget(lv2, 1);
  PopupMenu9 = Named<QMenu>(u"PopupMenu9"_s, this);
  NNormalize2 = MenuItem(PopupMenu9, u"NNormalize2"_s, u"号码规范化"_s);
  PopupMenu9->addSeparator();
  N59 = MenuItem(PopupMenu9, u"N59"_s, u"复制所有号码"_s);
  N60 = MenuItem(PopupMenu9, u"N60"_s, u"复制选择的号码"_s);
  PopupMenu9->addSeparator();
  N61 = MenuItem(PopupMenu9, u"N61"_s, u"删除选择的号码"_s);
  N52 = MenuItem(PopupMenu9, u"N52"_s, u"清空号码"_s);
  ContextMenu(lv2, PopupMenu9);
  PopupAtMouse(ToolButton44, PopupMenu9);
}

void ListsTab::BuildExport() {
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
  N46 = MenuItem(PopupMenu10, u"N46"_s, u"全部导出号码"_s);
  PopupMenu10->addSeparator();
  N48 = MenuItem(PopupMenu10, u"N48"_s, u"按地区导出"_s);
  N49 = MenuItem(PopupMenu10, u"N49"_s, u"按号码类型(移动,联通等)导出"_s);
  N63 = MenuItem(PopupMenu10, u"N63"_s, u"按地区和号码类型(移动,联通等)导出"_s);
  N75 = MenuItem(PopupMenu10, u"N75"_s, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(SpeedButton24, PopupMenu10);
}

void ListsTab::Connect() {
  Wire(ToolButton3, this, &ListsTab::ToolButton3Click);
  Wire(ToolButton5, this, &ListsTab::ToolButton5Click);
  Wire(ToolButton6, this, &ListsTab::ToolButton6Click);
  Wire(ToolButton16, this, &ListsTab::ToolButton16Click);
  Wire(ToolButton18, this, &ListsTab::ToolButton18Click);
  Wire(ToolButton20, this, &ListsTab::ToolButton20Click);
  Wire(ToolButton43, this, &ListsTab::ToolButton43Click);
  Wire(N25, this, &ListsTab::N25Click);
  Wire(N26, this, &ListsTab::N26Click);
  Wire(NNormalize1, this, &ListsTab::NNormalize1Click);
  Wire(N55, this, &ListsTab::N55Click);
  Wire(N58, this, &ListsTab::N58Click);
  Wire(N57, this, &ListsTab::N57Click);
  Wire(ToolButton30, this, &ListsTab::ToolButton30Click);
  Wire(ToolButton32, this, &ListsTab::ToolButton32Click);
  Wire(ToolButton34, this, &ListsTab::ToolButton34Click);
  Wire(ToolButton36, this, &ListsTab::ToolButton36Click);
  Wire(N59, this, &ListsTab::N59Click);
  Wire(N60, this, &ListsTab::N60Click);
  Wire(N61, this, &ListsTab::N61Click);
  Wire(N52, this, &ListsTab::N52Click);
  Wire(NNormalize2, this, &ListsTab::NNormalize2Click);
  Wire(SpeedButton17, this, &ListsTab::SpeedButton17Click);
  Wire(SpeedButton18, this, &ListsTab::SpeedButton18Click);
  Wire(SpeedButton23, this, &ListsTab::SpeedButton23Click);
  Wire(N46, this, &ListsTab::N46Click);
  Wire(SpeedButton2, this, &ListsTab::SpeedButton2Click);
}

DropSites ListsTab::Drops() const { return {{lv1, DropTarget::kLv1}}; }

NumberList& ListsTab::ExportList() { return RBDest->isChecked() ? lists_.target : lists_.source; }

void ListsTab::FilterOutFromFiles(NumberList& list, const char* loadingPrefix) {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty())
    FilterOut(list, lists_.filter, files, loadingPrefix, context_.CurrentSettings().ModeB(), context_.ui);
}

void ListsTab::ToolButton3Click() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) LoadFilesInto(lists_.source, files, context_.ui);
}

void ListsTab::ToolButton5Click() { PasteNumbers(lists_.source, lists_.scratch, GbkFromClipboard(), context_.ui); }
void ListsTab::ToolButton6Click() { ClearNumbers(lists_.source, context_.ui); }
void ListsTab::ToolButton16Click() { SortNumbers(lists_.source, context_.ui); }
void ListsTab::ToolButton18Click() { ShuffleNumbers(lists_.source, context_.ui); }
void ListsTab::ToolButton20Click() { DedupeNumbers(lists_.source, context_.CurrentSettings().ModeB(), context_.ui); }
void ListsTab::ToolButton43Click() { FilterOutFromFiles(lists_.source, "加载文件:"); }
void ListsTab::N25Click() { KeepKind(lists_.source, NumberKind::Mobile, context_.CurrentSettings(), context_.ui); }
void ListsTab::N26Click() { KeepKind(lists_.source, NumberKind::NonMobile, context_.CurrentSettings(), context_.ui); }
void ListsTab::NNormalize1Click() { NormalizeNumbers(lists_.source, context_.ui); }
void ListsTab::N55Click() { CopyGbkToClipboard(CopyAll(lists_.source, context_.ui)); }
void ListsTab::N58Click() {
  CopyGbkToClipboard(CopySelected(lists_.source, lists_.scratch, sourceBox_->SelectedRows(), context_.ui));
}
void ListsTab::N57Click() { DeleteSelected(lists_.source, sourceBox_->SelectedRows(), context_.ui); }

void ListsTab::ToolButton30Click() { SortNumbers(lists_.target, context_.ui); }
void ListsTab::ToolButton32Click() { ShuffleNumbers(lists_.target, context_.ui); }
void ListsTab::ToolButton34Click() { DedupeNumbers(lists_.target, context_.CurrentSettings().ModeB(), context_.ui); }
void ListsTab::ToolButton36Click() { FilterOutFromFiles(lists_.target, "请等待,加载文件："); }
void ListsTab::N59Click() { CopyGbkToClipboard(CopyAll(lists_.target, context_.ui)); }
void ListsTab::N60Click() {
  CopyGbkToClipboard(CopySelected(lists_.target, lists_.scratch, targetBox_->SelectedRows(), context_.ui));
}
void ListsTab::N61Click() { DeleteSelected(lists_.target, targetBox_->SelectedRows(), context_.ui); }
void ListsTab::N52Click() { ClearNumbers(lists_.target, context_.ui); }
void ListsTab::NNormalize2Click() { NormalizeNumbers(lists_.target, context_.ui); }

void ListsTab::SpeedButton17Click() { CopyAcross(lists_.source, lists_.target, context_.ui); }
void ListsTab::SpeedButton18Click() { CopyAcross(lists_.target, lists_.source, context_.ui); }

void ListsTab::SpeedButton23Click() {
  std::string count;
  if (countDialog_->AskCount(count))
    BatchSave(ExportList().Items(), count, context_.Folders().datedOutput, context_.ui);
}

void ListsTab::N46Click() { SaveWholeList(ExportList().Items(), context_.Folders().datedOutput, context_.ui); }

void ListsTab::SpeedButton2Click() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

}  // namespace telqor
