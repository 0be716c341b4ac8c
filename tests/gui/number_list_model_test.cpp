// The list model of the number views: row count from the last reset, GBK items decoded for
// display, nothing while suspended or for rows the list no longer has.
#include "ui/kit/number_list_model.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include "tests/gui/gui_test_support.h"
#include "ui/kit/number_view.h"

using namespace Qt::StringLiterals;

class NumberListModelTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsItemsDecodedFromGbk() {
    telqor::NumberList numbers(telqor::ListRole::Workspace);
    telqor::ItemList& list = numbers.Items();
    list.Add("13800000000");
    list.Add("\xD6\xD0\xCE\xC4");  // 中文
    list.Add("");
    telqor::NumberListModel model(&numbers);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.data(model.index(0)).toString(), u"13800000000"_s);
    QCOMPARE(model.data(model.index(1)).toString(), u"中文"_s);
    QCOMPARE(model.data(model.index(2)).toString(), QString());
    QVERIFY(!model.data(model.index(0), Qt::ToolTipRole).isValid());
    // Every row shows an empty check box that the user cannot tick.
    QCOMPARE(model.data(model.index(1), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    QVERIFY(!(model.flags(model.index(1)) & Qt::ItemIsUserCheckable));
    QVERIFY(!model.data(model.index(0), Qt::EditRole).isValid());
  }

  void SuspendedOrStaleRowsAnswerNothing() {
    telqor::NumberList numbers(telqor::ListRole::Source);
    telqor::ItemList& list = numbers.Items();
    for (int i = 0; i < 5; ++i) list.Add(std::to_string(i));
    telqor::NumberListModel model(&numbers);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    numbers.SetSuspended(true);
    QVERIFY(!model.data(model.index(0)).isValid());
    list.Clear();
    list.Add("x");
    numbers.SetSuspended(false);
    // Until the reset the view still believes in five rows; rows past the list give nothing.
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.data(model.index(0)).toString(), u"x"_s);
    QVERIFY(!model.data(model.index(4)).isValid());
    model.Reset();
    QCOMPARE(model.rowCount(), 1);
  }

  void ViewHasOneColumnAndFixedRows() {
    telqor::NumberList numbers(telqor::ListRole::Target);
    numbers.Items().Add("13800000000");
    telqor::NumberListModel model(&numbers);
    QTableView view;
    telqor::ConfigureNumberView(&view);
    view.setModel(&model);
    QCOMPARE(view.model()->columnCount(), 1);
    QVERIFY(view.horizontalHeader()->isHidden());
    QVERIFY(view.verticalHeader()->isHidden());
    QCOMPARE(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
  }
};

TELQOR_GUI_SUITE("number_list_model", NumberListModelTest)

#include "number_list_model_test.moc"
