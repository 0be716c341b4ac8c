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
  managed->addWidget(toUse_.group, 1);
  managed->addWidget(used_.group, 1);
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

// One managed folder: its group with the tool bar ("工具栏" pops the menu up), the check list of
// its files, and the pop-up menu of the list.
FileManagerTab::ManagedFolder FileManagerTab::BuildManagedFolder(
    const ManagedFolderNames& names, std::initializer_list<std::pair<QString, QString>> items) {
  const QString hint = u"操作:使用工具栏或者鼠标右菜单"_s;
  ManagedFolder f;
  f.group = Named<QGroupBox>(names.group, names.caption);
  f.group->setToolTip(hint);
  f.list = Named<QListWidget>(names.list);
  f.list->setToolTip(hint);
  f.toolbar = Button(names.toolbar, u"工具栏"_s);
  f.setFolder = Button(names.setFolder, u"目录设定"_s);
  f.open = Button(names.open, u"打开"_s);
  auto* box = new QVBoxLayout(f.group);
  box->addLayout(Row({f.toolbar, f.setFolder, f.open}));
  box->addWidget(f.list, 1);
  f.menu = Named<QMenu>(names.menu, this);
  MenuItems(f.menu, items);
  ContextMenu(f.list, f.menu);
  PopupAtMouse(f.toolbar, f.menu);
  return f;
}

void FileManagerTab::BuildManagedFolders() {
  toUse_ = BuildManagedFolder({u"GroupBox7"_s, u"§待使用文件§"_s, u"CLBwilluse"_s, u"SpeedButton26"_s,
                               u"SpeedButton29"_s, u"SpeedButton32"_s, u"PopupMenu1"_s},
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
  used_ = BuildManagedFolder({u"GroupBox8"_s, u"§使用过文件§"_s, u"CLBused"_s, u"SpeedButton25"_s, u"SpeedButton30"_s,
                              u"SpeedButton33"_s, u"PopupMenu2"_s},
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
  // Only the to-use list carries the hint on the list itself.
  used_.list->setToolTip(QString());
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
