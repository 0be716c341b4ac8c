#include "ui/segments/segment_library_dialog.h"

#include <QAbstractListModel>
#include <QAction>
#include <QBrush>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "segments/carrier.h"
#include "segments/data_summary.h"
#include "segments/segment_import.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/segments/segment_library_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::segment_library;

namespace {

// Where a city node keeps its place in the region tree (province nodes have none).
constexpr int kProvinceRole = Qt::UserRole;
constexpr int kCityRole = Qt::UserRole + 1;

}  // namespace

// The rows of the segment view: the shown segments, a used one in blue and struck out. The row
// count is the one of the last Reset, so the shown list may change in between.
class SegmentLibraryDialog::SegmentModel : public QAbstractListModel {
 public:
  SegmentModel(const std::vector<std::string>& shown, const SegmentDatabase& db, QObject* parent)
      : QAbstractListModel(parent), shown_(shown), db_(db) {
    struck_.setStrikeOut(true);
  }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rows_ || index.row() >= static_cast<int>(shown_.size())) return {};
    const std::string& segment = shown_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) return FromGbk(segment);
    if (role != Qt::ForegroundRole && role != Qt::FontRole) return {};
    if (!db_.IsUsed(segment)) return {};
    return role == Qt::ForegroundRole ? QVariant(QBrush(Qt::blue)) : QVariant(struck_);
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole) return u"号段库"_s;
    return {};
  }

  void Reset() {
    beginResetModel();
    rows_ = static_cast<int>(shown_.size());
    endResetModel();
  }

  // The used marks changed: every row is drawn anew.
  void MarksChanged() {
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::ForegroundRole, Qt::FontRole});
  }

 private:
  const std::vector<std::string>& shown_;
  const SegmentDatabase& db_;
  QFont struck_;
  int rows_ = 0;
};

