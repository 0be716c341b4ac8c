// The reports of a list's "其它操作" menu, driven through the real main window: the statistics
// dialog with its trees, charts and saved table and chart, and the lookup table saved as CSV or
// workbook.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include "tests/gui/gui_test_support.h"
#include "ui/kit/qt_ui.h"
#include "ui/report/bar_chart.h"
#include "ui/report/stats_dialog_names.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Click;
using telqor::test::Dialog;
using telqor::test::ReadBytes;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::Trigger;
using telqor::test::U8Path;
using namespace telqor::names::lists;
using namespace telqor::names::stats;
using namespace telqor::names::workspace;

namespace {

// A program folder holding the test segment database and an area-code table.
void CopyDatabase(const TempHome& home) {
  fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
  fs::create_directories(home / U8Path("基础数据"));
  fs::create_directories(home / U8Path("我的数据"));
  for (const char* name : {"地区.txt", "手机号段.txt"})
    fs::copy_file(data / U8Path(name), home / U8Path("基础数据") / U8Path(name));
  telqor::test::WriteBytes(home / U8Path("基础数据/固话区号对照表.txt"), "\xb1\xb1\xbe\xa9 010\r\n");  // 北京 010
}

void Fill(telqor::NumberList& list, std::vector<std::string> items) {
  for (const std::string& item : items) list.Items().Add(item);
  list.RefreshView();
}

// The save dialog answers with file.
void WillSaveAs(const fs::path& file) {
  telqor::Hooks().saveFile = [file] { return file; };
}

QStringList Texts(QTreeWidgetItem* item) { return {item->text(0), item->text(1), item->text(2)}; }

}  // namespace

class ReportTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void StatsShowTheSpreadOfTheList() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    Fill(w->Lists().workspace, {"13800000001", "13800000002", "13800000001", "13400000005", "19999999999", "x"});
    Trigger(w, kStatsItem);
    QDialog* dialog = Dialog(w, kStatsDialog);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>(kTotalsLabel)->text(),
             u"共6行：有效 4，号段不存在 1，格式错误 1；不同号码 5，重复 1"_s);

    // Provinces largest first, their cities inside; lines without a region are "未知".
    auto* regions = dialog->findChild<QTreeWidget*>(kRegionTree);
    QCOMPARE(regions->topLevelItemCount(), 4);
    QCOMPARE(Texts(regions->topLevelItem(0)), (QStringList{u"北京"_s, u"3"_s, u"50.00%"_s}));
    QCOMPARE(Texts(regions->topLevelItem(0)->child(0)), (QStringList{u"北京"_s, u"3"_s, u"50.00%"_s}));
    QCOMPARE(Texts(regions->topLevelItem(1)), (QStringList{u"未知"_s, u"2"_s, u"33.33%"_s}));
    QCOMPARE(regions->topLevelItem(1)->childCount(), 0);
    QCOMPARE(Texts(regions->topLevelItem(2)).first(), u"广东"_s);
    QCOMPARE(Texts(regions->topLevelItem(3)), (QStringList{u"合计"_s, u"6"_s, u"100.00%"_s}));

    auto* carriers = dialog->findChild<QTreeWidget*>(kCarrierTree);
    QCOMPARE(Texts(carriers->topLevelItem(0)), (QStringList{u"移动"_s, u"4"_s, u"66.67%"_s}));

    // A bar a province (and 未知), a bar a carrier.
    auto bars = [&](const QString& name) {
      QStringList shown;
      for (const telqor::Bar& bar : dialog->findChild<telqor::BarChart*>(name)->Bars())
        shown << bar.caption + u":"_s + QString::number(bar.count);
      return shown;
    };
    QCOMPARE(bars(kProvinceChart), (QStringList{u"北京:3"_s, u"未知:2"_s, u"广东:1"_s}));
    QCOMPARE(bars(kCarrierChart).size(), carriers->topLevelItemCount() - 1);

    // The table of the page shown, as CSV for Excel: a byte-order mark, CR LF, then 合计.
    const fs::path table = home / U8Path("统计.csv");
    WillSaveAs(table);
    dialog->findChild<QTabWidget*>(kPages)->setCurrentIndex(0);
    dialog->findChild<QPushButton*>(kSaveTableButton)->click();
    const std::string csv = ReadBytes(table);
    QVERIFY(csv.starts_with("\xEF\xBB\xBF省份,城市,区划代码,数量,占比\r\n北京,北京,110000,3,50.00%\r\n"));
    QVERIFY(csv.ends_with("合计,,,6,100.00%\r\n"));

    // The chart of a table's page, as a picture.
    const fs::path picture = home / U8Path("图.png");
    WillSaveAs(picture);
    dialog->findChild<QTabWidget*>(kPages)->setCurrentIndex(1);
    dialog->findChild<QPushButton*>(kSaveChartButton)->click();
    QVERIFY(ReadBytes(picture).starts_with("\x89PNG"));

    // The dialog is one, refilled for the next list.
    Fill(w->Lists().source, {"13800000001"});
    Trigger(w, kSourceStatsItem);
    QCOMPARE(w->findChildren<QDialog*>(kStatsDialog).size(), 1);
    QCOMPARE(dialog->findChild<QLabel*>(kTotalsLabel)->text(),
             u"共1行：有效 1，号段不存在 0，格式错误 0；不同号码 1，重复 0"_s);
  }

  // The largest fifteen provinces, the rest as one bar; never a bar "其它" of one province.
  void ChartsKeepTheLargestProvinces() {
    telqor::NumberStats stats;
    for (int i = 0; i < 17; ++i) stats.groups.push_back({{"省" + std::to_string(i), "市"}, 100 - i});
    stats.groups.push_back({{"省0", "另一市"}, 50});
    std::vector<telqor::Bar> bars = telqor::BarsOf(stats, 15);
    QCOMPARE(bars.size(), size_t(16));
    QCOMPARE(bars.front().caption, u"省0"_s);
    QCOMPARE(bars.front().count, int64_t(150));
    QCOMPARE(bars.back().caption, u"其它"_s);
    QCOMPARE(bars.back().count, int64_t(85 + 84));
    QCOMPARE(bars.back().keys, 2);
    // 其它 stays off the scale: the axis reaches the largest province, not the rest added up.
    bars.back().count = 100000;
    QCOMPARE(telqor::ScaledLargest(bars), int64_t(150));
    stats.groups.pop_back();
    stats.groups.pop_back();
    QCOMPARE(telqor::BarsOf(stats, 15).back().caption, u"省15"_s);
  }

  void LookupTableIsSavedRowForRow() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    Fill(w->Lists().target, {"13800000001", "13399999999", "a,\"b\""});
    const fs::path table = home / U8Path("查询.csv");
    WillSaveAs(table);
    Scripted().answer = false;
    Trigger(w, kTargetLookupTableItem);
    QCOMPARE(ReadBytes(table), std::string("\xEF\xBB\xBF号码,省份,城市,区划代码,区号,运营商,状态\r\n"
                                           "13800000001,北京,北京,110000,010,移动,有效\r\n"
                                           "13399999999,,,,,电信,号段不存在\r\n"
                                           "\"a,\"\"b\"\"\",,,,,,格式错误\r\n"));
    QCOMPARE(Scripted().questions.size(), size_t(1));
    QVERIFY(Scripted().questions[0].startsWith(u"归属地查询表保存完成：共1个文件，3行"_s));

    // A workbook is a zip archive; another extension is refused, and nothing is written.
    const fs::path book = home / U8Path("查询.xlsx");
    WillSaveAs(book);
    Trigger(w, kTargetLookupTableItem);
    QVERIFY(ReadBytes(book).starts_with("PK"));
    WillSaveAs(home / U8Path("查询.txt"));
    Trigger(w, kTargetLookupTableItem);
    QVERIFY(!fs::exists(home / U8Path("查询.txt")));
    QCOMPARE(Scripted().messages.back(), u"无法保存为 查询.txt：请选择 .xlsx 或 .csv 文件。"_s);

    // An empty list is told, with no dialog.
    w->Lists().workspace.Items().Clear();
    Trigger(w, kLookupTableItem);
    QCOMPARE(Scripted().messages.back(), u"列表中没有号码"_s);
  }
};

TELQOR_GUI_SUITE("report", ReportTest)

#include "report_test.moc"
