// The number lists of the main window driven through their real buttons and menu items:
// loading, list operations, clipboard, kind filters, filter-out, the editors, generation and
// saving, with the status line and the files written.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <atomic>
#include <thread>

#include "core/program/data_folders.h"
#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/kit/save_count_dialog_names.h"
#include "ui/generate/generation_panel_names.h"
#include "ui/kit/background_work.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/user_action.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Click;
using telqor::test::Control;
using telqor::test::Rows;
using telqor::test::TempHome;
using telqor::test::Title;
using telqor::test::Trigger;
using namespace telqor::names::generation;
using namespace telqor::names::lists;
using namespace telqor::names::save_count;
using namespace telqor::names::window;
using namespace telqor::names::workspace;

namespace {

// The files the next open dialog answers with.
void WillChoose(std::vector<fs::path> files) {
  telqor::Hooks().openFiles = [files] { return files; };
}

void SelectRows(QTableView* view, std::initializer_list<int> rows) {
  view->selectionModel()->clearSelection();
  for (int r : rows)
    view->selectionModel()->select(view->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(folder)) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

class WorkspaceTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void LoadTwoFilesAppends() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::WriteBytes(home / "a.txt", "1\r\n2\r\n3\r\n");
    telqor::test::WriteBytes(home / "b.txt", "4\n\n5\n6");
    WillChoose({home / "a.txt", home / "b.txt"});
    Click(w, kImportDataButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, QString(), u"5"_s, u"6"_s}));
    QCOMPARE(Title(w, kWorkspaceGroup), u"号码整理框:7"_s);
    QCOMPARE(w->StatusText(), u" 导入文件号码完成！"_s);
    // Cancelling the dialog does nothing; a missing file stops with its error.
    WillChoose({});
    Click(w, kImportSourceFilesButton);
    QCOMPARE(Title(w, kSourceGroup), u"【原始号码】"_s);
    WillChoose({home / "a.txt", home / "gone.txt"});
    Click(w, kImportSourceFilesButton);
    QVERIFY(w->StatusText().startsWith(u" Cannot open file"_s));
    QCOMPARE(w->Lists().source.Items().Count(), 3);
    QVERIFY(!w->Lists().source.Suspended());
    // The view shows what the list holds after the failure.
    QCOMPARE(Rows(w, kSourceList), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(Title(w, kSourceGroup), u"【原始号码】:3"_s);
  }

  // While one operation runs, clicks that arrive are dropped and no other operation starts:
  // a 清空 clicked during a load neither empties the list nor disturbs the load.
  void AClickDuringAnOperationStartsNothing() {
    TempHome home;
    auto w = home.OpenWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    Control<QTabWidget>(w, kTabs)->setCurrentIndex(1);
    QCoreApplication::processEvents();
    telqor::test::WriteBytes(home / "a.txt", "1\r\n2\r\n");
    w->Lists().source.Items().Add("0");
    auto* clear = Control<QToolButton>(w, kClearSourceButton);
    QSignalSpy pressed(clear, &QAbstractButton::pressed);
    telqor::Hooks().openFiles = [&] {
      // A click from the window system, delivered while the load repaints the window...
      const QPointF at = QPointF(clear->rect().center());
      QCoreApplication::postEvent(clear, new QMouseEvent(QEvent::MouseButtonPress, at, clear->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
      QCoreApplication::postEvent(clear, new QMouseEvent(QEvent::MouseButtonRelease, at, clear->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
      // ...and one that reaches the handler directly.
      clear->click();
      return std::vector<fs::path>{home / "a.txt"};
    };
    Click(w, kImportSourceFilesButton);
    QCoreApplication::processEvents();
    QCOMPARE(pressed.count(), 1);  // the direct click's: the posted press never reached the button
    QCOMPARE(Rows(w, kSourceList), (QStringList{u"0"_s, u"1"_s, u"2"_s}));
    QCOMPARE(w->StatusText(), u" 导入文件号码完成！"_s);
    // Afterwards the button works again.
    Click(w, kClearSourceButton);
    QCOMPARE(w->Lists().source.Items().Count(), 0);
  }

  void SortShuffleDedupeInBothModes() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"3", "1", "3", ""}) w->Lists().workspace.Items().Add(s);
    Click(w, kDedupeButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"1"_s, u"3"_s}));
    QCOMPARE(w->StatusText(), u" 去重复完成！"_s);
    w->CurrentSettings().processingMode = 1;
    for (const char* s : {"3", "1", "3", ""}) w->Lists().source.Items().Add(s);
    Click(w, kDedupeSourceButton);
    QCOMPARE(Rows(w, kSourceList), (QStringList{u"3"_s, u"1"_s, QString()}));
    QCOMPARE(w->StatusText(), u" 去除重号完成！"_s);
    Click(w, kSortSourceButton);
    QCOMPARE(Rows(w, kSourceList), (QStringList{QString(), u"1"_s, u"3"_s}));
    Click(w, kShuffleSourceButton);
    QCOMPARE(w->StatusText(), u" 乱序完成！"_s);
    QCOMPARE(Rows(w, kSourceList).size(), 3);
    Click(w, kAllToTargetButton);  // 全部号码: source onto target
    QCOMPARE(w->Lists().target.Items().Count(), 3);
    QCOMPARE(Title(w, kTargetGroup), u"【目标号码】:3"_s);
    QCOMPARE(w->StatusText(), u" 全部号码移动完成。【原始号码】->【目标号码】"_s);
  }

  void PasteCopyAndDeleteThroughTheClipboard() {
    TempHome home;
    auto w = home.OpenWindow();
    QApplication::clipboard()->setText(u"a\n\n北京"_s);
    Trigger(w, kPasteItem);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"a"_s, QString(), u"北京"_s}));
    QCOMPARE(w->Lists().workspace.Items().View(2), "\xB1\xB1\xBE\xA9");  // held as GBK
    QCOMPARE(w->StatusText(), u" 从剪贴板拷贝数据号码完成！"_s);
    Trigger(w, kCopyAllItem);
    QCOMPARE(QApplication::clipboard()->text(), u"a\r\n\r\n北京\r\n"_s);
    for (const char* s : {"d", "e", "f"}) w->Lists().workspace.Items().Add(s);
    w->Lists().workspace.RefreshView();
    SelectRows(Control<QTableView>(w, kWorkspaceList), {2, 5});
    Trigger(w, kCopySelectedItem);
    QCOMPARE(QApplication::clipboard()->text(), u"f\r\n北京\r\n"_s);
    Trigger(w, kDeleteSelectedItem);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"a"_s, QString(), u"d"_s, u"e"_s}));
    QCOMPARE(w->StatusText(), u" 删除完成！"_s);
    // An empty clipboard pastes nothing and says nothing.
    QApplication::clipboard()->clear();
    w->ShowStatus(u"before"_s);
    Trigger(w, kPasteItem);
    QCOMPARE(w->StatusText(), u" before"_s);
    QCOMPARE(w->Lists().workspace.Items().Count(), 4);
    // A double click on the view empties it.
    QTest::mouseDClick(Control<QTableView>(w, kWorkspaceList)->viewport(), Qt::LeftButton);
    QCOMPARE(w->Lists().workspace.Items().Count(), 0);
    QCOMPARE(Title(w, kWorkspaceGroup), u"号码整理框:0"_s);
  }

  void KindFiltersAndFilterOut() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"13800138000", "0755-12345678", "hello", "1380013800"}) w->Lists().workspace.Items().Add(s);
    Trigger(w, kKeepMobileItem);
    QCOMPARE(Rows(w, kWorkspaceList), QStringList{u"13800138000"_s});
    QCOMPARE(w->StatusText(), u" 保留手机号码完成！"_s);
    Trigger(w, kKeepCustom2Item);  // custom II is empty on first run
    QCOMPARE(w->StatusText(), u" GbkRegex.Compile() - Please specify a regular expression in RegEx first"_s);
    QCOMPARE(w->Lists().workspace.Items().Count(), 1);

    for (const char* s : {"1", "2", "1", "3"}) w->Lists().source.Items().Add(s);
    telqor::test::WriteBytes(home / "used.txt", "1\r\n1\r\n");
    WillChoose({home / "used.txt"});
    Click(w, kFilterOutSourceButton);
    QCOMPARE(Rows(w, kSourceList), (QStringList{u"2"_s, u"3"_s}));
    QCOMPARE(w->StatusText(), u" 滤除号码完成！"_s);
  }

  // "号码规范化" of each list's other-operations menu rewrites that list's mobiles only.
  void NormalizeEachList() {
    TempHome home;
    auto w = home.OpenWindow();
    const QString menus[] = {kMoreMenu, kSourceMenu, kTargetMenu};
    const QString items[] = {kNormalizeItem, kNormalizeSourceItem, kNormalizeTargetItem};
    const QString views[] = {kWorkspaceList, kSourceList, kTargetList};
    telqor::NumberList* lists[] = {&w->Lists().workspace, &w->Lists().source, &w->Lists().target};
    for (int i = 0; i < 3; ++i) {
      auto* item = Control<QAction>(w, items[i]);
      QVERIFY(Control<QMenu>(w, menus[i])->actions().contains(item));
      QVERIFY(item->isEnabled());
      QCOMPARE(item->text(), u"号码规范化"_s);
      for (const char* s : {"+86 138 0013 8000", "010-12345678", "\xA3\xB1\xA3\xB2", "139.0013.9000"})
        lists[i]->Items().Add(s);
    }
    Trigger(w, kNormalizeSourceItem);
    QCOMPARE(Rows(w, kSourceList), (QStringList{u"13800138000"_s, u"010-12345678"_s, u"１２"_s, u"13900139000"_s}));
    QCOMPARE(Title(w, kSourceGroup), u"【原始号码】:4"_s);
    QCOMPARE(w->StatusText(), u" 号码规范化完成！2个号码已规范"_s);
    QCOMPARE(lists[0]->Items().View(0), "+86 138 0013 8000");  // the other lists are left alone
    QCOMPARE(lists[2]->Items().View(0), "+86 138 0013 8000");
    Trigger(w, kNormalizeItem);
    Trigger(w, kNormalizeTargetItem);
    for (const QString& view : views) QCOMPARE(Rows(w, view).first(), u"13800138000"_s);
    Trigger(w, kNormalizeItem);
    QCOMPARE(w->StatusText(), u" 号码规范化完成！0个号码已规范"_s);
  }

  void ReplacementAndAffixes() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"1380013", "010-1234567"}) w->Lists().workspace.Items().Add(s);
    Control<QComboBox>(w, kPatternCombo)->setEditText(u"(\\d{3})(\\d{4})$"_s);
    Control<QComboBox>(w, kReplacementCombo)->setEditText(u"$2中$1"_s);
    Click(w, kReplaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"0013中138"_s, u"010-4567中123"_s}));
    QCOMPARE(w->StatusText(), u" 数据替换完成！"_s);
    Control<QComboBox>(w, kLengthCombo)->setEditText(u"9"_s);  // bytes: 中 counts two
    Control<QLineEdit>(w, kPrefixEdit)->setText(u" 86 "_s);
    Control<QLineEdit>(w, kSuffixEdit)->setText(u"#"_s);
    Click(w, kAffixButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"860013中138#"_s, u"010-4567中123"_s}));
    QCOMPARE(w->StatusText(), u" 附加数据完成！"_s);
    Control<QComboBox>(w, kLengthCombo)->setEditText(u"x"_s);
    Click(w, kAffixButton);
    QCOMPARE(w->StatusText(), u" 'x' is not a valid integer value"_s);
    // The panel hides and shows again from the list's menu; a double click empties a field.
    w->show();
    QTest::mouseDClick(Control<QLineEdit>(w, kPrefixEdit), Qt::LeftButton);
    QVERIFY(Control<QLineEdit>(w, kPrefixEdit)->text().isEmpty());
    Trigger(w, kEditorsItem);
    QVERIFY(!Control<QFrame>(w, kEditorsPanel)->isVisible());
    Trigger(w, kEditorsItem);
    QVERIFY(Control<QFrame>(w, kEditorsPanel)->isVisible());
  }

  void GenerateToTheListAndToAFile() {
    TempHome home;
    auto w = home.OpenWindow();
    w->Lists().workspace.Items().Add("x");
    Control<QLineEdit>(w, kStartEdit)->setText(u"13800000000"_s);
    Control<QLineEdit>(w, kEndEdit)->setText(u"13800000003"_s);
    Click(w, kGenerateToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"x"_s, u"13800000001"_s, u"13800000002"_s, u"13800000003"_s}));
    QCOMPARE(w->StatusText(), u" 完成！生成3个数据,追加到号码整理框"_s);
    QCOMPARE(Title(w, kWorkspaceGroup), u"号码整理框:4"_s);

    Control<QComboBox>(w, kBaseCombo)->setEditText(u"13800000002"_s);
    Control<QComboBox>(w, kExtendCountCombo)->setEditText(u"3"_s);
    Click(w, kGenerateToFileButton);
    auto files = FilesIn(w->Folders().datedOutput);
    QCOMPARE(files.size(), size_t{1});
    QCOMPARE(files[0].filename(), fs::path("扩展号码20261207-090503-4.txt"));
    QCOMPARE(telqor::test::ReadBytes(files[0]),
             std::string("13800000001\r\n13800000002\r\n13800000003\r\n13800000004\r\n"));
    QCOMPARE(telqor::test::Scripted().messages.size(), size_t{1});
    QCOMPARE(telqor::test::GuiEnv().openedFolders.size(), size_t{1});

    Control<QLineEdit>(w, kStepEdit)->setText(u"0"_s);
    Click(w, kGenerateToWorkspaceButton);
    QCOMPARE(w->StatusText(), u" Division by zero"_s);
    QCOMPARE(w->Lists().workspace.Items().Count(), 4);
  }

  // The mode and direction boxes reach the expansion as their captions say.
  void ExpansionTakesItsModeAndDirection() {
    TempHome home;
    auto w = home.OpenWindow();
    Control<QComboBox>(w, kBaseCombo)->setEditText(u"100"_s);
    Control<QComboBox>(w, kExtendCountCombo)->setEditText(u"4"_s);
    auto* direction = Control<QComboBox>(w, kExtendDirectionCombo);
    direction->setCurrentText(u"向后"_s);
    Click(w, kGenerateToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"96"_s, u"97"_s, u"98"_s, u"99"_s}));
    w->Lists().workspace.Items().Clear();
    direction->setCurrentText(u"双向"_s);
    Click(w, kGenerateToWorkspaceButton);
    QCOMPARE(Rows(w, kWorkspaceList), (QStringList{u"100"_s, u"101"_s, u"98"_s, u"99"_s}));  // sorted as text
    w->Lists().workspace.Items().Clear();
    direction->setCurrentText(u"向前"_s);
    Control<QComboBox>(w, kExtendModeCombo)->setCurrentText(u"1/5"_s);
    Click(w, kGenerateToWorkspaceButton);
    const QStringList rows = Rows(w, kWorkspaceList);
    QCOMPARE(rows.size(), 4);
    for (int i = 0; i < 4; ++i) {  // one number of each block of five from 100 on
      QVERIFY(rows[i].toInt() >= 100 + 5 * i);
      QVERIFY(rows[i].toInt() < 105 + 5 * i);
    }
  }

  // Typed text stays as typed: "10" is not completed to "1000" from the items, and Return adds
  // nothing to the drop-down.
  void EditableCombosKeepWhatIsTyped() {
    TempHome home;
    auto w = home.OpenWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* count = Control<QComboBox>(w, kExtendCountCombo);
    count->lineEdit()->selectAll();
    QTest::keyClicks(count->lineEdit(), u"10"_s);
    QCOMPARE(count->currentText(), u"10"_s);
    QTest::keyClick(count->lineEdit(), Qt::Key_Return);
    QCOMPARE(count->count(), 4);
    Control<QComboBox>(w, kBaseCombo)->setEditText(u"13800000000"_s);
    Click(w, kGenerateToWorkspaceButton);
    QCOMPARE(w->Lists().workspace.Items().Count(), 10);
    auto* pattern = Control<QComboBox>(w, kPatternCombo);
    QTest::keyClicks(pattern->lineEdit(), u"abc"_s);
    QTest::keyClick(pattern->lineEdit(), Qt::Key_Return);
    QCOMPARE(pattern->count(), 2);
    for (const QString& name : {kPatternCombo, kReplacementCombo, kLengthCombo, kBaseCombo, kExtendCountCombo})
      QVERIFY2(!Control<QComboBox>(w, name)->completer(), qPrintable(name));
  }

  // Copy and paste keep bytes that start no GBK character.
  void ClipboardKeepsEveryByte() {
    TempHome home;
    auto w = home.OpenWindow();
    const std::string odd("13800\xFF\x80x", 8);
    w->Lists().workspace.Items().Add(odd);
    Trigger(w, kCopyAllItem);
    Trigger(w, kClearItem);
    Trigger(w, kPasteItem);
    QCOMPARE(w->Lists().workspace.Items().Count(), 1);
    QCOMPARE(std::string(w->Lists().workspace.Items().View(0)), odd);
  }

  void BatchAndWholeSaves() {
    TempHome home;
    auto w = home.OpenWindow();
    for (int i = 0; i < 5; ++i) w->Lists().source.Items().Add(std::to_string(i));
    telqor::Hooks().execDialog = [](QDialog* dialog) {
      Control<QLineEdit>(dialog, kCountEdit)->setText(u"2"_s);
      return int(QDialog::Accepted);
    };
    QCOMPARE(Control<QLineEdit>(telqor::test::Dialog(w, kSaveCountDialog), kCountEdit)->text(), u"1000"_s);
    Click(w, kBatchExportButton);
    auto files = FilesIn(w->Folders().datedOutput);
    QCOMPARE(files.size(), size_t{3});
    QCOMPARE(files[0].filename(), fs::path("20261207-090503-1-0003.txt"));  // "-1-" sorts before "-2-"
    QCOMPARE(telqor::test::ReadBytes(files[0]), std::string("4\r\n"));
    QCOMPARE(telqor::test::ReadBytes(files[1]), std::string("0\r\n1\r\n"));
    const QString said =
        u"保存完成！共3个文件，5个号码，保存在 "_s + telqor::test::PathToQString(w->Folders().datedOutput / "");
    QCOMPARE(w->StatusText(), u" "_s + said);
    QCOMPARE(telqor::test::Scripted().messages.back(), said);

    // The target list, whole; the workspace list's save does nothing while it is empty.
    w->Lists().target.Items().Add("9");
    Control<QRadioButton>(w, kExportTargetRadio)->setChecked(true);
    Trigger(w, kExportAllItem);
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
    Trigger(w, kSaveAllItem);
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
    // A count that is no number writes nothing.
    telqor::Hooks().execDialog = [](QDialog* dialog) {
      Control<QLineEdit>(dialog, kCountEdit)->setText(u"many"_s);
      return int(QDialog::Accepted);
    };
    Click(w, kBatchExportButton);
    QCOMPARE(w->StatusText(), u" 'many' is not a valid integer value"_s);
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
  }

  // A long operation runs on a thread of its own: the window's events go on meanwhile (here a
  // timer the work waits for), the list's view reads nothing until the work has ended, and the
  // work's refresh, questions and status reach the window on its own thread.
  void ListWorkRunsWhileTheWindowGoesOn() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::NumberList& list = w->Lists().workspace;
    QAbstractItemModel* model = Control<QTableView>(w, kWorkspaceList)->model();
    std::atomic<bool> windowRan{false};
    QTimer::singleShot(0, [&] { windowRan = true; });
    telqor::test::Scripted().answer = true;
    bool heldDuringWork = false;
    telqor::RunInBackground(w->AppUi(), {&list}, [&](telqor::Ui& ui) {
      while (!windowRan) std::this_thread::yield();
      list.Items().Add("13800138000");
      list.RefreshView();
      telqor::RunOnUiThread([&] { heldDuringWork = model->rowCount() == 1 && !model->index(0, 0).data().isValid(); });
      if (ui.AskYesNo("继续?")) ui.ShowStatus("完成！");
    });
    QVERIFY(heldDuringWork);
    QCOMPARE(model->index(0, 0).data().toString(), u"13800138000"_s);
    QCOMPARE(Title(w, kWorkspaceGroup), u"号码整理框:1"_s);
    QCOMPARE(telqor::test::Scripted().questions, (std::vector<QString>{u"继续?"_s}));
    QCOMPARE(w->StatusText(), u" 完成！"_s);
    QVERIFY(!telqor::BackgroundWorkRunning());
  }

  // "停止" shows only while a work that may stop runs, and asks that work to stop; an error of
  // the work reaches the status line as any other.
  void StopAndErrorsOfBackgroundWork() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* stop = Control<QPushButton>(w, kStopWorkButton);
    QVERIFY(stop->isHidden());
    bool stopShown = false;
    telqor::RunInBackground(
        w->AppUi(), {},
        [&](telqor::Ui& ui) {
          telqor::RunOnUiThread([&] {
            stopShown = !stop->isHidden();
            QTest::mouseClick(stop, Qt::LeftButton);
          });
          while (!ui.Cancelled()) std::this_thread::yield();
        },
        telqor::Stoppable::kYes);
    QVERIFY(stopShown);
    QVERIFY(stop->isHidden());
    telqor::RunInBackground(w->AppUi(), {}, [&](telqor::Ui&) {
      // A work that cannot stop is waited for.
      telqor::RunOnUiThread([&] { stopShown = telqor::RequestBackgroundStop(); });
    });
    QVERIFY(!stopShown);
    telqor::RunUserAction(
        [&] { telqor::RunInBackground(w->AppUi(), {}, [](telqor::Ui&) { throw std::runtime_error("坏了"); }); });
    QCOMPARE(w->StatusText(), u" 坏了"_s);
  }

  void ViewsAnswerNothingWhileAListChanges() {
    TempHome home;
    auto w = home.OpenWindow();
    for (int i = 0; i < 3; ++i) w->Lists().workspace.Items().Add(std::to_string(i));
    w->Lists().workspace.RefreshView();
    w->Lists().workspace.SetSuspended(true);
    QVERIFY(!Control<QTableView>(w, kWorkspaceList)->model()->index(0, 0).data().isValid());
    w->Lists().workspace.SetSuspended(false);
    QCOMPARE(Control<QTableView>(w, kWorkspaceList)->model()->index(0, 0).data().toString(), u"0"_s);
  }
};

TELQOR_GUI_SUITE("workspace", WorkspaceTest)

#include "workspace_test.moc"
