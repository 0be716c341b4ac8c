// The tab "文件管理" driven through the real main window: the managed folders with their checks
// and menus, the file operations on checked and selected files, the comparison, and the
// folder buttons that change the settings.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "tests/gui/gui_test_support.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/kit/save_count_dialog_names.h"
#include "ui/kit/qt_ui.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Click;
using telqor::test::Control;
using telqor::test::ReadBytes;
using telqor::test::RecordingWindow;
using telqor::test::Scripted;
using telqor::test::TempHome;
using telqor::test::Trigger;
using telqor::test::U8Path;
using telqor::test::WriteBytes;
using namespace telqor::names::files;
using namespace telqor::names::save_count;

namespace {

using Window = std::unique_ptr<RecordingWindow>;

QListWidget* List(const Window& w, const QString& name) { return Control<QListWidget>(w, name); }

QStringList Names(const Window& w, const QString& list) {
  QStringList names;
  for (int row = 0; row < List(w, list)->count(); ++row) names << List(w, list)->item(row)->text();
  return names;
}

QStringList Checked(const Window& w, const QString& list) {
  QStringList names;
  for (int row = 0; row < List(w, list)->count(); ++row)
    if (List(w, list)->item(row)->checkState() == Qt::Checked) names << List(w, list)->item(row)->text();
  return names;
}

// Checks (or unchecks) the named rows as the user would, one after the other.
void Check(const Window& w, const QString& list, const QStringList& names, bool on = true) {
  for (const QString& name : names) {
    QList<QListWidgetItem*> found = List(w, list)->findItems(name, Qt::MatchExactly);
    if (found.size() != 1) qFatal("no row %s in %s", qPrintable(name), qPrintable(list));
    found.front()->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

// Puts paths into the general file list, all selected.
void SelectInGeneralList(const Window& w, const std::vector<fs::path>& files) {
  auto* lb1 = List(w, kGeneralFileList);
  lb1->clear();
  for (const fs::path& file : files) lb1->addItem(telqor::test::PathToQString(file));
  lb1->selectAll();
}

// The next count dialog is answered with count (OK), or cancelled.
void WillAnswerCount(const QString& count, bool accepted = true) {
  telqor::Hooks().execDialog = [count, accepted](QDialog* dialog) {
    dialog->findChild<QLineEdit*>(kCountEdit)->setText(count);
    return accepted ? int(QDialog::Accepted) : int(QDialog::Rejected);
  };
}

std::string IniText(const TempHome& home) { return ReadBytes(home / "Telqor.ini"); }

// The files the desktop's trash took (the tests' trash removes them), or, while noTrash, none.
std::vector<fs::path>& Trashed() {
  static std::vector<fs::path> trashed;
  return trashed;
}
bool noTrash = false;

void InstallTrash() {
  Trashed().clear();
  noTrash = false;
  telqor::Hooks().moveToTrash = [](const fs::path& file) -> std::string {
    if (noTrash) return "no trash here";
    Trashed().push_back(file);
    fs::remove(file);
    return {};
  };
}

}  // namespace

class FileManagerTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    telqor::test::ResetHooks();
    InstallTrash();
  }

