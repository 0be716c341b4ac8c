#include "ui/tools/analysis_dialog.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/program/settings.h"
#include "core/text/text.h"
#include "core/io/text_encoding.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/tools/analysis_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::analysis;
namespace fs = std::filesystem;

// The rows of a list as a table: with a delimiter, field i of a row in column i (split when the
// view asks, never stored split); without one, the whole row in one column. The row count is
// the one of the last Reset, and nothing is answered while the list is being rebuilt.
class AnalysisDialog::RowsModel : public QAbstractTableModel {
 public:
  RowsModel(const NumberList& list, const std::string* delimiter, QStringList captions, QObject* parent)
      : QAbstractTableModel(parent), list_(list), delimiter_(delimiter), captions_(std::move(captions)) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || list_.Suspended() || index.row() >= list_.Items().Count())
      return {};
    std::string_view row = list_.Items().View(index.row());
    if (!delimiter_) return index.column() == 0 ? QVariant(FromGbk(row)) : QVariant();
    auto field = FieldOf(row, *delimiter_, index.column());
    return field ? QVariant(FromGbk(*field)) : QVariant();
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= captions_.size()) return {};
    return captions_[section];
  }

  void Reset() {
    beginResetModel();
    rows_ = list_.Items().Count();
    endResetModel();
  }

  void SetCaptions(QStringList captions) {
    beginResetModel();
    captions_ = std::move(captions);
    endResetModel();
  }

 private:
  const NumberList& list_;
  const std::string* delimiter_;
  QStringList captions_;
  int rows_ = 0;
};

namespace {

// The kinds of the condition box, in the order of its items.
constexpr std::array kConditionItems = {ConditionKind::kGreater, ConditionKind::kEqual, ConditionKind::kLess,
                                        ConditionKind::kBetween};

ConditionKind ConditionAt(int index) {
  return index >= 0 && index < static_cast<int>(kConditionItems.size()) ? kConditionItems[static_cast<size_t>(index)]
                                                                        : ConditionKind::kNone;
}

// The item of kind, or -1 (no item chosen) for none.
int ConditionIndex(ConditionKind kind) {
  auto at = std::find(kConditionItems.begin(), kConditionItems.end(), kind);
  return at == kConditionItems.end() ? -1 : static_cast<int>(at - kConditionItems.begin());
}

QLabel* Caption(const QString& name, const QString& caption) { return Named<QLabel>(name, caption); }

QLineEdit* NarrowEdit(const QString& name, int width) {
  auto* edit = Named<QLineEdit>(name);
  edit->setMaximumWidth(width);
  return edit;
}

}  // namespace

