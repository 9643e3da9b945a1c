// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "EditingDatabase.h"
#include "SortingCases.h"
#include "ui/lists/ModelStrings.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <optional>

using k510::ui::ReportList;

using namespace sorting;

// Sorting by a column title: ascending, descending on a second click, stable
// both ways, numbers by value and words in Russian dictionary order, the
// title's sort indicator, and the shared sortColumn.
class SortingTest : public QObject {
    Q_OBJECT
private slots:
    void everyColumnSortsAsRead_data();
    void everyColumnSortsAsRead();
    void channelListByName();
    void channelListFrequencyIsNumeric();
    void secondClickDescends_data();
    void secondClickDescends();
    void orderAsShownKeepsTheSortedView();
    void transponderColumns();
    void selectionFollowsRows();
    void changesKeepTheSort_data();
    void changesKeepTheSort();
    void changesKeepThePlace_data();
    void changesKeepThePlace();
};

void SortingTest::everyColumnSortsAsRead_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("column");
    const struct {
        int page;
        const char *list;
        int columns;
    } lists[] = {
        {TfrmMain::PageSat, "lvSatView", 9},     {TfrmMain::PageTp, "lvTpView", 5},
        {TfrmMain::PageTv, "lvTvCh", 6},         {TfrmMain::PageRadio, "lvRadioCh", 6},
        {TfrmMain::PageFavTv, "lvTvFavCh", 6},   {TfrmMain::PageFavRadio, "lvRadioFavCh", 6},
        {TfrmMain::PageFavTv, "lvFavCh", 6},     // the favourites selection dialog
    };
    for (const auto &list : lists)
        for (int column = 0; column < list.columns; ++column)
            QTest::addRow("%s %d", list.list, column) << list.page << list.list << column;
}

// A click on a title sorts the rows as readerOrder does, a second one in
// the other direction; rows that read alike keep their order both times.
void SortingTest::everyColumnSortsAsRead()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(int, column);
    EditorDriver editor;
    editor.open(readingDatabase());
    editor.clickTab(page);
    const auto sortTwice = [&](ReportList *rows) {
        const QList<QStringList> before = rowsOf(rows);
        QVERIFY(before.size() >= 5);
        const QString title = rows->model()->headerData(column, Qt::Horizontal).toString();
        for (const bool descending : {false, true}) {
            QList<QStringList> expected = before;
            std::stable_sort(expected.begin(), expected.end(), [&](const QStringList &a, const QStringList &b) {
                const int order = readerOrder(title, a[column], b[column]);
                return descending ? order > 0 : order < 0;
            });
            editor.clickColumnTitle(rows, column);
            QCOMPARE(rowsOf(rows), expected);
        }
    };
    if (list != QLatin1String("lvFavCh"))
        return sortTwice(editor.list(qPrintable(list)));

    bool sorted = false;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        dialog.show();
        sortTwice(dialog.findChild<ReportList *>(list));
        sorted = true;
        dialog.hide();
        return false;
    });
    editor.window().pmAddClick();
    QVERIFY(sorted);
}

void SortingTest::channelListByName()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickColumnTitle(tv, 1);
    // Digits, Cyrillic, Latin; case ignored, so "яблоко" and "Яблоко" keep
    // their order, as do "alpha" and "Alpha"; Ё beside Е.
    QCOMPARE(EditorDriver::column(tv, 1), (QStringList{"123", "арбуз", "Банан", "Ёлка", "яблоко", "Яблоко", "alpha",
                                                       "Alpha", "beta", "Rai", "Rai 1"}));
    QCOMPARE(EditorDriver::column(tv, 0),
             (QStringList{"8", "3", "4", "9", "1", "2", "5", "6", "7", "11", "10"}));
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

void SortingTest::channelListFrequencyIsNumeric()
{
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickColumnTitle(tv, 4);
    // 3900 before 10750, as in the transponder list; equal frequencies keep
    // their previous (TV order) order.
    QCOMPARE(EditorDriver::column(tv, 4),
             (QStringList{"3900", "3900", "5150", "5150", "10750", "10750", "11200", "11200", "11200", "12000", "12000"}));
    QCOMPARE(EditorDriver::column(tv, 0),
             (QStringList{"4", "9", "2", "7", "3", "8", "1", "6", "11", "5", "10"}));
}

