#include "files/file_manager_tab.h"

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

#include "gui/controls.h"
#include "gui/gbk_text.h"
#include "gui/named.h"

namespace telqor {

using namespace Qt::StringLiterals;

FileManagerTab::FileManagerTab(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
  setObjectName(u"TabSheet3"_s);
  BuildManagedFolders();
  BuildGeneralFiles();
  BuildComparison();
  auto* managed = new QHBoxLayout;
  managed->addWidget(GroupBox7, 1);
  managed->addWidget(GroupBox8, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(GroupBox6, 1);
  right->addWidget(GroupBox1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(managed, 1);
  layout->addLayout(right, 1);

  Wire(RBSelA, this, &FileManagerTab::RBSelAClick);
  Wire(RBSelB, this, &FileManagerTab::RBSelBClick);
  FoldersChanged();
}

void FileManagerTab::BuildManagedFolders() {
  const QString managedHint = u"操作:使用工具栏或者鼠标右菜单"_s;
  GroupBox7 = Named<QGroupBox>(u"GroupBox7"_s, u"§待使用文件§"_s);
  GroupBox7->setToolTip(managedHint);
  CLBwilluse = Named<QListWidget>(u"CLBwilluse"_s);
  CLBwilluse->setToolTip(managedHint);
  SpeedButton26 = Button(u"SpeedButton26"_s, u"工具栏"_s);
  SpeedButton29 = Button(u"SpeedButton29"_s, u"目录设定"_s);
  SpeedButton32 = Button(u"SpeedButton32"_s, u"打开"_s);
  auto* toUse = new QVBoxLayout(GroupBox7);
  toUse->addLayout(Row({SpeedButton26, SpeedButton29, SpeedButton32}));
  toUse->addWidget(CLBwilluse, 1);
  PopupMenu1 = Named<QMenu>(u"PopupMenu1"_s, this);
  MenuItem(PopupMenu1, u"N15"_s, u"刷新"_s);
  PopupMenu1->addSeparator();
  MenuItem(PopupMenu1, u"N8"_s, u"文件全选"_s);
  MenuItem(PopupMenu1, u"N10"_s, u"文件全不选"_s);
  PopupMenu1->addSeparator();
  MenuItem(PopupMenu1, u"N12"_s, u"选择文件->合并"_s);
  MenuItem(PopupMenu1, u"N13"_s, u"选择文件->删除"_s);
  MenuItem(PopupMenu1, u"N7"_s, u"选择文件->去重复"_s);
  MenuItem(PopupMenu1, u"N35"_s, u"选择文件->乱序"_s);
  MenuItem(PopupMenu1, u"N37"_s, u"选择文件->分割行数"_s);
  PopupMenu1->addSeparator();
  MenuItem(PopupMenu1, u"N6"_s, u"跟已经使用文件比较生成新文件"_s);
  MenuItem(PopupMenu1, u"N17"_s, u"选择文件设定为已经使用过文件"_s);
  PopupMenu1->addSeparator();
  MenuItem(PopupMenu1, u"N9"_s, u"打开目录"_s);
  ContextMenu(CLBwilluse, PopupMenu1);
  PopupAtMouse(SpeedButton26, PopupMenu1);

  GroupBox8 = Named<QGroupBox>(u"GroupBox8"_s, u"§使用过文件§"_s);
  GroupBox8->setToolTip(managedHint);
  CLBused = Named<QListWidget>(u"CLBused"_s);
  SpeedButton25 = Button(u"SpeedButton25"_s, u"工具栏"_s);
  SpeedButton30 = Button(u"SpeedButton30"_s, u"目录设定"_s);
  SpeedButton33 = Button(u"SpeedButton33"_s, u"打开"_s);
  auto* used = new QVBoxLayout(GroupBox8);
  used->addLayout(Row({SpeedButton25, SpeedButton30, SpeedButton33}));
  used->addWidget(CLBused, 1);
  PopupMenu2 = Named<QMenu>(u"PopupMenu2"_s, this);
  MenuItem(PopupMenu2, u"MenuItem1"_s, u"刷新"_s);
  PopupMenu2->addSeparator();
  MenuItem(PopupMenu2, u"MenuItem3"_s, u"文件全选"_s);
  MenuItem(PopupMenu2, u"MenuItem4"_s, u"文件全不选"_s);
  PopupMenu2->addSeparator();
  MenuItem(PopupMenu2, u"MenuItem6"_s, u"选择文件->合并"_s);
  MenuItem(PopupMenu2, u"MenuItem7"_s, u"选择文件->删除"_s);
  MenuItem(PopupMenu2, u"MenuItem8"_s, u"选择文件->去重复"_s);
  MenuItem(PopupMenu2, u"N36"_s, u"选择文件->乱序"_s);
  MenuItem(PopupMenu2, u"N38"_s, u"选择文件->分割行数"_s);
  PopupMenu2->addSeparator();
  MenuItem(PopupMenu2, u"MenuItem11"_s, u"打开目录"_s);
  ContextMenu(CLBused, PopupMenu2);
  PopupAtMouse(SpeedButton25, PopupMenu2);
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
  auto* fileButtons = new QVBoxLayout;
  for (auto [name, caption] :
       {std::pair{u"SpeedButton12"_s, u"加入文件"_s}, std::pair{u"SpeedButton19"_s, u"删除文件"_s},
        std::pair{u"SpeedButton20"_s, u"合并文件"_s}, std::pair{u"SpeedButton21"_s, u"分割文件"_s},
        std::pair{u"SpeedButton1"_s, u"去重文件"_s}, std::pair{u"SpeedButton4"_s, u"乱序文件"_s}})
    fileButtons->addWidget(Button(name, caption));
  fileButtons->addStretch();
  PopupMenu7 = Named<QMenu>(u"PopupMenu7"_s, this);
  MenuItem(PopupMenu7, u"N39"_s, u"打开当前文件的目录"_s);
  ContextMenu(LB1, PopupMenu7);
  Label11 = Named<QLabel>(u"Label11"_s, u"输出目录指定："_s);
  EditURL = Named<QLineEdit>(u"EditURL"_s);
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

DropSites FileManagerTab::Drops() const {
  return {{LB1, DropTarget::kLB1}, {EditA, DropTarget::kEditA}, {EditB, DropTarget::kEditB}};
}

void FileManagerTab::FoldersChanged() {
  EditURL->setText(FolderDisplayText(context_.Folders().otherData));
  UpdateEditURL();
}

void FileManagerTab::UpdateEditURL() { EditURL->setEnabled(RBSelB->isChecked()); }
void FileManagerTab::RBSelAClick() { UpdateEditURL(); }
void FileManagerTab::RBSelBClick() { UpdateEditURL(); }

}  // namespace telqor
