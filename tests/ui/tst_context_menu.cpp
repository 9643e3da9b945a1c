// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of the six lists, the same commands in "Правка",
// double-clicks and the editing keys: which entries each page offers and
// which dialog each way opens.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ui/PopupMenu.h"
#include "ui/commands/EditHistory.h"

using k510::ui::PopupEntries;
using k510::ui::ReportList;

Q_DECLARE_METATYPE(PopupEntries)

namespace {

// Every dialog the script meets is cancelled, and its name is recorded.
QString lastDialog(EditorDriver &editor)
{
    const QStringList &shown = editor.dialogs().shownDialogs;
    return shown.isEmpty() ? QString() : shown.last();
}

void doubleClickRow(ReportList *list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    // A double click is a press, a release and a double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// Opens the editing database on `page`, with the page's satellite selector
// at `satelliteEntry` (-1: left as it is).
void showPage(EditorDriver &editor, int page, int satelliteEntry)
{
    editor.open(editingDatabase());
    editor.clickTab(page);
    if (page == TfrmMain::PageTp)
        editor.chooseTransponderSatellite(satelliteEntry);
    else if (satelliteEntry >= 0)
        editor.choose(editor.combo(page == TfrmMain::PageTv ? "cbTvSelectSat" : "cbRadioSelectSat"), satelliteEntry);
}

} // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void entriesPerPage_data();
    void entriesPerPage();
    void menuFollowsThePage();
    void doubleClickEdits_data();
    void doubleClickEdits();
    void keys_data();
    void keys();
    void menuKeyOpensTheMenu();
    void editMenuOffersWhatTheContextMenuOffers_data();
    void editMenuOffersWhatTheContextMenuOffers();
    void menusNameTheKeysTheListKeeps();
};

void ContextMenuTest::entriesPerPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<bool>("filtering");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<PopupEntries>("entries");
    const PopupEntries changeOnly{false, false, true, false, false};
    const PopupEntries transponders{true, false, true, true, false};
    // add shown/enabled, change, delete, purge shown/enabled, order as shown shown/enabled,
    // move to a position shown/enabled
    const PopupEntries channelsGreyed{true, false, true, true, true, true, true, false, true, true};
    const PopupEntries channels{true, true, true, true, true, true, true, false, true, false};
    const PopupEntries favourites{true, true, false, true, false, true, false, false, true, true};
    QTest::newRow("satellites") << 0 << -1 << false << false << changeOnly;
    QTest::newRow("transponders, all satellites") << 1 << 0 << false << true << transponders;
    QTest::newRow("transponders, one satellite") << 1 << 2 << false << false
                                                 << PopupEntries{true, true, true, true, false};
    QTest::newRow("TV, all satellites") << 2 << 0 << false << false << channelsGreyed;
    QTest::newRow("TV, no entry") << 2 << -1 << false << false << channelsGreyed;
    QTest::newRow("TV, one satellite") << 2 << 1 << false << false << channels;
    QTest::newRow("radio, one satellite") << 3 << 1 << false << false << channels;
    QTest::newRow("TV favourites") << 4 << -1 << false << true << favourites;
    QTest::newRow("radio favourites") << 5 << -1 << false << false << favourites;
    // The order takes a sorted view of all of it, never of a part.
    QTest::newRow("TV, all satellites, sorted")
        << 2 << 0 << false << true << PopupEntries{true, false, true, true, true, true, true, true, true, true};
    QTest::newRow("radio, all satellites, sorted, filtered")
        << 3 << 0 << true << true << PopupEntries{true, false, true, true, true, false, true, false, true, false};
    QTest::newRow("TV favourites, filtered")
        << 4 << -1 << true << false << PopupEntries{true, true, false, true, false, true, false, false, true, false};
    QTest::newRow("TV, one satellite, sorted") << 2 << 1 << false << true << channels;
}

void ContextMenuTest::entriesPerPage()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(bool, filtering);
    QFETCH(bool, sorted);
    QTEST(k510::ui::popupEntriesOn(page, satelliteEntry, filtering, sorted), "entries");
}

