// SPDX-License-Identifier: GPL-3.0-or-later
// Reordering by drag and drop: each drop moves the dragged entry of the list
// behind the page to just before the entry under the drop point, and the
// rows then show that list in its order, so every "#" stays true.

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ListPoints.h"
#include "ui/lists/DragEdgeScroll.h"
#include "tools/samples/DatabaseBuilder.h"
#include "ui/commands/DragCommands.h"

using k510::ui::ReportList;
using Numbers = std::vector<std::uint16_t>;

namespace {

// TV channels "T1".."T5" in the order 1..5 on satellite 1, "T6" on
// satellite 2; radio channels "R1".."R3"; TV group 1 holds 5, 7... see each test.
k510::ChannelDatabase database(Numbers tvGroup, Numbers radioGroup)
{
    k510::samples::DatabaseBuilder b;
    const int first = b.addSatellite({.name = "First"});
    const int second = b.addSatellite({.name = "Second"});
    const int tp1 = b.addTransponder(first, 11000, 'H', 27500, 3);
    const int tp2 = b.addTransponder(second, 12000, 'V', 27500, 3);
    for (const char *name : {"T1", "T2", "T3", "T4", "T5"})
        b.addTv(tp1, {.name = name});
    b.addTv(tp2, {.name = "T6"});
    for (const char *name : {"R1", "R2", "R3"})
        b.addRadio(tp1, {.name = name});
    b.setTvOrder({1, 2, 3, 4, 5, 6});
    b.setTvGroup(1, "ТВ", std::move(tvGroup));
    b.setRadioGroup(1, "Радио", std::move(radioGroup));
    return b.build();
}


class DragFixture {
public:
    explicit DragFixture(const k510::ChannelDatabase &db, int page)
    {
        // Groups naming no channel stay as they are: the repair is declined.
        m_editor.dialogs().answers = {false};
        m_editor.open(db);
        m_editor.dialogs().answers.clear();
        m_editor.clickTab(page);
        m_drags = m_editor.window().findChild<k510::ui::DragCommands *>();
    }
    EditorDriver &editor() { return m_editor; }
    // Drags `row` (after selecting it) onto `target`, or below the rows for -1.
    void dragRow(ReportList *list, int row, int target)
    {
        m_editor.clickRow(list, row);
        dropSelection(list, target);
    }
    void dropSelection(ReportList *list, int target)
    {
        const QPoint at = target < 0 ? belowTheRows(*list) : centreOfRow(*list, target);
        QVERIFY(m_drags->dragOver(*list, at, list));
        m_drags->drop(*list, at);
    }
    [[nodiscard]] bool accepts(ReportList *list, const QObject *source)
    {
        return m_drags->dragOver(*list, centreOfRow(*list, 0), source);
    }
    [[nodiscard]] const k510::ChannelDatabase &db() { return m_editor.window().database(); }

private:
    EditorDriver m_editor;
    k510::ui::DragCommands *m_drags = nullptr;
};

} // namespace

class DragDropTest : public QObject {
    Q_OBJECT

private slots:
    void tvOrder_data();
    void tvOrder();
    void realDrag_data();
    void realDrag();
    void selectedRowsMoveAsABlock();
    void noDraggingWithOneSatelliteChosen();
    void radioGroupEntries();
    void theDraggedEntryMovesNotItsTwin();
    void dropInASortedListKeepsEveryNumberTrue();
    void emptyListsAndNoSelection();
    void edgeScrollSpeed_data();
    void edgeScrollSpeed();
};

void DragDropTest::tvOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("target");   // -1: below the last row
    QTest::addColumn<Numbers>("order");
    QTest::addColumn<int>("selected");
    QTest::newRow("2 onto 4") << 1 << 3 << Numbers{1, 3, 2, 4, 5, 6} << 2;
    QTest::newRow("4 onto 2") << 3 << 1 << Numbers{1, 4, 2, 3, 5, 6} << 1;
    QTest::newRow("2 below the last") << 1 << -1 << Numbers{1, 3, 4, 5, 6, 2} << 5;
    QTest::newRow("onto itself") << 2 << 2 << Numbers{1, 2, 3, 4, 5, 6} << 2;
    QTest::newRow("onto the next row") << 2 << 3 << Numbers{1, 2, 3, 4, 5, 6} << 2;
}

void DragDropTest::tvOrder()
{
    QFETCH(int, row);
    QFETCH(int, target);
    QFETCH(Numbers, order);
    DragFixture drag(database({}, {}), TfrmMain::PageTv);
    ReportList *list = drag.editor().list("lvTvCh");
    drag.dragRow(list, row, target);

    QCOMPARE(drag.db().tvOrder, order);
    QCOMPARE(EditorDriver::column(list, 0), (QStringList{"1", "2", "3", "4", "5", "6"}));
    QStringList names;
    for (const int number : order)
        names << QStringLiteral("T%1").arg(number);
    QCOMPARE(EditorDriver::column(list, 1), names);
    QTEST(list->firstSelectedRow(), "selected");
}

