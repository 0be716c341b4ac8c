// The output format dialog driven through the real main window: template choice, import,
// conversion, save with head and tail, the folder button and the double clicks.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/kit/qt_ui.h"
#include "ui/tools/format_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::ReadBytes;
using telqor::test::Rows;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::U8Path;
using telqor::test::WriteBytes;
using namespace telqor::names::format;
namespace window = telqor::names::window;

namespace {

void ClickIn(QDialog* d, const QString& button) { Control<QToolButton>(d, button)->click(); }
void Type(QDialog* d, const QString& edit, const QString& text) { Control<QLineEdit>(d, edit)->setText(text); }
QString Header(QDialog* d) {
  return Control<QTableView>(d, kOutputList)->model()->headerData(0, Qt::Horizontal).toString();
}
QString SourceTitle(QDialog* d) { return Control<QGroupBox>(d, kSourceGroup)->title(); }

}  // namespace

class FormatDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void ChoosesConvertsAndSavesWithHeadAndTail() {
    TempHome home;
    fs::path format = home / U8Path("基础数据/Format");
    WriteBytes(format / "t.txt", "%NN%=12345678901;\r\nMyNo\r\n");
    WriteBytes(format / "t.Head.txt", "H1\r\nH2\r\n");
    WriteBytes(format / "t.Tail.txt", "T\r\n");
    WriteBytes(format / "u.txt", "u");
    WriteBytes(home / "a.txt", "a\r\nb\r\nc\r\n");
    auto w = home.OpenWindow();
    QDialog* d = telqor::test::Dialog(w, kFormatDialog);
    auto* templates = Control<QComboBox>(d, kTemplateCombo);
    // Every opening lists the templates anew, each once, nothing chosen.
    telqor::test::Trigger(w, window::kFormatConversionItem);
    d->hide();
    telqor::test::Trigger(w, window::kFormatConversionItem);
    QCOMPARE(templates->count(), 2);
    QCOMPARE(templates->itemText(0), u"t.txt"_s);
    QCOMPARE(templates->currentIndex(), -1);
    templates->setCurrentIndex(0);
    emit templates->activated(0);
    QCOMPARE(Control<QPlainTextEdit>(d, kTemplateEdit)->toPlainText(), u"%NN%=12345678901;\nMyNo\n"_s);

    std::vector<fs::path> chosen{home / "a.txt"};
    telqor::Hooks().openFiles = [&] { return chosen; };
    ClickIn(d, kImportButton);
    QCOMPARE(SourceTitle(d), u"原始数据:3"_s);
    QCOMPARE(Header(d), u"输出样式"_s);

    // Two templates to an item, the final line break of each item cut; the number cycles by 2.
    Type(d, kStackEdit, u"2"_s);
    Type(d, kCutEdit, u"2"_s);
    Type(d, kMaxNumberEdit, u"2"_s);
    Type(d, kPerFileEdit, u"5"_s);
    ClickIn(d, kConvertButton);
    QCOMPARE(Rows(Control<QTableView>(d, kOutputList)),
             (QStringList{u"01=a;"_s, u"1"_s, u"02=b;"_s, u"2"_s, u"01=c;"_s, u"3"_s}));
    QCOMPARE(Header(d), u"输出样式:6"_s);
    QCOMPARE(Scripted().messages, std::vector<QString>{u"数据转换完成"_s});
    // A maximum of 0 is refused and leaves the result as it was.
    Type(d, kMaxNumberEdit, u"0"_s);
    ClickIn(d, kConvertButton);
    QCOMPARE(w->StatusText(), u" 最大编号不能为0"_s);
    QCOMPARE(Header(d), u"输出样式:6"_s);
    QCOMPARE(Scripted().messages.size(), size_t{1});

    telqor::Hooks().saveFile = [&] { return home / U8Path("结果.txt"); };
    ClickIn(d, kSaveButton);
    // The multi-line head leaves an empty line; the last file counts its head and tail.
    QCOMPARE(ReadBytes(home / U8Path("结果.txt.格式化.5.0001.txt")),
             std::string("H1\r\nH2\r\n\r\n01=a;\r\n1\r\n02=b;\r\n2\r\n01=c;\r\nT\r\n"));
    QCOMPARE(ReadBytes(home / U8Path("结果.txt.格式化.3.0002.txt")), std::string("H1\r\nH2\r\n\r\n3\r\nT\r\n"));
    QCOMPARE(Scripted().messages.back(), u"完成!"_s);

    ClickIn(d, kBrowseButton);
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{w->Folders().baseData / "Format"});

    QTest::mouseDClick(Control<QTableView>(d, kOutputList)->viewport(), Qt::LeftButton);
    QCOMPARE(Header(d), u"输出样式:0"_s);
    QTest::mouseDClick(Control<QTableView>(d, kSourceList)->viewport(), Qt::LeftButton);
    QCOMPARE(SourceTitle(d), u"原始号码:0"_s);
  }

  // A new program folder has no template folder: "浏览" makes it before showing it.
  void BrowseMakesTheMissingTemplateFolder() {
    TempHome home;
    auto w = home.OpenWindow();
    QDialog* d = telqor::test::Dialog(w, kFormatDialog);
    const fs::path format = w->Folders().baseData / "Format";
    QVERIFY(!fs::exists(format));
    ClickIn(d, kBrowseButton);
    QVERIFY(fs::is_directory(format));
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{format});
  }
};

TELQOR_GUI_SUITE("format_dialog", FormatDialogTest)

#include "format_dialog_test.moc"
