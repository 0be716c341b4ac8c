// The dialog "数据分析" driven through the real main window: settings in the controls and saved
// on every change, import, analysis with the status panels, the saves, the sorts by a clicked
// column and the classified export.
#include "ui/tools/analysis_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "core/text/gbk.h"
#include "tests/gui/gui_test_support.h"
#include "ui/kit/qt_ui.h"
#include "ui/tools/analysis_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::ReadBytes;
using telqor::test::Rows;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::U8Path;
using telqor::test::WriteBytes;
using namespace telqor::names::analysis;

namespace {

QDialog* Analysis(const std::unique_ptr<telqor::test::RecordingWindow>& w) {
  return telqor::test::Dialog(w, kAnalysisDialog);
}

void ClickIn(QDialog* d, const QString& button) { Control<QToolButton>(d, button)->click(); }
QString Panel(QDialog* d, const QString& panel) { return Control<QLabel>(d, panel)->text(); }

// The shown cells of the table, a row's cells joined by "|".
QStringList Table(QDialog* d) {
  QAbstractItemModel* model = Control<QTableView>(d, kDataTable)->model();
  QStringList rows;
  for (int r = 0; r < model->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
    rows << cells.join(u'|');
  }
  return rows;
}

QStringList Captions(QDialog* d) {
  QAbstractItemModel* model = Control<QTableView>(d, kDataTable)->model();
  QStringList captions;
  for (int c = 0; c < model->columnCount(); ++c) captions << model->headerData(c, Qt::Horizontal).toString();
  return captions;
}

// A click on a column caption, then the item of the sort menu.
void SortBy(QDialog* d, int column, const QString& item) {
  emit Control<QTableView>(d, kDataTable)->horizontalHeader()->sectionClicked(column);
  auto* menu = Control<QMenu>(d, kSortMenu);
  Control<QAction>(menu, item)->trigger();
  menu->hide();
}

void ImportByButton(QDialog* d, const fs::path& file) {
  telqor::Hooks().openFiles = [file] { return std::vector<fs::path>{file}; };
  ClickIn(d, kImportButton);
}

}  // namespace

class AnalysisDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void ImportAnalyseAndSaveTheMatches() {
    TempHome home;
    WriteBytes(home / "calls.txt", "\"a\",30\r\n\"b\",90\r\n\"c\",x\r\n");
    auto w = home.OpenWindow();
    QDialog* d = Analysis(w);
    // The first-run values, the text to replace being a double quote.
    QCOMPARE(Control<QComboBox>(d, kDelimiterCombo)->currentText(), u","_s);
    QCOMPARE(Control<QLineEdit>(d, kReplaceFromEdit)->text(), u"\""_s);
    QCOMPARE(Control<QLineEdit>(d, kValueBEdit)->text(), u"1000"_s);
    QCOMPARE(Captions(d), QStringList{u"列0"_s});
    QCOMPARE(Panel(d, kRatioPanel), u"比率:待定"_s);

    ImportByButton(d, home / "calls.txt");
    QCOMPARE(Table(d), (QStringList{u"a|30"_s, u"b|90"_s, u"c|x"_s}));
    QCOMPARE(Captions(d), (QStringList{u" 列0"_s, u" 列1"_s}));
    QCOMPARE(Panel(d, kDataCountPanel), u"原始数据:3"_s);

    Control<QLineEdit>(d, kValueAEdit)->setText(u"60"_s);
    Control<QLineEdit>(d, kOutColumnEdit)->setText(u"0"_s);
    ClickIn(d, kAnalyseButton);
    QCOMPARE(Rows(Control<QTableView>(d, kMatchList)), QStringList{u"b"_s});
    QCOMPARE(Panel(d, kMatchCountPanel), u"符合条件:1"_s);
    QCOMPARE(Panel(d, kRatioPanel), u"比率:33.3%"_s);

    // A name without an extension gets ".txt"; the report goes beside it.
    telqor::Hooks().saveFile = [&home] { return home / "m"; };
    ClickIn(d, kSaveButton);
    QCOMPARE(ReadBytes(home / "m.txt"), std::string("b\r\n"));
    QCOMPARE(ReadBytes(home / U8Path("m.txt.参考比例.txt")),
             telqor::Utf8ToGbk("过滤条件: >60\r\n原始数据: 3\r\n符合数据: 1\r\n比率    : 33.3%\r\n"));
    telqor::Hooks().saveFile = [&home] { return home / "table.csv"; };
    ClickIn(d, kExportSortedButton);
    QCOMPARE(ReadBytes(home / "table.csv"), std::string("a,30\r\nb,90\r\nc,x\r\n"));

