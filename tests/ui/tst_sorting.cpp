// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "tools/samples/DatabaseBuilder.h"
#include "ui/lists/ListSorting.h"
#include "ui/lists/ModelStrings.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

using k510::ui::ReportList;

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// One satellite; transponders 1..5 at 11200 H, 5150 V, 10750 H, 3900 V,
// 12000 H; TV channels whose names probe the text order.
k510::ChannelDatabase sortingDatabase()
{
    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Sat"});
    builder.addTransponder(1, 11200, 'H', 27500, 3);
    builder.addTransponder(1, 5150, 'V', 30000, 0);
    builder.addTransponder(1, 10750, 'H', 22000, 2);
    builder.addTransponder(1, 3900, 'V', 27500, 5);
    builder.addTransponder(1, 12000, 'H', 1000, 1);
    const char *names[] = {"яблоко", "Яблоко", "арбуз", "Банан", "alpha", "Alpha", "beta", "123", "Ёлка", "Rai 1", "Rai"};
    int transponder = 0;
    for (const char *name : names)
        builder.addTv(transponder++ % 5 + 1, {name});
    return builder.build();
}

} // namespace

// Sorting by a column title: ascending, descending on a second click, stable
// both ways, numeric or Windows-1251 text per list and column, the title's
// sort indicator, and the shared sortColumn.
class SortingTest : public QObject {
    Q_OBJECT
private slots:
    void textComparison_data();
    void textComparison();
    void numericComparison_data();
    void numericComparison();
    void channelListByName();
    void channelListFrequencyIsText();
    void secondClickDescends_data();
    void secondClickDescends();
    void orderAsShownKeepsTheSortedView();
    void transponderColumns();
    void selectionFollowsRows();
};

void SortingTest::textComparison_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("Latin case folded") << "Sky News" << "SKY news" << 0;
    QTest::newRow("Latin letters") << "abc" << "ABD" << -1;
    QTest::newRow("Cyrillic capital first") << "Яблоко" << "яблоко" << -1;
    QTest::newRow("all capitals before small") << "Я" << "а" << -1;
    QTest::newRow("digits before Latin") << "9" << "A" << -1;
    QTest::newRow("Latin before Cyrillic") << "Zeta" << "Альфа" << -1;
    QTest::newRow("yo before other Cyrillic") << "ёж" << "Арбуз" << -1;
    QTest::newRow("shorter prefix first") << "Rai" << "Rai 1" << -1;
    QTest::newRow("equal") << "НТВ" << "НТВ" << 0;
    QTest::newRow("both empty") << "" << "" << 0;
    // Only a-z are folded: '[' (0x5B) sorts after 'Z' and after folded 'z'.
    QTest::newRow("no folding beyond a-z") << "z" << "[" << -1;
}

void SortingTest::textComparison()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    using k510::ui::toWindows1251;
    QCOMPARE(sign(k510::ui::compareText(toWindows1251(a), toWindows1251(b))), expected);
    QCOMPARE(sign(k510::ui::compareText(toWindows1251(b), toWindows1251(a))), -expected);
}

void SortingTest::numericComparison_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("by value, not text") << "5150" << "10750" << -1;
    QTest::newRow("equal") << "42" << "42" << 0;
    QTest::newRow("larger") << "100" << "99" << 1;
    // A frequency whose nibbles are no decimal digits shows hexadecimal.
    QTest::newRow("not a number sorts last") << "1a2b" << "99999" << 1;
    QTest::newRow("two non-numbers equal") << "1a2b" << "" << 0;
}

void SortingTest::numericComparison()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(k510::ui::compareNumeric(a, b), expected);
    QCOMPARE(k510::ui::compareNumeric(b, a), -expected);
}

void SortingTest::channelListByName()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickColumnTitle(tv, 1);
    QCOMPARE(EditorDriver::column(tv, 1), (QStringList{"123", "alpha", "Alpha", "beta", "Rai", "Rai 1", "Ёлка", "Банан",
                                                       "Яблоко", "арбуз", "яблоко"}));
    QCOMPARE(EditorDriver::column(tv, 0),
             (QStringList{"8", "5", "6", "7", "11", "10", "9", "4", "2", "3", "1"}));
    QCOMPARE(editor.window().sortColumn(), 1);

    // "#" restores the order.
    editor.clickColumnTitle(tv, 0);
    QCOMPARE(EditorDriver::column(tv, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    QCOMPARE(editor.window().sortColumn(), 0);

    // A refill shows the database's order again, without an indicator, and
    // the next click sorts ascending.
    editor.clickColumnTitle(tv, 1);
    editor.clickTab(0);
    editor.clickTab(2);
    QCOMPARE(EditorDriver::column(tv, 1).first(), QStringLiteral("яблоко"));
    QVERIFY(!tv->horizontalHeader()->isSortIndicatorShown());
    editor.clickColumnTitle(tv, 1);
    QCOMPARE(EditorDriver::column(tv, 1).first(), QStringLiteral("123"));
}

void SortingTest::channelListFrequencyIsText()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickColumnTitle(tv, 4);
    // Text order: 10750 before 11200 before 3900; equal frequencies keep
    // their previous (TV order) order.
    QCOMPARE(EditorDriver::column(tv, 4),
             (QStringList{"10750", "10750", "11200", "11200", "11200", "12000", "12000", "3900", "3900", "5150", "5150"}));
    QCOMPARE(EditorDriver::column(tv, 0),
             (QStringList{"3", "8", "1", "6", "11", "5", "10", "4", "9", "2", "7"}));
}

