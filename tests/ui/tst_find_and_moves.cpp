// SPDX-License-Identifier: GPL-3.0-or-later
// Finding channels with the "Поиск" field and moving them from the keyboard.

#include <QApplication>
#include <QContextMenuEvent>
#include <QRandomGenerator>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ListPoints.h"
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
    k510::samples::DatabaseBuilder b =
        oneTransponderBuilder({"Альфа", "бета", "Гамма", "альфа два", "Дельта"}, {"Радио Альфа", "Радио"});
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
    void randomBlockMovesMatchTheModel();
    void moveToPositionRefusesNumbersOutsideTheList();
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
                                           : centreOfRow(*list, dropOnto);
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

// Fourteen TV channels whose names share letters, so that a one-letter
// filter shows a scattered part of them; TV group 1 holds ten of them.
k510::ChannelDatabase lettersDatabase()
{
    k510::samples::DatabaseBuilder b = oneTransponderBuilder({"Альфа", "Бета", "Гамма", "Дельта", "Эпсилон", "Дзета", "Эта",
                                                              "Тета", "Йота", "Каппа", "Лямбда", "Мю", "Ню", "Кси"});
    b.setTvGroup(1, "Группа", {3, 1, 4, 10, 5, 9, 2, 6, 14, 8});
    return b.build();
}