AnalysisDialog::AnalysisDialog(AppContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      chosenFolder_(context.Folders().otherData),
      openFolder_(context.Folders().otherData) {
  setObjectName(kAnalysisDialog);
  setWindowTitle(u"数据分析"_s);
  BuildControls();
  LoadSettingsIntoControls();
  ConnectChanges();

  data_.SetOnRefresh([this] {
    dataModel_->Reset();
    statusPanels_[0]->setText(u"原始数据:"_s + QString::number(data_.Items().Count()));
    KeepPainting();
  });
  matches_.SetOnRefresh([this] {
    matchModel_->Reset();
    statusPanels_[1]->setText(u"符合条件:"_s + QString::number(matches_.Items().Count()));
    KeepPainting();
  });

  ConnectButtons();
}

void AnalysisDialog::BuildControls() {
  BuildInputSettings();
  BuildOutputSettings();
  BuildDataTable();
  BuildMatchList();
  BuildStatusBar();
  auto* lists = new QHBoxLayout;
  lists->addWidget(dataGroup_, 3);
  lists->addWidget(matchGroup_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inputGroup_);
  layout->addWidget(outputGroup_);
  layout->addLayout(lists, 1);
  layout->addWidget(Caption(kExportSortedNote, u"导出排序数据:排序后的数据直接另存为文件。"_s));
  layout->addWidget(Caption(kExportClassifiedNote, u"导出分类数据:以最后排序的列分类导出，适合于语音文件分类"_s));
  layout->addWidget(statusBar_);
  resize(820, 560);
}

// 输入设置: the delimiter of the rows and a replacement made as they are read.
void AnalysisDialog::BuildInputSettings() {
  delimiterCombo_ = EditableCombo(kDelimiterCombo);
  delimiterCombo_->addItems({u","_s, u"|"_s});
  // Wide enough for a delimiter of a few characters ("||", "，", " - ").
  delimiterCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  delimiterCombo_->setMinimumContentsLength(6);
  replaceFromEdit_ = NarrowEdit(kReplaceFromEdit, 120);
  replaceToEdit_ = NarrowEdit(kReplaceToEdit, 120);
  importButton_ = ToolButton(kImportButton, u"导 入..."_s);
  inputGroup_ = Named<QGroupBox>(kInputGroup, u"输入设置 "_s);
  inputGroup_->setLayout(
      Row({Caption(kDelimiterLabel, u"当前行分隔符"_s), delimiterCombo_, replaceFromEdit_,
           Caption(kReplaceArrowLabel, u"替换字符                   -》"_s), replaceToEdit_, importButton_}));
}

// 输出设置: which column to test, how, and which column to output.
void AnalysisDialog::BuildOutputSettings() {
  columnEdit_ = NarrowEdit(kColumnEdit, 60);
  conditionCombo_ = Named<QComboBox>(kConditionCombo);
  conditionCombo_->addItems({u">"_s, u"="_s, u"<"_s, u"[]"_s});
  valueAEdit_ = NarrowEdit(kValueAEdit, 160);
  valueBEdit_ = NarrowEdit(kValueBEdit, 160);
  outColumnEdit_ = NarrowEdit(kOutColumnEdit, 60);
  for (QLineEdit* e : {columnEdit_, valueAEdit_, valueBEdit_, outColumnEdit_}) e->setText(u"0"_s);
  analyseButton_ = ToolButton(kAnalyseButton, u"分析"_s);
  saveButton_ = ToolButton(kSaveButton, u"保存文件"_s);
  outputGroup_ = Named<QGroupBox>(kOutputGroup, u"输出设置 (表示第几列的值大于/小于/等于/区间内 输出第几列值)  "_s);
  // Each number sits between its words: "第 [1] 列", "输出第 [0] 列".
  outputGroup_->setLayout(Row({Caption(kColumnLabel, u"第"_s), columnEdit_, Caption(kColumnUnitLabel, u"列"_s),
                               conditionCombo_, valueAEdit_, valueBEdit_, Caption(kOutColumnLabel, u"输出第"_s),
                               outColumnEdit_, Caption(kOutColumnUnitLabel, u"列"_s), analyseButton_, saveButton_}));
}

// The table of the rows read, sorted by a click on a column's header (the sort menu asks how).
void AnalysisDialog::BuildDataTable() {
  dataView_ = NumberView(kDataTable);
  dataView_->horizontalHeader()->show();
  dataView_->horizontalHeader()->setSectionsClickable(true);
  dataView_->horizontalHeader()->setStretchLastSection(false);
  dataModel_ = new RowsModel(data_, &context_.CurrentSettings().analysisDelimiter, {u"列0"_s}, dataView_);
  dataView_->setModel(dataModel_);
  exportSortedButton_ = ToolButton(kExportSortedButton, u"导出排序数据"_s);
  exportClassifiedButton_ = ToolButton(kExportClassifiedButton, u"导出分类数据"_s);
  openFolderButton_ = ToolButton(kOpenFolderButton, u"打开目录"_s);
  for (QToolButton* b : {exportClassifiedButton_, openFolderButton_}) b->setToolTip(u"分类为最后排序的列"_s);
  dataGroup_ = Named<QGroupBox>(kDataGroup, u"输入数据(单击列名排序)"_s);
  auto* table = new QVBoxLayout(dataGroup_);
  table->addWidget(dataView_, 1);
  table->addLayout(Row({exportSortedButton_, exportClassifiedButton_, openFolderButton_}));
  sortMenu_ = Named<QMenu>(kSortMenu, this);
  sortNumericItem_ = MenuItem(sortMenu_, kSortNumericItem, u"按数字大小排序"_s);
  sortTextItem_ = MenuItem(sortMenu_, kSortTextItem, u"按字符串排序"_s);
}

void AnalysisDialog::BuildMatchList() {
  matchView_ = NumberView(kMatchList);
  matchView_->horizontalHeader()->show();
  matchModel_ = new RowsModel(matches_, nullptr, {u" 数据   "_s}, matchView_);
  matchView_->setModel(matchModel_);
  matchGroup_ = Named<QGroupBox>(kMatchGroup, u"输出数据"_s);
  (new QVBoxLayout(matchGroup_))->addWidget(matchView_);
}

void AnalysisDialog::BuildStatusBar() {
  statusBar_ = Named<QStatusBar>(kStatusBar);
  statusBar_->setSizeGripEnabled(false);
  const QString names[4] = {kDataCountPanel, kMatchCountPanel, kRatioPanel, kHintPanel};
  const QString panels[4] = {u"原始数据:0"_s, u"符合条件:0"_s, u"比率:待定"_s, u"清空数据请双击"_s};
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = Caption(names[i], panels[i]);
    statusBar_->addWidget(statusPanels_[i], i == 3 ? 1 : 0);
  }
}

