// The batch rename dialog driven through the real main window: a folder chosen in the tree,
// names taken, previewed, edited and deleted in the list, the rename, and its refusal.
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/kit/qt_ui.h"
#include "ui/tools/rename_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Scripted;
using telqor::test::TempHome;
using namespace telqor::names::rename;
namespace window = telqor::names::window;

namespace {

template <typename T>
T* In(QDialog* dialog, const QString& name) {
  return telqor::test::Control<T>(dialog, name);
}

void Click(QDialog* dialog, const QString& button) { In<QPushButton>(dialog, button)->click(); }

// The rename list's rows as "old|new".
QStringList Entries(QDialog* dialog) {
  auto* list = In<QTableView>(dialog, kRenameList);
  QStringList rows;
  for (int row = 0; row < list->model()->rowCount(); ++row)
    rows << list->model()->index(row, 0).data().toString() + u"|"_s + list->model()->index(row, 1).data().toString();
  return rows;
}

QPoint RowCentre(QDialog* dialog, int row) {
  auto* list = In<QTableView>(dialog, kRenameList);
  return list->visualRect(list->model()->index(row, 0)).center();
}

}  // namespace

class RenameDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void TakesPreviewsEditsAndRenames() {
    TempHome home;
    auto w = home.OpenWindow();
    QDialog* d = telqor::test::Dialog(w, kRenameDialog);
    auto* status = In<QStatusBar>(d, kStatusBar);
    QCOMPARE(status->currentMessage(), telqor::test::PathToQString(w->Folders().datedOutput));

    const fs::path src = home / "src";
    for (const char* name : {"a.txt", "b.txt", "c.log"}) telqor::test::WriteBytes(src / name, name);
    telqor::test::Trigger(w, window::kBatchRenameItem);
    auto* tree = In<QTreeView>(d, kFolderTree);
    tree->setCurrentIndex(static_cast<QFileSystemModel*>(tree->model())->index(telqor::test::PathToQString(src)));
    QCOMPARE(status->currentMessage(), telqor::test::PathToQString(src));
    QCOMPARE(In<QListWidget>(d, kFolderContents)->count(), 3);

    In<QLineEdit>(d, kMatchEdit)->setText(u" txt "_s);
    Click(d, kTakeButton);
    QCOMPARE(Entries(d), (QStringList{u"a.txt|待定"_s, u"b.txt|待定"_s}));
    In<QCheckBox>(d, kPatternCheck)->setChecked(true);
    In<QComboBox>(d, kPatternCombo)->setEditText(u"N#.TXT"_s);
    In<QLineEdit>(d, kStartNumberEdit)->setText(u"5"_s);
    In<QComboBox>(d, kCaseCombo)->setCurrentIndex(1);
    Click(d, kPreviewButton);
    QCOMPARE(Entries(d), (QStringList{u"a.txt|n5.txt"_s, u"b.txt|n6.txt"_s}));

    // A click shows the row in the edits, "设置" stores them back.
    auto* viewport = In<QTableView>(d, kRenameList)->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(d, 1));
    QCOMPARE(In<QLineEdit>(d, kNewNameEdit)->text(), u"n6.txt"_s);
    In<QLineEdit>(d, kNewNameEdit)->setText(u"z.txt"_s);
    Click(d, kSetEntryButton);
    QCOMPARE(Entries(d), (QStringList{u"a.txt|n5.txt"_s, u"b.txt|z.txt"_s}));

    In<QCheckBox>(d, kDeleteSourceCheck)->setChecked(true);
    Scripted().answer = true;
    Click(d, kRenameButton);
    QCOMPARE(Scripted().questions, std::vector<QString>{u"确定改名吗?"_s});
    QCOMPARE(Scripted().messages, std::vector<QString>{u"更名完成,请重新刷新显示！"_s});
    QCOMPARE(telqor::test::FileNames(src), (std::vector<std::string>{"c.log", "n5.txt", "z.txt"}));
    QCOMPARE(telqor::test::ReadBytes(src / "z.txt"), std::string("b.txt"));

    // Taken again and never previewed: every new name is 待定, which deleting would lose.
    In<QLineEdit>(d, kMatchEdit)->clear();
    Click(d, kTakeButton);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(d, 0));  // a double click starts with a click
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowCentre(d, 0));
    QCOMPARE(Entries(d), (QStringList{u"n5.txt|待定"_s, u"z.txt|待定"_s}));
    Click(d, kRenameButton);
    QVERIFY(w->StatusText().contains(u"新文件名\"待定\"重复"_s));
    QCOMPARE(telqor::test::FileNames(src), (std::vector<std::string>{"c.log", "n5.txt", "z.txt"}));

    // The output folder: chosen, then opened.
    telqor::Hooks().chooseFolder = [&](const fs::path& start) {
      if (start != src) qFatal("the folder prompt starts elsewhere");
      return home / "out";
    };
    Click(d, kChooseOutputButton);
    In<QCheckBox>(d, kNewFolderCheck)->setChecked(true);
    Click(d, kOpenOutputButton);
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{home / "out/"});
  }

  void AsksBeforeReplacingAFileOutsideTheRename() {
    TempHome home;
    const fs::path src = home / "src";
    telqor::test::WriteBytes(src / "old.dat", "X");
    telqor::test::WriteBytes(src / "n001.txt", "N");
    auto w = home.OpenWindow();
    QDialog* d = telqor::test::Dialog(w, kRenameDialog);
    telqor::test::Trigger(w, window::kBatchRenameItem);
    auto* tree = In<QTreeView>(d, kFolderTree);
    tree->setCurrentIndex(static_cast<QFileSystemModel*>(tree->model())->index(telqor::test::PathToQString(src)));
    In<QLineEdit>(d, kMatchEdit)->setText(u"old"_s);
    Click(d, kTakeButton);
    In<QCheckBox>(d, kPatternCheck)->setChecked(true);
    In<QComboBox>(d, kPatternCombo)->setEditText(u"n###.txt"_s);
    Click(d, kPreviewButton);
    QCOMPARE(Entries(d), QStringList{u"old.dat|n001.txt"_s});

    // n001.txt is no file of the rename: asked once more; No changes nothing, and says so.
    std::vector<QString> asked;
    bool replace = false;
    telqor::Hooks().askYesNo = [&](const QString& question) {
      asked.push_back(question);
      return asked.size() == 1 || replace;
    };
    Click(d, kRenameButton);
    const QString question = u"将覆盖1个已有文件，是否继续？\n"_s + telqor::test::PathToQString(src / "n001.txt");
    QCOMPARE(asked, (std::vector<QString>{u"确定改名吗?"_s, question}));
    QCOMPARE(telqor::test::ReadBytes(src / "n001.txt"), std::string("N"));
    QCOMPARE(w->StatusText(), u" 没有改名。"_s);
    QVERIFY(Scripted().messages.empty());
    replace = true;
    Click(d, kRenameButton);
    QCOMPARE(telqor::test::ReadBytes(src / "n001.txt"), std::string("X"));
    QCOMPARE(Scripted().messages, std::vector<QString>{u"更名完成,请重新刷新显示！"_s});
  }
};

TELQOR_GUI_SUITE("rename_dialog", RenameDialogTest)

#include "rename_dialog_test.moc"
