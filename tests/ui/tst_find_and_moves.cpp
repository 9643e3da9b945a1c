// SPDX-License-Identifier: GPL-3.0-or-later
// Finding channels with the "Поиск" field and moving them from the keyboard.

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include "EditorDriver.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/PopupMenu.h"
#include "ui/commands/DragCommands.h"
#include "ui/commands/EditHistory.h"
#include "ui/pages/FindField.h"

using k510::ui::ReportList;
using Numbers = std::vector<std::uint16_t>;

namespace {

struct PageCase {
    int page;
    const char *list;
    const char *field;
};

QStringList shownColumn(const ReportList *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        if (!list->isRowHidden(row))
            texts << list->text(row, column);
    return texts;
}

QLineEdit *field(EditorDriver &editor, const char *name)
{
    return editor.window().findChild<QLineEdit *>(QLatin1String(name));
}

// TV channels "Альфа", "бета", "Гамма", "альфа два", "Дельта" in record order.
k510::ChannelDatabase greekDatabase()
{
    k510::samples::DatabaseBuilder b;
    const int sat = b.addSatellite({.name = "Sat"});
    const int tp = b.addTransponder(sat, 11000, 'H', 27500, 3);
    for (const char *name : {"Альфа", "бета", "Гамма", "альфа два", "Дельта"})
        b.addTv(tp, {.name = name});
    for (const char *name : {"Радио Альфа", "Радио"})
        b.addRadio(tp, {.name = name});
    b.setTvGroup(1, "Группа", {1, 4, 5, 3});
    b.setRadioGroup(1, "Группа", {2, 1});
    return b.build();
}

} // namespace

class FindAndMovesTest : public QObject {
    Q_OBJECT

private slots:
    void filterShowsMatchingRowsOnEveryPage_data();
    void filterShowsMatchingRowsOnEveryPage();
    void commandsActOnTheFilteredRows();
    void dragAndPurgeAreOffWhileFiltering();
    void filterHoldsAcrossRefillsAndPages();
    void keyboardMovesAsADrag_data();
    void keyboardMovesAsADrag();
    void movesWalkAndEndAtTheEnds();
    void everyWayToDeleteTakesTheShownSelection_data();
    void everyWayToDeleteTakesTheShownSelection();
    void anEditedRowFollowsTheFilter_data();
    void anEditedRowFollowsTheFilter();
};

void FindAndMovesTest::filterShowsMatchingRowsOnEveryPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("TV, Cyrillic in either case") << int(TfrmMain::PageTv) << "lvTvCh" << "edTvFind" << "АЛЬФ"
                                                 << QStringList{"Альфа", "альфа два"} << QStringList{"1", "4"};
    QTest::newRow("radio") << int(TfrmMain::PageRadio) << "lvRadioCh" << "edRadioFind" << "альфа"
                           << QStringList{"Радио Альфа"} << QStringList{"1"};
    QTest::newRow("TV favourites") << int(TfrmMain::PageFavTv) << "lvTvFavCh" << "edTvFavFind" << "ЛЬ"
                                   << QStringList{"Альфа", "альфа два", "Дельта"} << QStringList{"1", "2", "3"};
    QTest::newRow("radio favourites") << int(TfrmMain::PageFavRadio) << "lvRadioFavCh" << "edRadioFavFind" << "ио"
                                      << QStringList{"Радио", "Радио Альфа"} << QStringList{"1", "2"};
}

void FindAndMovesTest::filterShowsMatchingRowsOnEveryPage()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(QString, text);
    const QString fieldName = field;
    EditorDriver editor;
    editor.open(greekDatabase());
    editor.clickTab(page);
    ReportList *rows = editor.list(qPrintable(list));
    const int all = rows->rowCount();

    QTest::keySequence(&editor.window(), QKeySequence(QStringLiteral("Ctrl+F")));
    QLineEdit *find = editor.window().findChild<QLineEdit *>(fieldName);
    QVERIFY(find->hasFocus());
    find->setText(text);
    QTEST(shownColumn(rows, 1), "names");
    QTEST(shownColumn(rows, 0), "numbers");
    QFETCH(QStringList, names);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: %1").arg(names.size()));
    QVERIFY(find->property("filtering").toBool());

    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(find->text().isEmpty());
    QCOMPARE(shownColumn(rows, 1).size(), all);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: %1").arg(all));
}