void AnalysisDialog::ConnectButtons() {
  Wire(importButton_, this, &AnalysisDialog::ImportClicked);
  Wire(analyseButton_, this, &AnalysisDialog::AnalyseClicked);
  Wire(saveButton_, this, &AnalysisDialog::SaveMatchesClicked);
  Wire(exportSortedButton_, this, &AnalysisDialog::ExportSortedClicked);
  Wire(exportClassifiedButton_, this, &AnalysisDialog::ExportClassifiedClicked);
  Wire(openFolderButton_, this, &AnalysisDialog::OpenExportFolderClicked);
  Wire(sortNumericItem_, this, &AnalysisDialog::SortNumericClicked);
  Wire(sortTextItem_, this, &AnalysisDialog::SortTextClicked);
  connect(dataView_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { RunUserAction([&] { DataColumnClicked(column); }); });
  OnDoubleClick(dataView_->viewport(), [this] { DataTableDoubleClicked(); });
  OnDoubleClick(matchView_->viewport(), [this] { MatchListDoubleClicked(); });
}

// Before the change signals are connected, so that loading saves nothing. A stored kind
// outside the list leaves no kind chosen.
void AnalysisDialog::LoadSettingsIntoControls() {
  const Settings& s = context_.CurrentSettings();
  delimiterCombo_->setEditText(FromGbk(s.analysisDelimiter));
  replaceFromEdit_->setText(FromGbk(s.analysisReplace1));
  replaceToEdit_->setText(FromGbk(s.analysisReplace2));
  columnEdit_->setText(QString::number(s.analysisColumn));
  conditionCombo_->setCurrentIndex(ConditionIndex(ConditionKindOfSetting(s.analysisCondition)));
  valueAEdit_->setText(QString::number(s.analysisBoundA));
  valueBEdit_->setText(QString::number(s.analysisBoundB));
  outColumnEdit_->setText(QString::number(s.analysisOutputColumn));
}

void AnalysisDialog::ConnectChanges() {
  auto changed = Guarded([this] { InputsChanged(); });
  connect(delimiterCombo_, &QComboBox::editTextChanged, this, changed);
  connect(conditionCombo_, &QComboBox::currentIndexChanged, this, changed);
  for (QLineEdit* e : {replaceFromEdit_, replaceToEdit_, columnEdit_, valueAEdit_, valueBEdit_, outColumnEdit_})
    connect(e, &QLineEdit::textChanged, this, changed);
}

QWidget* AnalysisDialog::DropList() const { return dataView_; }

// The numbers go to the engine as typed (UTF-8, which is what an error message quotes); the
// delimiter and the replacement texts are item data.
AnalysisInputs AnalysisDialog::Inputs() const {
  AnalysisInputs in;
  in.delimiter = ToGbk(delimiterCombo_->currentText());
  in.replace1 = ToGbk(replaceFromEdit_->text());
  in.replace2 = ToGbk(replaceToEdit_->text());
  in.column = columnEdit_->text().toStdString();
  in.outColumn = outColumnEdit_->text().toStdString();
  in.kind = ConditionAt(conditionCombo_->currentIndex());
  in.a = valueAEdit_->text().toStdString();
  in.b = valueBEdit_->text().toStdString();
  return in;
}

// The condition as the settings hold it, for the report of a save.
Condition AnalysisDialog::StoredCondition() const {
  const Settings& s = context_.CurrentSettings();
  Condition c;
  c.column = static_cast<int32_t>(s.analysisColumn);
  c.outColumn = static_cast<int32_t>(s.analysisOutputColumn);
  c.kind = ConditionKindOfSetting(s.analysisCondition);
  c.a = s.analysisBoundA;
  c.b = s.analysisBoundB;
  return c;
}

void AnalysisDialog::InputsChanged() {
  StoreInputs(Inputs(), context_.CurrentSettings());
  SaveSettings(context_.program.iniFile, context_.CurrentSettings());
}

void AnalysisDialog::LoadFiles(const std::vector<fs::path>& files) { Import(files); }

// "导 入...": the texts in the controls now, the text to replace without blanks around it.
void AnalysisDialog::ImportClicked() {
  Settings& s = context_.CurrentSettings();
  s.analysisDelimiter = ToGbk(delimiterCombo_->currentText());
  s.analysisReplace1 = std::string(TrimBlanks(ToGbk(replaceFromEdit_->text())));
  s.analysisReplace2 = ToGbk(replaceToEdit_->text());
  std::vector<fs::path> files = ChooseFilesToOpen(this, openFolder_);
  if (!files.empty()) Import(files);
}