  void ChecksSurviveRefreshesAndDeletes() {
    TempHome home;
    const fs::path toUse = home / U8Path("我的数据/待使用文件");
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) WriteBytes(toUse / name, "1\r\n");
    auto w = home.OpenWindow();
    // Listed at start-up, nothing checked.
    QCOMPARE(Names(w, kToUseList), (QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}));
    QVERIFY(Checked(w, kToUseList).isEmpty());

    Check(w, kToUseList, {u"a.txt"_s, u"c.txt"_s});
    WriteBytes(toUse / "d.txt", "1\r\n");
    Trigger(w, kRefreshToUseItem);
    QCOMPARE(w->StatusText(), u" 刷新完成"_s);
    QCOMPARE(Names(w, kToUseList).size(), 4);
    QCOMPARE(Checked(w, kToUseList), (QStringList{u"a.txt"_s, u"c.txt"_s}));

    // Deleting asks nothing; the name stays checked, so a new file of that name comes up checked.
    Check(w, kToUseList, {u"a.txt"_s}, false);
    Trigger(w, kDeleteToUseItem);
    QCOMPARE(w->StatusText(), u" 选择文件->删除完成"_s);
    QVERIFY(Scripted().questions.empty());
    QCOMPARE(Names(w, kToUseList), (QStringList{u"a.txt"_s, u"b.txt"_s, u"d.txt"_s}));
    QVERIFY(!fs::exists(toUse / "c.txt"));
    WriteBytes(toUse / "c.txt", "1\r\n");
    Trigger(w, kRefreshToUseItem);
    QCOMPARE(Checked(w, kToUseList), QStringList{u"c.txt"_s});

    // All and none, also across a refresh.
    Trigger(w, kCheckAllToUseItem);
    QCOMPARE(w->StatusText(), u" 文件全选完成"_s);
    Trigger(w, kRefreshToUseItem);
    QCOMPARE(Checked(w, kToUseList).size(), 4);
    Trigger(w, kCheckNoneToUseItem);
    QCOMPARE(w->StatusText(), u" 文件全不选完成"_s);
    Trigger(w, kRefreshToUseItem);
    QVERIFY(Checked(w, kToUseList).isEmpty());
    // The used-files folder keeps its own checks.
    WriteBytes(w->Folders().usedFiles / "u.txt", "1\r\n");
    Trigger(w, kRefreshUsedItem);
    Trigger(w, kCheckAllUsedItem);
    QCOMPARE(Checked(w, kUsedList), QStringList{u"u.txt"_s});
    QVERIFY(Checked(w, kToUseList).isEmpty());
  }

  // "删除" puts the files in the trash; without one it asks once, and a Return keeps them.
  // A file made, renamed or removed by another program shows without 刷新, the checks kept.
  void ListsFollowTheirFolderOnDisk() {
    TempHome home;
    const fs::path toUse = home / U8Path("我的数据/待使用文件");
    WriteBytes(toUse / "a.txt", "1\r\n");
    auto w = home.OpenWindow();
    Check(w, kToUseList, {u"a.txt"_s});
    WriteBytes(toUse / "b.txt", "1\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(Names(w, kToUseList), (QStringList{u"a.txt"_s, u"b.txt"_s}), 5000);
    fs::rename(toUse / "b.txt", toUse / "c.txt");
    QTRY_COMPARE_WITH_TIMEOUT(Names(w, kToUseList), (QStringList{u"a.txt"_s, u"c.txt"_s}), 5000);
    QCOMPARE(Checked(w, kToUseList), QStringList{u"a.txt"_s});
    fs::remove(toUse / "a.txt");
    QTRY_COMPARE_WITH_TIMEOUT(Names(w, kToUseList), QStringList{u"c.txt"_s}, 5000);
  }

  void DeleteGoesToTheTrashOrAsksFirst() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path toUse = w->Folders().toUse;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) WriteBytes(toUse / name, "1\r\n");
    Trigger(w, kRefreshToUseItem);
    Check(w, kToUseList, {u"a.txt"_s});
    Trigger(w, kDeleteToUseItem);
    QCOMPARE(Trashed(), std::vector<fs::path>{toUse / "a.txt"});
    QVERIFY(Scripted().questions.empty());
    QCOMPARE(w->StatusText(), u" 选择文件->删除完成"_s);

    // Without a trash the real box asks, and No is what Return gives.
    noTrash = true;
    Check(w, kToUseList, {u"b.txt"_s, u"c.txt"_s});
    telqor::Hooks().askYesNo = nullptr;
    QString asked;
    QTimer::singleShot(0, w.get(), [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      asked = box->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    Trigger(w, kDeleteToUseItem);
    QCOMPARE(asked, u"无法移到回收站(no trash here)。\n确定永久删除选择的2个文件吗？删除后无法恢复。"_s);
    QCOMPARE(Names(w, kToUseList), (QStringList{u"b.txt"_s, u"c.txt"_s}));
    QCOMPARE(w->StatusText(), u" 已取消删除，2个文件未删除"_s);

    telqor::test::ResetHooks();
    InstallTrash();
    noTrash = true;
    Scripted().answer = true;
    Trigger(w, kDeleteToUseItem);
    QCOMPARE(Names(w, kToUseList), QStringList{});
    QCOMPARE(w->StatusText(), u" 选择文件->删除完成"_s);
    QVERIFY(Scripted().messages.empty());
  }

  // A file that cannot be removed is named, in the used-files folder too, which says nothing
  // when all went well.
  void DeleteFailuresAreTold() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path used = w->Folders().usedFiles;
    WriteBytes(used / "ok.txt", "1\r\n");
    WriteBytes(used / "busy.txt", "1\r\n");
    Trigger(w, kRefreshUsedItem);
    Trigger(w, kCheckAllUsedItem);
    // Between the listing and the delete, busy.txt became a folder with a file in it.
    fs::remove(used / "busy.txt");
    WriteBytes(used / "busy.txt" / "inside.txt", "");
    noTrash = true;
    Scripted().answer = true;
    Trigger(w, kDeleteUsedItem);
    QVERIFY(!fs::exists(used / "ok.txt"));
    QCOMPARE(w->StatusText(), u" 1个文件删除失败：busy.txt"_s);
    QCOMPARE(Scripted().messages, std::vector<QString>{u"1个文件删除失败：\n%1: Is a directory"_s.arg(
                                      telqor::test::PathToQString(used / "busy.txt"))});
  }

  void NothingSelectedSaysSoAndSplitAsksTheCountFirst() {
    TempHome home;
    WriteBytes(home / U8Path("我的数据/待使用文件/a.txt"), "1\r\n");
    auto w = home.OpenWindow();
    for (const char* item : {"N12", "N7", "N35", "MenuItem6", "MenuItem8", "N36"}) Trigger(w, QString::fromUtf8(item));
    for (const char* button : {"SpeedButton20", "SpeedButton1", "SpeedButton4"}) Click(w, QString::fromUtf8(button));
    QCOMPARE(Scripted().messages, std::vector<QString>(9, u"请选择好文件"_s));

    Scripted().messages.clear();
    int asked = 0;
    telqor::Hooks().execDialog = [&](QDialog*) { return ++asked, int(QDialog::Rejected); };
    Trigger(w, kSplitToUseItem);
    QCOMPARE(asked, 1);
    QVERIFY(Scripted().messages.empty());
    WillAnswerCount(u"1000"_s);
    Click(w, kSplitFilesButton);
    QCOMPARE(Scripted().messages, std::vector<QString>{u"请选择好文件"_s});
    // A count that is no number ends the split in the status line, even with nothing selected.
    WillAnswerCount(u"x"_s);
    Trigger(w, kSplitUsedItem);
    QCOMPARE(w->StatusText(), u" 'x' is not a valid integer value"_s);
    QCOMPARE(Scripted().messages.size(), size_t{1});
  }

  void ManagedMergeTakesTheFilesInAscendingOrder() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path used = w->Folders().usedFiles;
    WriteBytes(used / "B.txt", "2\r\n");
    WriteBytes(used / "a.txt", "1\r\n");
    WriteBytes(used / "c.txt", "3");
    Trigger(w, kRefreshUsedItem);
    Check(w, kUsedList, {u"c.txt"_s, u"B.txt"_s, u"a.txt"_s});
    Trigger(w, kMergeUsedItem);
    QCOMPARE(ReadBytes(used / U8Path("a.合并.txt")), std::string("1\r\n2\r\n3"));
    QCOMPARE(w->StatusText(), u" 选择文件->合并完成"_s);
    QVERIFY(Names(w, kUsedList).contains(u"a.合并.txt"_s));
  }

  void GeneralOperationsWriteWhereTheOutputRowSays() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path dated = w->Folders().datedOutput;
    const fs::path src = home / "src";
    WriteBytes(src / "c.txt", "c\r\na\r\nc\r\n\r\nb\r\n");
    WriteBytes(src / "a.txt", "x\r\n");

    // In list order, into the dated output folder ("固定文件目录").
    SelectInGeneralList(w, {src / "c.txt", src / "a.txt"});
    Click(w, kMergeFilesButton);
    QCOMPARE(ReadBytes(dated / U8Path("c.合并.txt")), std::string("c\r\na\r\nc\r\n\r\nb\r\nx\r\n"));
    QCOMPARE(w->StatusText(), u" 合并文件完成！"_s);

    // Beside each file ("转换文件目录"); the mode decides the de-duplication.
    Control<QRadioButton>(w, kBesideFilesRadio)->click();
    QVERIFY(!Control<QLineEdit>(w, kOutputFolderEdit)->isEnabled());
    SelectInGeneralList(w, {src / "c.txt"});
    Click(w, kDedupeFilesButton);
    QCOMPARE(ReadBytes(src / U8Path("c.去重复.txt")), std::string("a\r\nb\r\nc\r\n"));
    QCOMPARE(w->StatusText(), u" 去重复完成！"_s);
    w->CurrentSettings().processingMode = 1;
    Click(w, kDedupeFilesButton);
    QCOMPARE(ReadBytes(src / U8Path("c.去重复.txt")), std::string("c\r\na\r\n\r\nb\r\n"));
    SelectInGeneralList(w, {src / "a.txt"});
    Click(w, kShuffleFilesButton);
    QCOMPARE(ReadBytes(src / U8Path("a.乱序.txt")), std::string("x\r\n"));
    QCOMPARE(w->StatusText(), u" 乱序文件完成！"_s);

    // A file that is not there ends the operation in the status line.
    SelectInGeneralList(w, {src / "missing.txt"});
    Click(w, kShuffleFilesButton);
    QVERIFY(w->StatusText().contains(u"missing.txt"_s));
  }

  void SplitAsksTheCountAndNamesTheParts() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path toUse = w->Folders().toUse;
    WriteBytes(toUse / U8Path("号码.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    Trigger(w, kRefreshToUseItem);
    Check(w, kToUseList, {u"号码.txt"_s});
    WillAnswerCount(u"2"_s);
    Trigger(w, kSplitToUseItem);
    QCOMPARE(ReadBytes(toUse / U8Path("号码-分割2-0001.txt")), std::string("1\r\n2\r\n"));
    QCOMPARE(ReadBytes(toUse / U8Path("号码-分割2-0002.txt")), std::string("3\r\n4\r\n"));
    QCOMPARE(ReadBytes(toUse / U8Path("号码-分割1-0003.txt")), std::string("5\r\n"));
    QCOMPARE(w->StatusText(), u" 选择文件->分割行数完成"_s);
    QCOMPARE(Names(w, kToUseList).size(), 4);

    // The general split writes into the dated output folder.
    SelectInGeneralList(w, {toUse / U8Path("号码.txt")});
    WillAnswerCount(u"5"_s);
    Click(w, kSplitFilesButton);
    QCOMPARE(ReadBytes(w->Folders().datedOutput / U8Path("号码-分割5-0001.txt")),
             std::string("1\r\n2\r\n3\r\n4\r\n5\r\n"));
    QCOMPARE(w->StatusText(), u" 分割完成！"_s);
  }

  void MoveToUsedReplacesAFileOfTheSameName() {
    TempHome home;
    auto w = home.OpenWindow();
    WriteBytes(w->Folders().toUse / "x.txt", "new\r\n");
    WriteBytes(w->Folders().toUse / "y.txt", "stays\r\n");
    WriteBytes(w->Folders().usedFiles / "x.txt", "old\r\n");
    Trigger(w, kRefreshToUseItem);
    Check(w, kToUseList, {u"x.txt"_s});
    Trigger(w, kMarkAsUsedItem);
    QCOMPARE(ReadBytes(w->Folders().usedFiles / "x.txt"), std::string("new\r\n"));
    QCOMPARE(Names(w, kToUseList), QStringList{u"y.txt"_s});
    QCOMPARE(Names(w, kUsedList), QStringList{u"x.txt"_s});
    QCOMPARE(w->StatusText(), u" 选择文件设定为已经使用过文件完成"_s);

    // A move that fails leaves the file where it was and says so.
    telqor::test::GuiEnv().failRenames = true;
    Check(w, kToUseList, {u"y.txt"_s});
    Trigger(w, kMarkAsUsedItem);
    QCOMPARE(Names(w, kToUseList), QStringList{u"y.txt"_s});
    QCOMPARE(w->StatusText(), u" 1个文件移动失败：y.txt"_s);
    QCOMPARE(Scripted().messages, std::vector<QString>{u"1个文件移动失败：\n%1: Input/output error"_s.arg(
                                      telqor::test::PathToQString(w->Folders().toUse / "y.txt"))});
  }

  // The output row shows the folder "设定" chose; typing there would change nothing, so it
  // takes no typing.
  void OutputFolderRowTakesNoTyping() {
    TempHome home;
    auto w = home.OpenWindow();
    auto* url = Control<QLineEdit>(w, kOutputFolderEdit);
    const QString shown = url->text();
    QVERIFY(url->isEnabled());
    QTest::keyClicks(url, u"/somewhere/else"_s);
    QCOMPARE(url->text(), shown);
  }

  void CompareWritesBothGroups() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path src = home / "src";
    WriteBytes(src / U8Path("新号.txt"), "13800000000\r\n13900000000\r\n13800000000\r\n");
    WriteBytes(src / U8Path("旧号.txt"), "13800000000\r\n");
    auto* editA = Control<QLineEdit>(w, kNewFileEdit);
    auto* editB = Control<QLineEdit>(w, kReferenceFileEdit);

    // Blank fields: nothing happens.
    editA->setText(u"  "_s);
    editB->setText(telqor::test::PathToQString(src / U8Path("旧号.txt")));
    w->ShowStatus(u"before"_s);
    Click(w, kCompareButton);
    QCOMPARE(w->StatusText(), u" before"_s);

    // The fields are trimmed; "转换文件目录" writes beside the new file.
    Control<QRadioButton>(w, kBesideFilesRadio)->click();
    editA->setText(u" "_s + telqor::test::PathToQString(src / U8Path("新号.txt")) + u" "_s);
    Click(w, kCompareButton);
    QCOMPARE(ReadBytes(src / U8Path("[新号]对比[旧号]已有数据(2).txt")), std::string("13800000000\r\n13800000000\r\n"));
    QCOMPARE(ReadBytes(src / U8Path("[新号]对比[旧号]没有的数据(1).txt")), std::string("13900000000\r\n"));
    QCOMPARE(w->StatusText(), u" 导出文件完成完毕！"_s);

    // "浏览" takes the first file chosen; a double click empties the field.
    telqor::Hooks().openFiles = [&] { return std::vector<fs::path>{src / "b.txt", src / "c.txt"}; };
    Click(w, kBrowseReferenceFileButton);
    QCOMPARE(editB->text(), telqor::test::PathToQString(src / "b.txt"));
    QTest::mouseDClick(editB, Qt::LeftButton);
    QVERIFY(editB->text().isEmpty());
  }

  void CompareWithTheUsedFileNeedsOneOfEach() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path toUse = w->Folders().toUse;
    WriteBytes(toUse / "n1.txt", "1\r\n2\r\n");
    WriteBytes(toUse / "n2.txt", "1\r\n");
    WriteBytes(w->Folders().usedFiles / "r.txt", "2\r\n");
    Trigger(w, kRefreshToUseItem);
    Trigger(w, kRefreshUsedItem);
    const QString oneNew = u"请选择一个要处理的文件\r\n如果是多个文件，请先合并后再操作"_s;
    const QString oneReference = u"请选择一个比对源文件\r\n如果是多个文件，请先合并后再操作"_s;

    Trigger(w, kCompareWithUsedItem);
    Check(w, kToUseList, {u"n1.txt"_s, u"n2.txt"_s});
    Trigger(w, kCompareWithUsedItem);
    Check(w, kToUseList, {u"n2.txt"_s}, false);
    Trigger(w, kCompareWithUsedItem);
    QCOMPARE(Scripted().messages, (std::vector<QString>{oneNew, oneNew, oneReference}));

    Check(w, kUsedList, {u"r.txt"_s});
    Trigger(w, kCompareWithUsedItem);
    QCOMPARE(ReadBytes(toUse / U8Path("[n1]对比[r]已有数据(1).txt")), std::string("2\r\n"));
    QCOMPARE(ReadBytes(toUse / U8Path("[n1]对比[r]没有的数据(1).txt")), std::string("1\r\n"));
    QCOMPARE(Names(w, kToUseList).size(), 4);
  }

  void FolderButtonsChangeTheSettingsAtOnce() {
    TempHome home;
    const fs::path elsewhere = home / "elsewhere";
    WriteBytes(elsewhere / "e.txt", "1\r\n");
    {
      auto w = home.OpenWindow();
      const fs::path before = w->Folders().toUse;
      fs::path start;
      telqor::Hooks().chooseFolder = [&](const fs::path& from) {
        start = from;
        return elsewhere;
      };
      Click(w, kToUseSetFolderButton);
      QCOMPARE(start, before);
      QCOMPARE(Names(w, kToUseList), QStringList{u"e.txt"_s});
      // Inside the program folder: kept relative to it, so a copied folder uses its own.
      QVERIFY(IniText(home).find("MywillUseDataPath=elsewhere/\r\n") != std::string::npos);

      // The output folder: its field shows it and the dated folder moves under it at once.
      const fs::path output = home / "out";
      fs::create_directories(output);
      telqor::Hooks().chooseFolder = [&](const fs::path&) { return output; };
      Click(w, kSetOutputFolderButton);
      QCOMPARE(Control<QLineEdit>(w, kOutputFolderEdit)->text(), telqor::test::PathToQString(output / ""));
      QCOMPARE(w->Folders().datedOutput.parent_path().parent_path(), output);
      QVERIFY(IniText(home).find("MyOtherDataPath=out/\r\n") != std::string::npos);
      Click(w, kComparisonFolderButton);
      QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{w->Folders().datedOutput});

      // Cancel changes no folder but still saves the settings.
      fs::remove(home / "Telqor.ini");
      telqor::Hooks().chooseFolder = [](const fs::path&) { return fs::path(); };
      Click(w, kUsedSetFolderButton);
      QVERIFY(IniText(home).find("MywillUseDataPath=elsewhere/\r\n") != std::string::npos);
    }
    // The next start uses the folder chosen.
    auto w = home.OpenWindow();
    QCOMPARE(Names(w, kToUseList), QStringList{u"e.txt"_s});
  }

  void GeneralListButtons() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path src = home / "src";
    telqor::Hooks().openFiles = [&] { return std::vector<fs::path>{src / "a.txt", src / "sub/b.txt"}; };
    Click(w, kAddFilesButton);
    QCOMPARE(w->StatusText(), u" 加入文件完成！"_s);
    auto* lb1 = List(w, kGeneralFileList);
    QCOMPARE(lb1->count(), 2);

    lb1->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    Trigger(w, kOpenFileFolderItem);
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{src / "sub"});

    lb1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    Click(w, kRemoveFilesButton);
    QCOMPARE(w->StatusText(), u" 删除完成！"_s);
    QCOMPARE(Names(w, kGeneralFileList), QStringList{telqor::test::PathToQString(src / "sub/b.txt")});
  }
};

TELQOR_GUI_SUITE("file_manager", FileManagerTest)

#include "file_manager_test.moc"
