// The "号码段◇号码扩展" group: numbers from a range and an expansion, to the workspace list or
// to a file (handlers of TfrmhmEx).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/double_click.h"
#include "app/frm_hm_ex.h"
#include "app/telqor_application.h"
#include "generate/range_generation.h"

namespace telqor {
namespace {

GenerationInput FieldsOf(const TfrmhmEx& w) {
  GenerationInput in;
  in.start = w.EditStartNo_->text().toStdString();
  in.end = w.EditEndNo_->text().toStdString();
  in.length = w.EditHMLEN->text().toStdString();
  in.step = w.EditHMStep->text().toStdString();
  in.base = w.CBBaseNo->currentText().toStdString();
  in.modeIndex = w.CBExtendMode->currentIndex();
  in.directionIndex = w.CBExtendStep->currentIndex();
  in.count = w.CBExtendNum->currentText().toStdString();
  return in;
}

}  // namespace

void TfrmhmEx::SBHmExOutClick() {
  TSList result;
  GenerateNumbers(FieldsOf(*this), result, AppUi());
  ShowStatus("完成！生成" + std::to_string(result.Count()) + "个数据,追加到号码整理框");
  ChangeList(workspace_, AppUi(), nullptr, nullptr, [&](TSList& items) { items.AddList(result); });
}

void TfrmhmEx::SBHmExSaveClick() { GenerateToFile(FieldsOf(*this), Folders().datedOutput, AppUi()); }

void TfrmhmEx::ConnectGenerationHandlers() {
  for (QPushButton* b : {SBHmExOut, SBHmExSave}) b->setEnabled(true);
  connect(SBHmExOut, &QPushButton::clicked, this, Guarded([this] { SBHmExOutClick(); }));
  connect(SBHmExSave, &QPushButton::clicked, this, Guarded([this] { SBHmExSaveClick(); }));
  OnDoubleClick(EditStartNo_, [this] { EditStartNo_->clear(); });
  OnDoubleClick(EditEndNo_, [this] { EditEndNo_->clear(); });
  OnDoubleClick(CBBaseNo->lineEdit(), [this] { CBBaseNo->setEditText(QString()); });
}

}  // namespace telqor
