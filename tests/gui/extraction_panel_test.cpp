// The extraction panel driven through the real main window: runs on pasted text and files in
// both modes, the controls' handlers, the area-code table and the converters of the "工具" menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "core/text/gbk.h"
#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/extract/area_code_table_dialog_names.h"
#include "ui/extract/extraction_panel_names.h"
#include "ui/kit/qt_ui.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Click;
using telqor::test::Control;
using telqor::test::GuiEnv;
using telqor::test::PathToQString;
using telqor::test::Rows;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::Trigger;
using telqor::test::U8Path;
using namespace telqor::names::area_codes;
using namespace telqor::names::extraction;
using namespace telqor::names::window;
using namespace telqor::names::workspace;

namespace {

const QString kMissingTable =
    u"基础数据中没有固话区号对照表.txt，固话按写出的区号（010、02X、0XXX）识别。"
    u"启动程序时在提问中选“是”，或运行 telqor-cli make-default-data，即可写入该表。"_s;

void Paste(const std::unique_ptr<telqor::test::RecordingWindow>& w, const QString& text) {
  Control<QPlainTextEdit>(w, kPasteBox)->setPlainText(text);
}

void AddFiles(const std::unique_ptr<telqor::test::RecordingWindow>& w, const std::vector<fs::path>& files) {
  telqor::Hooks().openFiles = [files] { return files; };
  Click(w, kImportFilesButton);
}

// The files of a folder by name.
QStringList Names(const fs::path& folder) {
  QStringList names;
  for (const auto& entry : fs::directory_iterator(folder)) names << QString::fromStdString(entry.path().filename());
  names.sort();
  return names;
}

}  // namespace

class ExtractionPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void PastedTextGoesToTheWorkspaceWithAreaCodes() {
    TempHome home;
    telqor::test::WriteBytes(home / U8Path("基础数据") / U8Path("固话区号对照表.txt"),
                             telqor::Utf8ToGbk("深圳 0755\r\n北京 010\r\n"));
    auto w = home.OpenWindow();
    w->Lists().workspace.Items().Add("13812345678");
    Paste(w, u"电话:0755-23456789 手机１３８１２３４５６７８, 13912345678 12345 a@b.cn"_s);
    Click(w, kExtractToWorkspaceButton);
    // Landlines, then mobiles; e-mail was not asked for; numbers already there are not checked against.
    QCOMPARE(Rows(w, kWorkspaceList),
             (QStringList{u"13812345678"_s, u"075523456789"_s, u"13812345678"_s, u"13912345678"_s}));
    QCOMPARE(w->StatusText(), u" 完成！生成3个数据,追加到号码整理框"_s);