void FindAndMovesTest::commandsActOnTheFilteredRows()
{
    EditorDriver editor;
    editor.open(greekDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *rows = editor.list("lvTvCh");
    field(editor, "edTvFind")->setText(QStringLiteral("дел"));
    // The one row shown is "Дельта"; a click and the keys reach only it.
    const int row = int(EditorDriver::column(rows, 1).indexOf(QStringLiteral("Дельта")));
    editor.clickRow(rows, row);
    editor.pressKey(rows, Qt::Key_Up);
    QCOMPARE(EditorDriver::selectedRows(rows), std::vector<int>{row});
    editor.dialogs().answers = {true};
    editor.window().pmDeleteClick();

    QStringList names;
    const k510::ChannelDatabase &db = editor.window().database();
    for (const std::uint16_t number : db.tvOrder)
        names << QString::fromStdString(k510::windows1251ToUtf8(db.tvChannel(number)->nameText()));
    QCOMPARE(names, (QStringList{"Альфа", "бета", "Гамма", "альфа два"}));
    QCOMPARE(shownColumn(rows, 1), QStringList());
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 0"));
}

void FindAndMovesTest::dragAndPurgeAreOffWhileFiltering()
{
    EditorDriver editor;
    editor.open(greekDatabase());
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>();
    for (const auto &[page, list, name] : {std::tuple{TfrmMain::PageTv, "lvTvCh", "edTvFind"},
                                          std::tuple{TfrmMain::PageFavRadio, "lvRadioFavCh", "edRadioFavFind"}}) {
        editor.clickTab(page);
        QVERIFY(editor.list(list)->dragEnabled());
        field(editor, name)->setText(QStringLiteral("а"));
        QVERIFY(!editor.list(list)->dragEnabled());
        field(editor, name)->clear();
        QVERIFY(editor.list(list)->dragEnabled());
    }
    editor.clickTab(TfrmMain::PageTv);
    field(editor, "edTvFind")->setText(QStringLiteral("а"));
    editor.window().PopupMenuPopup();
    QVERIFY(menu->pmDelAll->isVisible() && !menu->pmDelAll->isEnabled());
    editor.dialogs().answers = {true};
    editor.window().pmDelAllClick();
    QVERIFY(editor.dialogs().questions.isEmpty());
    QCOMPARE(editor.window().database().tvOrder.size(), std::size_t(5));
}

void FindAndMovesTest::filterHoldsAcrossRefillsAndPages()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(TfrmMain::PageTv);
    field(editor, "edTvFind")->setText(QStringLiteral("нтв"));
    const QStringList shown = shownColumn(editor.list("lvTvCh"), 1);
    QVERIFY(shown.contains(QStringLiteral("НТВ")));
    for (const QString &name : shown)
        QVERIFY(name.contains(QStringLiteral("нтв"), Qt::CaseInsensitive));

    editor.clickTab(TfrmMain::PageRadio);
    QVERIFY(field(editor, "edRadioFind")->text().isEmpty());
    editor.clickTab(TfrmMain::PageTv);   // refilled, filtered again
    QCOMPARE(field(editor, "edTvFind")->text(), QStringLiteral("нтв"));
    QCOMPARE(shownColumn(editor.list("lvTvCh"), 1), shown);
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    for (const QString &name : shownColumn(editor.list("lvTvCh"), 1))
        QVERIFY(name.contains(QStringLiteral("нтв"), Qt::CaseInsensitive));
}

void FindAndMovesTest::keyboardMovesAsADrag_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("dropOnto");   // the drag it equals: -1 below the last row
    QTest::newRow("Ctrl+Up") << 2 << int(Qt::Key_Up) << 1;
    QTest::newRow("Ctrl+Down") << 1 << int(Qt::Key_Down) << 3;
    QTest::newRow("Ctrl+Down onto the end") << 3 << int(Qt::Key_Down) << -1;
    QTest::newRow("Ctrl+Home") << 3 << int(Qt::Key_Home) << 0;
    QTest::newRow("Ctrl+End") << 1 << int(Qt::Key_End) << -1;
}

