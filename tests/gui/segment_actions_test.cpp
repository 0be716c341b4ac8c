// The segment subsystem's controls on the tab "号码生成㈡" and the workspace's "保存" menu,
// driven through the real main window: moves by number type and by combination feature with
// their dialogs, generation from typed and chosen segments, and the exports by region.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/text/gbk.h"
#include "tests/gui/gui_test_support.h"
#include "ui/segments/segment_input_dialog_names.h"
#include "ui/kit/qt_ui.h"
#include "ui/segments/feature_pattern_dialog_names.h"
#include "ui/segments/number_type_dialog_names.h"
#include "ui/segments/segment_library_dialog_names.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Click;
using telqor::test::Control;
using telqor::test::Dialog;
using telqor::test::Rows;
using telqor::test::TempHome;
using telqor::test::Trigger;
using namespace telqor::names::lists;
using namespace telqor::names::workspace;
namespace input = telqor::names::segment_input;
namespace library = telqor::names::segment_library;
namespace patterns = telqor::names::feature_patterns;
namespace types = telqor::names::number_types;

namespace {

// A program folder holding the test segment database.
void CopyDatabase(const TempHome& home) {
  fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
  fs::create_directories(home / telqor::test::U8Path("基础数据"));
  fs::create_directories(home / telqor::test::U8Path("我的数据"));
  for (const char* name : {"地区.txt", "手机号段.txt"})
    fs::copy_file(data / telqor::test::U8Path(name),
                  home / telqor::test::U8Path("基础数据") / telqor::test::U8Path(name));
}

void Fill(telqor::NumberList& list, std::vector<std::string> items) {
  for (const std::string& item : items) list.Items().Add(item);
  list.RefreshView();
}

// The next modal dialog is answered by script: the dialog shows modally (so its own buttons
// may run while the action waits), the script runs on it, then it closes, accepted or not.
void WillAnswer(std::function<void(QDialog*)> script, bool accepted = true) {
  telqor::Hooks().execDialog = [script, accepted](QDialog* dialog) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    script(dialog);
    dialog->hide();
    return accepted ? int(QDialog::Accepted) : int(QDialog::Rejected);
  };
}

template <typename T>
T* In(QDialog* dialog, const QString& name) {
  T* control = dialog->findChild<T*>(name);
  if (!control) qFatal("no control %s", qPrintable(name));
  return control;
}

}  // namespace

class SegmentActionTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void MoveByTypeCopiesTheChosenCarriersOrRange() {
    TempHome home;
    auto w = home.OpenWindow();
    Fill(w->Lists().source, {"13912345678", "13012345678", "18912345678", "13800000050", "x"});
    WillAnswer([](QDialog* d) {
      In<QCheckBox>(d, types::kUnicomCheck)->setChecked(false);
      In<QCheckBox>(d, types::kTelecomCheck)->setChecked(false);
    });
    Click(w, kTypeToTargetButton);
    QCOMPARE(Rows(w, kTargetList), (QStringList{u"13912345678"_s, u"13800000050"_s}));
    QCOMPARE(w->StatusText(), u" 根据号码类型移动号码完成。【原始号码】->【目标号码】"_s);

    // The dialog keeps its choices; a range alone needs the carriers unchecked.
    WillAnswer([](QDialog* d) {
      In<QCheckBox>(d, types::kMobileCheck)->setChecked(false);
      In<QCheckBox>(d, types::kRangeCheck)->setChecked(true);
      In<QLineEdit>(d, types::kRangeStartEdit)->setText(u"13800000000"_s);
      In<QLineEdit>(d, types::kRangeEndEdit)->setText(u"13800000099"_s);
    });
    Click(w, kTypeToSourceButton);
    QCOMPARE(Rows(w, kSourceList).last(), u"13800000050"_s);
    QCOMPARE(Rows(w, kSourceList).size(), 6);