void SortingTest::secondClickDescends_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("clickedColumns");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("descending");

    // Ascending: 123 арбуз Банан Ёлка яблоко(1) Яблоко(2) alpha(5) Alpha(6) beta Rai "Rai 1".
    // Equal names stay 1, 2 and 5, 6 both ways.
    QTest::newRow("names") << 2 << "lvTvCh" << QList<int>{1, 1}
                           << QStringList{"10", "11", "7", "5", "6", "1", "2", "9", "4", "3", "8"} << true;
    QTest::newRow("third click ascends") << 2 << "lvTvCh" << QList<int>{1, 1, 1}
                                         << QStringList{"8", "3", "4", "9", "1", "2", "5", "6", "7", "11", "10"}
                                         << false;
    QTest::newRow("another column starts ascending") << 2 << "lvTvCh" << QList<int>{4, 4, 1}
                                                     << QStringList{"8", "3", "4", "9", "1", "2", "5", "6", "7",
                                                                    "11", "10"}
                                                     << false;
    // Pairs and a triple of equal frequencies, each in its ascending order.
    QTest::newRow("channel frequency") << 2 << "lvTvCh" << QList<int>{4, 4}
                                       << QStringList{"5", "10", "1", "6", "11", "3", "8", "2", "7", "4", "9"} << true;
    QTest::newRow("transponder frequency") << 1 << "lvTpView" << QList<int>{2, 2}
                                           << QStringList{"5", "1", "3", "2", "4"} << true;
    QTest::newRow("symbol rate") << 1 << "lvTpView" << QList<int>{3, 3}
                                 << QStringList{"2", "1", "4", "3", "5"} << true;
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

    editor.clickColumnTitle(transponders, 2);   // "Частота"
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"4", "2", "3", "1", "5"}));
    QCOMPARE(editor.window().sortColumn(), 2);
    editor.clickColumnTitle(transponders, 3);   // "Скорость": 27500 twice, kept as they stood
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"5", "3", "4", "1", "2"}));
    editor.clickColumnTitle(transponders, 4);   // "FEC": by rate, "AUTO" last
    QCOMPARE(EditorDriver::column(transponders, 4), (QStringList{"1/2", "2/3", "3/4", "7/8", "AUTO"}));
    QCOMPARE(editor.window().sortColumn(), 4);
    editor.clickColumnTitle(transponders, 1);   // "Поляриз.": H rows, then V rows, each as they were
    QCOMPARE(EditorDriver::column(transponders, 0), (QStringList{"5", "3", "1", "4", "2"}));

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
    QCOMPARE(EditorDriver::selectedRows(tv), (std::vector<int>{0, 2}));
    QCOMPARE(tv->text(2, 1), QStringLiteral("Банан"));
}

void SortingTest::changesKeepTheSort_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("clickedColumns");
    QTest::addColumn<int>("changedRow");    // the row edited, -1: a row is added
    QTest::addColumn<QStringList>("fields"); // "leName=Text", "cbFec=2" (an entry) or a radio button's name
    QTest::addColumn<int>("column");        // where the changed row shows...
    QTest::addColumn<QString>("text");      // ...this text

    // Transponders 11200 H, 5150 V, 10750 H, 3900 V, 12000 H.
    QTest::newRow("transponder added, by frequency")
        << 1 << "lvTpView" << QList<int>{2} << -1
        << QStringList{"rgPolarization_V", "leFrequency=11475", "leRate=27500", "cbFec=2"} << 2 << "11475";
    QTest::newRow("transponder added, by frequency descending")
        << 1 << "lvTpView" << QList<int>{2, 2} << -1
        << QStringList{"rgPolarization_V", "leFrequency=4000", "leRate=27500", "cbFec=2"} << 2 << "4000";
    QTest::newRow("transponder edited, by frequency") << 1 << "lvTpView" << QList<int>{2} << 0
                                                     << QStringList{"leFrequency=12500"} << 2 << "12500";
    QTest::newRow("transponder edited, by polarisation") << 1 << "lvTpView" << QList<int>{1} << 0
                                                         << QStringList{"rgPolarization_V"} << 0 << "1";
    QTest::newRow("channel renamed, by name") << 2 << "lvTvCh" << QList<int>{1} << 0
                                              << QStringList{"leName=Ежи"} << 1 << "Ежи";
    QTest::newRow("channel renamed, by name descending") << 2 << "lvTvCh" << QList<int>{1, 1} << 0
                                                         << QStringList{"leName=Жук"} << 1 << "Жук";
}