// The table takes its columns from the first row after each import.
void AnalysisDialog::Import(const std::vector<fs::path>& files) {
  const Settings& s = context_.CurrentSettings();
  size_t unconvertible = 0;
  ChangeList(data_, context_.ui, nullptr, nullptr,
             [&](ItemList& rows) { unconvertible = ImportRows(rows, files, s.analysisReplace1, s.analysisReplace2); });
  if (unconvertible) context_.ui.ShowStatus(UnconvertibleText(unconvertible));
  if (data_.Items().Count() == 0) return;
  QStringList captions;
  for (size_t i = 0; i < SplitAtDelimiter(data_.Items().View(0), s.analysisDelimiter).size(); ++i)
    captions << u" 列"_s + QString::number(i);
  dataModel_->SetCaptions(captions);
}

void AnalysisDialog::DataColumnClicked(int column) {
  clickedColumn_ = column;
  sortMenu_->popup(QCursor::pos());
}

void AnalysisDialog::SortNumericClicked() { Sort(SortKind::Numeric); }
void AnalysisDialog::SortTextClicked() { Sort(SortKind::Text); }

void AnalysisDialog::Sort(SortKind kind) {
  lastSortedColumn_ = clickedColumn_;
  descending_ = !descending_;
  ChangeList(data_, context_.ui, nullptr, nullptr, [&](ItemList& rows) {
    SortRows(rows, context_.CurrentSettings().analysisDelimiter, lastSortedColumn_, kind, descending_);
  });
}

// "分析": a number that is no integer stops here, before the match list is emptied.
void AnalysisDialog::AnalyseClicked() {
  const Condition c = ReadCondition(Inputs());
  Settings& s = context_.CurrentSettings();
  s.analysisColumn = c.column;
  s.analysisOutputColumn = c.outColumn;
  s.analysisCondition = ConditionSetting(c.kind);
  s.analysisBoundA = c.a;
  s.analysisBoundB = c.b;
  ChangeList(matches_, context_.ui, nullptr, nullptr,
             [&](ItemList& matches) { Analyse(data_.Items(), s.analysisDelimiter, c, matches, context_.ui); });
  ShowRatio();
}

void AnalysisDialog::ShowRatio() {
  statusPanels_[2]->setText(u"比率:"_s + FromUtf8(RatioText(matches_.Items().Count(), data_.Items().Count())));
}

// The save dialog adds ".txt" to a name typed without an extension.
fs::path AnalysisDialog::ChooseSaveFile() {
  fs::path file = ChooseFileToSave(this, chosenFolder_, u"文本|*.txt"_s);
  if (!file.empty() && !file.has_extension()) file += ".txt";
  return file;
}

// "保存文件": the matches and, beside them, the report of the condition in the settings.
void AnalysisDialog::SaveMatchesClicked() {
  fs::path file = ChooseSaveFile();
  if (file.empty() || matches_.Items().Count() == 0) return;
  std::vector<fs::path> written;
  SaveMatches(file, matches_.Items(), StoredCondition(), data_.Items().Count(), written);
}

void AnalysisDialog::ExportSortedClicked() {
  fs::path file = ChooseSaveFile();
  if (!file.empty() && data_.Items().Count() > 0) data_.Items().SaveToFile(file);
}

// "导出分类数据": by the last sorted column, into a folder the user confirms.
void AnalysisDialog::ExportClassifiedClicked() {
  if (data_.Items().Count() == 0) return;
  const QString question = u"确定按 [列"_s + QString::number(lastSortedColumn_) +
                           u"] 导出分类数据?\r\n\r\n如果不是选择的列,请先选择该列排序后,在导出分类数据！"_s;
  if (!AskYesNoBox(this, question)) return;
  fs::path folder = ChooseFolder(this, chosenFolder_);
  if (folder.empty()) return;
  chosenFolder_ = folder / "";
  ClassifiedExport done = ExportClassified(data_.Items(), context_.CurrentSettings().analysisDelimiter, lastSortedColumn_,
                                           chosenFolder_, context_.ui);
  OfferSavedFolder(done.closing, done, context_.ui);
}

void AnalysisDialog::OpenExportFolderClicked() { context_.ui.OpenFolder(chosenFolder_); }

void AnalysisDialog::DataTableDoubleClicked() {
  ChangeList(data_, context_.ui, nullptr, nullptr, [](ItemList& rows) { rows.Clear(); });
  ShowRatio();
}

void AnalysisDialog::MatchListDoubleClicked() {
  ChangeList(matches_, context_.ui, nullptr, nullptr, [](ItemList& matches) { matches.Clear(); });
  ShowRatio();
}

}  // namespace telqor