SegmentLibraryDialog::SegmentLibraryDialog(AppContext& context, SegmentDatabase& db, QWidget* parent)
    : QDialog(parent), context_(context), db_(db) {
  setObjectName(kSegmentLibraryDialog);
  setWindowTitle(u"导入号段"_s);
  BuildRegionTree();
  BuildSegmentList();
  BuildFooter();
  BuildStatusBar();
  auto* segments = new QVBoxLayout;
  segments->addLayout(Row({mobileCheck_, unicomCheck_, telecomCheck_, broadnetCheck_}));
  segments->addWidget(hintLabel_);
  segments->addWidget(segmentView_, 1);
  segments->addLayout(Row({excludeUsedCheck_, rememberCheck_}));
  auto* body = new QHBoxLayout;
  body->addWidget(regionTree_, 1);
  body->addLayout(segments, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(summaryLabel_);
  layout->addLayout(Row({importButton_, cancelButton_, refreshButton_}));
  layout->addWidget(statusBar_);
  resize(640, 480);
  Connect();
}

void SegmentLibraryDialog::BuildRegionTree() {
  regionTree_ = Named<QTreeWidget>(kRegionTree);
  regionTree_->setHeaderHidden(true);
  regionTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  regionTree_->setMinimumWidth(180);
}

// The segments of the city chosen, as the carrier boxes filter them.
void SegmentLibraryDialog::BuildSegmentList() {
  mobileCheck_ = Named<QCheckBox>(kMobileCheck, u"移动号码"_s);
  unicomCheck_ = Named<QCheckBox>(kUnicomCheck, u"联通号码"_s);
  telecomCheck_ = Named<QCheckBox>(kTelecomCheck, u"电信号码"_s);
  broadnetCheck_ = Named<QCheckBox>(kBroadnetCheck, u"广电号码"_s);
  hintLabel_ = Named<QLabel>(kHintLabel, u"多选号段请使用 [Shift] 或者 [Ctrl]。同时可以使用右键菜单功能。"_s);
  segmentView_ = NumberView(kSegmentList);
  segmentView_->horizontalHeader()->show();
  segmentView_->setToolTip(u"多选的话请使用 [Shift] 或者 [Ctrl]。同时可以使用右键菜单"_s);
  model_ = new SegmentModel(shown_, db_, segmentView_);
  segmentView_->setModel(model_);
  segmentMenu_ = Named<QMenu>(kSegmentMenu, this);
  selectAllItem_ = MenuItem(segmentMenu_, kSelectAllItem, u"全选"_s);
  selectNoneItem_ = MenuItem(segmentMenu_, kSelectNoneItem, u"全不选"_s);
  segmentMenu_->addSeparator();
  markUsedItem_ = MenuItem(segmentMenu_, kMarkUsedItem, u"当前选择号段设置为已经使用过"_s);
  markUnusedItem_ = MenuItem(segmentMenu_, kMarkUnusedItem, u"当前选择号段设置为没有使用过"_s);
  ContextMenu(segmentView_, segmentMenu_);
  excludeUsedCheck_ = Named<QCheckBox>(kExcludeUsedCheck, u"排除已使用过号码段"_s);
  rememberCheck_ = Named<QCheckBox>(kRememberCheck, u"记忆当前使用号段"_s);
  for (QCheckBox* box : {mobileCheck_, unicomCheck_, telecomCheck_, broadnetCheck_, excludeUsedCheck_, rememberCheck_})
    box->setChecked(true);
}

// Under the lists: what data is loaded, and the buttons.
void SegmentLibraryDialog::BuildFooter() {
  summaryLabel_ = Named<QLabel>(kSummaryLabel);
  summaryLabel_->setWordWrap(true);
  importButton_ = Button(kImportButton, u"导入号段号码"_s);
  cancelButton_ = Button(kCancelButton, u"取消"_s);
  refreshButton_ = Button(kImportSegmentListButton, u"从文件更新号段库"_s);
  importButton_->setDefault(true);
}

void SegmentLibraryDialog::Connect() {
  // A click and a double click on the tree both choose the node.
  connect(regionTree_, &QTreeWidget::itemClicked, this, Guarded([this] { RegionTreeClicked(); }));
  connect(regionTree_, &QTreeWidget::itemDoubleClicked, this, Guarded([this] { RegionTreeClicked(); }));
  for (QCheckBox* box : {mobileCheck_, unicomCheck_, telecomCheck_, broadnetCheck_})
    Wire(box, this, &SegmentLibraryDialog::CarrierClicked);
  Wire(selectAllItem_, this, &SegmentLibraryDialog::SelectAllClicked);
  Wire(selectNoneItem_, this, &SegmentLibraryDialog::SelectNoneClicked);
  Wire(markUsedItem_, this, &SegmentLibraryDialog::MarkUsedClicked);
  Wire(markUnusedItem_, this, &SegmentLibraryDialog::MarkUnusedClicked);
  Wire(importButton_, this, &SegmentLibraryDialog::ImportSegmentsClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  Wire(refreshButton_, this, &SegmentLibraryDialog::ImportSegmentListClicked);
}

void SegmentLibraryDialog::BuildStatusBar() {
  statusBar_ = Named<QStatusBar>(kStatusBar);
  statusBar_->setSizeGripEnabled(false);
  const QString names[4] = {kTotalPanel, kCityPanel, kCityTotalPanel, kCityNotePanel};
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = Named<QLabel>(names[i]);
    statusBar_->addWidget(statusPanels_[i], i == 3 ? 1 : 0);
  }
}

void SegmentLibraryDialog::ShowLoadReport(const SegmentLoadReport& report) {
  statusPanels_[0]->setText(u"号段总数:"_s + QString::number(report.segmentLines));
  summaryLabel_->setText(u"已载入："_s + FromUtf8(SummaryText(SummarizeSegmentData(db_, context_.Folders().baseData))));
  city_ = nullptr;
  shown_.clear();
  RefreshList();
  regionTree_->clear();
  const std::vector<Province>& provinces = db_.Provinces();
  for (size_t p = 0; p < provinces.size(); ++p) {
    auto* province = new QTreeWidgetItem(regionTree_, {FromGbk(provinces[p].name)});
    for (size_t c = 0; c < provinces[p].cities.size(); ++c) {
      auto* city = new QTreeWidgetItem(province, {FromGbk(provinces[p].cities[c].name)});
      city->setData(0, kProvinceRole, static_cast<int>(p));
      city->setData(0, kCityRole, static_cast<int>(c));
    }
  }
}

// Choosing a city. While one is being chosen (the list repaints in between, and a modal
// dialog's tree takes clicks meanwhile) a second click only asks the user to wait.
void SegmentLibraryDialog::RegionTreeClicked() {
  if (busy_) {
    statusPanels_[3]->setText(u"请稍候再选择..."_s);
    return;
  }
  busy_ = true;
  struct Idle {
    bool& busy;
    ~Idle() { busy = false; }
  } idle{busy_};
  QTreeWidgetItem* node = regionTree_->currentItem();
  if (!node || !node->data(0, kCityRole).isValid()) return;
  const Province& province = db_.Provinces().at(node->data(0, kProvinceRole).toUInt());
  city_ = &province.cities.at(node->data(0, kCityRole).toUInt());
  FilterByCarrier();
  statusPanels_[1]->setText(node->parent()->text(0) + u"->"_s + node->text(0));
  statusPanels_[2]->setText(u"总号段数:"_s + QString::number(db_.SegmentsOf(*city_).size()));
  auto used = std::count_if(db_.SegmentsOf(*city_).begin(), db_.SegmentsOf(*city_).end(),
                            [this](const std::string& segment) { return db_.IsUsed(segment); });
  statusPanels_[3]->setText(u"已经使用过:"_s + QString::number(used));
  KeepPainting();
  RefreshList();
}

void SegmentLibraryDialog::CarrierClicked() {
  FilterByCarrier();
  RefreshList();
}

// The prefixes are read from the settings in force now, so a change in the settings dialog
// shows at the next filtering.
void SegmentLibraryDialog::FilterByCarrier() {
  const bool mobile = mobileCheck_->isChecked(), unicom = unicomCheck_->isChecked(),
             telecom = telecomCheck_->isChecked(), broadnet = broadnetCheck_->isChecked();
  const CarrierRule rule(context_.CurrentSettings());
  shown_.clear();
  if (city_) {
    for (const std::string& segment : db_.SegmentsOf(*city_)) {
      if ((mobile && rule.Listed(Carrier::Mobile, segment)) || (unicom && rule.Listed(Carrier::Unicom, segment)) ||
          (telecom && rule.Listed(Carrier::Telecom, segment)) || (broadnet && rule.Listed(Carrier::Broadnet, segment)))
        shown_.push_back(segment);
    }
  }
  statusPanels_[3]->setText(u"当前可供选择的号码:"_s + QString::number(shown_.size()));
}

void SegmentLibraryDialog::RefreshList() { model_->Reset(); }

std::vector<int> SegmentLibraryDialog::SelectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : segmentView_->selectionModel()->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(r);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void SegmentLibraryDialog::SaveUsed() const { db_.SaveUsed(context_.Folders().myData / kUsedSegmentsFileName); }

void SegmentLibraryDialog::SelectAllClicked() { segmentView_->selectAll(); }
void SegmentLibraryDialog::SelectNoneClicked() { segmentView_->clearSelection(); }

// The marks are written at once; a failed write leaves them in memory and says why.
void SegmentLibraryDialog::MarkUsedClicked() {
  for (int r : SelectedRows()) db_.MarkUsed(shown_[static_cast<size_t>(r)]);
  model_->MarksChanged();
  SaveUsed();
}

void SegmentLibraryDialog::MarkUnusedClicked() {
  for (int r : SelectedRows()) db_.MarkUnused(shown_[static_cast<size_t>(r)]);
  model_->MarksChanged();
  SaveUsed();
}

// "导入号段号码": the selected segments, the used ones only when they are not excluded; when
// remembering, the imported ones become used. The dialog closes with OK even when hdsel.txt
// cannot be written: the import list stands and the marks stay in memory.
void SegmentLibraryDialog::ImportSegmentsClicked() {
  const bool remember = rememberCheck_->isChecked(), excludeUsed = excludeUsedCheck_->isChecked();
  importList_.clear();
  for (int r : SelectedRows()) {
    const std::string& segment = shown_[static_cast<size_t>(r)];
    if (excludeUsed && db_.IsUsed(segment)) continue;
    if (remember) db_.MarkUsed(segment);
    importList_.push_back(segment);
  }
  accept();
  if (remember) SaveUsed();
}

// "从文件更新号段库": the base data rewritten from a public list (the files replaced kept under
// stamped names, after a question), then the database read anew and shown. Reading the list and
// writing the files run off the window's thread; the load runs here, since the views read the
// database while they paint. The closing box says what changed, where the change list and the
// backups are, and names the first lines skipped; a list that changes nothing only says so.
void SegmentLibraryDialog::ImportSegmentListClicked() {
  const std::vector<std::filesystem::path> files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (files.empty()) return;
  const DataFolders& folders = context_.Folders();
  auto mayReplace = [this](const std::vector<std::string_view>& existing) {
    QStringList names;
    for (std::string_view name : existing) names << FromUtf8(name);
    bool yes = false;
    RunOnUiThread([&] {
      yes = AskYesNoBox(
          this, u"号段库文件已存在(%1)，是否替换？原文件将另存为带日期时间的 .bak 文件"_s.arg(names.join(u"、"_s)));
    });
    return yes;
  };
  SegmentImportResult result;
  context_.InBackground({},
                        [&](Ui& ui) { result = ImportSegmentList(files.front(), folders.baseData, mayReplace, ui); });
  if (!result.written && !result.unchanged) return;  // replacing refused

  if (result.written) {
    SegmentLoadReport report;
    try {
      report = db_.Load(folders.baseData, folders.myData);
    } catch (const std::exception& error) {
      context_.ui.ShowStatus(error.what());
    }
    ShowLoadReport(report);  // also when the load failed: the tree must not show the old cities
  }

  constexpr size_t kBadLinesShown = 20;
  QString text = FromUtf8(SegmentImportSummary(result));
  if (!result.badLines.empty()) text += u"\n\n%1行有误，已跳过："_s.arg(result.badLines.size());
  for (size_t i = 0; i < result.badLines.size() && i < kBadLinesShown; ++i)
    text += u"\n"_s + FromUtf8(BadSegmentLineText(result.badLines[i]));
  if (result.badLines.size() > kBadLinesShown) text += u"\n……"_s;
  InformBox(this, text);
}

}  // namespace telqor