    // Emptying the table leaves the matches, and the ratio waits for rows again.
    QTest::mouseDClick(Control<QTableView>(d, kDataTable)->viewport(), Qt::LeftButton);
    QCOMPARE(Table(d), QStringList{});
    QCOMPARE(Panel(d, kDataCountPanel), u"原始数据:0"_s);
    QCOMPARE(Panel(d, kRatioPanel), u"比率:待定"_s);
    QTest::mouseDClick(Control<QTableView>(d, kMatchList)->viewport(), Qt::LeftButton);
    QCOMPARE(Panel(d, kMatchCountPanel), u"符合条件:0"_s);
  }

  void SettingsFollowEveryChangeWith64BitBounds() {
    TempHome home;
    {
      auto w = home.OpenWindow();
      QDialog* d = Analysis(w);
      Control<QComboBox>(d, kConditionCombo)->setCurrentIndex(3);
      Control<QLineEdit>(d, kValueAEdit)->setText(u"-5000000000"_s);
      std::string ini = ReadBytes(home / "Telqor.ini");
      QVERIFY(ini.find("DAFixIndex=3\r\nDADataA=-5000000000\r\n") != std::string::npos);
      // A column that is no number stops the storing there, and the analysis before anything.
      Control<QLineEdit>(d, kValueBEdit)->setText(u"7"_s);
      Control<QLineEdit>(d, kColumnEdit)->setText(u"x"_s);
      Control<QComboBox>(d, kDelimiterCombo)->setEditText(u"||"_s);
      ini = ReadBytes(home / "Telqor.ini");
      QVERIFY(ini.find("DADelimiter=||\r\n") != std::string::npos);
      QVERIFY(ini.find("DADataB=7\r\n") != std::string::npos);
      ClickIn(d, kAnalyseButton);
      QCOMPARE(w->StatusText(), u" 'x' is not a valid integer value"_s);
    }
    auto w = home.OpenWindow();
    QDialog* d = Analysis(w);
    QCOMPARE(Control<QLineEdit>(d, kValueAEdit)->text(), u"-5000000000"_s);
    QCOMPARE(Control<QComboBox>(d, kConditionCombo)->currentText(), u"[]"_s);
    QCOMPARE(Control<QComboBox>(d, kDelimiterCombo)->currentText(), u"||"_s);
  }

  void SortsAlternateAndExportByTheLastSortedColumn() {
    TempHome home;
    WriteBytes(home / "rows.txt", "x,1\r\nz,2\r\ny,1\r\nw\r\n");
    auto w = home.OpenWindow();
    QDialog* d = Analysis(w);
    static_cast<telqor::AnalysisDialog*>(d)->LoadFiles({home / "rows.txt"});  // as dropped on its table
    SortBy(d, 1, kSortTextItem);
    QCOMPARE(Table(d), (QStringList{u"z|2"_s, u"y|1"_s, u"x|1"_s, u"w|"_s}));  // "w" has no field 1: kept last
    SortBy(d, 1, kSortNumericItem);
    QCOMPARE(Table(d), (QStringList{u"x|1"_s, u"y|1"_s, u"z|2"_s, u"w|"_s}));

    // The row without the field is left out, every other row written, and the user told.
    fs::create_directory(home / "out");
    std::vector<fs::path> starts;
    telqor::Hooks().chooseFolder = [&](const fs::path& start) {
      starts.push_back(start);
      return home / "out";
    };
    Scripted().answer = true;
    ClickIn(d, kExportClassifiedButton);
    const QString said = u"分类导出完成：共2个文件，3行，保存在 "_s + telqor::test::PathToQString(home / "out" / "");
    QCOMPARE(Scripted().questions,
             (std::vector<QString>{
                 u"确定按 [列1] 导出分类数据?\r\n\r\n如果不是选择的列,请先选择该列排序后,在导出分类数据！"_s,
                 said + u"\r\n\r\n是否打开保存目录?"_s}));
    QCOMPARE(ReadBytes(home / "out" / "1.txt"), std::string("x,1\r\ny,1\r\n"));
    QCOMPARE(ReadBytes(home / "out" / "2.txt"), std::string("z,2\r\n"));
    QCOMPARE(w->StatusText(), u" "_s + said);
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{home / "out" / ""});
    QCOMPARE(Scripted().messages, std::vector<QString>{u"1行没有第1列，没有导出；其余的行已导出到2个文件。"_s});
    QCOMPARE(starts.front(), w->Folders().otherData);
    // No: nothing asked further.
    Scripted().answer = false;
    ClickIn(d, kExportClassifiedButton);
    QCOMPARE(starts.size(), size_t{1});
    ClickIn(d, kOpenFolderButton);
    QCOMPARE(telqor::test::GuiEnv().openedFolders.back(), home / "out" / "");
  }

  // "第 [1] 列": each number between its words; the delimiter box takes a few characters.
  void NumbersStandBetweenTheirWordsAndTheDelimiterFits() {
    TempHome home;
    auto w = home.OpenWindow();
    QDialog* d = Analysis(w);
    d->show();
    QCoreApplication::processEvents();
    auto left = [d](const QString& name) { return Control<QWidget>(d, name)->mapTo(d, QPoint()).x(); };
    QCOMPARE(Control<QLabel>(d, kColumnLabel)->text(), u"第"_s);
    QCOMPARE(Control<QLabel>(d, kColumnUnitLabel)->text(), u"列"_s);
    QVERIFY(left(kColumnLabel) < left(kColumnEdit));
    QVERIFY(left(kColumnEdit) < left(kColumnUnitLabel));
    QVERIFY(left(kOutColumnLabel) < left(kOutColumnEdit));
    QVERIFY(left(kOutColumnEdit) < left(kOutColumnUnitLabel));
    auto* delimiter = Control<QComboBox>(d, kDelimiterCombo);
    QVERIFY2(delimiter->lineEdit()->width() >= delimiter->fontMetrics().horizontalAdvance(u"||||"_s),
             qPrintable(QString::number(delimiter->lineEdit()->width())));
    d->hide();
  }
};

TELQOR_GUI_SUITE("analysis_dialog", AnalysisDialogTest)

#include "analysis_dialog_test.moc"
