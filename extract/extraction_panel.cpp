#include "extract/extraction_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls.h"
#include "gui/named.h"

namespace telqor {

using namespace Qt::StringLiterals;

ExtractionPanel::ExtractionPanel(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
  setObjectName(u"ExtractionPanel"_s);
  GroupBox12 = Named<QGroupBox>(u"GroupBox12"_s, u"搜索号码-支持拖放文件(夹) "_s);
  GroupBox11 = Named<QGroupBox>(u"GroupBox11"_s, u"带号码文件解析(txt|html|Doc|Excel...)"_s);
  ListBoxF = Named<QListWidget>(u"ListBoxF"_s);
  ListBoxF->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SBLoadFiles = Button(u"SBLoadFiles"_s, u"导入文件"_s);
  SBLoadDirs = Button(u"SBLoadDirs"_s, u"导入文件夹"_s);
  SBDeleteSelFiles = Button(u"SBDeleteSelFiles"_s, u"删除选择文件"_s);
  SBClearfiles = Button(u"SBClearfiles"_s, u"清空"_s);
  auto* filesBox = new QVBoxLayout(GroupBox11);
  filesBox->addWidget(ListBoxF, 1);
  filesBox->addLayout(Row({SBLoadFiles, SBLoadDirs, SBDeleteSelFiles, SBClearfiles}, false));
  PopupMenu4 = Named<QMenu>(u"PopupMenu4"_s, this);
  N19 = MenuItem(PopupMenu4, u"N19"_s, u"导入文件"_s);
  N21 = MenuItem(PopupMenu4, u"N21"_s, u"清空文件"_s);
  N20 = MenuItem(PopupMenu4, u"N20"_s, u"删除选择文件"_s);
  ContextMenu(ListBoxF, PopupMenu4);

  GroupBox4 = Named<QGroupBox>(u"GroupBox4"_s, u"号码内容 粘帖在此处"_s);
  MemoNoInput = Named<QPlainTextEdit>(u"MemoNoInput"_s);
  MemoNoInput->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoNoInput->setTabChangesFocus(false);
  auto* memoBox = new QVBoxLayout(GroupBox4);
  memoBox->addWidget(MemoNoInput);

  CBMobile = Named<QCheckBox>(u"CBMobile"_s, u"手机"_s);
  CBMobile->setChecked(true);
  CBTels = Named<QCheckBox>(u"CBTels"_s, u"固话"_s);
  CBTels->setChecked(true);
  CBEmails = Named<QCheckBox>(u"CBEmails"_s, u"Email"_s);
  CBReg = Named<QCheckBox>(u"CBReg"_s, u"正则"_s);
  CBZoneKind = Named<QComboBox>(u"CBZoneKind"_s);
  CBZoneKind->addItems({u"附加前一区号"_s, u"指定区号"_s, u"不处理"_s});
  CBZoneKind->setCurrentIndex(0);
  EditZone = Named<QLineEdit>(u"EditZone"_s);
  EditZone->setMaximumWidth(70);
  EditZone->hide();
  EditReg = Named<QLineEdit>(u"EditReg"_s, u"输入正则表达式"_s);
  EditReg->setEnabled(false);
  SBhmSearchOut = Button(u"SBhmSearchOut"_s, u"提取到号码整理框"_s);
  SBhmSearchOut->setProperty("Tag", 1);
  SBHmSearchSave = Button(u"SBHmSearchSave"_s, u"提取保存到文件"_s);
  SBHmSearchSave->setProperty("Tag", 0);

  auto* extract = new QVBoxLayout(GroupBox12);
  extract->addWidget(GroupBox11, 3);
  extract->addWidget(GroupBox4, 2);
  extract->addLayout(Row({CBMobile, CBTels, CBZoneKind, EditZone}));
  auto* regexRow = Row({CBEmails, CBReg}, false);
  regexRow->addWidget(EditReg, 1);
  extract->addLayout(regexRow);
  extract->addLayout(Row({SBhmSearchOut, SBHmSearchSave}, false));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(GroupBox12);
  setMinimumWidth(300);
  setMaximumWidth(400);
}

DropSites ExtractionPanel::Drops() const { return {{ListBoxF, DropTarget::kListBoxF}}; }

}  // namespace telqor