void DragDropTest::realDrag_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("selected");   // rows selected before the press
    QTest::addColumn<int>("grabbed");
    QTest::addColumn<int>("scrolled");          // rows scrolled off the top first
    QTest::addColumn<int>("target");            // -1: the first row shown at the release
    QTest::addColumn<Numbers>("order");

    // Pressing a row that is selected with others keeps the selection, and
    // the whole selection moves, closed up.
    QTest::newRow("TV, the later of two selected rows")
        << int(TfrmMain::PageTv) << QList<int>{1, 3} << 3 << 0 << 0 << Numbers{2, 4, 1, 3, 5, 6};
    QTest::newRow("TV, a row outside the selection")
        << int(TfrmMain::PageTv) << QList<int>{1} << 4 << 0 << 2 << Numbers{1, 2, 5, 3, 4, 6};
    QTest::newRow("TV favourites, the later of two selected rows")
        << int(TfrmMain::PageFavTv) << QList<int>{0, 2} << 2 << 0 << 1 << Numbers{1, 5, 2, 3};
    // Held at the top edge the list scrolls to its top; the row shown under
    // the pointer when it is released is the one dropped on.
    QTest::newRow("TV, released at the top edge after scrolling")
        << int(TfrmMain::PageTv) << QList<int>{} << 5 << 3 << -1 << Numbers{6, 1, 2, 3, 4, 5};
}

// A drag as the user makes it, through the platform's drag loop.
void DragDropTest::realDrag()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("the offscreen platform ends every drag at once; run with QT_QPA_PLATFORM=minimal");
    QFETCH(int, page);
    QFETCH(QList<int>, selected);
    QFETCH(int, grabbed);
    QFETCH(int, scrolled);
    QFETCH(int, target);
    QFETCH(Numbers, order);

    DragFixture drag(database({1, 2, 5, 3}, {}), page);
    ReportList *list = drag.editor().list(page == TfrmMain::PageTv ? "lvTvCh" : "lvTvFavCh");
    if (scrolled > 0) {
        // Three rows fit, so the list can scroll.
        list->setFixedHeight(list->horizontalHeader()->height() + 3 * list->verticalHeader()->defaultSectionSize()
                             + 2 * list->frameWidth());
        QTRY_VERIFY(list->verticalScrollBar()->maximum() >= scrolled);
        list->verticalScrollBar()->setValue(scrolled);
    }
    list->clearSelection();
    for (const int row : selected)
        drag.editor().clickRow(list, row, Qt::ControlModifier);

    QWidget *viewport = list->viewport();
    // The drag runs its own event loop from the move that starts it, so the
    // way to the drop point and the release are queued beforehand.
    QTimer::singleShot(0, list, [list, viewport, target] {
        const QPoint at = target < 0 ? QPoint(20, 2) : centreOfRow(*list, target);
        QTest::mouseMove(viewport, at + QPoint(0, 1));
        QTest::mouseMove(viewport, at);
        if (target < 0)
            QTRY_COMPARE(list->verticalScrollBar()->value(), 0);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    });
    const QPoint from = centreOfRow(*list, grabbed);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, from + QPoint(1, 0));
    QTest::mouseMove(viewport, from + QPoint(QApplication::startDragDistance() + 5, 0));

    QCOMPARE(page == TfrmMain::PageTv ? drag.db().tvOrder : drag.db().tvFavourites[0], order);
    if (scrolled > 0)
        QCOMPARE(list->verticalScrollBar()->value(), 0);
}

void DragDropTest::selectedRowsMoveAsABlock()
{
    DragFixture drag(database({}, {}), TfrmMain::PageTv);
    ReportList *list = drag.editor().list("lvTvCh");
    EditorDriver::selectRows(list, {1, 3, 4});
    drag.dropSelection(list, 0);
    QCOMPARE(drag.db().tvOrder, (Numbers{2, 4, 5, 1, 3, 6}));
    QCOMPARE(EditorDriver::selectedRows(list), (std::vector<int>{0, 1, 2}));
}

void DragDropTest::noDraggingWithOneSatelliteChosen()
{
    DragFixture drag(database({}, {}), TfrmMain::PageTv);
    ReportList *list = drag.editor().list("lvTvCh");
    QVERIFY(list->dragEnabled());
    drag.editor().choose(drag.editor().combo("cbTvSelectSat"), 1);
    QVERIFY(!list->dragEnabled());
    QVERIFY(!drag.accepts(list, list));
    drag.editor().choose(drag.editor().combo("cbTvSelectSat"), 0);
    QVERIFY(list->dragEnabled());
    // Another list's rows are never taken.
    QVERIFY(!drag.accepts(list, drag.editor().list("lvRadioCh")));
    QVERIFY(drag.accepts(list, list));
}

