// The segment dialogs of the main window driven through their controls: the segment library
// (tree, carrier filter, used marks, import), the region quick lookup and the validity check,
// with their status panels, captions, clipboard and the files they write.
#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "tests/gui/gui_test_support.h"
#include "ui/kit/qt_ui.h"
#include "ui/segments/region_lookup_dialog.h"
#include "ui/segments/region_lookup_dialog_names.h"
#include "ui/segments/segment_library_dialog.h"
#include "ui/segments/segment_library_dialog_names.h"
#include "ui/segments/validity_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::ReadBytes;
using telqor::test::Rows;
using telqor::test::TempHome;
using telqor::test::U8Path;
using telqor::test::WriteBytes;
using namespace telqor::names::region_lookup;
using namespace telqor::names::segment_library;
namespace validity = telqor::names::validity;

namespace {

// 北京 with 1380000; 广东 with 广州 (1340000 mobile, 1300000 unicom, 1330000 telecom and used)
// and 深圳 (1350000).
std::unique_ptr<telqor::test::RecordingWindow> OpenWithDatabase(const TempHome& home) {
  const fs::path base = home / U8Path("基础数据");
  WriteBytes(base / U8Path("地区.txt"), telqor::Utf8ToGbk("北京|北京\r\n广东*广州,深圳\r\n"));
  WriteBytes(base / U8Path("手机号段.txt"),
             telqor::Utf8ToGbk("1380000|北京|北京\r\n1340000|广东|广州\r\n1300000|广东|广州\r\n"
                               "1330000|广东|广州\r\n1350000|广东|深圳\r\n"));
  WriteBytes(home / U8Path("我的数据") / "hdsel.txt", "1330000\r\n");
  return home.OpenWindow();
}

fs::path UsedFile(const TempHome& home) { return home / U8Path("我的数据") / "hdsel.txt"; }

// A province node, or the node of one of its cities.
QTreeWidgetItem* Node(QDialog* d, const QString& province, const QString& city = {}) {
  QTreeWidgetItem* node = Control<QTreeWidget>(d, kRegionTree)->findItems(province, Qt::MatchExactly).value(0);
  for (int i = 0; !city.isEmpty() && i < node->childCount(); ++i)
    if (node->child(i)->text(0) == city) return node->child(i);
  return node;
}

void ClickNode(QDialog* d, QTreeWidgetItem* node) {
  auto* tree = Control<QTreeWidget>(d, kRegionTree);
  tree->setCurrentItem(node);
  emit tree->itemClicked(node, 0);
}

QString Panel(QDialog* d, const QString& panel) { return Control<QLabel>(d, panel)->text(); }

void SelectRows(QTableView* view, std::initializer_list<int> rows) {
  view->selectionModel()->clearSelection();
  for (int r : rows)
    view->selectionModel()->select(view->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Lookup(QDialog* d, const QString& typed) {
  Control<QComboBox>(d, kNumberCombo)->setEditText(typed);
  Control<QAbstractButton>(d, kLookUpButton)->click();
}

void ClickIn(QDialog* d, const QString& button) { Control<QAbstractButton>(d, button)->click(); }

}  // namespace

class SegmentDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void LibraryShowsCityFilteredByCarrier() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kSegmentLibraryDialog);
    auto* list = Control<QTableView>(d, kSegmentList);
    QCOMPARE(Panel(d, kTotalPanel), u"号段总数:5"_s);
    // A province is no city: nothing changes.
    ClickNode(d, Node(d, u"广东"_s));
    QCOMPARE(Panel(d, kCityPanel), QString());
    QCOMPARE(list->model()->rowCount(), 0);
    ClickNode(d, Node(d, u"广东"_s, u"广州"_s));
    QCOMPARE(Panel(d, kCityPanel), u"广东->广州"_s);
    QCOMPARE(Panel(d, kCityTotalPanel), u"总号段数:3"_s);
    QCOMPARE(Panel(d, kCityNotePanel), u"已经使用过:1"_s);
    QCOMPARE(Rows(list), (QStringList{u"1300000"_s, u"1330000"_s, u"1340000"_s}));
    // The used segment is blue and struck out.
    QCOMPARE(list->model()->index(1, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    QVERIFY(list->model()->index(1, 0).data(Qt::FontRole).value<QFont>().strikeOut());
    QVERIFY(!list->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    // Only unicom.
    Control<QCheckBox>(d, kMobileCheck)->click();
    Control<QCheckBox>(d, kTelecomCheck)->click();
    QCOMPARE(Rows(list), QStringList{u"1300000"_s});
    QCOMPARE(Panel(d, kCityNotePanel), u"当前可供选择的号码:1"_s);
    // A double click chooses as well, with the boxes as they stand.
    auto* tree = Control<QTreeWidget>(d, kRegionTree);
    tree->setCurrentItem(Node(d, u"北京"_s, u"北京"_s));
    emit tree->itemDoubleClicked(tree->currentItem(), 0);
    QCOMPARE(Panel(d, kCityPanel), u"北京->北京"_s);
    QCOMPARE(list->model()->rowCount(), 0);
    Control<QCheckBox>(d, kMobileCheck)->click();
    QCOMPARE(Rows(list), QStringList{u"1380000"_s});
  }

  void ImportLeavesUsedOutAndRemembers() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kSegmentLibraryDialog);
    auto* manager = static_cast<telqor::SegmentLibraryDialog*>(d);
    auto* list = Control<QTableView>(d, kSegmentList);
    ClickNode(d, Node(d, u"广东"_s, u"广州"_s));
    SelectRows(list, {1, 0});
    ClickIn(d, kImportButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(manager->ImportList(), std::vector<std::string>{"1300000"});
    QCOMPARE(ReadBytes(UsedFile(home)), std::string("1300000\r\n1330000\r\n"));
    // Used ones are taken again once not excluded, in segment order.
    Control<QCheckBox>(d, kExcludeUsedCheck)->click();
    SelectRows(list, {2, 1, 0});
    ClickIn(d, kImportButton);
    QCOMPARE(manager->ImportList(), (std::vector<std::string>{"1300000", "1330000", "1340000"}));
    QCOMPARE(ReadBytes(UsedFile(home)), std::string("1300000\r\n1330000\r\n1340000\r\n"));
    // Not remembering writes nothing; cancelling keeps the last import list.
    Control<QCheckBox>(d, kRememberCheck)->click();
    fs::remove(UsedFile(home));
    SelectRows(list, {0});
    ClickIn(d, kImportButton);
    QCOMPARE(manager->ImportList(), std::vector<std::string>{"1300000"});
    QVERIFY(!fs::exists(UsedFile(home)));
    SelectRows(list, {1, 2});
    ClickIn(d, kCancelButton);
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(manager->ImportList(), std::vector<std::string>{"1300000"});
  }

  void MenuMarksAreWrittenAtOnce() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kSegmentLibraryDialog);
    auto* list = Control<QTableView>(d, kSegmentList);
    auto trigger = [d](const QString& item) { Control<QAction>(d, item)->trigger(); };
    ClickNode(d, Node(d, u"广东"_s, u"广州"_s));
    trigger(kSelectAllItem);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 3);
    trigger(kSelectNoneItem);
    QVERIFY(!list->selectionModel()->hasSelection());
    SelectRows(list, {2});
    trigger(kMarkUsedItem);
    QCOMPARE(ReadBytes(UsedFile(home)), std::string("1330000\r\n1340000\r\n"));
    QVERIFY(list->model()->index(2, 0).data(Qt::FontRole).value<QFont>().strikeOut());
    SelectRows(list, {1});
    trigger(kMarkUnusedItem);
    QCOMPARE(ReadBytes(UsedFile(home)), std::string("1340000\r\n"));
    // Unmarking a segment that is not used still rewrites the file.
    fs::remove(UsedFile(home));
    SelectRows(list, {0});
    trigger(kMarkUnusedItem);
    QCOMPARE(ReadBytes(UsedFile(home)), std::string("1340000\r\n"));
    // A file that cannot be written: the error in the status line, the mark kept.
    fs::remove(UsedFile(home));
    fs::create_directory(UsedFile(home));
    trigger(kMarkUsedItem);
    QVERIFY2(w->StatusText().contains(u"hdsel.txt"_s), qPrintable(w->StatusText()));
    QVERIFY(list->model()->index(0, 0).data(Qt::FontRole).value<QFont>().strikeOut());
  }

  // In the modal dialog the tree takes clicks while a city is being shown; such a click only
  // asks the user to wait.
  void ClickWhileChoosingAsksToWait() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kSegmentLibraryDialog);
    auto* tree = Control<QTreeWidget>(d, kRegionTree);
    d->setWindowModality(Qt::ApplicationModal);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    tree->expandAll();
    QCoreApplication::processEvents();
    const QPointF at = QPointF(tree->visualItemRect(Node(d, u"广东"_s, u"深圳"_s)).center());
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      QCoreApplication::postEvent(
          tree->viewport(), new QMouseEvent(type, at, tree->viewport()->mapToGlobal(at), Qt::LeftButton,
                                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {}));
    ClickNode(d, Node(d, u"广东"_s, u"广州"_s));
    QCOMPARE(Panel(d, kCityPanel), u"广东->广州"_s);
    QCOMPARE(Panel(d, kCityNotePanel), u"请稍候再选择..."_s);
    QCOMPARE(Control<QTableView>(d, kSegmentList)->model()->rowCount(), 3);
    ClickNode(d, Node(d, u"广东"_s, u"深圳"_s));
    QCOMPARE(Panel(d, kCityPanel), u"广东->深圳"_s);
    d->hide();
  }

  // Without segment data a lookup says why every number is unknown, and what gives the data.
  void LookupWithoutDataSaysSo() {
    TempHome home;
    auto w = home.OpenWindow();
    QDialog* d = telqor::test::Dialog(w, kRegionLookupDialog);
    Lookup(d, u"13800001234"_s);
    QCOMPARE(Control<QPlainTextEdit>(d, kLogEdit)->toPlainText(),
             u"没有号段数据：基础数据/手机号段.txt 不存在或是空的。重新启动程序并在提问时选择写入默认数据，"
             u"或运行 telqor-cli make-default-data。\n13800001234:没有找到"_s);
  }

  void LookupLogsOneLinePerNumber() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kRegionLookupDialog);
    Lookup(d, u"13800001234"_s);
    Lookup(d, u" 1380000"_s);
    Lookup(d, u"138000"_s);
    Lookup(d, u"  "_s);
    Lookup(d, u"99900001234"_s);
    QCOMPARE(
        Control<QPlainTextEdit>(d, kLogEdit)->toPlainText(),
        u"13800001234:北京.北京 移动\n 1380000:北京.北京 移动\n138000:号码不足7位，无法查找\n99900001234:没有找到"_s);
    // Return in the field looks up too, and the next number typed replaces the one looked up.
    auto* field = Control<QComboBox>(d, kNumberCombo);
    field->setEditText(u"13800001234"_s);
    QTest::keyClick(field->lineEdit(), Qt::Key_Return);
    QTest::keyClicks(field->lineEdit(), u"13800005678"_s);
    QTest::keyClick(field->lineEdit(), Qt::Key_Return);
    QCOMPARE(Control<QPlainTextEdit>(d, kLogEdit)->toPlainText().section(u'\n', 4),
             u"13800001234:北京.北京 移动\n13800005678:北京.北京 移动"_s);
  }

  // A number typed at the keyboard into the focused field and answered by Return: written in
  // groups it is looked up by its digits and logged as typed, its carrier beside its region
  // (none when the rule knows none, or with no settings bound).
  void LookupByReturnAtTheKeyboardShowsTheCarrier() {
    telqor::SegmentDatabase db;
    db.LoadText(telqor::Utf8ToGbk("北京|北京\r\n广东*广州,深圳\r\n"),
                telqor::Utf8ToGbk("1380000|北京|北京\r\n1300000|广东|广州\r\n1990000|广东|深圳\r\n"));
    telqor::Settings settings = telqor::FirstRunSettings();  // 138 移动, 130 联通, 199 none
    telqor::RegionLookupDialog d(db);
    d.Bind(&settings);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    Control<QComboBox>(&d, kNumberCombo)->lineEdit()->setFocus();
    auto type = [](const QString& text) {
      QTest::keyClicks(QApplication::focusWidget(), text);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    type(u"138 0000 1234"_s);
    type(u"+86 130-0000-1234"_s);  // replaces the number looked up
    type(u"19900001234"_s);
    type(u"138 000"_s);
    d.Bind(nullptr);
    type(u"13800001234"_s);
    QCOMPARE(Control<QPlainTextEdit>(&d, kLogEdit)->toPlainText(),
             u"138 0000 1234:北京.北京 移动\n+86 130-0000-1234:广东.广州 联通\n19900001234:广东.深圳\n"
             "138 000:没有找到\n13800001234:北京.北京"_s);
  }

  void ValiditySplitsSavesAndCopies() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, validity::kValidityDialog);
    auto title = [d](const QString& group) { return Control<QGroupBox>(d, group)->title(); };
    WriteBytes(home / "a.txt", "13800001234\r\n1380000123\r\n13800001234\r\n23800001234\r\n13800001234 \r\n");
    WriteBytes(home / "b.txt", "13500001234\r\n");
    std::vector<fs::path> chosen{home / "a.txt"};
    telqor::Hooks().openFiles = [&] { return chosen; };
    ClickIn(d, validity::kImportButton);
    QCOMPARE(title(validity::kRawGroup), u"原始号码:5"_s);
    for (int pass = 0; pass < 2; ++pass) {
      ClickIn(d, validity::kAnalyseButton);
      QCOMPARE(Rows(Control<QTableView>(d, validity::kValidList)), (QStringList{u"13800001234"_s, u"13800001234"_s}));
      QCOMPARE(Rows(Control<QTableView>(d, validity::kInvalidList)),
               (QStringList{u"1380000123"_s, u"23800001234"_s, u"13800001234 "_s}));
      QCOMPARE(title(validity::kValidGroup), u"有效号码:2"_s);
      QCOMPARE(title(validity::kInvalidGroup), u"无效号码:3"_s);
    }
    // The name chosen is the stem of both files, its extension kept.
    telqor::Hooks().saveFile = [&] { return home / U8Path("结果.txt"); };
    ClickIn(d, validity::kSaveButton);
    QCOMPARE(ReadBytes(home / U8Path("结果.txt.有效.2.txt")), std::string("13800001234\r\n13800001234\r\n"));
    QCOMPARE(ReadBytes(home / U8Path("结果.txt.无效.3.txt")),
             std::string("1380000123\r\n23800001234\r\n13800001234 \r\n"));
    ClickIn(d, validity::kCopyValidButton);
    QCOMPARE(QApplication::clipboard()->text(), u"13800001234\r\n13800001234\r\n"_s);
    QCOMPARE(telqor::test::Scripted().messages, std::vector<QString>{u"数据到剪贴板完成！"_s});
    // A double click empties a list; copying an empty list says nothing.
    QTest::mouseDClick(Control<QTableView>(d, validity::kInvalidList)->viewport(), Qt::LeftButton);
    QCOMPARE(title(validity::kInvalidGroup), u"无效号码:0"_s);
    ClickIn(d, validity::kCopyInvalidButton);
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QCOMPARE(telqor::test::Scripted().messages.size(), size_t{1});
    // A missing file stops the load there; the files before it stay.
    chosen = {home / "b.txt", home / "gone.txt", home / "a.txt"};
    ClickIn(d, validity::kImportButton);
    QVERIFY2(w->StatusText().startsWith(u" Cannot open file"_s), qPrintable(w->StatusText()));
    QCOMPARE(title(validity::kRawGroup), u"原始号码:6"_s);
    QCOMPARE(Rows(Control<QTableView>(d, validity::kRawList)).last(), u"13500001234"_s);
  }

  // "从文件更新号段库": asked before replacing, then the files rewritten, the old ones kept under
  // stamped names, and the tree showing the new data; the closing box tells what changed, where
  // the change list and the backups are, and the lines skipped. The list again changes nothing.
  void ImportFromAListReplacesAfterAskingAndReloads() {
    TempHome home;
    auto w = OpenWithDatabase(home);
    QDialog* d = telqor::test::Dialog(w, kSegmentLibraryDialog);
    const fs::path base = home / U8Path("基础数据");
    const fs::path segments = base / U8Path("手机号段.txt");
    const std::string before = ReadBytes(segments);
    WriteBytes(home / "list.csv",
               "号段,省份,城市,邮编,区号\n1380000,北京市,北京市,100000,010\n1340000,广东省,深圳市,518000,0755\n"
               "1390000,吉林省,延边朝鲜族自治州,133000,0433\n139000x,吉林省,延边朝鲜族自治州\n");
    telqor::Hooks().openFiles = [&] { return std::vector<fs::path>{home / "list.csv"}; };
    ClickIn(d, kImportSegmentListButton);
    QCOMPARE(telqor::test::Scripted().questions,
             std::vector<QString>{
                 u"号段库文件已存在(地区.txt、手机号段.txt)，是否替换？原文件将另存为带日期时间的 .bak 文件"_s});
    QCOMPARE(ReadBytes(segments), before);  // answered No
    QVERIFY(telqor::test::Scripted().messages.empty());

    telqor::test::Scripted().answer = true;
    w->ShowStatus(u"before"_s);
    ClickIn(d, kImportSegmentListButton);
    QCOMPARE(ReadBytes(segments), telqor::Utf8ToGbk("1340000|广东|深圳\r\n1380000|北京|北京\r\n1390000|吉林|延边\r\n"));
    QCOMPARE(ReadBytes(base / U8Path("手机号段.txt.20261207-090503.bak")), before);
    // The region file keeps its lines; 吉林 comes after them.
    QCOMPARE(ReadBytes(base / U8Path("地区.txt")), telqor::Utf8ToGbk("北京|北京\r\n广东*广州,深圳\r\n吉林|延边\r\n"));
    const QString changeList = telqor::test::PathToQString(base / U8Path("号段变更.20261207-090503.txt"));
    QCOMPARE(telqor::test::Scripted().messages,
             std::vector<QString>{u"号段库已更新：3个号段，新增1个，删除3个，变更城市1个\n变更明细："_s + changeList +
                                  u"\n原文件另存为：地区.txt.20261207-090503.bak、手机号段.txt.20261207-090503.bak"
                                  u"\n\n1行有误，已跳过：\n第5行：号段不是7位数字"_s});
    QCOMPARE(w->StatusText(), u" "_s);  // the import's status cleared
    // The dialog shows the new database: 延边 is there, 广州 has no segment left.
    ClickNode(d, Node(d, u"吉林"_s, u"延边"_s));
    QCOMPARE(Rows(Control<QTableView>(d, kSegmentList)), QStringList{u"1390000"_s});
    ClickNode(d, Node(d, u"广东"_s, u"广州"_s));
    QVERIFY(Rows(Control<QTableView>(d, kSegmentList)).isEmpty());

    // The same list again: nothing to replace, nothing asked or written, and the box says so.
    telqor::test::Scripted().questions.clear();
    telqor::test::Scripted().messages.clear();
    ClickIn(d, kImportSegmentListButton);
    QVERIFY(telqor::test::Scripted().questions.empty());
    QCOMPARE(
        telqor::test::Scripted().messages,
        std::vector<QString>{
            u"号段库没有变化：3个号段与现有数据相同，未写入任何文件\n\n1行有误，已跳过：\n第5行：号段不是7位数字"_s});
    QVERIFY(!fs::exists(base / U8Path("手机号段.txt.20261207-090503-2.bak")));
  }
};

TELQOR_GUI_SUITE("segment_dialogs", SegmentDialogsTest)

#include "segment_dialogs_test.moc"
