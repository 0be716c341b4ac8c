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
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "app/data_folders.h"
#include "app/qt_ui.h"
#include "files/frm_hm_save.h"
#include "tests/gui/gui_test_support.h"
#include "workspace/number_list_model.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::TempHome;

namespace {

QStringList Rows(QTableView* view) {
  QStringList rows;
  for (int r = 0; r < view->model()->rowCount(); ++r) rows << view->model()->index(r, 0).data().toString();
  return rows;
}

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
  void init() {
    telqor::test::ResetHooks();
    telqor::Hooks().openFiles = nullptr;
    telqor::Hooks().execDialog = nullptr;
  }

  void LoadTwoFilesAppends() {
    TempHome home;
    auto w = home.OpenWindow();
    telqor::test::WriteBytes(home / "a.txt", "1\r\n2\r\n3\r\n");
    telqor::test::WriteBytes(home / "b.txt", "4\n\n5\n6");
    WillChoose({home / "a.txt", home / "b.txt"});
    w->SBLoadData->click();
    QCOMPARE(Rows(w->lv0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, QString(), u"5"_s, u"6"_s}));
    QCOMPARE(w->GroupBoxHmInfo->title(), u"号码整理框:7"_s);
    QCOMPARE(w->StatusText(), u" 导入文件号码完成！"_s);
    // Cancelling the dialog does nothing; a missing file stops with its error.
    WillChoose({});
    w->ToolButton3->click();
    QCOMPARE(w->GBRawData->title(), u"【原始号码】"_s);
    WillChoose({home / "a.txt", home / "gone.txt"});
    w->ToolButton3->click();
    QVERIFY(w->StatusText().startsWith(u" Cannot open file"_s));
    QCOMPARE(w->SourceList().Count(), 3);
    QVERIFY(!w->Source().Suspended());
  }

  void SortShuffleDedupeInBothModes() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"3", "1", "3", ""}) w->WorkspaceList().Add(s);
    w->SpeedButton8->click();
    QCOMPARE(Rows(w->lv0), (QStringList{u"1"_s, u"3"_s}));
    QCOMPARE(w->StatusText(), u" 去重复完成！"_s);
    w->CurrentSettings().CalMode = 1;
    for (const char* s : {"3", "1", "3", ""}) w->SourceList().Add(s);
    w->ToolButton20->click();
    QCOMPARE(Rows(w->lv1), (QStringList{u"3"_s, u"1"_s, QString()}));
    QCOMPARE(w->StatusText(), u" 去除重号完成！"_s);
    w->ToolButton16->click();
    QCOMPARE(Rows(w->lv1), (QStringList{QString(), u"1"_s, u"3"_s}));
    w->ToolButton18->click();
    QCOMPARE(w->StatusText(), u" 乱序完成！"_s);
    QCOMPARE(Rows(w->lv1).size(), 3);
    w->SpeedButton17->click();  // 全部号码: source onto target
    QCOMPARE(w->TargetList().Count(), 3);
    QCOMPARE(w->GBDestData->title(), u"【目标号码】:3"_s);
    QCOMPARE(w->StatusText(), u" 全部号码移动完成。【原始号码】->【目标号码】"_s);
  }

  void PasteCopyAndDeleteThroughTheClipboard() {
    TempHome home;
    auto w = home.OpenWindow();
    QApplication::clipboard()->setText(u"a\n\n北京"_s);
    w->N27->trigger();
    QCOMPARE(Rows(w->lv0), (QStringList{u"a"_s, QString(), u"北京"_s}));
    QCOMPARE(w->WorkspaceList().View(2), "\xB1\xB1\xBE\xA9");  // held as GBK
    QCOMPARE(w->StatusText(), u" 从剪贴板拷贝数据号码完成！"_s);
    w->ii1->trigger();
    QCOMPARE(QApplication::clipboard()->text(), u"a\r\n\r\n北京\r\n"_s);
    for (const char* s : {"d", "e", "f"}) w->WorkspaceList().Add(s);
    w->RefreshView(w->Workspace());
    SelectRows(w->lv0, {2, 5});
    w->N73->trigger();
    QCOMPARE(QApplication::clipboard()->text(), u"f\r\n北京\r\n"_s);
    w->N56->trigger();
    QCOMPARE(Rows(w->lv0), (QStringList{u"a"_s, QString(), u"d"_s, u"e"_s}));
    QCOMPARE(w->StatusText(), u" 删除完成！"_s);
    // An empty clipboard pastes nothing and says nothing.
    QApplication::clipboard()->clear();
    w->ShowStatus(u"before"_s);
    w->N27->trigger();
    QCOMPARE(w->StatusText(), u" before"_s);
    QCOMPARE(w->WorkspaceList().Count(), 4);
    // A double click on the view empties it.
    QTest::mouseDClick(w->lv0->viewport(), Qt::LeftButton);
    QCOMPARE(w->WorkspaceList().Count(), 0);
    QCOMPARE(w->GroupBoxHmInfo->title(), u"号码整理框:0"_s);
  }

  void KindFiltersAndFilterOut() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"13800138000", "0755-12345678", "hello", "1380013800"}) w->WorkspaceList().Add(s);
    w->N23->trigger();
    QCOMPARE(Rows(w->lv0), QStringList{u"13800138000"_s});
    QCOMPARE(w->StatusText(), u" 保留手机号码完成！"_s);
    w->N45->trigger();  // custom II is empty on first run
    QCOMPARE(w->StatusText(), u" TPerlRegEx.Compile() - Please specify a regular expression in RegEx first"_s);
    QCOMPARE(w->WorkspaceList().Count(), 1);

    for (const char* s : {"1", "2", "1", "3"}) w->SourceList().Add(s);
    telqor::test::WriteBytes(home / "used.txt", "1\r\n1\r\n");
    WillChoose({home / "used.txt"});
    w->ToolButton43->click();
    QCOMPARE(Rows(w->lv1), (QStringList{u"2"_s, u"3"_s}));
    QCOMPARE(w->StatusText(), u" 滤除号码完成！"_s);
  }

  void ReplacementAndAffixes() {
    TempHome home;
    auto w = home.OpenWindow();
    for (const char* s : {"1380013", "010-1234567"}) w->WorkspaceList().Add(s);
    w->CBA->setEditText(u"(\\d{3})(\\d{4})$"_s);
    w->CBB->setEditText(u"$2中$1"_s);
    w->SpeedButton22->click();
    QCOMPARE(Rows(w->lv0), (QStringList{u"0013中138"_s, u"010-4567中123"_s}));
    QCOMPARE(w->StatusText(), u" 数据替换完成！"_s);
    w->CBDataLen->setEditText(u"9"_s);  // bytes: 中 counts two
    w->Edit3->setText(u" 86 "_s);
    w->Edit4->setText(u"#"_s);
    w->SpeedButton35->click();
    QCOMPARE(Rows(w->lv0), (QStringList{u"860013中138#"_s, u"010-4567中123"_s}));
    QCOMPARE(w->StatusText(), u" 附加数据完成！"_s);
    w->CBDataLen->setEditText(u"x"_s);
    w->SpeedButton35->click();
    QCOMPARE(w->StatusText(), u" 'x' is not a valid integer value"_s);
    // The panel hides and shows again from the list's menu; a double click empties a field.
    w->show();
    QTest::mouseDClick(w->Edit3, Qt::LeftButton);
    QVERIFY(w->Edit3->text().isEmpty());
    w->N40->trigger();
    QVERIFY(!w->Panelhmprex->isVisible());
    w->N40->trigger();
    QVERIFY(w->Panelhmprex->isVisible());
  }

  void GenerateToTheListAndToAFile() {
    TempHome home;
    auto w = home.OpenWindow();
    w->WorkspaceList().Add("x");
    w->EditStartNo_->setText(u"13800000000"_s);
    w->EditEndNo_->setText(u"13800000003"_s);
    w->SBHmExOut->click();
    QCOMPARE(Rows(w->lv0), (QStringList{u"x"_s, u"13800000001"_s, u"13800000002"_s, u"13800000003"_s}));
    QCOMPARE(w->StatusText(), u" 完成！生成3个数据,追加到号码整理框"_s);
    QCOMPARE(w->GroupBoxHmInfo->title(), u"号码整理框:4"_s);

    w->CBBaseNo->setEditText(u"13800000002"_s);
    w->CBExtendNum->setEditText(u"3"_s);
    w->SBHmExSave->click();
    auto files = FilesIn(w->Folders().datedOutput);
    QCOMPARE(files.size(), size_t{1});
    QVERIFY(files[0].filename().string().ends_with("-4.txt"));
    QCOMPARE(telqor::test::ReadBytes(files[0]),
             std::string("13800000001\r\n13800000002\r\n13800000003\r\n13800000004\r\n"));
    QCOMPARE(telqor::test::Scripted().messages.size(), size_t{1});
    QCOMPARE(telqor::test::Scripted().openedFolders.size(), size_t{1});

    w->EditHMStep->setText(u"0"_s);
    w->SBHmExOut->click();
    QCOMPARE(w->StatusText(), u" Division by zero"_s);
    QCOMPARE(w->WorkspaceList().Count(), 4);
  }

  void BatchAndWholeSaves() {
    TempHome home;
    auto w = home.OpenWindow();
    for (int i = 0; i < 5; ++i) w->SourceList().Add(std::to_string(i));
    telqor::Hooks().execDialog = [](QDialog* dialog) {
      static_cast<telqor::Tfrmhmsave*>(dialog)->EditA->setText(u"2"_s);
      return int(QDialog::Accepted);
    };
    QCOMPARE(w->frmhmsave->EditA->text(), u"1000"_s);
    w->SpeedButton23->click();
    auto files = FilesIn(w->Folders().datedOutput);
    QCOMPARE(files.size(), size_t{3});
    QVERIFY(files[0].filename().string().ends_with("-1-0003.txt"));  // "-1-" sorts before "-2-"
    QCOMPARE(telqor::test::ReadBytes(files[0]), std::string("4\r\n"));
    QCOMPARE(telqor::test::ReadBytes(files[1]), std::string("0\r\n1\r\n"));
    QCOMPARE(w->StatusText(), u" 保存完成！共3个文件"_s);
    QCOMPARE(telqor::test::Scripted().messages.back(), u"保存完成！共3个文件"_s);

    // The target list, whole; the workspace list's save does nothing while it is empty.
    w->TargetList().Add("9");
    w->RBDest->setChecked(true);
    w->N46->trigger();
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
    w->N31->trigger();
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
    // A count that is no number writes nothing.
    telqor::Hooks().execDialog = [](QDialog* dialog) {
      static_cast<telqor::Tfrmhmsave*>(dialog)->EditA->setText(u"many"_s);
      return int(QDialog::Accepted);
    };
    w->SpeedButton23->click();
    QCOMPARE(w->StatusText(), u" 'many' is not a valid integer value"_s);
    QCOMPARE(FilesIn(w->Folders().datedOutput).size(), size_t{4});
  }

  void ViewsAnswerNothingWhileAListChanges() {
    TempHome home;
    auto w = home.OpenWindow();
    for (int i = 0; i < 3; ++i) w->WorkspaceList().Add(std::to_string(i));
    w->RefreshView(w->Workspace());
    w->Workspace().SetSuspended(true);
    QVERIFY(!w->lv0->model()->index(0, 0).data().isValid());
    w->Workspace().SetSuspended(false);
    QCOMPARE(w->lv0->model()->index(0, 0).data().toString(), u"0"_s);
  }
};

int RunWorkspaceTests(int argc, char** argv) {
  WorkspaceTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "workspace_test.moc"