void ContextMenuTest::menuFollowsThePage()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    QVERIFY(menu);
    const auto captions = [&] {
        QStringList shown;
        for (const QAction *action : menu->actions())
            if (action->isVisible())
                shown << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (greyed)"));
        return shown;
    };

    editor.clickTab(TfrmMain::PageTp);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить (greyed)", "Редактировать", "Удалить"}));
    editor.clickTab(TfrmMain::PageFavTv);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить", "Удалить", "Переместить на позицию..."}));
    editor.clickTab(TfrmMain::PageSat);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), QStringList{"Редактировать"});
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить", "Редактировать", "Удалить",
                                      "Удалить все кроме добавленного в Избранные",
                                      "Упорядочить как показано (greyed)",
                                      "Переместить на позицию... (greyed)"}));
}

void ContextMenuTest::doubleClickEdits_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("satellite") << int(TfrmMain::PageSat) << "lvSatView" << "satEditDlg";
    QTest::newRow("transponder") << int(TfrmMain::PageTp) << "lvTpView" << "tpEditDlg";
    QTest::newRow("TV channel") << int(TfrmMain::PageTv) << "lvTvCh" << "svcEditDlg";
    QTest::newRow("radio channel") << int(TfrmMain::PageRadio) << "lvRadioCh" << "svcEditDlg";
    QTest::newRow("TV favourite: nothing") << int(TfrmMain::PageFavTv) << "lvTvFavCh" << "";
    QTest::newRow("radio favourite: nothing") << int(TfrmMain::PageFavRadio) << "lvRadioFavCh" << "";
}

void ContextMenuTest::doubleClickEdits()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    doubleClickRow(editor.list(qPrintable(list)), 0);
    QTEST(lastDialog(editor), "dialog");
}

void ContextMenuTest::keys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Enter edits a satellite") << int(TfrmMain::PageSat) << -1 << int(Qt::Key_Return) << "satEditDlg";
    QTest::newRow("Enter edits a TV channel") << int(TfrmMain::PageTv) << 0 << int(Qt::Key_Enter) << "svcEditDlg";
    QTest::newRow("Insert adds a transponder") << int(TfrmMain::PageTp) << 1 << int(Qt::Key_Insert) << "tpEditDlg";
    QTest::newRow("Insert adds a TV channel") << int(TfrmMain::PageTv) << 1 << int(Qt::Key_Insert) << "svcAddDlg";
    QTest::newRow("Insert adds a radio channel") << int(TfrmMain::PageRadio) << 2 << int(Qt::Key_Insert) << "svcAddDlg";
    QTest::newRow("no Insert with all satellites") << int(TfrmMain::PageTv) << 0 << int(Qt::Key_Insert) << "";
    QTest::newRow("no Enter on favourites") << int(TfrmMain::PageFavTv) << -1 << int(Qt::Key_Return) << "";
    QTest::newRow("F2 edits a transponder") << int(TfrmMain::PageTp) << 1 << int(Qt::Key_F2) << "tpEditDlg";
    QTest::newRow("F2 edits a radio channel") << int(TfrmMain::PageRadio) << 0 << int(Qt::Key_F2) << "svcEditDlg";
    QTest::newRow("no F2 on favourites") << int(TfrmMain::PageFavRadio) << -1 << int(Qt::Key_F2) << "";
}

void ContextMenuTest::keys()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(int, key);
    EditorDriver editor;
    showPage(editor, page, satelliteEntry);
    ReportList *list = qobject_cast<ReportList *>(
        editor.window().findChild<QTabWidget *>(QStringLiteral("Pages"))->currentWidget()->findChild<ReportList *>());
    QVERIFY(list);
    editor.clickRow(list, 0);
    editor.pressKey(list, Qt::Key(key));
    QTEST(lastDialog(editor), "dialog");
}

void ContextMenuTest::menuKeyOpensTheMenu()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        editor.pressKey(editor.list("lvSatView"), key, modifiers);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!menu->actions().at(0)->isVisible());   // no "Добавить" on the satellites page
        menu->hide();
    }
}

