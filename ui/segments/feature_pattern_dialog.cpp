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

#include "core/io/list_files.h"
#include "core/text/text.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/segments/feature_pattern_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::feature_patterns;
namespace fs = std::filesystem;

FeaturePatternDialog::FeaturePatternDialog(AppContext& context, const std::vector<fs::path>& patternFiles,
                                           QWidget* parent)
    : QDialog(parent), context_(context), files_(patternFiles) {
  setObjectName(kFeaturePatternDialog);
  setWindowTitle(u"组合特征参数设置"_s);
  resize(560, 420);

  fileCombo_ = Named<QComboBox>(kFileCombo);
  for (const fs::path& file : files_) fileCombo_->addItem(PathToQString(file));
  fileCombo_->setCurrentIndex(-1);  // none chosen at first
  fileCombo_->setPlaceholderText(u"(保存时写入%1)"_s.arg(FromUtf8(kDefaultPatternFileName)));
  patternList_ = Named<QTreeWidget>(kPatternList);
  patternList_->setColumnCount(2);
  patternList_->setHeaderLabels({u"名称"_s, u"表达式"_s});
  patternList_->setRootIsDecorated(false);
  patternList_->header()->resizeSection(0, 160);
  nameEdit_ = Named<QLineEdit>(kNameEdit);
  expressionEdit_ = Named<QLineEdit>(kExpressionEdit);
  saveButton_ = Button(kSaveButton, u"保存"_s);
  newButton_ = Button(kNewButton, u"新建"_s);
  deleteButton_ = Button(kDeleteButton, u"删除"_s);
  browseButton_ = ToolButton(kBrowseButton, u"浏览"_s);
  okButton_ = Button(kOkButton, u"确定"_s);
  cancelButton_ = Button(kCancelButton, u"取消"_s);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({fileCombo_, browseButton_}, false));
  layout->addWidget(patternList_, 1);
  auto* edits = new QHBoxLayout;
  edits->addWidget(nameEdit_, 1);
  edits->addWidget(new QLabel(u"="_s));
  edits->addWidget(expressionEdit_, 3);
  layout->addLayout(edits);
  layout->addLayout(Row({saveButton_, newButton_, deleteButton_}));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  layout->addLayout(buttons);

  connect(fileCombo_, &QComboBox::activated, this, Guarded([this] { PatternFileChanged(); }));
  connect(patternList_, &QTreeWidget::itemClicked, this, Guarded([this] { PatternListClicked(); }));
  Wire(saveButton_, this, &FeaturePatternDialog::SavePatternClicked);
  Wire(newButton_, this, &FeaturePatternDialog::NewPatternClicked);
  Wire(deleteButton_, this, &FeaturePatternDialog::DeletePatternClicked);
  Wire(browseButton_, this, &FeaturePatternDialog::OpenPatternFolderClicked);
}

bool FeaturePatternDialog::AskExpressions(bool checkedOnly, std::vector<std::string>& expressions) {
  if (ExecDialog(this) != QDialog::Accepted) return false;
  TakeChecks();
  expressions = PatternExpressions(rows_, checkedOnly);
  return true;
}

// The check marks live in the view; the rows take them before every change and read.
void FeaturePatternDialog::TakeChecks() {
  for (int i = 0; i < patternList_->topLevelItemCount() && i < static_cast<int>(rows_.size()); ++i)
    rows_[i].checked = patternList_->topLevelItem(i)->checkState(0) == Qt::Checked;
}

void FeaturePatternDialog::ShowRows() {
  patternList_->clear();
  for (const NamedPattern& row : rows_) {
    auto* item = new QTreeWidgetItem(patternList_, {FromGbk(row.name), FromGbk(row.expression)});
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
  QString chosen = fileCombo_->currentIndex() >= 0 ? fileCombo_->currentText() : QString();
  files_.clear();
  ListFiles(context_.Folders().namedPatterns, "*.*", files_, false, false);
  fileCombo_->clear();
  for (const fs::path& file : files_) fileCombo_->addItem(PathToQString(file));
  fileCombo_->setCurrentIndex(fileCombo_->findText(chosen));
}

void FeaturePatternDialog::WriteFile() {
  if (fileCombo_->currentIndex() < 0) {
    // The first pattern of a new program folder: a file of its own, chosen from now on.
    QString name = FromUtf8(kDefaultPatternFileName);
    if (fileCombo_->findText(name) < 0) {
      files_.push_back(PathFromQString(name));
      fileCombo_->addItem(name);
    }
    fileCombo_->setCurrentIndex(fileCombo_->findText(name));
  }
  SaveNamedPatterns(context_.Folders().namedPatterns / PathFromQString(fileCombo_->currentText()), rows_);
}

void FeaturePatternDialog::PatternFileChanged() {
  int index = fileCombo_->currentIndex();
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  rows_ = LoadNamedPatterns(context_.Folders().namedPatterns / files_[index]);
  ShowRows();
}

void FeaturePatternDialog::PatternListClicked() {
  QTreeWidgetItem* item = patternList_->currentItem();
  if (!item) return;
  int row = patternList_->indexOfTopLevelItem(item);
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  nameEdit_->setText(FromGbk(rows_[row].name));
  expressionEdit_->setText(FromGbk(rows_[row].expression));
}

void FeaturePatternDialog::SavePatternClicked() {
  std::string expression(TrimBlanks(ToGbk(expressionEdit_->text())));
  CheckPatternExpression(expression);  // refused before any row changes; the fields keep it
  TakeChecks();
  PutNamedPattern(rows_, TrimBlanks(ToGbk(nameEdit_->text())), expression);
  ShowRows();
  WriteFile();
}

void FeaturePatternDialog::ClearFields() {
  nameEdit_->clear();
  expressionEdit_->clear();
}

void FeaturePatternDialog::NewPatternClicked() { ClearFields(); }

void FeaturePatternDialog::DeletePatternClicked() {
  std::string name(TrimBlanks(ToGbk(nameEdit_->text())));
  ClearFields();
  TakeChecks();
  if (!DeleteNamedPattern(rows_, name)) return;
  ShowRows();
  WriteFile();
}

void FeaturePatternDialog::OpenPatternFolderClicked() { context_.ui.OpenFolder(context_.Folders().namedPatterns); }

}  // namespace telqor
