#include "ui/generate/generation_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "ui/generate/generation_panel_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/named.h"
#include "ui/kit/up_down.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::generation;

namespace {

// What the items of "扩展模式" and of the direction box beside it ask for, in their order.
constexpr std::array kSpacings = {ExpansionSpacing::kAll, ExpansionSpacing::kOneInTwo, ExpansionSpacing::kOneInThree,
                                  ExpansionSpacing::kOneInFour, ExpansionSpacing::kOneInFive};
constexpr std::array kDirections = {ExpansionDirection::kBoth, ExpansionDirection::kForward,
                                    ExpansionDirection::kBackward};

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
  setObjectName(kGenerationPanel);
  BuildFields();
  auto* modeRow = new QWidget;
  auto* modeLayout = new QHBoxLayout(modeRow);
  modeLayout->setContentsMargins(0, 0, 0, 0);
  modeLayout->addWidget(extendModeCombo_, 1);
  modeLayout->addWidget(extendDirectionCombo_, 1);
  auto* fields = new QFormLayout;
  fields->addRow(u"开始号码"_s, startEdit_);
  fields->addRow(u"结束号码"_s, endEdit_);
  fields->addRow(u"长度"_s, WithUpDown(lengthEdit_, lengthUpDown_));
  fields->addRow(u"步進"_s, WithUpDown(stepEdit_, stepUpDown_));
  auto* separator = new QFrame;
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  fields->addRow(separator);
  fields->addRow(u"基础号码"_s, baseCombo_);
  fields->addRow(u"扩展模式"_s, modeRow);
  fields->addRow(u"数量"_s, extendCountCombo_);
  auto* generation = new QVBoxLayout(generationGroup_);
  generation->addLayout(fields);
  generation->addSpacing(8);
  generation->addWidget(generateToFileButton_);
  generation->addWidget(generateToWorkspaceButton_);
  generation->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(generationGroup_);
  setFixedWidth(250);
  Connect();
}

void GenerationPanel::BuildFields() {
  generationGroup_ = Named<QGroupBox>(kGenerationGroup, u"号码段◇号码扩展"_s);
  startEdit_ = Named<QLineEdit>(kStartEdit);
  endEdit_ = Named<QLineEdit>(kEndEdit);
  lengthEdit_ = Named<QLineEdit>(kLengthEdit);
  lengthUpDown_ = new UpDown(lengthEdit_, 0, 100, 11);
  lengthUpDown_->setObjectName(kLengthUpDown);
  stepEdit_ = Named<QLineEdit>(kStepEdit);
  stepUpDown_ = new UpDown(stepEdit_, 0, 100, 1);
  stepUpDown_->setObjectName(kStepUpDown);
  baseCombo_ = EditableCombo(kBaseCombo);
  extendModeCombo_ = Named<QComboBox>(kExtendModeCombo);
  extendModeCombo_->addItems({u"全部"_s, u"1/2"_s, u"1/3"_s, u"1/4"_s, u"1/5"_s});
  extendModeCombo_->setCurrentIndex(0);
  extendDirectionCombo_ = Named<QComboBox>(kExtendDirectionCombo);
  extendDirectionCombo_->addItems({u"双向"_s, u"向前"_s, u"向后"_s});
  extendDirectionCombo_->setCurrentIndex(1);
  extendCountCombo_ = EditableCombo(kExtendCountCombo);
  extendCountCombo_->addItems({u"1000"_s, u"2000"_s, u"5000"_s, u"10000"_s});
  extendCountCombo_->setCurrentIndex(0);
  generateToFileButton_ = Button(kGenerateToFileButton, u"生成保存到文件"_s);
  generateToWorkspaceButton_ = Button(kGenerateToWorkspaceButton, u"生成到号码整理框"_s);
}

void GenerationPanel::Connect() {
  Wire(generateToWorkspaceButton_, this, &GenerationPanel::GenerateToWorkspaceClicked);
  Wire(generateToFileButton_, this, &GenerationPanel::GenerateToFileClicked);
  OnDoubleClick(startEdit_, [this] { startEdit_->clear(); });
  OnDoubleClick(endEdit_, [this] { endEdit_->clear(); });
  OnDoubleClick(baseCombo_->lineEdit(), [this] { baseCombo_->setEditText(QString()); });
}

GenerationInput GenerationPanel::Fields() const {
  GenerationInput in;
  in.start = startEdit_->text().toStdString();
  in.end = endEdit_->text().toStdString();
  in.length = lengthEdit_->text().toStdString();
  in.step = stepEdit_->text().toStdString();
  in.base = baseCombo_->currentText().toStdString();
  in.spacing = kSpacings.at(static_cast<size_t>(extendModeCombo_->currentIndex()));
  in.direction = kDirections.at(static_cast<size_t>(extendDirectionCombo_->currentIndex()));
  in.count = extendCountCombo_->currentText().toStdString();
  return in;
}

void GenerationPanel::GenerateToWorkspaceClicked() {
  const auto fields = Fields();
  context_.InBackground({&workspace_}, [&](Ui& ui) {
    ItemList result;
    GenerateNumbers(fields, result, ui);
    ui.ShowStatus("完成！生成" + std::to_string(result.Count()) + "个数据,追加到号码整理框");
    ChangeList(workspace_, ui, nullptr, nullptr, [&](ItemList& items) { items.AddList(result); });
  });
}

void GenerationPanel::GenerateToFileClicked() {
  const auto fields = Fields();
  context_.InBackground({}, [&](Ui& ui) { GenerateToFile(fields, context_.Folders().datedOutput, ui); });
}

}  // namespace telqor