void ContextMenuTest::editMenuOffersWhatTheContextMenuOffers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<QString>("findText");
    // Add, change, delete, delete all but favourites: '+' can be chosen.
    QTest::addColumn<QString>("available");
    QTest::newRow("satellites") << int(TfrmMain::PageSat) << -1 << "" << "-+--";
    QTest::newRow("transponders, all satellites") << int(TfrmMain::PageTp) << 0 << "" << "-++-";
    QTest::newRow("transponders, one satellite") << int(TfrmMain::PageTp) << 1 << "" << "+++-";
    QTest::newRow("TV, all satellites") << int(TfrmMain::PageTv) << 0 << "" << "-+++";
    QTest::newRow("TV, one satellite") << int(TfrmMain::PageTv) << 1 << "" << "++++";
    QTest::newRow("TV, one satellite, filtered") << int(TfrmMain::PageTv) << 1 << "а" << "+++-";
    QTest::newRow("radio, one satellite") << int(TfrmMain::PageRadio) << 2 << "" << "++++";
    QTest::newRow("radio, filtered") << int(TfrmMain::PageRadio) << 0 << "а" << "-++-";
    QTest::newRow("TV favourites") << int(TfrmMain::PageFavTv) << -1 << "" << "+-+-";
    QTest::newRow("radio favourites, filtered") << int(TfrmMain::PageFavRadio) << -1 << "а" << "+-+-";
}

void ContextMenuTest::editMenuOffersWhatTheContextMenuOffers()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(QString, findText);
    EditorDriver editor;
    showPage(editor, page, satelliteEntry);
    if (!findText.isEmpty()) {
        const QString fields[] = {"", "", "edTvFind", "edRadioFind", "edTvFavFind", "edRadioFavFind"};
        editor.window().findChild<QLineEdit *>(fields[page])->setText(findText);
    }
    const auto availability = [](std::initializer_list<const QAction *> actions) {
        QString shown;
        for (const QAction *action : actions)
            shown += action->isVisible() && action->isEnabled() ? QLatin1Char('+') : QLatin1Char('-');
        return shown;
    };

    auto *popup = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    editor.window().PopupMenuPopup();
    QTEST(availability({popup->pmAdd, popup->pmChange, popup->pmDelete, popup->pmDelAll}), "available");

    auto *edit = editor.window().findChild<QMenu *>(QStringLiteral("mmEdit"));
    const auto action = [&](const char *name) { return edit->findChild<QAction *>(QLatin1String(name)); };
    edit->popup(QPoint(0, 0));
    QTRY_VERIFY(edit->isVisible());
    QTEST(availability({action("mmEditAdd"), action("mmEditChange"), action("mmEditDelete"), action("mmEditDelAll")}),
          "available");
    edit->hide();
}

// Both menus show Ins, Enter and Del beside their commands, but the keys
// stay the list's: each does its one thing once, never a menu's twice.
void ContextMenuTest::menusNameTheKeysTheListKeeps()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *popup = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    QCOMPARE(popup->pmAdd->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(popup->pmChange->shortcut(), QKeySequence(Qt::Key_Enter));
    QCOMPARE(popup->pmDelete->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(popup->pmDelete->text(), QStringLiteral("Удалить"));
    const auto editText = [&](const char *name) {
        return editor.window().findChild<QAction *>(QLatin1String(name))->text();
    };
    QCOMPARE(editText("mmEditAdd"), QStringLiteral("&Добавить\tIns"));
    QCOMPARE(editText("mmEditChange"), QStringLiteral("&Изменить\tEnter"));
    QCOMPARE(editText("mmEditDelete"), QStringLiteral("&Удалить\tDel"));

    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    ReportList *tv = editor.list("lvTvCh");
    const int rows = tv->rowCount();
    editor.clickRow(tv, 0);
    editor.pressKey(tv, Qt::Key_Delete);
    QCOMPARE(tv->rowCount(), rows - 1);
    QCOMPARE(editor.window().history().stack().count(), 1);
    editor.clickRow(tv, 0);
    editor.pressKey(tv, Qt::Key_F2);
    editor.pressKey(tv, Qt::Key_Insert);
    QCOMPARE(editor.dialogs().shownDialogs, (QStringList{"svcEditDlg", "svcAddDlg"}));
}

QTEST_MAIN(ContextMenuTest)
#include "tst_context_menu.moc"
