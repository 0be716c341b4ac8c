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

#include "files/batch_save.h"
#include "ui/files/save_count_dialog.h"
#include "ui/kit/clipboard.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/workspace/number_list_box.h"
#include "workspace/kind_filter.h"
#include "workspace/list_operations.h"
#include "workspace/replacement.h"

namespace telqor {

using namespace Qt::StringLiterals;

WorkspacePanel::WorkspacePanel(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent)
    : QWidget(parent), context_(context), lists_(lists), countDialog_(countDialog) {
  setObjectName(u"WorkspacePanel"_s);
  BuildList();
  BuildEditors();
  auto* workspace = new QVBoxLayout(GroupBoxHmInfo);
  workspace->addWidget(lv0, 1);
  workspace->addLayout(
      Row({SpeedButton5, SpeedButton6, SpeedButton8, SpeedButton7, SpeedButton9, SpeedButton34, SBLoadData}));
  workspace->addWidget(Panelhmprex);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(GroupBoxHmInfo);

  box_ = std::make_unique<NumberListBox>(lists_.workspace, GroupBoxHmInfo, lv0, context_.ui);
  Connect();
}

WorkspacePanel::~WorkspacePanel() = default;

void WorkspacePanel::BuildList() {
  GroupBoxHmInfo = Named<QGroupBox>(u"GroupBoxHmInfo"_s, u"号码整理框"_s);
  lv0 = NumberView(u"lv0"_s);
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
  N23 = MenuItem(MenuDataKindFilter, u"N23"_s, u"保留手机号码"_s);
  N24 = MenuItem(MenuDataKindFilter, u"N24"_s, u"保留非手机号码"_s);
  N43 = MenuItem(MenuDataKindFilter, u"N43"_s, u"保留电话号码"_s);
  N44 = MenuItem(MenuDataKindFilter, u"N44"_s, u"保留自定义Ⅰ"_s);
  N45 = MenuItem(MenuDataKindFilter, u"N45"_s, u"保留自定义Ⅱ"_s);
  PopupMenu3->addSeparator();
  N40 = MenuItem(PopupMenu3, u"N40"_s, u"前后缀和内容替换"_s);
  NNormalize0 = MenuItem(PopupMenu3, u"NNormalize0"_s, u"号码规范化"_s);
  N56 = MenuItem(PopupMenu3, u"N56"_s, u"删除选择的数据"_s);
  PopupMenu3->addSeparator();
  ii1 = MenuItem(PopupMenu3, u"ii1"_s, u"复制全部数据"_s);
  N73 = MenuItem(PopupMenu3, u"N73"_s, u"复制选择数据"_s);
  N27 = MenuItem(PopupMenu3, u"N27"_s, u"粘帖数据"_s);
  N18 = MenuItem(PopupMenu3, u"N18"_s, u"清空数据"_s);
  ContextMenu(lv0, PopupMenu3);
  PopupAtMouse(SpeedButton7, PopupMenu3);

  PopupMenu6 = Named<QMenu>(u"PopupMenu6"_s, this);
  N30 = MenuItem(PopupMenu6, u"N30"_s, u"分批保存号码"_s);
  N31 = MenuItem(PopupMenu6, u"N31"_s, u"全部保存号码"_s);
  PopupMenu6->addSeparator();
  N50 = MenuItem(PopupMenu6, u"N50"_s, u"按地区保存号码"_s);
  N53 = MenuItem(PopupMenu6, u"N53"_s, u"按号码类型(移动,联通等)保存号码"_s);
  N64 = MenuItem(PopupMenu6, u"N64"_s, u"按地区和号码类型(移动,联通等)保存号码"_s);
  N74 = MenuItem(PopupMenu6, u"N74"_s, u"按地区/号码类型/号段保存号码"_s);
  PopupAtMouse(SpeedButton9, PopupMenu6);
}

void WorkspacePanel::BuildEditors() {
  Panelhmprex = Named<QFrame>(u"Panelhmprex"_s);
  GroupBox5 = Named<QGroupBox>(u"GroupBox5"_s, u"数据内容替换-支持正则表达式"_s);
  CBA = EditableCombo(u"CBA"_s);
  CBA->addItems({u"-"_s, u"  "_s});
  CBA->setCurrentIndex(-1);
  CBA->setEditText(QString());
  Label8 = Named<QLabel>(u"Label8"_s, u"->"_s);
  CBB = EditableCombo(u"CBB"_s);
  SpeedButton22 = Button(u"SpeedButton22"_s, u"替换"_s);
  auto* replaceRow = new QHBoxLayout(GroupBox5);
  replaceRow->addWidget(CBA, 1);
  replaceRow->addWidget(Label8);
  replaceRow->addWidget(CBB, 1);
  replaceRow->addWidget(SpeedButton22);

  GroupBox9 = Named<QGroupBox>(u"GroupBox9"_s, u"前后缀附加(在选择的长度数据前增加,0表示没有限制)"_s);
  Label13 = Named<QLabel>(u"Label13"_s, u"数据长度"_s);
  CBDataLen = EditableCombo(u"CBDataLen"_s);
  CBDataLen->addItems({u"0"_s, u"7"_s, u"8"_s});
  CBDataLen->setCurrentIndex(0);
  // Room for a length of a few digits beside the drop-down arrow.
  CBDataLen->setMinimumWidth(CBDataLen->fontMetrics().horizontalAdvance(u"00000"_s) + 36);
  Label12 = Named<QLabel>(u"Label12"_s, u"前后缀"_s);
  Edit3 = Named<QLineEdit>(u"Edit3"_s);
  Edit4 = Named<QLineEdit>(u"Edit4"_s);
  // A prefix such as an area code with a separator, or "+86 ", fits in full.
  for (QLineEdit* edit : {Edit3, Edit4}) edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(u"0000000000"_s));
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
}

