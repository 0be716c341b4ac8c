#include "ui/segments/validity_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "segments/validity_check.h"
#include "ui/kit/clipboard.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/kit/number_list_model.h"
#include "ui/segments/validity_dialog_names.h"
#include "workspace/list_operations.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::validity;

ValidityDialog::ValidityDialog(AppContext& context, const SegmentDatabase& db, QWidget* parent)
    : QDialog(parent), context_(context), db_(db) {
  setObjectName(kValidityDialog);
  setWindowTitle(u"手机号码格式有效性检查-根据现有号段数据库"_s);
  Build(raw_, kRawGroup, u"原始号码(支持拖放导入数据)"_s, kRawList, u"原始号码:"_s);
  Build(valid_, kValidGroup, u"有效号码"_s, kValidList, u"有效号码:"_s);
  Build(invalid_, kInvalidGroup, u"无效号码"_s, kInvalidList, u"无效号码:"_s);
  importButton_ = ToolButton(kImportButton, u"导入号码"_s);
  analyseButton_ = ToolButton(kAnalyseButton, u"分析号码"_s);
  saveButton_ = ToolButton(kSaveButton, u"保存结果"_s);
  closeButton_ = ToolButton(kCloseButton, u"退出"_s);
  copyValidButton_ = ToolButton(kCopyValidButton, u"复制结果"_s);
  copyInvalidButton_ = ToolButton(kCopyInvalidButton, u"复制结果"_s);
  static_cast<QVBoxLayout*>(valid_.group->layout())->insertWidget(0, copyValidButton_);
  static_cast<QVBoxLayout*>(invalid_.group->layout())->insertWidget(0, copyInvalidButton_);

  auto* lists = new QHBoxLayout;
  for (Pane* pane : {&raw_, &valid_, &invalid_}) lists->addWidget(pane->group, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({importButton_, analyseButton_, saveButton_, closeButton_}));
  layout->addLayout(lists, 1);
  resize(720, 480);

  Wire(analyseButton_, this, &ValidityDialog::AnalyseClicked);
  Wire(importButton_, this, &ValidityDialog::ImportNumbersClicked);
  Wire(saveButton_, this, &ValidityDialog::SaveResultsClicked);
  Wire(copyValidButton_, this, &ValidityDialog::CopyValidClicked);
  Wire(copyInvalidButton_, this, &ValidityDialog::CopyInvalidClicked);
  connect(closeButton_, &QToolButton::clicked, this, &QDialog::close);
}

// A pane's view follows its list: every change ends with a refresh that resets the model and
// puts the count into the group caption. A double click on the view empties the list.
void ValidityDialog::Build(Pane& pane, const QString& groupName, const QString& caption, const QString& viewName,
                           const QString& label) {
  pane.label = label;
  pane.group = Named<QGroupBox>(groupName, caption);
  pane.view = NumberView(viewName);
  auto* model = new NumberListModel(&pane.list, pane.view);
  pane.view->setModel(model);
  auto* box = new QVBoxLayout(pane.group);
  box->addWidget(pane.view, 1);
  pane.list.SetOnRefresh([&pane, model] {
    model->Reset();
    pane.group->setTitle(pane.label + QString::number(pane.list.Items().Count()));
    KeepPainting();
  });
  OnDoubleClick(pane.view->viewport(), [this, &pane] {
    ChangeList(pane.list, context_.ui, nullptr, nullptr, [](ItemList& items) { items.Clear(); });
  });
}

QWidget* ValidityDialog::DropList() const { return raw_.view; }

void ValidityDialog::LoadFiles(const std::vector<std::filesystem::path>& files) {
  LoadFilesInto(raw_.list, files, context_.ui);
}

// "分析号码": the results are made anew from the raw list each time.
void ValidityDialog::AnalyseClicked() {
  ChangeList(valid_.list, context_.ui, nullptr, nullptr, [&](ItemList& valid) {
    ChangeList(invalid_.list, context_.ui, nullptr, nullptr,
               [&](ItemList& invalid) { AnalyseValidity(raw_.list.Items(), db_, valid, invalid); });
  });
}

void ValidityDialog::ImportNumbersClicked() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) LoadFiles(files);
}

// "保存结果": the name chosen is the stem of both result files, used as it is (extension
// included).
void ValidityDialog::SaveResultsClicked() {
  std::filesystem::path chosen = ChooseFileToSave(this, context_.OpenDialogFolder(), u"txt|*.txt"_s);
  if (!chosen.empty()) SaveValidity(chosen, valid_.list.Items(), invalid_.list.Items());
}

void ValidityDialog::CopyValidClicked() { Copy(valid_); }
void ValidityDialog::CopyInvalidClicked() { Copy(invalid_); }

// An empty list still empties the clipboard, but says nothing.
void ValidityDialog::Copy(const Pane& pane) {
  std::string text = pane.list.Items().GetText();
  CopyGbkToClipboard(text);
  if (!text.empty()) InformBox(this, u"数据到剪贴板完成！"_s);
}

}  // namespace telqor