void FindAndMovesTest::keyboardMovesAsADrag()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, dropOnto);
    const auto orderAfter = [&](bool byKey, int page) {
        EditorDriver editor;
        editor.open(greekDatabase());
        editor.clickTab(page);
        ReportList *list = editor.list(page == TfrmMain::PageTv ? "lvTvCh" : "lvTvFavCh");
        editor.clickRow(list, row);
        if (byKey) {
            editor.pressKey(list, Qt::Key(key), Qt::ControlModifier);
        } else {
            const QPoint at = dropOnto < 0 ? QPoint(5, list->visualRect(list->model()->index(list->rowCount() - 1, 0)).bottom() + 4)
                                           : list->visualRect(list->model()->index(dropOnto, 1)).center();
            editor.window().findChild<k510::ui::DragCommands *>()->drop(*list, at);
        }
        const k510::ChannelDatabase &db = editor.window().database();
        const Numbers entries = page == TfrmMain::PageTv ? db.tvOrder : db.tvFavourites[0];
        return std::tuple{entries, list->firstSelectedRow(), editor.window().history().stack().count()};
    };
    for (const int page : {int(TfrmMain::PageTv), int(TfrmMain::PageFavTv)}) {
        const auto [keyed, keyedRow, steps] = orderAfter(true, page);
        const auto [dragged, draggedRow, dragSteps] = orderAfter(false, page);
        QCOMPARE(keyed, dragged);
        QCOMPARE(keyedRow, draggedRow);
        QCOMPARE(steps, dragSteps);   // one step, or none when nothing moved
    }
}