// A row added or edited in a sorted list takes its place among the others,
// and the title goes on showing the sort, which is then true.
void SortingTest::changesKeepTheSort()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QList<int>, clickedColumns);
    QFETCH(int, changedRow);
    QFETCH(QStringList, fields);
    QFETCH(int, column);
    QFETCH(QString, text);
    EditorDriver editor;
    editor.open(sortingDatabase());
    editor.clickTab(page);
    if (page == 1)
        editor.chooseTransponderSatellite(1);
    ReportList *rows = editor.list(qPrintable(list));
    for (const int clicked : clickedColumns)
        editor.clickColumnTitle(rows, clicked);
    const int sorted = clickedColumns.last();
    const Qt::SortOrder order = rows->horizontalHeader()->sortIndicatorOrder();
    const int countBefore = rows->rowCount();

    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        for (const QString &field : fields) {
            const QString name = field.section(QLatin1Char('='), 0, 0);
            const QString value = field.section(QLatin1Char('='), 1);
            if (auto *button = dialog.findChild<QRadioButton *>(name))
                button->click();
            else if (auto *entries = dialog.findChild<QComboBox *>(name))
                entries->setCurrentIndex(value.toInt());
            else
                dialog.findChild<QLineEdit *>(name)->setText(value);
        }
        return true;
    });
    if (changedRow < 0) {
        editor.window().pmAddClick();
    } else {
        editor.clickRow(rows, changedRow);
        editor.window().pmChangeClick();
    }
    QCOMPARE(editor.dialogs().messages, QStringList());
    QCOMPARE(rows->rowCount(), countBefore + (changedRow < 0 ? 1 : 0));

    const QHeaderView *titles = rows->horizontalHeader();
    QVERIFY(titles->isSortIndicatorShown());
    QCOMPARE(titles->sortIndicatorSection(), sorted);
    QCOMPARE(titles->sortIndicatorOrder(), order);
    const QString title = rows->model()->headerData(sorted, Qt::Horizontal).toString();
    const QStringList cells = EditorDriver::column(rows, sorted);
    for (int row = 1; row < cells.size(); ++row) {
        const int pair = readerOrder(title, cells[row - 1], cells[row]);
        QVERIFY2(order == Qt::AscendingOrder ? pair <= 0 : pair >= 0,
                 qPrintable(cells.join(QLatin1Char(' '))));
    }
    // The row changed is the one selected and in view.
    const std::vector<int> selected = EditorDriver::selectedRows(rows);
    QCOMPARE(selected.size(), std::size_t(1));
    QCOMPARE(rows->text(selected.front(), column), text);
    QVERIFY(rows->viewport()->rect().intersects(rows->visualRect(rows->model()->index(selected.front(), 0))));
}

void SortingTest::changesKeepThePlace_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("changes");   // "rename", "delete", "undo", "redo", "select" (two other rows)
    const QList<QStringList> cases = {{"rename"}, {"delete"}, {"rename", "select", "undo"},
                                      {"delete", "select", "undo"}, {"delete", "undo", "select", "redo"}};
    for (const QString filter : {"", "1"})
        for (const QStringList &changes : cases)
            QTest::newRow(qPrintable(changes.join(", ") + (filter.isEmpty() ? "" : ", filtered"))) << filter << changes;
}

// After an edit, a delete, an undo or a redo the list stays sorted and
// filtered, keeps the row at its top there, and keeps selected the rows that
// still exist (after an edit, the edited row).
void SortingTest::changesKeepThePlace()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, changes);
    EditorDriver editor;
    editor.open(oneTransponderBuilder(numberedNames("K", 400)).build());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    editor.window().findChild<QLineEdit *>(QStringLiteral("edTvFind"))->setText(filter);
    editor.clickColumnTitle(list, 1);
    editor.clickColumnTitle(list, 1);   // by name, descending
    const int middle = list->rowCount() / 2;
    list->doItemsLayout();
    list->scrollTo(list->model()->index(middle, 0), QAbstractItemView::PositionAtTop);
    QCOMPARE(list->rowAt(0), middle);
    const auto namesOf = [list](const std::vector<int> &rows) {
        QStringList names;
        for (const int row : rows)
            names.append(list->text(row, 1));
        names.sort();
        return names;
    };
    EditorDriver::selectRows(list, {middle + 2, middle + 4, middle + 5});
    QStringList selected = namesOf(EditorDriver::selectedRows(list));
    QString top = list->text(list->rowAt(0), 1);

    for (const QString &change : changes) {
        if (change == QLatin1String("select")) {
            EditorDriver::selectRows(list, {middle + 1, middle + 3});
            selected = namesOf(EditorDriver::selectedRows(list));
            top = list->text(list->rowAt(0), 1);
        } else if (change == QLatin1String("rename")) {
            const QString renamed = list->text(middle + 2, 1);
            editor.dialogs().dialogScript.push_back([renamed](QDialog &dialog) {
                dialog.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(renamed + QStringLiteral(" HD"));
                return true;
            });
            list->selectionModel()->setCurrentIndex(list->model()->index(middle + 2, 0), QItemSelectionModel::NoUpdate);
            editor.window().pmChangeClick();
            // The edited row alone is selected then, as after every edit.
            selected = QStringList{renamed + QStringLiteral(" HD")};
        } else if (change == QLatin1String("delete")) {
            editor.window().pmDeleteClick();
        } else {
            editor.window().findChild<QAction *>(change == QLatin1String("undo") ? QStringLiteral("mmEditUndo")
                                                                                 : QStringLiteral("mmEditRedo"))
                ->trigger();
        }
    }

    const QStringList shown = EditorDriver::column(list, 1);
    QStringList stillThere;
    for (const QString &name : selected)
        if (shown.contains(name))
            stillThere.append(name);
    QCOMPARE(namesOf(EditorDriver::selectedRows(list)), stillThere);
    if (shown.contains(top))
        QCOMPARE(list->text(list->rowAt(0), 1), top);
    QCOMPARE(list->sortedColumn(), 1);
    for (int row = 1; row < shown.size(); ++row)
        QVERIFY2(readerOrder(QStringLiteral("Название"), shown[row - 1], shown[row]) >= 0, qPrintable(shown[row]));
    for (const QString &name : shown)
        QVERIFY(name.contains(filter));
}

QTEST_MAIN(SortingTest)
#include "tst_sorting.moc"