    // The table dialog shows the file's text.
    Trigger(w, kAreaCodeTableItem);
    auto* info = telqor::test::Dialog(w, kAreaCodeTableDialog);
    QVERIFY(info->findChild<QPlainTextEdit*>(kTableEdit)->toPlainText().startsWith(u"深圳 0755"_s));
    info->findChild<QPushButton*>(kOpenFolderButton)->click();
    QCOMPARE(GuiEnv().openedFolders.back(), w->Folders().baseData);
    info->findChild<QPushButton*>(kCloseButton)->click();
    QVERIFY(!info->isVisible());
  }

  // Without an area-code table a landline keeps the area code it is written with, and the first
  // run that keeps landlines says how to write the table; later runs say it no more.
  void MissingAreaCodeTableIsToldOnce() {
    TempHome home;
    auto w = home.OpenWindow();
    Paste(w, u"电话 0755-26543210, 021 6666 7777"_s);
    Control<QCheckBox>(w, kLandlineCheck)->setChecked(false);
    Click(w, kExtractToWorkspaceButton);  // mobile numbers only: no landline to tell of
    QVERIFY(Scripted().messages.empty());
    Control<QCheckBox>(w, kLandlineCheck)->setChecked(true);
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"075526543210"_s}));
    QCOMPARE(Scripted().messages,
             std::vector<QString>{u"完成！生成1个数据,追加到号码整理框\r\n\r\n"_s + kMissingTable});
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(Scripted().messages.size(), size_t{1});
  }

  // A mobile number written in groups is taken while the setting says so, from a first start on.
  void GroupedMobilesFollowTheSetting() {
    TempHome home;
    auto w = home.OpenWindow();
    Paste(w, u"手机 +86 138 0013 8000 / 邮箱 87654321@qq.com"_s);
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), QStringList{u"13800138000"_s});
    w->CurrentSettings().mobileSeparators = 0;
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(w->StatusText(), u" 完成！生成0个数据,追加到号码整理框"_s);
  }

  void FilesSaveEveryKindFound() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::WriteBytes(home / "a.txt", "13812345678 13812345678\r\n66667777 123\r\n");
    telqor::test::WriteBytes(home / "b.htm", "<td>13912345678</td>");
    AddFiles(w, {home / "a.txt", home / "b.htm"});
    Control<QCheckBox>(w, kLandlineCheck)->setChecked(false);  // only "手机": every kind found is still saved
    Click(w, kExtractToFilesButton);
    fs::path dated = w->Folders().datedOutput;
    QCOMPARE(Names(dated), (QStringList{u"20261207-090503-固话-1.txt"_s, u"20261207-090503-手机-2.txt"_s,
                                        u"20261207-090503-未知-1.txt"_s}));
    QCOMPARE(telqor::test::ReadBytes(dated / U8Path("20261207-090503-手机-2.txt")), "13812345678\r\n13912345678\r\n");
    const QString said = u"保存文件完成：共3个文件，4个数据，保存在 "_s + PathToQString(dated / "");
    QCOMPARE(w->StatusText(), u" "_s + said);
    // Every file by name, then the offer to open the folder: No opens nothing.
    // A new program folder has no area-code table: the first run says so.
    QCOMPARE(Scripted().questions,
             std::vector<QString>{said + u"\r\n20261207-090503-固话-1.txt\r\n20261207-090503-手机-2.txt"
                                         u"\r\n20261207-090503-未知-1.txt\r\n\r\n"_s + kMissingTable +
                                         u"\r\n\r\n是否打开保存目录?"_s});
    QVERIFY(GuiEnv().openedFolders.empty());

    // Nothing wanted: the run still goes, appends nothing and says so.
    for (const char* box : {"CBMobile", "CBTels", "CBEmails", "CBReg"})
      Control<QCheckBox>(w, QString::fromUtf8(box))->setChecked(false);
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(w->StatusText(), u" 完成！生成0个数据,追加到号码整理框"_s);
  }

  // A document that cannot be read is named with its reason in the closing box, and the
  // status line counts it; the other files still give their numbers.
  void UnreadDocumentsAreTold() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::WriteBytes(home / "a.txt", "13812345678\r\n");
    telqor::test::WriteBytes(home / "broken.docx", "PK\x03\x04 cut short");
    AddFiles(w, {home / "a.txt", home / "broken.docx"});
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(w->StatusText(), u" 完成！生成1个数据,追加到号码整理框；1个文件无法读取"_s);
    QCOMPARE(Scripted().messages.size(), size_t{1});
    const QString box = Scripted().messages.front();
    QVERIFY2(box.startsWith(u"完成！生成1个数据,追加到号码整理框\r\n\r\n1个文件无法读取，没有从中提取数据：\r\n"
                            u"无法转换文件\""_s + PathToQString(home / "broken.docx") + u"\"："_s),
             qPrintable(box));
  }

  void NothingToExtractFromDoesNothing() {
    TempHome home;
    auto w = home.OpenWindow();
    Paste(w, u"  \n "_s);
    Click(w, kExtractToFilesButton);
    QVERIFY(Scripted().messages.empty());
    QVERIFY(!Control<QPushButton>(w, kStopExtractionButton)->isEnabled());
  }

  void ControlsFollowTheirBoxes() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* tels = Control<QCheckBox>(w, kLandlineCheck);
    auto* areaCodeMode = Control<QComboBox>(w, kAreaCodeModeCombo);
    tels->click();
    QVERIFY(!areaCodeMode->isEnabled());
    tels->click();
    QVERIFY(areaCodeMode->isEnabled());
    areaCodeMode->setCurrentIndex(1);
    QVERIFY(!Control<QLineEdit>(w, kAreaCodeEdit)->isHidden());
    areaCodeMode->setCurrentIndex(2);
    QVERIFY(Control<QLineEdit>(w, kAreaCodeEdit)->isHidden());

    auto* reg = Control<QCheckBox>(w, kRegexCheck);
    auto* pattern = Control<QLineEdit>(w, kRegexEdit);
    reg->click();
    QVERIFY(pattern->isEnabled());
    QCOMPARE(pattern->text(), QString());
    pattern->setText(u"编号\\d+"_s);
    reg->click();
    QVERIFY(!pattern->isEnabled());
    QCOMPARE(pattern->text(), u"编号\\d+"_s);
  }

  void PatternAndFixedZoneRun() {
    TempHome home;
    auto w = home.OpenWindow();
    Control<QCheckBox>(w, kRegexCheck)->click();
    Control<QLineEdit>(w, kRegexEdit)->setText(u"编号\\d+"_s);
    Control<QComboBox>(w, kAreaCodeModeCombo)->setCurrentIndex(1);
    Control<QLineEdit>(w, kAreaCodeEdit)->setText(u" 021 "_s);
    Control<QCheckBox>(w, kEmailCheck)->setChecked(true);
    Paste(w, u"编号7 66667777 x@y.com 13812345678"_s);
    Click(w, kExtractToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"编号7"_s, u"02166667777"_s, u"13812345678"_s, u"x@y.com"_s}));
  }

  // Each entry of the area-code box gives its own prefix to a local number: the last code seen,
  // the code typed, none.
  void EveryAreaCodeEntryPrefixesItsWay() {
    TempHome home;
    telqor::test::WriteBytes(home / U8Path("基础数据") / U8Path("固话区号对照表.txt"),
                             telqor::Utf8ToGbk("深圳 0755\r\n"));
    auto w = home.OpenWindow();
    Control<QCheckBox>(w, kMobileCheck)->setChecked(false);
    Control<QLineEdit>(w, kAreaCodeEdit)->setText(u"021"_s);
    const QStringList expected{u"075523456789"_s, u"02123456789"_s, u"23456789"_s};
    Paste(w, u"0755 23456789"_s);
    for (int entry = 0; entry < 3; ++entry) {
      Control<QComboBox>(w, kAreaCodeModeCombo)->setCurrentIndex(entry);
      Click(w, kExtractToWorkspaceButton);  // appended after the runs before
      QCOMPARE(Rows(w, kWorkspaceList), expected.mid(0, entry + 1));
    }
  }

  void FileListImportsAndDeletes() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* name : {"in/b.txt", "in/a.txt", "in/sub.d/c.txt", "in/noext"}) telqor::test::Touch(home / name);
    telqor::Hooks().chooseFolder = [&](const fs::path&) { return home / "in"; };
    Click(w, kImportFolderButton);
    Click(w, kImportFolderButton);
    auto* files = Control<QListWidget>(w, kExtractionFileList);
    QStringList once{PathToQString(home / "in/a.txt"), PathToQString(home / "in/b.txt"), PathToQString(home / "in/sub.d"),
                     PathToQString(home / "in/sub.d/c.txt")};
    QStringList shown;
    for (int i = 0; i < files->count(); ++i) shown << files->item(i)->text();
    QCOMPARE(shown, once + once);

    // A double click deletes the focused item only, after the question.
    files->item(0)->setSelected(true);
    files->item(1)->setSelected(true);
    files->setCurrentRow(1, QItemSelectionModel::Select);
    Scripted().answer = true;
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
    QCOMPARE(Scripted().questions.back(), u"确定删除当前选择文件?"_s);
    QCOMPARE(files->count(), 7);
    QCOMPARE(files->item(0)->text(), once[0]);

    files->clearSelection();
    files->item(0)->setSelected(true);
    files->item(6)->setSelected(true);
    Click(w, kDeleteFilesButton);
    QCOMPARE(files->count(), 5);
    Click(w, kClearFilesButton);
    QCOMPARE(files->count(), 0);
  }

  void MenuConvertersRewriteAndClean() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::WriteBytes(home / "u.txt", telqor::Utf8ToGbk("中文\r\n"));
    telqor::Hooks().openFiles = [&] { return std::vector<fs::path>{home / "u.txt"}; };
    Trigger(w, kToUtf8Item);
    QCOMPARE(telqor::test::ReadBytes(home / "u.txt"), "\xEF\xBB\xBF" + std::string("中文\r\n"));
    QCOMPARE(Scripted().messages.back(), u"文件格式转换完成！"_s);

    telqor::test::WriteBytes(home / "Data.BIN", std::string("\0"
                                                            "1\x80\x81\xFF\r\n",
                                                            7));
    telqor::Hooks().openFiles = [&] { return std::vector<fs::path>{home / "Data.BIN"}; };
    Trigger(w, kCleanBytesItem);
    QCOMPARE(telqor::test::ReadBytes(home / "Data.BIN.txt"), std::string(" 1\x80  \r\n"));
    QCOMPARE(w->StatusText(), u" 转换完成！请在文档目录查看"_s);
  }
};

TELQOR_GUI_SUITE("extraction_panel", ExtractionPanelTest)

#include "extraction_panel_test.moc"
