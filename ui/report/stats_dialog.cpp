#include "ui/report/stats_dialog.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/text.h"
#include "report/table_output.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/report/bar_chart.h"
#include "ui/report/stats_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::stats;

namespace {

QString Grouped(int64_t count) { return FromUtf8(GroupedCount(count)); }

constexpr int kChartProvinces = 15;  // the rest is one bar "其它"

QString Key(const std::string& key) { return key.empty() ? u"未知"_s : FromUtf8(key); }

QTreeWidgetItem* CountItem(const QString& caption, int64_t count, int64_t total) {
  auto* item = new QTreeWidgetItem({caption, FromUtf8(GroupedCount(count)), FromUtf8(ShareText(count, total))});
  item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

QTreeWidget* CountTree(const QString& name, const QString& caption) {
  auto* tree = Named<QTreeWidget>(name);
  tree->setHeaderLabels({caption, u"数量"_s, u"占比"_s});
  tree->setRootIsDecorated(true);
  tree->setUniformRowHeights(true);
  tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree->header()->setStretchLastSection(false);
  return tree;
}

void AddTotalRow(QTreeWidget* tree, int64_t total) {
  QTreeWidgetItem* item = CountItem(u"合计"_s, total, total);
  QFont bold = item->font(0);
  bold.setBold(true);
  for (int column = 0; column < 3; ++column) item->setFont(column, bold);
  tree->addTopLevelItem(item);
}

}  // namespace

StatsDialog::StatsDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(kStatsDialog);
  setWindowTitle(u"号码统计"_s);
  resize(820, 600);

  totals_ = Named<QLabel>(kTotalsLabel);
  totals_->setWordWrap(true);
  totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  regions_ = CountTree(kRegionTree, u"省份 / 城市"_s);
  carriers_ = CountTree(kCarrierTree, u"运营商"_s);
  carriers_->setRootIsDecorated(false);
  provinceChart_ = new BarChart(kProvinceChart);
  carrierChart_ = new BarChart(kCarrierChart);
  pages_ = Named<QTabWidget>(kPages);
  pages_->addTab(regions_, u"按省份"_s);
  pages_->addTab(carriers_, u"按运营商"_s);
  pages_->addTab(provinceChart_, u"省份图表"_s);
  pages_->addTab(carrierChart_, u"运营商图表"_s);

  QPushButton* saveTable = Button(kSaveTableButton, u"保存表格"_s);
  QPushButton* saveChart = Button(kSaveChartButton, u"保存图表"_s);
  QPushButton* close = Button(kCloseButton, u"关闭"_s);
  saveTable->setToolTip(u"把当前页的统计表保存为 Excel 工作簿(.xlsx)或 CSV 文件"_s);
  saveChart->setToolTip(u"把当前页的图表保存为 PNG 图片(表格页保存对应的图表)"_s);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(saveTable);
  buttons->addWidget(saveChart);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(totals_);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  Wire(saveTable, this, &StatsDialog::SaveTableClicked);
  Wire(saveChart, this, &StatsDialog::SaveChartClicked);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void StatsDialog::Show(StatsReport report) {
  report_ = std::move(report);
  FillTotals();
  FillRegions();
  FillCarriers();
  FillCharts();
  show();
  raise();
  activateWindow();
}

void StatsDialog::FillTotals() {
  const StatsTotals& t = report_.regions.totals;
  QString text = u"共%1行：有效 %2，号段不存在 %3，格式错误 %4；不同号码 %5，重复 %6"_s.arg(Grouped(t.lines))
                     .arg(Grouped(t.valid))
                     .arg(Grouped(t.unknownSegment))
                     .arg(Grouped(t.badFormat))
                     .arg(Grouped(t.distinct))
                     .arg(Grouped(t.repeats));
  if (!report_.segmentData)
    text += u"\n没有号段数据，号码都查不到归属地：请在“号段库”中“从文件更新号段库”。"_s;
  totals_->setText(text);
}

void StatsDialog::FillRegions() {
  regions_->clear();
  const int64_t total = report_.regions.totals.lines;
  // The groups come largest first, so the provinces are made in the order of their largest
  // city; they are put in the order of their own counts below.
  std::map<std::string, QTreeWidgetItem*> provinces;
  std::map<std::string, int64_t> provinceCounts;
  std::vector<std::string> order;
  for (const StatsGroup& group : report_.regions.groups) {
    const std::string& province = group.keys.at(0);
    if (!provinces.count(province)) {
      provinces[province] = CountItem(Key(province), 0, total);
      order.push_back(province);
    }
    provinceCounts[province] += group.count;
    if (group.keys.size() > 1 && !group.keys[1].empty())
      provinces[province]->addChild(CountItem(Key(group.keys[1]), group.count, total));
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](const std::string& a, const std::string& b) { return provinceCounts[a] > provinceCounts[b]; });
  for (const std::string& province : order) {
    QTreeWidgetItem* item = provinces[province];
    item->setText(1, Grouped(provinceCounts[province]));
    item->setText(2, FromUtf8(ShareText(provinceCounts[province], total)));
    regions_->addTopLevelItem(item);
  }
  AddTotalRow(regions_, total);
  regions_->resizeColumnToContents(1);
  regions_->resizeColumnToContents(2);
}

