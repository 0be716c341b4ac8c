// File drops: the dropped-file list, delivery to each target, the question, and the pending
// action that the next timer tick performs.
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "core/program/dropped_files.h"
#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/extract/extraction_panel_names.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/kit/drop_site.h"
#include "ui/segments/validity_dialog_names.h"
#include "ui/tools/analysis_dialog_names.h"
#include "ui/tools/format_dialog_names.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::PathToQString;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::Touch;
using telqor::test::U8Path;
using namespace telqor::names::extraction;
using namespace telqor::names::files;
using namespace telqor::names::lists;
using namespace telqor::names::window;
using namespace telqor::names::workspace;
namespace analysis = telqor::names::analysis;
namespace format = telqor::names::format;
namespace validity = telqor::names::validity;

namespace {

QStringList Items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

}  // namespace

class DropTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void ListIsSortedIgnoringCaseAndKeepsEachPathOnce() {
    telqor::DroppedFileList list;
    list.Add({"/d/b.txt", "/d/C.txt", "/d/a.txt"});
    list.Add({"/d/A.TXT", "/d/c.txt", "/d/B0.txt"});
    QCOMPARE(list.Paths(), (std::vector<fs::path>{"/d/a.txt", "/d/b.txt", "/d/B0.txt", "/d/C.txt"}));
    // Chinese names in the order of their GBK text (啊 B0A1 before 中 D6D0), as on a Chinese system.
    list.Clear();
    list.Add({U8Path("/d/中.txt"), U8Path("/d/啊.txt")});
    QCOMPARE(list.Paths(), (std::vector<fs::path>{U8Path("/d/啊.txt"), U8Path("/d/中.txt")}));
    // Characters GBK cannot hold do not make different paths equal.
    list.Clear();
    list.Add({U8Path("/d/\xF0\x9F\x98\x80.txt"), U8Path("/d/\xF0\x9F\x98\x81.txt")});
    QCOMPARE(list.Size(), size_t{2});
  }

  void FolderOnTheSearchFileListAppendsEveryFileBelowItSortedOnce() {
    TempHome home;
    const fs::path data = home / "data";
    for (const char* name : {"b.txt", "Y.txt", "A.txt", "sub/z.txt", "sub/c.TXT", "noext"}) Touch(data / name);
    auto w = home.OpenWindow();
    auto* files = Control<QListWidget>(w, kExtractionFileList);
    files->addItem(u"kept"_s);
    telqor::test::DropOn(files, {data, data / "b.txt"});
    const QString d = PathToQString(data / "");
    QCOMPARE(Items(files), (QStringList{u"kept"_s, d + u"A.txt"_s, d + u"b.txt"_s, d + u"sub/c.TXT"_s,
                                        d + u"sub/z.txt"_s, d + u"Y.txt"_s}));
    QVERIFY(Scripted().questions.empty());
    QCOMPARE(w->PendingDropAction(), 0);
  }

  void LongPathsArriveWhole() {
    TempHome home;
    fs::path deep = home / "long";
    for (int i = 0; i < 6; ++i) deep /= std::string(40, static_cast<char>('a' + i));
    Touch(deep / "numbers.txt");
    auto w = home.OpenWindow();
    auto* list = Control<QListWidget>(w, kGeneralFileList);
    telqor::test::DropOn(list, {home / "long"});
    QCOMPARE(Items(list), QStringList{PathToQString(deep / "numbers.txt")});
    QVERIFY((deep / "numbers.txt").string().size() > 250);
  }

  void TheNewFileFieldGetsTheFirstOfThreeInSortedOrder() {
    TempHome home;
    for (const char* name : {"C.txt", "b.txt", "a.txt"}) Touch(home / name);
    auto w = home.OpenWindow();
    auto* newFile = Control<QLineEdit>(w, kNewFileEdit);
    auto* referenceFile = Control<QLineEdit>(w, kReferenceFileEdit);
    telqor::test::DropOn(newFile, {home / "C.txt", home / "b.txt", home / "a.txt"});
    QCOMPARE(newFile->text(), PathToQString(home / "a.txt"));
    telqor::test::DropOn(referenceFile, {home / "C.txt"});
    QCOMPARE(referenceFile->text(), PathToQString(home / "C.txt"));
    QVERIFY(Scripted().questions.empty());
  }

  void DropOnTheWorkspaceListAnsweredNoChangesNothing() {
    TempHome home;
    Touch(home / "n.txt");
    auto w = home.OpenWindow();
    Scripted().answer = false;
    telqor::test::DropOn(Control<QTableView>(w, kWorkspaceList), {home / "n.txt"});
    QCOMPARE(Scripted().questions, std::vector<QString>{u"确定文件数据导入吗?"_s});
    QCOMPARE(w->PendingDropAction(), 0);
    telqor::test::Tick(w);
    QVERIFY(w->performed.empty());
  }

  void DropOnTheWorkspaceListAnsweredYesIsPerformedOnTheNextTick() {
    TempHome home;
    Touch(home / "b.txt");
    Touch(home / "a.txt");
    auto w = home.OpenWindow();
    Scripted().answer = true;
    telqor::test::DropOn(Control<QTableView>(w, kWorkspaceList), {home / "b.txt", home / "a.txt"});
    QCOMPARE(w->PendingDropAction(), 1);
    QVERIFY(w->performed.empty());
    // The timer's next tick performs it.
    telqor::test::Tick(w);
    QCOMPARE(w->performed.size(), size_t{1});
    QCOMPARE(w->performed[0].first, 1);
    QCOMPARE(w->performed[0].second, (std::vector<fs::path>{home / "a.txt", home / "b.txt"}));
    QCOMPARE(w->PendingDropAction(), 0);
    telqor::test::Tick(w);
    QCOMPARE(w->performed.size(), size_t{1});
  }

  void EachListTargetSetsItsAction_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("action");
    QTest::newRow("source list") << u"source"_s << 2;
    QTest::newRow("validity check") << u"validity"_s << 3;
    QTest::newRow("format conversion") << u"format"_s << 4;
    QTest::newRow("data analysis") << u"analysis"_s << 5;
  }

  void EachListTargetSetsItsAction() {
    QFETCH(QString, target);
    QFETCH(int, action);
    TempHome home;
    Touch(home / "n.txt");
    auto w = home.OpenWindow();
    using telqor::test::Dialog;
    QWidget* widget = nullptr;
    if (target == u"source"_s) widget = Control<QTableView>(w, kSourceList);
    if (target == u"validity"_s) widget = Control<QTableView>(Dialog(w, validity::kValidityDialog), validity::kRawList);
    if (target == u"format"_s) widget = Control<QTableView>(Dialog(w, format::kFormatDialog), format::kSourceList);
    if (target == u"analysis"_s)
      widget = Control<QTableView>(Dialog(w, analysis::kAnalysisDialog), analysis::kDataTable);
    Scripted().answer = true;
    telqor::test::DropOn(widget, {home / "n.txt"});
    QCOMPARE(w->PendingDropAction(), action);
    telqor::test::Tick(w);
    QCOMPARE(w->performed.size(), size_t{1});
    QCOMPARE(w->performed[0].first, action);
  }

  void FailedActionIsReportedAndStillReset() {
    TempHome home;
    Touch(home / "n.txt");
    auto w = home.OpenWindow();
    Scripted().answer = true;
    telqor::test::DropOn(Control<QTableView>(w, kSourceList), {home / "n.txt"});
    w->failNextAction = true;
    telqor::test::Tick(w);
    QCOMPARE(w->StatusText(), u" Cannot open file \"x.txt\". No such file or directory"_s);
    QCOMPARE(w->PendingDropAction(), 0);
    QVERIFY(Control<QTimer>(w, kTimer)->isActive());
  }

  void OtherWidgetsIgnoreDrops() {
    TempHome home;
    Touch(home / "n.txt");
    auto w = home.OpenWindow();
    auto* toUse = Control<QListWidget>(w, kToUseList);
    telqor::test::DropOn(Control<QTableView>(w, kTargetList), {home / "n.txt"});
    telqor::test::DropOn(toUse, {home / "n.txt"});
    QVERIFY(Scripted().questions.empty());
    QCOMPARE(toUse->count(), 0);
    QVERIFY(w->DroppedFiles().Empty());
  }
};

TELQOR_GUI_SUITE("drop", DropTest)

#include "drop_test.moc"