void FindAndMovesTest::movesWalkAndEndAtTheEnds()
{
    EditorDriver editor;
    editor.open(greekDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    editor.clickRow(list, 0);
    for (int press = 0; press < 6; ++press)
        editor.pressKey(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(editor.window().database().tvOrder, (Numbers{2, 3, 4, 5, 1}));
    QCOMPARE(list->firstSelectedRow(), 4);
    QCOMPARE(editor.window().history().stack().count(), 4);   // no step at the end
    editor.pressKey(list, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(editor.window().database().tvOrder, (Numbers{1, 2, 3, 4, 5}));
    editor.pressKey(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(editor.window().history().stack().count(), 5);
    QCOMPARE(list->firstSelectedRow(), 0);

    // With one satellite chosen the order cannot change.
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    editor.clickRow(list, 0);
    editor.pressKey(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(editor.window().history().stack().count(), 5);
}

namespace {

enum Pick { CtrlClicks, ShiftClick, ShiftDowns, SelectAll };
enum DeleteWay { DelKey, MenuKey, ShiftF10, RightClick };

QStringList tvNames(const k510::ChannelDatabase &db, const Numbers &numbers)
{
    QStringList names;
    for (const std::uint16_t number : numbers)
        names << QString::fromStdString(k510::windows1251ToUtf8(db.tvChannel(number)->nameText()));
    return names;
}

} // namespace

void FindAndMovesTest::everyWayToDeleteTakesTheShownSelection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("find");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QList<int>>("rows");   // clicked rows; for ShiftDowns the first row and the presses
    QTest::addColumn<int>("way");
    QTest::addColumn<QStringList>("left");  // the TV order, or the TV group, afterwards

    const int tv = TfrmMain::PageTv;
    const int favourites = TfrmMain::PageFavTv;
    // TV order: Альфа, бета, Гамма, альфа два, Дельта; group: Альфа, альфа два, Дельта, Гамма.
    QTest::newRow("Ctrl+clicks, Del") << tv << "" << int(CtrlClicks) << QList<int>{0, 2, 4} << int(DelKey)
                                      << QStringList{"бета", "альфа два"};
    QTest::newRow("Shift+Down three times, Del") << tv << "" << int(ShiftDowns) << QList<int>{1, 3} << int(DelKey)
                                                 << QStringList{"Альфа"};
    QTest::newRow("Shift+click, menu key") << tv << "" << int(ShiftClick) << QList<int>{1, 3} << int(MenuKey)
                                           << QStringList{"Альфа", "Дельта"};
    QTest::newRow("Ctrl+clicks, Shift+F10") << tv << "" << int(CtrlClicks) << QList<int>{4, 1} << int(ShiftF10)
                                            << QStringList{"Альфа", "Гамма", "альфа два"};
    QTest::newRow("Shift+click upwards, right click") << tv << "" << int(ShiftClick) << QList<int>{3, 0}
                                                     << int(RightClick) << QStringList{"Дельта"};
    // "льф" shows rows 0 and 3 only.
    QTest::newRow("filter, Ctrl+A, Del") << tv << "льф" << int(SelectAll) << QList<int>{3} << int(DelKey)
                                         << QStringList{"бета", "Гамма", "Дельта"};
    QTest::newRow("filter, Shift+click over hidden rows, menu key")
        << tv << "льф" << int(ShiftClick) << QList<int>{0, 3} << int(MenuKey) << QStringList{"бета", "Гамма", "Дельта"};
    QTest::newRow("filter, Shift+Down over hidden rows, Del")
        << tv << "льф" << int(ShiftDowns) << QList<int>{0, 1} << int(DelKey) << QStringList{"бета", "Гамма", "Дельта"};
    QTest::newRow("favourites, filter, Ctrl+A, Del") << favourites << "льф" << int(SelectAll) << QList<int>{0}
                                                     << int(DelKey) << QStringList{"Дельта", "Гамма"};
    QTest::newRow("favourites, Ctrl+clicks, Shift+F10") << favourites << "" << int(CtrlClicks) << QList<int>{0, 2}
                                                        << int(ShiftF10) << QStringList{"альфа два", "Гамма"};
}

// However the rows were chosen and however "Удалить" is reached, it takes
// every selected row the user can see, and no other.
void FindAndMovesTest::everyWayToDeleteTakesTheShownSelection()
{
    QFETCH(int, page);
    QFETCH(QString, find);
    QFETCH(int, pick);
    QFETCH(QList<int>, rows);
    QFETCH(int, way);
    QFETCH(QStringList, left);

    EditorDriver editor;
    editor.open(greekDatabase());
    editor.clickTab(page);
    const bool tv = page == TfrmMain::PageTv;
    ReportList *list = editor.list(tv ? "lvTvCh" : "lvTvFavCh");
    field(editor, tv ? "edTvFind" : "edTvFavFind")->setText(find);

    editor.clickRow(list, rows.front());
    switch (pick) {
    case CtrlClicks:
        for (const int row : rows.mid(1))
            editor.clickRow(list, row, Qt::ControlModifier);
        break;
    case ShiftClick: editor.clickRow(list, rows.back(), Qt::ShiftModifier); break;
    case ShiftDowns:
        for (int press = 0; press < rows.back(); ++press)
            editor.pressKey(list, Qt::Key_Down, Qt::ShiftModifier);
        break;
    default: editor.pressKey(list, Qt::Key_A, Qt::ControlModifier); break;
    }

    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>();
    switch (way) {
    case DelKey: editor.pressKey(list, Qt::Key_Delete); break;
    case MenuKey: editor.pressKey(list, Qt::Key_Menu); break;
    case ShiftF10: editor.pressKey(list, Qt::Key_F10, Qt::ShiftModifier); break;
    default: {
        // A right click on the last row clicked: a press, then the menu.
        const QPoint at = list->visualRect(list->model()->index(rows.back(), 1)).center();
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &menuEvent);
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
        break;
    }
    }
    if (way != DelKey) {
        QTRY_VERIFY(menu->isVisible());
        menu->pmDelete->trigger();
        menu->hide();
    }

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(tvNames(db, tv ? db.tvOrder : db.tvFavourites[0]), left);
}

void FindAndMovesTest::anEditedRowFollowsTheFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("selected");   // the edited row, or -1 once it is hidden

    // "льф" shows "Альфа" and "альфа два"; the first is renamed.
    QTest::newRow("still matching") << "Альфа три" << QStringList{"Альфа три", "альфа два"} << 0;
    QTest::newRow("no longer matching") << "Омега" << QStringList{"альфа два"} << -1;
}

void FindAndMovesTest::anEditedRowFollowsTheFilter()
{
    QFETCH(QString, name);
    EditorDriver editor;
    editor.open(greekDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    field(editor, "edTvFind")->setText(QStringLiteral("льф"));
    editor.clickRow(list, 0);
    editor.dialogs().dialogScript.push_back([name](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(name);
        return true;
    });
    editor.pressKey(list, Qt::Key_Return);

    QTEST(shownColumn(list, 1), "shown");
    QTEST(list->firstSelectedRow(), "selected");
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: %1").arg(shownColumn(list, 1).size()));
}

QTEST_MAIN(FindAndMovesTest)
#include "tst_find_and_moves.moc"