void StatsDialog::FillCarriers() {
  carriers_->clear();
  const int64_t total = report_.carriers.totals.lines;
  for (const StatsGroup& group : report_.carriers.groups)
    carriers_->addTopLevelItem(CountItem(Key(group.keys.at(0)), group.count, total));
  AddTotalRow(carriers_, total);
  carriers_->resizeColumnToContents(1);
  carriers_->resizeColumnToContents(2);
}

void StatsDialog::FillCharts() {
  provinceChart_->SetBars(u"号码数量：省份"_s, BarsOf(report_.regions, kChartProvinces));
  carrierChart_->SetBars(u"号码数量：运营商"_s, BarsOf(report_.carriers, -1));
}

bool StatsDialog::CarrierPage() const {
  QWidget* page = pages_->currentWidget();
  return page == carriers_ || page == carrierChart_;
}

void StatsDialog::SaveTableClicked() {
  const bool carriers = CarrierPage();
  const std::filesystem::path file =
      ChooseFileToWrite(this, context_.OpenDialogFolder(), carriers ? u"号码统计-运营商.xlsx"_s : u"号码统计-省份.xlsx"_s,
                        {u"Excel 工作簿|*.xlsx"_s, u"CSV 文件|*.csv"_s});
  if (file.empty()) return;
  const std::optional<TableFormat> format = TableFormatOf(file);
  if (!format) {
    InformBox(this, u"无法保存为 %1：请选择 .xlsx 或 .csv 文件。"_s.arg(PathToQString(file.filename())));
    return;
  }
  const NumberStats& stats = carriers ? report_.carriers : report_.regions;
  std::unique_ptr<TableSink> sink = OpenTable(file, *format, StatsTableHeader(stats), "统计", Replace::kYes, StatsTableKinds(stats));
  WriteStatsTable(stats, *sink);
  const std::filesystem::path written = sink->Finish();
  context_.ui.ShowStatus("统计表已保存：" + PathToUtf8(written));
}

void StatsDialog::SaveChartClicked() {
  BarChart* chart = CarrierPage() ? carrierChart_ : provinceChart_;
  const std::filesystem::path file =
      ChooseFileToWrite(this, context_.OpenDialogFolder(),
                        chart == carrierChart_ ? u"运营商图表.png"_s : u"省份图表.png"_s, {u"PNG 图片|*.png"_s});
  if (file.empty()) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  chart->Picture().save(&buffer, "PNG");
  FileWriter writer(file);
  writer.Write(std::string_view(png.constData(), static_cast<size_t>(png.size())));
  writer.Commit();
  context_.ui.ShowStatus("图表已保存：" + PathToUtf8(file));
}

}  // namespace telqor