void DragDropTest::radioGroupEntries()
{
    DragFixture drag(database({}, {3, 1}), TfrmMain::PageFavRadio);
    ReportList *list = drag.editor().list("lvRadioFavCh");
    drag.dragRow(list, 1, 0);
    QCOMPARE(drag.db().radioFavourites[0], (Numbers{1, 3}));
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"R1", "R3"}));
}

void DragDropTest::theDraggedEntryMovesNotItsTwin()
{
    // A group may hold a number twice; the entry dragged is the one that moves.
    DragFixture drag(database({5, 7, 5}, {}), TfrmMain::PageFavTv);
    ReportList *list = drag.editor().list("lvTvFavCh");
    drag.dragRow(list, 2, 0);
    QCOMPARE(drag.db().tvFavourites[0], (Numbers{5, 5, 7}));
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"T5", "T5", ""}));
    QCOMPARE(EditorDriver::column(list, 0), (QStringList{"1", "2", "3"}));

    drag.dragRow(list, 1, -1);
    QCOMPARE(drag.db().tvFavourites[0], (Numbers{5, 7, 5}));
}

void DragDropTest::dropInASortedListKeepsEveryNumberTrue()
{
    DragFixture drag(oneTransponderBuilder({"D", "B", "C", "A"}).build(), TfrmMain::PageTv);
    ReportList *list = drag.editor().list("lvTvCh");
    drag.editor().clickColumnTitle(list, 1);   // A(4) B(2) C(3) D(1)
    // "D" dropped onto "C": it lands just before C in the order, which the
    // page then shows; shown sorted, it would have landed after "B".
    drag.dragRow(list, 3, 2);
    QCOMPARE(drag.db().tvOrder, (Numbers{2, 1, 3, 4}));
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"B", "D", "C", "A"}));
    QCOMPARE(EditorDriver::column(list, 0), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(list->firstSelectedRow(), 1);
}

void DragDropTest::emptyListsAndNoSelection()
{
    DragFixture drag(database({}, {}), TfrmMain::PageFavTv);
    ReportList *list = drag.editor().list("lvTvFavCh");
    QCOMPARE(list->rowCount(), 0);
    QVERIFY(drag.accepts(list, list));   // no rows: nothing to scroll, nothing fails
    drag.editor().clickTab(TfrmMain::PageTv);
    ReportList *tv = drag.editor().list("lvTvCh");
    tv->clearSelection();
    drag.dropSelection(tv, 0);
    QCOMPARE(drag.db().tvOrder, (Numbers{1, 2, 3, 4, 5, 6}));
}

void DragDropTest::edgeScrollSpeed_data()
{
    QTest::addColumn<int>("distance");   // pixels from the edge into the list
    QTest::addColumn<int>("margin");     // the depth of the edge zone
    QTest::addColumn<double>("least");   // rows per second
    QTest::addColumn<double>("most");

    QTest::newRow("mid-list") << 200 << 40 << 0.0 << 0.0;
    QTest::newRow("just outside the zone") << 40 << 40 << 0.0 << 0.0;
    // Slow enough to stop on the row wanted.
    QTest::newRow("where the zone begins") << 39 << 40 << 1.0 << 15.0;
    QTest::newRow("halfway in") << 20 << 40 << 100.0 << 300.0;
    // A thousand rows in two to four seconds.
    QTest::newRow("at the edge") << 0 << 40 << 250.0 << 500.0;
    QTest::newRow("a pixel beyond the edge") << -1 << 40 << 250.0 << 500.0;
    QTest::newRow("a deeper zone, at its edge") << 0 << 80 << 250.0 << 500.0;
    QTest::newRow("no zone") << 0 << 0 << 0.0 << 0.0;
}

// How fast a drag near an edge scrolls, by its distance to the edge: the
// nearer, the faster, and never slower for being nearer.
void DragDropTest::edgeScrollSpeed()
{
    QFETCH(int, distance);
    QFETCH(int, margin);
    QFETCH(double, least);
    QFETCH(double, most);
    const double speed = k510::ui::edgeScrollSpeed(distance, margin);
    QVERIFY2(speed >= least && speed <= most, qPrintable(QString::number(speed)));
    for (int nearer = distance - 1; nearer >= std::min(distance, 0) - 2; --nearer)
        QVERIFY(k510::ui::edgeScrollSpeed(nearer, margin) >= k510::ui::edgeScrollSpeed(nearer + 1, margin));
}

QTEST_MAIN(DragDropTest)
#include "tst_drag_drop.moc"