void SortingTest::secondClickDescends_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("clickedColumns");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("descending");

    // Ascending: 123 alpha(5) Alpha(6) beta Rai "Rai 1" Ёлка Банан Яблоко арбуз яблоко.
    // "alpha" and "Alpha" compare equal and stay 5, 6 both ways.
    QTest::newRow("names") << 2 << "lvTvCh" << QList<int>{1, 1}
                           << QStringList{"1", "3", "2", "4", "9", "10", "11", "7", "5", "6", "8"} << true;
    QTest::newRow("third click ascends") << 2 << "lvTvCh" << QList<int>{1, 1, 1}
                                         << QStringList{"8", "5", "6", "7", "11", "10", "9", "4", "2", "3", "1"}
                                         << false;
    QTest::newRow("another column starts ascending") << 2 << "lvTvCh" << QList<int>{4, 4, 1}
                                                     << QStringList{"8", "5", "6", "7", "11", "10", "9", "4", "2",
                                                                    "3", "1"}
                                                     << false;
    // Pairs and a triple of equal frequencies, each in its ascending order.
    QTest::newRow("frequency text") << 2 << "lvTvCh" << QList<int>{4, 4}
                                    << QStringList{"2", "7", "4", "9", "5", "10", "1", "6", "11", "3", "8"} << true;
    QTest::newRow("numeric frequency") << 1 << "lvTpView" << QList<int>{2, 2}
                                       << QStringList{"5", "1", "3", "2", "4"} << true;
    QTest::newRow("all rows equal") << 1 << "lvTpView" << QList<int>{3, 3}
                                    << QStringList{"1", "2", "3", "4", "5"} << true;
}

void SortingTest::secondClickDescends()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QList<int>, clickedColumns);
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(page);
    ReportList *rows = editor.list(qPrintable(list));
    for (const int column : clickedColumns)
        editor.clickColumnTitle(rows, column);
    QTEST(EditorDriver::column(rows, 0), "numbers");
    QFETCH(bool, descending);
    const QHeaderView *titles = rows->horizontalHeader();
    QVERIFY(titles->isSortIndicatorShown());
    QCOMPARE(titles->sortIndicatorSection(), clickedColumns.last());
    QCOMPARE(titles->sortIndicatorOrder(), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    QCOMPARE(editor.window().sortColumn(), clickedColumns.last());
}

void SortingTest::orderAsShownKeepsTheSortedView()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    const QStringList original = EditorDriver::column(tv, 1);
    auto *edit = editor.window().findChild<QMenu *>(QStringLiteral("mmEdit"));
    auto *orderAsShown = editor.window().findChild<QAction *>(QStringLiteral("mmEditOrderAsShown"));
    emit edit->aboutToShow();
    QVERIFY(!orderAsShown->isEnabled());   // nothing sorted: nothing to keep

    editor.clickColumnTitle(tv, 1);
    const QStringList byName = EditorDriver::column(tv, 1);
    emit edit->aboutToShow();
    QVERIFY(orderAsShown->isEnabled());
    orderAsShown->trigger();
    // The rows stay where they stood, now numbered in that order, and the
    // order list the receiver gets says the same.
    QCOMPARE(EditorDriver::column(tv, 1), byName);
    QCOMPARE(EditorDriver::column(tv, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    const k510::ChannelDatabase &db = editor.window().database();
    QStringList orderNames;
    for (int position = 0; position < db.tvCount(); ++position)
        orderNames << k510::ui::fromWindows1251(db.channels[std::size_t(db.channelIndexOfTvOrder(position))].nameText());
    QCOMPARE(orderNames, byName);

    // One step, undone as one.
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
    QCOMPARE(EditorDriver::column(tv, 1), original);
}

void SortingTest::transponderColumns()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(1);
    ReportList *transponders = editor.list("lvTpView");

    editor.clickColumnTitle(transponders, 2);   // "Частота", numeric here
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"4", "2", "3", "1", "5"}));
    QCOMPARE(editor.window().sortColumn(), 2);
    editor.clickColumnTitle(transponders, 3);   // "Скорость": all rows equal
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"4", "2", "3", "1", "5"}));
    editor.clickColumnTitle(transponders, 4);   // "FEC": all rows equal
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"4", "2", "3", "1", "5"}));
    QCOMPARE(editor.window().sortColumn(), 4);
    editor.clickColumnTitle(transponders, 1);   // "Поляриз.": H rows, then V rows, each as they were
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"3", "1", "5", "4", "2"}));

    // The column index is shared: a click in another list moves it without
    // re-sorting this one.
    editor.clickTab(0);
    editor.clickColumnTitle(editor.list("lvSatView"), 6);
    QCOMPARE(editor.window().sortColumn(), 6);
}

void SortingTest::selectionFollowsRows()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickRow(tv, 3);   // "Банан"
    editor.clickRow(tv, 7, Qt::ControlModifier);   // "123"
    editor.clickColumnTitle(tv, 1);
    QCOMPARE(EditorDriver::selectedRows(tv), (std::vector<int>{0, 7}));
    QCOMPARE(tv->text(7, 1), QStringLiteral("Банан"));
}

QTEST_MAIN(SortingTest)
#include "tst_sorting.moc"
