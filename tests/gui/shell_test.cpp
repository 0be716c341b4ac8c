// The main window as a whole: first start, fall-back folders, menu, dialogs, status line and
// the error hook.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/io/output_names.h"
#include "core/program/ui.h"
#include "shell/main_window_names.h"
#include "shell/telqor_application.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/first_run_ini.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/kit/qt_env.h"
#include "ui/kit/user_action.h"
#include "ui/segments/region_lookup_dialog_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::TempHome;
using namespace telqor::names::files;
using namespace telqor::names::region_lookup;
using namespace telqor::names::window;
using namespace telqor::names::workspace;

namespace {

using telqor::test::kFirstRunIni;

QStringList Layout(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? u"-"_s : a->objectName() + u'=' + a->text());
  return out;
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void FirstStartCreatesTreeAndSettingsFile() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path my = home / telqor::test::U8Path("我的数据");
    for (const fs::path& folder :
         {home / telqor::test::U8Path("基础数据"), my, my / telqor::test::U8Path("临时数据"),
          my / telqor::test::U8Path("使用过文件"), my / telqor::test::U8Path("待使用文件"),
          my / telqor::test::U8Path("其它数据"), my / telqor::test::U8Path("其它数据") / telqor::DateStamp()})
      QVERIFY2(fs::is_directory(folder), folder.c_str());
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), std::string(kFirstRunIni));

    QCOMPARE(w->windowTitle(), u"Telqor 1.1"_s);
    QCOMPARE(w->StatusText(), u"  程序启动"_s);
    auto* tabs = Control<QTabWidget>(w, kTabs);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabPosition(), QTabWidget::South);
    QCOMPARE(tabs->tabText(0), u"号码生成㈠"_s);
    QCOMPARE(tabs->tabText(2), u"文件管理"_s);
    // Every tab fits a 1024×768 screen without squeezing its controls.
    QVERIFY2(w->minimumSizeHint().width() <= 1024 && w->minimumSizeHint().height() <= 768,
             qPrintable(u"%1×%2"_s.arg(w->minimumSizeHint().width()).arg(w->minimumSizeHint().height())));
    // The output row shows the output folder, editable while "固定文件目录" is chosen.
    auto* url = Control<QLineEdit>(w, kOutputFolderEdit);
    QVERIFY(Control<QRadioButton>(w, kFixedFolderRadio)->isChecked());
    QVERIFY(url->isEnabled());
    QCOMPARE(url->text(), telqor::test::PathToQString(my / telqor::test::U8Path("其它数据") / ""));
    telqor::test::Click(w, kBesideFilesRadio);
    QVERIFY(!url->isEnabled());
    telqor::test::Click(w, kFixedFolderRadio);
    QVERIFY(url->isEnabled());
  }

  // A new user gets the shipped data on the first Yes: lookups answer, exports split by city,
  // and the question is not asked again once the files are there.
  void FirstStartOffersTheDefaultData() {
    TempHome home;
    telqor::test::Scripted().answer = true;
    auto w = std::make_unique<telqor::test::RecordingWindow>(home.path());
    QCOMPARE(telqor::test::Scripted().questions.size(), size_t{1});
    QVERIFY(telqor::test::Scripted().questions[0].startsWith(
        u"基础数据缺少 地区.txt、手机号段.txt、固话区号对照表.txt。"_s));
    QVERIFY(telqor::test::Scripted().questions[0].contains(u"运营商号段"_s));
    QVERIFY(w->StatusText().contains(u"已写入默认数据"_s));
    QVERIFY(w->CurrentSettings().mobilePrefixes.find("198") != std::string::npos);

    auto* lookup = w->findChild<QDialog*>(kRegionLookupDialog);
    Control<QComboBox>(lookup, kNumberCombo)->setEditText(u"19912345678"_s);
    Control<QAbstractButton>(lookup, kLookUpButton)->click();
    QCOMPARE(Control<QPlainTextEdit>(lookup, kLogEdit)->toPlainText(), u"19912345678:河北.唐山 电信"_s);

    telqor::test::Fill(w->Lists().workspace.Items(), {"13800001111", "13000002222", "16612345678"});
    telqor::test::Trigger(w, kSaveByRegionItem);
    const fs::path dated = w->Folders().datedOutput;
    QVERIFY(fs::exists(dated / telqor::test::U8Path("北京.北京.1.txt")));
    QVERIFY(fs::exists(dated / telqor::test::U8Path("山东.济南.1.txt")));
    w.reset();

    telqor::test::ResetHooks();
    w = std::make_unique<telqor::test::RecordingWindow>(home.path());
    QVERIFY(telqor::test::Scripted().questions.empty());
  }

  void MissingFolderSettingFallsBackForTheRun() {
    TempHome home;
    const std::string ini = "[SYSTEM]\r\nMyOtherDataPath=" + (home / "gone" / "").string() + "\r\nCalMode=0\r\n";
    telqor::test::WriteBytes(home / "Telqor.ini", ini);
    auto w = home.OpenWindow();
    const fs::path fallback = home / telqor::test::U8Path("我的数据") / telqor::test::U8Path("其它数据") / "";
    QCOMPARE(w->Folders().otherData, fallback);
    QVERIFY(fs::is_directory(fallback / telqor::DateStamp()));
    QVERIFY(!fs::exists(home / "gone"));
    QCOMPARE(Control<QLineEdit>(w, kOutputFolderEdit)->text(), telqor::test::PathToQString(fallback));
    // The file is left alone until the settings are next saved.
    QCOMPARE(telqor::test::ReadBytes(home / "Telqor.ini"), ini);
  }

  void NamedPatternFilesAreListedAtStart() {
    TempHome home;
    const fs::path regex = home / telqor::test::U8Path("基础数据") / "Regex";
    telqor::test::Touch(regex / "b.txt");
    telqor::test::Touch(regex / "a.ini");
    telqor::test::Touch(regex / "noext");
    auto w = home.OpenWindow();
    QCOMPARE(w->NamedPatternFiles(), (std::vector<fs::path>{"a.ini", "b.txt"}));
  }

  void MenuItemsInOrderWithSeparators() {
    TempHome home;
    auto w = home.OpenWindow();
    QStringList titles;
    auto* bar = Control<QMenuBar>(w, kMenuBar);
    for (QAction* a : bar->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{u"系统"_s, u"设置"_s, u"工具"_s, u"帮助"_s}));
    auto menu = [&](int i) { return bar->actions().at(i)->menu(); };
    QCOMPARE(Layout(menu(0)), QStringList{u"N2=退出"_s});
    QCOMPARE(Layout(menu(1)), QStringList{u"N33=参数设置"_s});
    QCOMPARE(Layout(menu(2)),
             (QStringList{u"N65=手机号码地区速查"_s, u"N68=手机号码格式有效性检查"_s, u"N69=数据输出格式转换"_s,
                          u"N76=固定格式数据分析"_s, u"-"_s, u"N70=固话区号对照表"_s, u"-"_s,
                          u"wordexceltxt1=word/excel->txt"_s, u"Ansi1=文本->ANSI文本"_s, u"Ansi2=文本->UTF8文本"_s,
                          u"Ansi3=文本->Unicode文本"_s, u"N41=二進制数据流预处理-(0~128)"_s, u"-"_s,
                          u"N28=文件批量改名"_s, u"-"_s, u"N62=我的数据目录"_s, u"N34=系统目录"_s}));
    QCOMPARE(Layout(menu(3)), (QStringList{u"NHelpGuide=使用说明"_s, u"NHelpAbout=关于 Telqor"_s}));
    for (int i : {2, 3})
      for (QAction* item : menu(i)->actions()) QVERIFY(item->isSeparator() || item->isEnabled());
    // The pop-up menus of the two managed folders.
    QCOMPARE(Layout(Control<QMenu>(w, kToUseMenu)),
             (QStringList{u"N15=刷新"_s, u"-"_s, u"N8=文件全选"_s, u"N10=文件全不选"_s, u"-"_s, u"N12=选择文件->合并"_s,
                          u"N13=选择文件->删除"_s, u"N7=选择文件->去重复"_s, u"N35=选择文件->乱序"_s,
                          u"N37=选择文件->分割行数"_s, u"-"_s, u"N6=跟已经使用文件比较生成新文件"_s,
                          u"N17=选择文件设定为已经使用过文件"_s, u"-"_s, u"N9=打开目录"_s}));
    QCOMPARE(Layout(Control<QMenu>(w, kUsedMenu)),
             (QStringList{u"MenuItem1=刷新"_s, u"-"_s, u"MenuItem3=文件全选"_s, u"MenuItem4=文件全不选"_s, u"-"_s,
                          u"MenuItem6=选择文件->合并"_s, u"MenuItem7=选择文件->删除"_s, u"MenuItem8=选择文件->去重复"_s,
                          u"N36=选择文件->乱序"_s, u"N38=选择文件->分割行数"_s, u"-"_s, u"MenuItem11=打开目录"_s}));
  }

  void DialogsAreCreatedOnceInOrder() {
    TempHome home;
    auto w = home.OpenWindow();
    QStringList titles;
    for (QDialog* d : w->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) titles << d->windowTitle();
    QCOMPARE(titles, (QStringList{u"基本参数设置"_s, u"导入号段"_s, u"输入号段(一行一个,手机号段一般前7位)"_s,
                                  u"号码保存参数"_s, u"号码类型选择"_s, u"组合特征参数设置"_s, u"手机号码地区速查"_s,
                                  u"手机号码格式有效性检查-根据现有号段数据库"_s, u"数据输出格式转换"_s,
                                  u"固话区号参考"_s, u"文件批量改名"_s, u"数据分析"_s}));
    // The tool dialogs open modeless and stay the same objects.
    QDialog* search = telqor::test::Dialog(w, kRegionLookupDialog);
    telqor::test::Trigger(w, kRegionLookupItem);
    QVERIFY(search->isVisible());
    QVERIFY(!search->isModal());
    QVERIFY(w->isEnabled());
    telqor::test::Trigger(w, kRegionLookupItem);
    QCOMPARE(w->findChildren<QDialog*>(kRegionLookupDialog).size(), 1);
  }

  void FolderItemsOpenTheFileBrowser() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::Trigger(w, kMyDataFolderItem);
    telqor::test::Trigger(w, kProgramFolderItem);
    QCOMPARE(telqor::test::GuiEnv().openedFolders,
             (std::vector<fs::path>{home / telqor::test::U8Path("我的数据") / "", home.path()}));
    // A folder that cannot be shown says why.
    telqor::test::GuiEnv().browserStarts = false;
    telqor::test::Trigger(w, kMyDataFolderItem);
    QCOMPARE(w->StatusText(), u" 无法打开文件夹\"%1\": 无法启动资源管理器"_s.arg(
                                  telqor::test::PathToQString(home / telqor::test::U8Path("我的数据") / "")));
  }

  // xdg-open often fails only after it started (no file manager set up): its exit status
  // still reaches the status line.
  void AFolderBrowserThatFailsLaterIsReported() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path bin = home / "bin";
    telqor::test::WriteBytes(bin / "xdg-open", "#!/bin/sh\nexit 3\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray(bin.c_str()) + ':' + path);
    telqor::QtEnv env(telqor::Env::Default());
    const fs::path folder = home / telqor::test::U8Path("我的数据") / "";
    QCOMPARE(env.OpenFolder(folder), std::string());
    QTRY_VERIFY(w->StatusText().startsWith(u" 无法打开文件夹"_s));
    QCOMPARE(w->StatusText(),
             u" 无法打开文件夹\"%1\": 系统没有设置用来显示文件夹的程序(xdg-open没有找到可用的文件管理器)"_s.arg(
                 telqor::test::PathToQString(folder)));
    QCOMPARE(env.OpenFolder(home / "gone"), std::string("文件夹不存在"));
    qputenv("PATH", QByteArray(home.path().c_str()));
    QCOMPARE(env.OpenFolder(folder), std::string("没有安装xdg-open(软件包xdg-utils)"));
    qputenv("PATH", path);
  }

  void ShowStatusPrefixesOneSpace() {
    TempHome home;
    auto w = home.OpenWindow();
    w->ShowStatus(u"排序完成！"_s);
    QCOMPARE(w->StatusText(), u" 排序完成！"_s);
    QCOMPARE(Control<QLabel>(w, kClockPanel)->width(), 120);
  }

  // A text from another thread never waits for the user-interface thread, which may itself be
  // waiting for that thread to end: it is shown at the next turn of the event loop.
  void StatusFromAnotherThreadNeverWaits() {
    TempHome home;
    auto w = home.OpenWindow();
    std::thread worker([&] { w->ShowStatusFromThread("已经处理了500/2000"); });
    worker.join();  // would never return if the call waited for this thread
    QTRY_COMPARE(w->StatusText(), u" 已经处理了500/2000"_s);
  }

  // The bar of the status bar goes when the job that showed it has ended, also when its loop
  // stopped short of the total (or by an error), and not before.
  void ProgressBarGoesWhenTheJobEnds() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* bar = Control<QProgressBar>(w, kProgressBar);
    bool shownDuringTheJob = false;
    telqor::RunUserAction([&] {
      w->AppUi().Progress(199, 200);
      QTest::qWait(120);  // the window repaints meanwhile
      shownDuringTheJob = !bar->isHidden() && bar->value() == 995;
    });
    QVERIFY(shownDuringTheJob);
    QTRY_VERIFY(bar->isHidden());
    QCOMPARE(bar->value(), bar->minimum() - 1);  // reset: a later job starts from nothing
  }

  void ClockTicksIntoItsPanel() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* clock = Control<QLabel>(w, kClockPanel);
    auto* timer = Control<QTimer>(w, kTimer);
    clock->clear();
    telqor::test::Tick(w);
    QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_s).match(clock->text()).hasMatch());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
  }

  void ExceptionInHandlerReachesStatusLine() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* failing = new QPushButton(u"x"_s, w->centralWidget());
    int clicks = 0;
    connect(failing, &QPushButton::clicked, w.get(), telqor::Guarded([&clicks] {
              ++clicks;
              throw telqor::ConvertError("'12a' is not a valid integer value");
            }));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseClick(failing, Qt::LeftButton);
    QCOMPARE(w->StatusText(), u" '12a' is not a valid integer value"_s);
    // The program goes on: the same button and the menu still work.
    QTest::mouseClick(failing, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    telqor::test::Trigger(w, kRegionLookupItem);
    QVERIFY(telqor::test::Dialog(w, kRegionLookupDialog)->isVisible());
  }

  void ExceptionLeavingAnEventHandlerIsCaughtByTheApplication() {
    TempHome home;
    auto w = home.OpenWindow();
    struct Throwing : QObject {
      bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw telqor::FileError("Cannot create file \"a.txt\". Permission denied");
        return QObject::event(e);
      }
    } throwing;
    QEvent sent(QEvent::User);
    QCoreApplication::sendEvent(&throwing, &sent);
    QCOMPARE(w->StatusText(), u" Cannot create file \"a.txt\". Permission denied"_s);
    w->ShowStatus(u"ok"_s);
    QCoreApplication::postEvent(&throwing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(w->StatusText(), u" Cannot create file \"a.txt\". Permission denied"_s);
  }

  // Qt's own dialogs and buttons speak the program's language; its own texts stay as they are.
  void QtsOwnTextsAreChinese() {
    QVERIFY2(telqor::LoadQtTranslations(*qApp), "qt6-translations-l10n is not installed");
    QMessageBox box(QMessageBox::Question, u"提示"_s, u"确定文件数据导入吗?"_s, QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(box.button(QMessageBox::Yes)->text().contains(u"是"_s), qPrintable(box.button(QMessageBox::Yes)->text()));
    QVERIFY(box.button(QMessageBox::No)->text().contains(u"否"_s));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), u"打开"_s);
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel").contains(u"取消"_s));
  }

  void ExitClosesTheWindow() {
    TempHome home;
    auto w = home.OpenWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    telqor::test::Trigger(w, kExitItem);
    QVERIFY(!w->isVisible());
  }
};

TELQOR_GUI_SUITE("shell", ShellTest)

#include "shell_test.moc"
