#include "ui/generate/generation_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/named.h"
#include "ui/kit/up_down.h"

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

// A line edit with its up-down arrows beside it.
QWidget* WithUpDown(QLineEdit* edit, QWidget* upDown) {
  auto* w = new QWidget;
  auto* row = new QHBoxLayout(w);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit, 1);
  row->addWidget(upDown);
  return w;
}

}  // namespace

GenerationPanel::GenerationPanel(AppContext& context, NumberList& workspace, QWidget* parent)
    : QWidget(parent), context_(context), workspace_(workspace) {
  setObjectName(u"GenerationPanel"_s);
  GroupBox10 = Named<QGroupBox>(u"GroupBox10"_s, u"号码段◇号码扩展"_s);
  EditStartNo_ = Named<QLineEdit>(u"EditStartNo_"_s);
  EditEndNo_ = Named<QLineEdit>(u"EditEndNo_"_s);
  EditHMLEN = Named<QLineEdit>(u"EditHMLEN"_s);
  UpDown1 = new UpDown(EditHMLEN, 0, 100, 11);
  UpDown1->setObjectName(u"UpDown1"_s);
  EditHMStep = Named<QLineEdit>(u"EditHMStep"_s);
  UpDown2 = new UpDown(EditHMStep, 0, 100, 1);
  UpDown2->setObjectName(u"UpDown2"_s);
  CBBaseNo = EditableCombo(u"CBBaseNo"_s);
  CBExtendMode = Named<QComboBox>(u"CBExtendMode"_s);
  CBExtendMode->addItems({u"全部"_s, u"1/2"_s, u"1/3"_s, u"1/4"_s, u"1/5"_s});
  CBExtendMode->setCurrentIndex(0);
  CBExtendStep = Named<QComboBox>(u"CBExtendStep"_s);
  CBExtendStep->addItems({u"双向"_s, u"向前"_s, u"向后"_s});
  CBExtendStep->setCurrentIndex(1);
  CBExtendNum = EditableCombo(u"CBExtendNum"_s);
  CBExtendNum->addItems({u"1000"_s, u"2000"_s, u"5000"_s, u"10000"_s});
  CBExtendNum->setCurrentIndex(0);
  SBHmExSave = Button(u"SBHmExSave"_s, u"生成保存到文件"_s);
  SBHmExOut = Button(u"SBHmExOut"_s, u"生成到号码整理框"_s);

  auto* modeRow = new QWidget;
  auto* modeLayout = new QHBoxLayout(modeRow);
  modeLayout->setContentsMargins(0, 0, 0, 0);
  modeLayout->addWidget(CBExtendMode, 1);
  modeLayout->addWidget(CBExtendStep, 1);
  auto* fields = new QFormLayout;
  fields->addRow(u"开始号码"_s, EditStartNo_);
  fields->addRow(u"结束号码"_s, EditEndNo_);
  fields->addRow(u"长度"_s, WithUpDown(EditHMLEN, UpDown1));
  fields->addRow(u"步進"_s, WithUpDown(EditHMStep, UpDown2));
  auto* separator = new QFrame;
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  fields->addRow(separator);
  fields->addRow(u"基础号码"_s, CBBaseNo);
  fields->addRow(u"扩展模式"_s, modeRow);
  fields->addRow(u"数量"_s, CBExtendNum);
  auto* generation = new QVBoxLayout(GroupBox10);
  generation->addLayout(fields);
  generation->addSpacing(8);
  generation->addWidget(SBHmExSave);
  generation->addWidget(SBHmExOut);
  generation->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(GroupBox10);
  setFixedWidth(250);

  Wire(SBHmExOut, this, &GenerationPanel::SBHmExOutClick);
  Wire(SBHmExSave, this, &GenerationPanel::SBHmExSaveClick);
  OnDoubleClick(EditStartNo_, [this] { EditStartNo_->clear(); });
  OnDoubleClick(EditEndNo_, [this] { EditEndNo_->clear(); });
  OnDoubleClick(CBBaseNo->lineEdit(), [this] { CBBaseNo->setEditText(QString()); });
}

GenerationInput GenerationPanel::Fields() const {
  GenerationInput in;
  in.start = EditStartNo_->text().toStdString();
  in.end = EditEndNo_->text().toStdString();
  in.length = EditHMLEN->text().toStdString();
  in.step = EditHMStep->text().toStdString();
  in.base = CBBaseNo->currentText().toStdString();
  in.modeIndex = CBExtendMode->currentIndex();
  in.directionIndex = CBExtendStep->currentIndex();
  in.count = CBExtendNum->currentText().toStdString();
  return in;
}

void GenerationPanel::SBHmExOutClick() {
  TSList result;
  GenerateNumbers(Fields(), result, context_.ui);
  context_.ui.ShowStatus("完成！生成" + std::to_string(result.Count()) + "个数据,追加到号码整理框");
  ChangeList(workspace_, context_.ui, nullptr, nullptr, [&](TSList& items) { items.AddList(result); });
}

void GenerationPanel::SBHmExSaveClick() { GenerateToFile(Fields(), context_.Folders().datedOutput, context_.ui); }

}  // namespace telqor
