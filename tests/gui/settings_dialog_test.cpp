// The settings dialog driven through "参数设置": what it shows, what OK stores, and that
// Cancel changes nothing.
#include "ui/settings/settings_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/program/data_folders.h"
#include "core/text/gbk.h"
#include "core/io/output_names.h"
#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/settings/settings_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::SettingsDialog;
using telqor::test::Control;
using telqor::test::TempHome;
using namespace telqor::names::settings;
namespace files = telqor::names::files;
namespace window = telqor::names::window;

namespace {

// Clicks 参数设置; while the modal dialog is up, edit() works on it and then the button named
// by ok (确定) or not (取消) closes it.
void RunDialog(telqor::MainWindow& w, const std::function<void(QDialog&)>& edit, bool ok) {
  bool shown = false;
  auto* d = w.findChild<QDialog*>(kSettingsDialog);
  QTimer::singleShot(0, &w, [&] {
    shown = d->isVisible() && d->isModal();
    edit(*d);
    QTest::mouseClick(Control<QPushButton>(d, ok ? kOkButton : kCancelButton), Qt::LeftButton);
  });
  // As the menu item does.
  Control<QAction>(&w, window::kSettingsItem)->trigger();
  QVERIFY(shown);
  QVERIFY(!d->isVisible());
}

QLineEdit* Field(QDialog& d, const QString& name) { return Control<QLineEdit>(&d, name); }
QComboBox* Mode(QDialog& d) { return Control<QComboBox>(&d, kModeCombo); }

std::string IniLine(const fs::path& ini, const std::string& key) {
  std::string bytes = telqor::test::ReadBytes(ini);
  size_t at = bytes.find("\r\n" + key + "=");
  if (at == std::string::npos) return "(missing)";
  size_t from = at + 2, to = bytes.find("\r\n", from);
  return bytes.substr(from, to - from);
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void ShowsMemoryWithFoldersInEffect() {
    TempHome home;
    telqor::test::WriteBytes(home / "Telqor.ini", "[SYSTEM]\r\nmobiletag=139\r\nMyUsedDataPath=" +
                                                      (home / "missing" / "").string() + "\r\n");
    auto w = home.OpenWindow();
    QString title, mobile, unicom, used, toUse;
    RunDialog(
        *w,
        [&](QDialog& d) {
          title = d.windowTitle();
          mobile = Field(d, kMobilePrefixesEdit)->text();
          unicom = Field(d, kUnicomPrefixesEdit)->text();
          used = Field(d, kUsedFolderEdit)->text();
          toUse = Field(d, kToUseFolderEdit)->text();
        },
        false);
    QCOMPARE(title, u"基本参数设置"_s);
    QCOMPARE(mobile, u"139"_s);
    QCOMPARE(unicom, QString());  // a missing key is empty, not the first-run value
    const fs::path my = home / telqor::test::U8Path("我的数据");
    QCOMPARE(used, telqor::test::PathToQString(my / telqor::test::U8Path("使用过文件") / ""));
    QCOMPARE(toUse, telqor::test::PathToQString(my / telqor::test::U8Path("待使用文件") / ""));
  }

  void CalModeFiveShowsB() {
    TempHome home;
    telqor::test::WriteBytes(home / "Telqor.ini", "[SYSTEM]\r\nCalMode=5\r\n");
    auto w = home.OpenWindow();
    QVERIFY(w->CurrentSettings().Comparison() == telqor::CompareMode::kByHash);
    QString shown;
    RunDialog(
        *w, [&](QDialog& d) { shown = Mode(d)->currentText(); }, false);
    QCOMPARE(shown, u"B"_s);
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), std::string("[SYSTEM]\r\nCalMode=5\r\n"));
  }

  void ChoosingBAndOkStoresOne() {
    TempHome home;
    auto w = home.OpenWindow();
    RunDialog(
        *w,
        [](QDialog& d) {
          Mode(d)->setCurrentIndex(1);
          Field(d, kTelecomPrefixesEdit)->setText(u"133;153"_s);
        },
        true);
    QCOMPARE(w->CurrentSettings().processingMode, 1);
    QCOMPARE(IniLine(home / "Telqor.ini", "CalMode"), std::string("CalMode=1"));
    QCOMPARE(IniLine(home / "Telqor.ini", "telecomtag"), std::string("telecomtag=133;153"));
  }

  // "当前号段" fills the three fields with today's table; like any edit it is kept only by 确定.
  // Filled on show or by the button, a prefix field shows the start of its list.
  void CurrentPrefixesFillTheFieldsUntilCancelled() {
    TempHome home;
    auto w = home.OpenWindow();
    const std::string before = IniLine(home / "Telqor.ini", "unicomtag");
    QString unicom;
    std::vector<int> cursors;
    auto noteCursors = [&](QDialog& d) {
      for (const QString& name : {kMobilePrefixesEdit, kUnicomPrefixesEdit, kTelecomPrefixesEdit})
        cursors.push_back(Field(d, name)->cursorPosition());
    };
    RunDialog(
        *w,
        [&](QDialog& d) {
          noteCursors(d);
          QTest::mouseClick(Control<QPushButton>(&d, kCurrentPrefixesButton), Qt::LeftButton);
          unicom = Field(d, kUnicomPrefixesEdit)->text();
          noteCursors(d);
        },
        false);
    QCOMPARE(cursors, std::vector<int>(6, 0));
    QVERIFY(unicom.endsWith(u";170;171;175;176;185;186;196;1447"_s));
    QCOMPARE(IniLine(home / "Telqor.ini", "unicomtag"), before);
    RunDialog(
        *w, [&](QDialog& d) { QTest::mouseClick(Control<QPushButton>(&d, kCurrentPrefixesButton), Qt::LeftButton); },
        true);
    QCOMPARE(IniLine(home / "Telqor.ini", "unicomtag"), "unicomtag=" + unicom.toStdString());
    QVERIFY(IniLine(home / "Telqor.ini", "telecomtag").ends_with(";1349;1700;1701;1702"));
    // 广电, the fourth carrier, empty until today's prefixes are taken.
    QCOMPARE(IniLine(home / "Telqor.ini", "broadnettag"), std::string("broadnettag=192"));
  }

  // "识别分组书写的手机号" shows the setting, on from the first start, and 确定 stores it.
  void MobileSeparatorsBoxShowsAndStoresTheSetting() {
    TempHome home;
    auto w = home.OpenWindow();
    QString caption;
    bool shown = false;
    RunDialog(
        *w,
        [&](QDialog& d) {
          auto* box = Control<QCheckBox>(&d, kMobileSeparatorsCheck);
          caption = box->text();
          shown = box->isChecked();
          box->click();
        },
        true);
    QCOMPARE(caption, u"识别分组书写的手机号(138 0013 8000)"_s);
    QVERIFY(shown);
    QCOMPARE(w->CurrentSettings().mobileSeparators, 0);
    QCOMPARE(IniLine(home / "Telqor.ini", "MobileSeparators"), std::string("MobileSeparators=0"));
    RunDialog(
        *w, [&](QDialog& d) { shown = Control<QCheckBox>(&d, kMobileSeparatorsCheck)->isChecked(); }, false);
    QVERIFY(!shown);
  }

  void CancelChangesNothing() {
    TempHome home;
    auto w = home.OpenWindow();
    const std::string before = telqor::test::ReadBytes(home / "Telqor.ini");
    RunDialog(
        *w,
        [](QDialog& d) {
          Mode(d)->setCurrentIndex(1);
          Field(d, kOutputFolderEdit)->setText(u"/elsewhere/"_s);
        },
        false);
    QCOMPARE(w->CurrentSettings().processingMode, 0);
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), before);
    // Showing the dialog again shows memory, not the abandoned edits.
    QString mode;
    RunDialog(
        *w, [&](QDialog& d) { mode = Mode(d)->currentText(); }, false);
    QCOMPARE(mode, u"A"_s);
  }

  void NewOutputFolderGetsItsDatedFolderAtOnce() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path out = home / telqor::test::U8Path("导出") / "";
    RunDialog(
        *w, [&](QDialog& d) { Field(d, kOutputFolderEdit)->setText(telqor::test::PathToQString(out)); }, true);
    QVERIFY(fs::is_directory(out / telqor::DateStamp()));
    QCOMPARE(w->Folders().otherData, out);
    QCOMPARE(w->Folders().datedOutput, out / telqor::DateStamp() / "");
    QCOMPARE(Control<QLineEdit>(w, files::kOutputFolderEdit)->text(), telqor::test::PathToQString(out));
    // Stored in GBK, as every setting (导出 is B5 BC B3 F6), relative to the program folder it is in.
    QCOMPARE(IniLine(home / "Telqor.ini", "MyOtherDataPath"), std::string("MyOtherDataPath=\xB5\xBC\xB3\xF6/"));
  }

  // A full disk while saving: Telqor.ini keeps every setting, and the status line says why.
  void AFailedSaveKeepsTheSettingsFile() {
    TempHome home;
    auto w = home.OpenWindow();
    const std::string before = telqor::test::ReadBytes(home / "Telqor.ini");
    telqor::test::GuiEnv().failWritesAfter = 20;
    RunDialog(
        *w, [](QDialog& d) { Mode(d)->setCurrentIndex(1); }, true);
    QCOMPARE(w->StatusText(),
             u" Cannot write file \"%1\". No space left on device"_s.arg(telqor::test::PathToQString(home / "Telqor.ini")));
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), before);
    QCOMPARE(telqor::test::FileNames(home.path()).size(), size_t{3});  // the two data folders and Telqor.ini
  }

  // An emptied folder field means the default folder, in effect at once and stored as such.
  void EmptiedOutputFolderIsTheDefaultAtOnce() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path out = home / "elsewhere" / "";
    RunDialog(
        *w, [&](QDialog& d) { Field(d, kOutputFolderEdit)->setText(telqor::test::PathToQString(out)); }, true);
    QCOMPARE(w->Folders().otherData, out);
    RunDialog(
        *w, [&](QDialog& d) { Field(d, kOutputFolderEdit)->clear(); }, true);
    const fs::path fallback = home / telqor::test::U8Path("我的数据") / telqor::test::U8Path("其它数据") / "";
    QCOMPARE(w->Folders().otherData, fallback);
    QCOMPARE(w->Folders().datedOutput, fallback / telqor::DateStamp() / "");
    QCOMPARE(Control<QLineEdit>(w, files::kOutputFolderEdit)->text(), telqor::test::PathToQString(fallback));
    QCOMPARE(IniLine(home / "Telqor.ini", "MyOtherDataPath"), "MyOtherDataPath=" + telqor::Utf8ToGbk("我的数据/其它数据/"));
    QString shown;
    RunDialog(
        *w, [&](QDialog& d) { shown = Field(d, kOutputFolderEdit)->text(); }, false);
    QCOMPARE(shown, telqor::test::PathToQString(fallback));
  }

  // A file typed as a folder is refused on 确定 with a box; the dialog stays open with every
  // field as typed, and takes them once the folder is put right.
  void AFileAsAFolderIsRefusedAndNothingTypedIsLost() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path file = home / "list.txt";
    telqor::test::WriteBytes(file, "13800000000\r\n");
    const fs::path out = home / "out" / "";
    bool stayed = false;
    QString modeAfter, mobileAfter, folderAfter;
    RunDialog(
        *w,
        [&](QDialog& d) {
          Mode(d)->setCurrentIndex(1);
          Field(d, kMobilePrefixesEdit)->setText(u"134;135"_s);
          Field(d, kOutputFolderEdit)->setText(telqor::test::PathToQString(file));
          QTest::mouseClick(Control<QPushButton>(&d, kOkButton), Qt::LeftButton);
          stayed = d.isVisible();
          modeAfter = Mode(d)->currentText();
          mobileAfter = Field(d, kMobilePrefixesEdit)->text();
          folderAfter = Field(d, kOutputFolderEdit)->text();
          Field(d, kOutputFolderEdit)->setText(telqor::test::PathToQString(out));
        },
        true);
    QVERIFY(stayed);
    QCOMPARE(
        telqor::test::Scripted().messages,
        std::vector<QString>{u"输出文件夹：“%1”是文件，不是文件夹。\n请指定一个文件夹，或留空使用默认文件夹。"_s.arg(
            telqor::test::PathToQString(file))});
    QCOMPARE(modeAfter, u"B"_s);
    QCOMPARE(mobileAfter, u"134;135"_s);
    QCOMPARE(folderAfter, telqor::test::PathToQString(file));
    QCOMPARE(w->CurrentSettings().processingMode, 1);
    QCOMPARE(w->CurrentSettings().mobilePrefixes, std::string("134;135"));
    QCOMPARE(w->Folders().otherData, out);
    QCOMPARE(telqor::test::ReadBytes(file), std::string("13800000000\r\n"));
  }

  void BrowseStartsAtFolderInEffectAndAddsSeparator() {
    TempHome home;
    auto w = home.OpenWindow();
    QString start;
    SettingsDialog::FolderPicker() = [&](QWidget*, const QString& from) {
      start = from;
      return u"/picked/folder"_s;
    };
    QString picked;
    RunDialog(
        *w,
        [&](QDialog& d) {
          Field(d, kToUseFolderEdit)->setText(u"/typed/"_s);
          QTest::mouseClick(Control<QPushButton>(&d, kToUseBrowseButton), Qt::LeftButton);
          picked = Field(d, kToUseFolderEdit)->text();
        },
        false);
    SettingsDialog::FolderPicker() = nullptr;
    QCOMPARE(start, telqor::test::PathToQString(w->Folders().toUse));
    QCOMPARE(picked, u"/picked/folder/"_s);
  }
};

TELQOR_GUI_SUITE("settings_dialog", SettingsDialogTest)

#include "settings_dialog_test.moc"
