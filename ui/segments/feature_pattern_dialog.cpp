#include "ui/segments/feature_pattern_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/list_files.h"
#include "core/text.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

FeaturePatternDialog::FeaturePatternDialog(AppContext& context, const std::vector<fs::path>& patternFiles,
                                           QWidget* parent)
    : QDialog(parent), context_(context), files_(patternFiles) {
  setObjectName(u"frmhmRegex"_s);
  setWindowTitle(u"组合特征参数设置"_s);
  resize(560, 420);

  CBRegexFiles = Named<QComboBox>(u"CBRegexFiles"_s);
  for (const fs::path& file : files_) CBRegexFiles->addItem(PathText(file));
  CBRegexFiles->setCurrentIndex(-1);  // none chosen at first
  CBRegexFiles->setPlaceholderText(u"(保存时写入%1)"_s.arg(FromUtf8(kDefaultPatternFileName)));
  lv = Named<QTreeWidget>(u"lv"_s);
  lv->setColumnCount(2);
  lv->setHeaderLabels({u"名称"_s, u"表达式"_s});
  lv->setRootIsDecorated(false);
  lv->header()->resizeSection(0, 160);
  EditName = Named<QLineEdit>(u"EditName"_s);
  EditValue = Named<QLineEdit>(u"EditValue"_s);
  BitBtn3 = Button(u"BitBtn3"_s, u"保存"_s);
  BitBtn4 = Button(u"BitBtn4"_s, u"新建"_s);
  BitBtn6 = Button(u"BitBtn6"_s, u"删除"_s);
  SpeedButton4 = ToolButton(u"SpeedButton4"_s, u"浏览"_s);
  BitBtn1 = Button(u"BitBtn1"_s, u"确定"_s);
  BitBtn2 = Button(u"BitBtn2"_s, u"取消"_s);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({CBRegexFiles, SpeedButton4}, false));
  layout->addWidget(lv, 1);
  auto* edits = new QHBoxLayout;
  edits->addWidget(EditName, 1);
  edits->addWidget(new QLabel(u"="_s));
  edits->addWidget(EditValue, 3);
  layout->addLayout(edits);
  layout->addLayout(Row({BitBtn3, BitBtn4, BitBtn6}));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);

  connect(CBRegexFiles, &QComboBox::activated, this, Guarded([this] { CBRegexFilesChange(); }));
  connect(lv, &QTreeWidget::itemClicked, this, Guarded([this] { lvClick(); }));
  Wire(BitBtn3, this, &FeaturePatternDialog::BitBtn3Click);
  Wire(BitBtn4, this, &FeaturePatternDialog::BitBtn4Click);
  Wire(BitBtn6, this, &FeaturePatternDialog::BitBtn6Click);
  Wire(SpeedButton4, this, &FeaturePatternDialog::SpeedButton4Click);
}

bool FeaturePatternDialog::AskExpressions(bool checkedOnly, std::vector<std::string>& expressions) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  TakeChecks();
  expressions = PatternExpressions(rows_, checkedOnly);
  return true;
}

// The check marks live in the view; the rows take them before every change and read.
void FeaturePatternDialog::TakeChecks() {
  for (int i = 0; i < lv->topLevelItemCount() && i < static_cast<int>(rows_.size()); ++i)
    rows_[i].checked = lv->topLevelItem(i)->checkState(0) == Qt::Checked;
}

void FeaturePatternDialog::ShowRows() {
  lv->clear();
  for (const NamedPattern& row : rows_) {
    auto* item = new QTreeWidgetItem(lv, {FromGbk(row.name), FromGbk(row.expression)});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
  }
}

void FeaturePatternDialog::showEvent(QShowEvent* event) {
  ListFolder();
  QDialog::showEvent(event);
}

// The files of the folder now, the one chosen staying chosen.
void FeaturePatternDialog::ListFolder() {
  QString chosen = CBRegexFiles->currentIndex() >= 0 ? CBRegexFiles->currentText() : QString();
  files_.clear();
  ListFiles(context_.Folders().namedPatterns, "*.*", files_, false, false);
  CBRegexFiles->clear();
  for (const fs::path& file : files_) CBRegexFiles->addItem(PathText(file));
  CBRegexFiles->setCurrentIndex(CBRegexFiles->findText(chosen));
}

void FeaturePatternDialog::WriteFile() {
  if (CBRegexFiles->currentIndex() < 0) {
    // The first pattern of a new program folder: a file of its own, chosen from now on.
    QString name = FromUtf8(kDefaultPatternFileName);
    if (CBRegexFiles->findText(name) < 0) {
      files_.push_back(PathOf(name));
      CBRegexFiles->addItem(name);
    }
    CBRegexFiles->setCurrentIndex(CBRegexFiles->findText(name));
  }
  SaveNamedPatterns(context_.Folders().namedPatterns / PathOf(CBRegexFiles->currentText()), rows_);
}

void FeaturePatternDialog::CBRegexFilesChange() {
  int index = CBRegexFiles->currentIndex();
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  rows_ = LoadNamedPatterns(context_.Folders().namedPatterns / files_[index]);
  ShowRows();
}

void FeaturePatternDialog::lvClick() {
  QTreeWidgetItem* item = lv->currentItem();
  if (!item) return;
  int row = lv->indexOfTopLevelItem(item);
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  EditName->setText(FromGbk(rows_[row].name));
  EditValue->setText(FromGbk(rows_[row].expression));
}

void FeaturePatternDialog::BitBtn3Click() {
  std::string expression(TrimBlanks(ToGbk(EditValue->text())));
  CheckPatternExpression(expression);  // refused before any row changes; the fields keep it
  TakeChecks();
  PutNamedPattern(rows_, TrimBlanks(ToGbk(EditName->text())), expression);
  ShowRows();
  WriteFile();
}

void FeaturePatternDialog::BitBtn4Click() {
  EditName->clear();
  EditValue->clear();
}

void FeaturePatternDialog::BitBtn6Click() {
  std::string name(TrimBlanks(ToGbk(EditName->text())));
  BitBtn4Click();
  TakeChecks();
  if (!DeleteNamedPattern(rows_, name)) return;
  ShowRows();
  WriteFile();
}

void FeaturePatternDialog::SpeedButton4Click() { context_.ui.OpenFolder(context_.Folders().namedPatterns); }

}  // namespace telqor
