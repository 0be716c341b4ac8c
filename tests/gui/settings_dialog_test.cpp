// The settings dialog driven through "参数设置": what it shows, what OK stores, and that
// Cancel changes nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/data_folders.h"
#include "app/frm_hm_setting.h"
#include "tests/gui/gui_test_support.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::Tfrmhmsetting;
using telqor::test::TempHome;

namespace {

// Runs N33Click; while the modal dialog is up, edit() works on it and then the button named
// by ok (确定) or not (取消) closes it.
void RunDialog(telqor::TfrmhmEx& w, const std::function<void(Tfrmhmsetting&)>& edit, bool ok) {
  bool shown = false;
  QTimer::singleShot(0, &w, [&] {
    Tfrmhmsetting& d = *w.frmhmsetting;
    shown = d.isVisible() && d.isModal();
    edit(d);
    QTest::mouseClick(ok ? d.BitBtn1 : d.BitBtn2, Qt::LeftButton);
  });
  w.N33Click();
  QVERIFY(shown);
  QVERIFY(!w.frmhmsetting->isVisible());
}

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
        [&](Tfrmhmsetting& d) {
          title = d.windowTitle();
          mobile = d.EditMobile->text();
          unicom = d.EditUnicom->text();
          used = d.EditD2->text();
          toUse = d.EditD1->text();
        },
        false);
    QCOMPARE(title, u"基本参数设置"_s);
    QCOMPARE(mobile, u"139"_s);
    QCOMPARE(unicom, QString());  // a missing key is empty, not the first-run value
    const fs::path my = home / telqor::test::U8Path("我的数据");
    QCOMPARE(used, telqor::test::PathText(my / telqor::test::U8Path("使用过文件") / ""));
    QCOMPARE(toUse, telqor::test::PathText(my / telqor::test::U8Path("待使用文件") / ""));
  }

  void CalModeFiveShowsB() {
    TempHome home;
    telqor::test::WriteBytes(home / "Telqor.ini", "[SYSTEM]\r\nCalMode=5\r\n");
    auto w = home.OpenWindow();
    QVERIFY(w->CurrentSettings().ModeB());
    QString shown;
    RunDialog(
        *w, [&](Tfrmhmsetting& d) { shown = d.CBCalMode->currentText(); }, false);
    QCOMPARE(shown, u"B"_s);
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), std::string("[SYSTEM]\r\nCalMode=5\r\n"));
  }

  void ChoosingBAndOkStoresOne() {
    TempHome home;
    auto w = home.OpenWindow();
    RunDialog(
        *w,
        [](Tfrmhmsetting& d) {
          d.CBCalMode->setCurrentIndex(1);
          d.EditTelecom->setText(u"133;153"_s);
        },
        true);
    QCOMPARE(w->CurrentSettings().CalMode, 1);
    QCOMPARE(IniLine(home / "Telqor.ini", "CalMode"), std::string("CalMode=1"));
    QCOMPARE(IniLine(home / "Telqor.ini", "telecomtag"), std::string("telecomtag=133;153"));
  }

  void CancelChangesNothing() {
    TempHome home;
    auto w = home.OpenWindow();
    const std::string before = telqor::test::ReadBytes(home / "Telqor.ini");
    RunDialog(
        *w,
        [](Tfrmhmsetting& d) {
          d.CBCalMode->setCurrentIndex(1);
          d.EditD3->setText(u"/elsewhere/"_s);
        },
        false);
    QCOMPARE(w->CurrentSettings().CalMode, 0);
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), before);
    // Showing the dialog again shows memory, not the abandoned edits.
    QString mode;
    RunDialog(
        *w, [&](Tfrmhmsetting& d) { mode = d.CBCalMode->currentText(); }, false);
    QCOMPARE(mode, u"A"_s);
  }

  void NewOutputFolderGetsItsDatedFolderAtOnce() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path out = home / telqor::test::U8Path("导出") / "";
    RunDialog(
        *w, [&](Tfrmhmsetting& d) { d.EditD3->setText(telqor::test::PathText(out)); }, true);
    QVERIFY(fs::is_directory(out / telqor::DateStamp()));
    QCOMPARE(w->Folders().otherData, out);
    QCOMPARE(w->Folders().datedOutput, out / telqor::DateStamp() / "");
    QCOMPARE(w->EditURL->text(), telqor::test::PathText(out));
    // Stored in GBK, as every setting: 导出 is B5 BC B3 F6.
    QCOMPARE(IniLine(home / "Telqor.ini", "MyOtherDataPath"),
             "MyOtherDataPath=" + home.path().string() + "\xB5\xBC\xB3\xF6/");
  }

  void BrowseStartsAtFolderInEffectAndAddsSeparator() {
    TempHome home;
    auto w = home.OpenWindow();
    QString start;
    Tfrmhmsetting::FolderPicker() = [&](QWidget*, const QString& from) {
      start = from;
      return u"/picked/folder"_s;
    };
    QString picked;
    RunDialog(
        *w,
        [&](Tfrmhmsetting& d) {
          d.EditD1->setText(u"/typed/"_s);
          QTest::mouseClick(d.SpeedButton1, Qt::LeftButton);
          picked = d.EditD1->text();
        },
        false);
    Tfrmhmsetting::FolderPicker() = nullptr;
    QCOMPARE(start, telqor::test::PathText(w->Folders().toUse));
    QCOMPARE(picked, u"/picked/folder/"_s);
  }
};

int RunSettingsDialogTests(int argc, char** argv) {
  SettingsDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "settings_dialog_test.moc"