    // A bound that is no number stops before anything is copied.
    WillAnswer([](QDialog* d) { In<QLineEdit>(d, types::kRangeEndEdit)->setText(u"99x"_s); });
    Click(w, kTypeToTargetButton);
    QCOMPARE(w->StatusText(), u" '99x' is not a valid integer value"_s);
    QCOMPARE(Rows(w, kTargetList).size(), 2);
  }

  void MoveByFeatureTakesTheRowsOfThePatternFile() {
    TempHome home;
    telqor::test::WriteBytes(home / telqor::test::U8Path("基础数据/Regex/p.txt"), "end=8888$\r\nstart=^138\r\n");
    auto w = home.OpenWindow();
    Fill(w->Lists().source, {"13812345678", "13000008888", "18912345678"});
    Fill(w->Lists().target, {"old"});
    auto choose = [](QDialog* d) {
      auto* files = In<QComboBox>(d, patterns::kFileCombo);
      files->setCurrentIndex(0);
      emit files->activated(0);
    };
    WillAnswer([&](QDialog* d) {
      choose(d);
      auto* list = In<QTreeWidget>(d, patterns::kPatternList);
      if (list->topLevelItemCount() != 2) qFatal("the pattern file shows no rows");
      QCOMPARE(list->topLevelItem(0)->text(0), u"end"_s);
      list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    });
    Click(w, kFeatureToTargetButton);
    QCOMPARE(Rows(w, kTargetList), QStringList{u"13812345678"_s});
    QCOMPARE(w->StatusText(), u" 根据组合特征移动号码完成。【原始号码】->【目标号码】"_s);

    // From the target list every row counts, checked or not.
    WillAnswer([](QDialog*) {});
    Click(w, kFeatureToSourceButton);
    QCOMPARE(Rows(w, kSourceList), QStringList{u"13812345678"_s});

    // A pattern that does not compile is refused before it is saved; the fields keep it.
    QString typed;
    WillAnswer(
        [&](QDialog* d) {
          In<QLineEdit>(d, patterns::kNameEdit)->setText(u" start "_s);
          In<QLineEdit>(d, patterns::kExpressionEdit)->setText(u"(bad"_s);
          In<QPushButton>(d, patterns::kSaveButton)->click();
          typed = In<QLineEdit>(d, patterns::kExpressionEdit)->text();
        },
        false);
    Click(w, kFeatureToTargetButton);
    QCOMPARE(telqor::test::ReadBytes(home / telqor::test::U8Path("基础数据/Regex/p.txt")),
             std::string("end=8888$\r\nstart=^138\r\n"));
    QCOMPARE(typed, u"(bad"_s);
    QVERIFY(w->StatusText().contains(u"表达式 (bad 无效: "_s));
    QVERIFY(w->StatusText().contains(u"missing closing parenthesis"_s));
    QCOMPARE(Rows(w, kTargetList), QStringList{u"13812345678"_s});

    // One written by hand is named when a move joins it with the others, and no list changes.
    telqor::test::WriteBytes(home / telqor::test::U8Path("基础数据/Regex/p.txt"), "ok=^138\r\nworse=((\r\n");
    WillAnswer(choose);
    Click(w, kFeatureToTargetButton);
    QVERIFY(w->StatusText().contains(u"表达式 (( 无效: "_s));
    QCOMPARE(Rows(w, kTargetList), QStringList{u"13812345678"_s});
  }

  // A new program folder has no "Regex" folder and no file: the first "保存" makes both, and a
  // file added by hand shows at the next showing.
  void PatternsOfANewProgramFolder() {
    TempHome home;
    auto w = home.OpenWindow();
    const fs::path regex = home / telqor::test::U8Path("基础数据/Regex");
    QVERIFY(!fs::exists(regex));
    Fill(w->Lists().source, {"13812345678", "13000008888"});
    QString chosen;
    WillAnswer([&](QDialog* d) {
      In<QLineEdit>(d, patterns::kNameEdit)->setText(u"a"_s);
      In<QLineEdit>(d, patterns::kExpressionEdit)->setText(u"^130"_s);
      In<QPushButton>(d, patterns::kSaveButton)->click();
      chosen = In<QComboBox>(d, patterns::kFileCombo)->currentText();
      In<QTreeWidget>(d, patterns::kPatternList)->topLevelItem(0)->setCheckState(0, Qt::Checked);
    });
    Click(w, kFeatureToTargetButton);
    QCOMPARE(chosen, u"组合特征.txt"_s);
    QCOMPARE(telqor::test::ReadBytes(regex / telqor::test::U8Path("组合特征.txt")), std::string("a=^130\r\n"));
    QCOMPARE(Rows(w, kTargetList), QStringList{u"13000008888"_s});

    telqor::test::WriteBytes(regex / "mine.txt", "b=^138\r\n");
    int listed = 0;
    WillAnswer([&](QDialog* d) { listed = In<QComboBox>(d, patterns::kFileCombo)->count(); }, false);
    Click(w, kFeatureToTargetButton);
    QCOMPARE(listed, 2);
  }

  void TypedSegmentsFillTheSourceListAndTheCheckReportsUnknownOnes() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    WillAnswer([](QDialog* d) {
      In<QPlainTextEdit>(d, input::kSegmentsEdit)->setPlainText(u"1380000\n 13812345678\n999999"_s);
      In<QToolButton>(d, input::kCheckButton)->click();
      In<QLineEdit>(d, input::kLengthEdit)->setText(u"8"_s);
    });
    Click(w, kInputSegmentsButton);
    QCOMPARE(telqor::test::Scripted().messages, (std::vector<QString>{u"无效：\r\n 13812345678\r\n999999\r\n"_s}));
    QCOMPARE(w->Lists().source.Items().Count(), 10 + 1 + 100);
    QCOMPARE(Rows(w, kSourceList).first(), u"13800000"_s);
    QCOMPARE(w->StatusText(), u" 号段生成完成！"_s);

    // Too many digits to fill: refused before anything is made.
    WillAnswer([](QDialog* d) {
      In<QPlainTextEdit>(d, input::kSegmentsEdit)->setPlainText(u"1380000\n1"_s);
      In<QLineEdit>(d, input::kLengthEdit)->setText(u"11"_s);
    });
    Click(w, kInputSegmentsButton);
    QVERIFY(w->StatusText().contains(u"超过了9位"_s));
    QCOMPARE(w->Lists().source.Items().Count(), 111);
    // Cancel makes nothing.
    WillAnswer([](QDialog*) {}, false);
    Click(w, kInputSegmentsButton);
    QCOMPARE(w->Lists().source.Items().Count(), 111);
  }

  void ChosenSegmentsFillTheSourceList() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    QString chosen;
    WillAnswer([&](QDialog* d) {
      auto* tree = In<QTreeWidget>(d, library::kRegionTree);
      QTreeWidgetItem* city = tree->findItems(u"北京"_s, Qt::MatchExactly).value(0)->child(0);
      tree->setCurrentItem(city);
      emit tree->itemClicked(city, 0);
      auto* segments = In<QTableView>(d, library::kSegmentList);
      segments->selectRow(0);
      chosen = segments->model()->index(0, 0).data().toString();
      In<QAbstractButton>(d, library::kImportButton)->click();
    });
    Click(w, kImportSegmentsButton);
    QCOMPARE(chosen.size(), 7);
    QCOMPARE(w->Lists().source.Items().Count(), 10000);
    QCOMPARE(Rows(w, kSourceList).first(), chosen + u"0000"_s);
    QCOMPARE(w->StatusText(), u" 号段生成完成！"_s);
  }

  // Each export item splits its own list its own way: the workspace list for "保存", the list
  // the radio buttons choose for "全部导出号码".
  void EachExportItemSplitsItsListItsWay() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    const fs::path dated = w->Folders().datedOutput;
    Fill(w->Lists().workspace, {"13800001111"});
    Fill(w->Lists().source, {"13800001111", "13800001112"});
    Fill(w->Lists().target, {"13800001111", "13800001112", "13800001113"});
    auto written = [&](const QString& item) {
      Trigger(w, item);
      QStringList files;
      for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dated))
        if (entry.is_regular_file())
          files << QString::fromStdString(fs::relative(entry.path(), dated).generic_string());
      files.sort();
      fs::remove_all(dated);
      fs::create_directories(dated);
      return files;
    };
    QCOMPARE(written(kSaveByRegionItem), QStringList{u"北京.北京.1.txt"_s});
    QCOMPARE(written(kSaveByCarrierItem), QStringList{u"移动.1.txt"_s});
    QCOMPARE(written(kSaveByRegionCarrierItem), QStringList{u"北京.北京.移动.1.txt"_s});
    QCOMPARE(written(kSaveByRegionCarrierSegmentItem),
             (QStringList{u"北京.北京/移动/1380000-1.txt"_s, u"北京.北京/移动/汇总.txt"_s}));
    QCOMPARE(written(kExportByRegionItem), QStringList{u"北京.北京.2.txt"_s});
    QCOMPARE(written(kExportByCarrierItem), QStringList{u"移动.2.txt"_s});
    QCOMPARE(written(kExportByRegionCarrierItem), QStringList{u"北京.北京.移动.2.txt"_s});
    QCOMPARE(written(kExportByRegionCarrierSegmentItem),
             (QStringList{u"北京.北京/移动/1380000-2.txt"_s, u"北京.北京/移动/汇总.txt"_s}));
    Control<QRadioButton>(w, kExportTargetRadio)->setChecked(true);
    QCOMPARE(written(kExportByRegionItem), QStringList{u"北京.北京.3.txt"_s});
    QCOMPARE(written(kExportByRegionCarrierSegmentItem),
             (QStringList{u"北京.北京/移动/1380000-3.txt"_s, u"北京.北京/移动/汇总.txt"_s}));
  }

  void ExportsWriteIntoTheDatedFolder() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    fs::path dated = w->Folders().datedOutput;
    // An empty workspace list: the "保存" items do nothing at all.
    w->ShowStatus(u"before"_s);
    Trigger(w, kSaveByRegionItem);
    QCOMPARE(w->StatusText(), u" before"_s);
    // "全部导出号码" on the empty target list runs and writes nothing.
    Control<QRadioButton>(w, kExportTargetRadio)->setChecked(true);
    Trigger(w, kExportByRegionItem);
    QCOMPARE(w->StatusText(), u" 保存文件完成：共0个文件，0个号码"_s);
    QCOMPARE(telqor::test::Scripted().messages, std::vector<QString>{u"保存文件完成：共0个文件，0个号码"_s});
    QVERIFY(telqor::test::Scripted().questions.empty());
    QVERIFY(fs::is_empty(dated));

    Fill(w->Lists().workspace, {"13800001111", "13800001111", "13000002222"});
    Trigger(w, kSaveByRegionItem);
    QCOMPARE(telqor::test::ReadBytes(dated / telqor::test::U8Path("北京.北京.2.txt")),
             std::string("13800001111\r\n13800001111\r\n"));
    QVERIFY(fs::exists(dated / telqor::test::U8Path("广东.广州.1.txt")));

    // By segment: each number once, and the closing text says how many repeats went; a blank
    // line is nobody's number.
    Fill(w->Lists().workspace, {""});
    Trigger(w, kSaveByRegionCarrierSegmentItem);
    QCOMPARE(w->StatusText(), u" 保存文件完成：共5个文件，3个号码（去掉重复1个），保存在 "_s +
                                  telqor::test::PathToQString(dated / ""));
    QCOMPARE(telqor::test::ReadBytes(dated / telqor::test::U8Path("未知地区") / telqor::test::U8Path("其它-1.txt")),
             std::string("\r\n"));
  }

  // The same day's second "保存" by region keeps the first list's file beside its own, says how
  // many files and numbers went where, and opens the folder only when asked to.
  void ASecondExportKeepsTheFirstAndOffersTheFolder() {
    TempHome home;
    CopyDatabase(home);
    auto w = home.OpenWindow();
    const fs::path dated = w->Folders().datedOutput;
    const QString said = u"保存文件完成：共1个文件，2个号码，保存在 "_s + telqor::test::PathToQString(dated / "");
    const QString question = said + u"\r\n\r\n是否打开保存目录?"_s;
    Fill(w->Lists().workspace, {"13800000001", "13800000002"});
    Trigger(w, kSaveByRegionItem);
    QCOMPARE(w->StatusText(), u" "_s + said);
    QCOMPARE(telqor::test::Scripted().questions, std::vector<QString>{question});
    QVERIFY(telqor::test::GuiEnv().openedFolders.empty());

    w->Lists().workspace.Items().Clear();
    Fill(w->Lists().workspace, {"13800000101", "13800000102"});
    telqor::test::Scripted().answer = true;
    Trigger(w, kSaveByRegionItem);
    QCOMPARE(telqor::test::ReadBytes(dated / telqor::test::U8Path("北京.北京.2.txt")),
             std::string("13800000001\r\n13800000002\r\n"));
    QCOMPARE(telqor::test::ReadBytes(dated / telqor::test::U8Path("北京.北京.2-2.txt")),
             std::string("13800000101\r\n13800000102\r\n"));
    QCOMPARE(telqor::test::Scripted().questions, (std::vector<QString>{question, question}));
    QCOMPARE(telqor::test::GuiEnv().openedFolders, std::vector<fs::path>{dated});
  }
};

TELQOR_GUI_SUITE("segment_actions", SegmentActionTest)

#include "segment_actions_test.moc"