// The list as a block move leaves it, written out longhand: the entries at
// `positions` (ascending) leave, and land together before the entry that
// stood at `before` (the list's size: at the end).
Numbers blockMoved(const Numbers &list, const std::vector<int> &positions, int before)
{
    Numbers block;
    Numbers result;
    for (const int position : positions)
        block.push_back(list[std::size_t(position)]);
    for (int i = 0; i <= int(list.size()); ++i) {
        if (i == before)
            result.insert(result.end(), block.begin(), block.end());
        const bool moved = std::find(positions.begin(), positions.end(), i) != positions.end();
        if (i < int(list.size()) && !moved)
            result.push_back(list[std::size_t(i)]);
    }
    return result;
}

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
    // "льф" shows "Альфа" and "альфа два" only, as rows 0 and 1.
    QTest::newRow("filter, Ctrl+A, Del") << tv << "льф" << int(SelectAll) << QList<int>{1} << int(DelKey)
                                         << QStringList{"бета", "Гамма", "Дельта"};
    QTest::newRow("filter, Shift+click over hidden rows, menu key")
        << tv << "льф" << int(ShiftClick) << QList<int>{0, 1} << int(MenuKey) << QStringList{"бета", "Гамма", "Дельта"};
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

    // Favourites among the rows go too: this is about which rows.
    editor.dialogs().threeWayAnswers = {UserDialogs::Answer::Yes};
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>();
    switch (way) {
    case DelKey: editor.pressKey(list, Qt::Key_Delete); break;
    case MenuKey: editor.pressKey(list, Qt::Key_Menu); break;
    case ShiftF10: editor.pressKey(list, Qt::Key_F10, Qt::ShiftModifier); break;
    default: {
        // A right click on the last row clicked: a press, then the menu.
        const QPoint at = centreOfRow(*list, rows.back());
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

// Random selections, with and without a filter, moved by drops, by the
// Ctrl keys and by "Переместить на позицию...": after each step the list
// behind the page is the block move of the rows shown and selected, the
// moved rows are selected and hold the current row, and one undo gives the
// image back byte for byte.
void FindAndMovesTest::randomBlockMovesMatchTheModel()
{
    QRandomGenerator random(24);
    EditorDriver editor;
    editor.open(lettersDatabase());
    auto *drags = editor.window().findChild<k510::ui::DragCommands *>();
    enum Action { Drop, CtrlUp, CtrlDown, CtrlHome, CtrlEnd, MoveTo, ActionCount };
    const Qt::Key keys[] = {Qt::Key_unknown, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_G};
    for (int step = 0; step < 120; ++step) {
        const bool tv = random.bounded(2) == 0;
        editor.clickTab(tv ? TfrmMain::PageTv : TfrmMain::PageFavTv);
        ReportList *list = editor.list(tv ? "lvTvCh" : "lvTvFavCh");
        const auto entries = [&] {
            const k510::ChannelDatabase &db = editor.window().database();
            return tv ? db.tvOrder : db.tvFavourites[0];
        };
        const QString filters[] = {"", "", "а", "т", "л", "п"};
        field(editor, tv ? "edTvFind" : "edTvFavFind")->setText(filters[random.bounded(6)]);
        std::vector<int> shown;
        for (int row = 0; row < list->rowCount(); ++row)
            if (!list->isRowHidden(row))
                shown.push_back(row);
        if (shown.empty())
            continue;
        // One to four shown rows, clicked in a random order.
        std::vector<int> picked;
        for (int count = 1 + random.bounded(4); count > 0; --count)
            picked.push_back(shown[random.bounded(int(shown.size()))]);
        editor.clickRow(list, picked.front());
        for (const int row : picked)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const std::vector<int> selected = EditorDriver::selectedRows(list);
        const bool filtering = list->filtering();
        const auto action = Action(random.bounded(filtering ? int(CtrlUp) : int(Drop), int(ActionCount)));
        if (filtering && action == MoveTo)
            continue;

        const Numbers before = entries();
        const std::vector<std::uint8_t> image = imageOf(editor.window().database());
        const int size = int(before.size());
        // While the page shows its list, "#" - 1 is the entry a row stands for.
        const auto placeOfRow = [list](int row) { return list->text(row, 0).toInt() - 1; };
        std::vector<int> positions;
        for (const int row : selected)
            positions.push_back(placeOfRow(row));
        const int firstShown = shown.front();
        const auto at = std::find(shown.begin(), shown.end(), selected.front());
        const auto after = std::find(shown.begin(), shown.end(), selected.back()) + 1;
        int place = -1;   // the entry the block goes before; -1 when nothing moves
        int target = -1;  // the row dropped on, -1 below the rows
        Numbers expected;
        switch (action) {
        case Drop:
            target = random.bounded(-1, list->rowCount());
            place = target < 0 ? size : placeOfRow(target);
            break;
        case CtrlUp: place = at == shown.begin() ? -1 : placeOfRow(*(at - 1)); break;
        case CtrlDown: place = after == shown.end() ? -1 : placeOfRow(*after) + 1; break;
        case CtrlHome: place = placeOfRow(firstShown); break;
        case CtrlEnd: place = placeOfRow(shown.back()) + 1; break;
        default: break;
        }
        if (action == MoveTo) {
            const int number = 1 + random.bounded(size);
            editor.dialogs().dialogScript.push_back([number](QDialog &dialog) {
                dialog.findChild<QLineEdit *>(QStringLiteral("lePosition"))->setText(QString::number(number));
                return true;
            });
            Numbers others;
            for (int i = 0; i < size; ++i)
                if (std::find(positions.begin(), positions.end(), i) == positions.end())
                    others.push_back(before[std::size_t(i)]);
            const int first = std::min(number - 1, int(others.size()));
            expected = others;
            for (std::size_t i = 0; i < positions.size(); ++i)
                expected.insert(expected.begin() + first + std::ptrdiff_t(i), before[std::size_t(positions[i])]);
        } else {
            expected = place < 0 ? before : blockMoved(before, positions, place);
        }

        const int steps = editor.window().history().stack().count();
        if (action == Drop) {
            const QPoint point = target < 0 ? QPoint(10, list->visualRect(list->model()->index(size - 1, 1)).bottom() + 5)
                                            : centreOfRow(*list, target);
            drags->drop(*list, point);
        } else {
            editor.pressKey(list, keys[action], Qt::ControlModifier);
        }
        const QByteArray context =
            QStringLiteral("step %1, action %2, %3 rows").arg(step).arg(int(action)).arg(selected.size()).toUtf8();
        QVERIFY2(entries() == expected, context.constData());
        if (expected == before) {
            QCOMPARE(editor.window().history().stack().count(), steps);
            continue;
        }
        QCOMPARE(editor.window().history().stack().count(), steps + 1);
        // The block stands together, selected, the current row among it.
        const std::vector<int> nowSelected = EditorDriver::selectedRows(list);
        QCOMPARE(int(nowSelected.size()), int(selected.size()));
        QCOMPARE(nowSelected.back() - nowSelected.front() + 1, int(selected.size()));
        for (std::size_t i = 0; i < nowSelected.size(); ++i)
            QCOMPARE(entries()[std::size_t(placeOfRow(nowSelected[i]))], before[std::size_t(positions[i])]);
        const int current = list->currentIndex().row();
        QVERIFY(current >= nowSelected.front() && current <= nowSelected.back());
        // Down goes on from there.
        if (current + 1 < list->rowCount() && !filtering) {
            editor.pressKey(list, Qt::Key_Down);
            QCOMPARE(EditorDriver::selectedRows(list), std::vector<int>{current + 1});
        }
        editor.window().history().stack().undo();
        QVERIFY(imageOf(editor.window().database()) == image);
        editor.window().history().stack().redo();
        QCOMPARE(entries(), expected);
    }
}

void FindAndMovesTest::moveToPositionRefusesNumbersOutsideTheList()
{
    EditorDriver editor;
    editor.open(lettersDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    editor.clickRow(list, 3);
    const Numbers before = editor.window().database().tvOrder;
    for (const char *typed : {"0", "15", "семь"}) {
        editor.dialogs().dialogScript.push_back([typed](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("lePosition"))->setText(QString::fromUtf8(typed));
            return true;
        });
    }
    // Asked again after each refusal; the script then runs out (Отмена).
    editor.pressKey(list, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(editor.dialogs().messages,
             (QStringList{"Номер позиции должен быть от 1 до 14.", "Номер позиции должен быть от 1 до 14.",
                          "«семь» — не число. Номер позиции должен быть от 1 до 14."}));
    QCOMPARE(editor.dialogs().shownDialogs.count(QStringLiteral("moveToPositionDlg")), 4);
    QCOMPARE(editor.window().database().tvOrder, before);

    // Unavailable while a filter hides rows or one satellite is chosen.
    field(editor, "edTvFind")->setText(QStringLiteral("а"));
    editor.window().mmEditMoveToClick();
    field(editor, "edTvFind")->clear();
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    editor.clickRow(list, 0);
    editor.window().mmEditMoveToClick();
    QCOMPARE(editor.dialogs().shownDialogs.count(QStringLiteral("moveToPositionDlg")), 4);
    // The keys say why nothing moves.
    editor.pressKey(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Только для «ВСЕ СПУТНИКИ»"));
}

QTEST_MAIN(FindAndMovesTest)
#include "tst_find_and_moves.moc"