void WorkspacePanel::Connect() {
  Wire(SBLoadData, this, &WorkspacePanel::SBLoadDataClick);
  Wire(SpeedButton5, this, &WorkspacePanel::SpeedButton5Click);
  Wire(SpeedButton6, this, &WorkspacePanel::SpeedButton6Click);
  Wire(SpeedButton8, this, &WorkspacePanel::SpeedButton8Click);
  Wire(SpeedButton34, this, &WorkspacePanel::SpeedButton34Click);
  Wire(N23, this, &WorkspacePanel::N23Click);
  Wire(N24, this, &WorkspacePanel::N24Click);
  Wire(N43, this, &WorkspacePanel::N43Click);
  Wire(N44, this, &WorkspacePanel::N44Click);
  Wire(N45, this, &WorkspacePanel::N45Click);
  Wire(N40, this, &WorkspacePanel::N40Click);
  Wire(NNormalize0, this, &WorkspacePanel::NNormalize0Click);
  Wire(N56, this, &WorkspacePanel::N56Click);
  Wire(ii1, this, &WorkspacePanel::ii1Click);
  Wire(N73, this, &WorkspacePanel::N73Click);
  Wire(N27, this, &WorkspacePanel::N27Click);
  Wire(N18, this, &WorkspacePanel::N18Click);
  Wire(N30, this, &WorkspacePanel::N30Click);
  Wire(N31, this, &WorkspacePanel::N31Click);
  Wire(SpeedButton22, this, &WorkspacePanel::SpeedButton22Click);
  Wire(SpeedButton35, this, &WorkspacePanel::SpeedButton35Click);
  // A double click empties a field; on the editors panel or its groups it hides the panel.
  OnDoubleClick(CBA->lineEdit(), [this] { CBA->setEditText(QString()); });
  OnDoubleClick(CBB->lineEdit(), [this] { CBB->setEditText(QString()); });
  OnDoubleClick(Edit3, [this] { Edit3->clear(); });
  OnDoubleClick(Edit4, [this] { Edit4->clear(); });
  for (QWidget* w : std::initializer_list<QWidget*>{GroupBox5, GroupBox9, Panelhmprex})
    OnDoubleClick(w, [this] { N40Click(); });
}

DropSites WorkspacePanel::Drops() const { return {{lv0, DropTarget::kLv0}}; }

void WorkspacePanel::SBLoadDataClick() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) LoadFilesInto(lists_.workspace, files, context_.ui);
}

void WorkspacePanel::SpeedButton5Click() { SortNumbers(lists_.workspace, context_.ui); }
void WorkspacePanel::SpeedButton6Click() { ShuffleNumbers(lists_.workspace, context_.ui); }
void WorkspacePanel::SpeedButton8Click() {
  DedupeNumbers(lists_.workspace, context_.CurrentSettings().ModeB(), context_.ui);
}
void WorkspacePanel::SpeedButton34Click() { context_.ui.OpenFolder(context_.Folders().datedOutput); }

void WorkspacePanel::N23Click() {
  KeepKind(lists_.workspace, NumberKind::Mobile, context_.CurrentSettings(), context_.ui);
}
void WorkspacePanel::N24Click() {
  KeepKind(lists_.workspace, NumberKind::NonMobile, context_.CurrentSettings(), context_.ui);
}
void WorkspacePanel::N43Click() {
  KeepKind(lists_.workspace, NumberKind::Landline, context_.CurrentSettings(), context_.ui);
}
void WorkspacePanel::N44Click() {
  KeepKind(lists_.workspace, NumberKind::Custom1, context_.CurrentSettings(), context_.ui);
}
void WorkspacePanel::N45Click() {
  KeepKind(lists_.workspace, NumberKind::Custom2, context_.CurrentSettings(), context_.ui);
}

void WorkspacePanel::N40Click() { Panelhmprex->setVisible(!Panelhmprex->isVisible()); }
void WorkspacePanel::NNormalize0Click() { NormalizeNumbers(lists_.workspace, context_.ui); }
void WorkspacePanel::N56Click() { DeleteSelected(lists_.workspace, box_->SelectedRows(), context_.ui); }
void WorkspacePanel::ii1Click() { CopyGbkToClipboard(CopyAll(lists_.workspace, context_.ui)); }
void WorkspacePanel::N73Click() {
  CopyGbkToClipboard(CopySelected(lists_.workspace, lists_.scratch, box_->SelectedRows(), context_.ui));
}
void WorkspacePanel::N27Click() { PasteNumbers(lists_.workspace, lists_.scratch, GbkFromClipboard(), context_.ui); }
void WorkspacePanel::N18Click() { ClearNumbers(lists_.workspace, context_.ui); }

void WorkspacePanel::N30Click() {
  std::string count;
  if (lists_.workspace.Items().Count() > 0 && countDialog_->AskCount(count))
    BatchSave(lists_.workspace.Items(), count, context_.Folders().datedOutput, context_.ui);
}

void WorkspacePanel::N31Click() {
  if (lists_.workspace.Items().Count() > 0)
    SaveWholeList(lists_.workspace.Items(), context_.Folders().datedOutput, context_.ui);
}

void WorkspacePanel::SpeedButton22Click() {
  ReplaceContent(lists_.workspace, ToGbk(CBA->currentText()), ToGbk(CBB->currentText()), context_.ui);
}

void WorkspacePanel::SpeedButton35Click() {
  AddAffixes(lists_.workspace, CBDataLen->currentText().toStdString(), ToGbk(Edit3->text()), ToGbk(Edit4->text()),
             context_.ui);
}

}  // namespace telqor
